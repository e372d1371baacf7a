#include "filterlist/ui/CDragDropListCtrl.h"
#include "listctrl/core/ColumnProfile.h"
#include "listctrl/ui/CCommonListCtrl.h"
#include "listctrl/ui/CReposition.h"
#include "listctrl/ui/DlgCtrlId.h"
#include "platform/core/IniFile.h"
#include "platform/core/Prompts.h"
#include "resources/core/Resource.h"

#include "TempBase.h"

#include <QDialog>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QString Texts(const QListWidget *pBox)
{
    QStringList texts;
    for (int i = 0; i < pBox->count(); ++i)
        texts << pBox->item(i)->text();
    return texts.join(',');
}

// "name:width" of every column, in display order.
QString Columns(const CCommonListCtrl *pList)
{
    QStringList columns;
    QHeaderView *pHeader = pList->GetHeaderCtrl();
    for (int v = 0; v < pList->GetColumnCount(); ++v) {
        const int c = pHeader->logicalIndex(v);
        columns << QStringLiteral("%1:%2").arg(pList->GetColumnHeading(c).c_str()).arg(pList->GetColumnWidth(c));
    }
    return columns.join(',');
}

QString Profile(const char *pszSection)
{
    CString strValue;
    GetPrivateProfileString(pszSection, kColumnProfileKey, "<none>", strValue, 4096, GetListIniPath());
    return QString::fromStdString(strValue);
}

QPoint Center(const QListWidget *pBox, int nRow)
{
    return pBox->visualItemRect(pBox->item(nRow)).center();
}

} // namespace

Q_DECLARE_METATYPE(CArray<int>)

class RepositionTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CTempBase> m_base;
    CScriptedPrompts m_prompts;
    std::unique_ptr<CReposition> m_repo;
    std::unique_ptr<QDialog> m_owner;
    CCommonListCtrl *m_list = nullptr;

    // A list in its own dialog: definition i is 50 + 10 * i wide.
    static CCommonListCtrl *MakeList(QDialog &owner, const QStringList &names, const char *pszProfile = "Test List",
                                     const QStringList &fixed = {}, const CArray<int> &defaultPos = {})
    {
        auto *pList = new CCommonListCtrl;
        pList->m_strProfileName = pszProfile;
        pList->Create(&owner, IDC_RESULT_LIST);
        for (const QString &name : names) {
            pList->m_mapColIndex[name.toStdString()] = pList->m_aColInfo.GetSize();
            pList->m_aColInfo.Add(MakeColInfo(name.toStdString(), 50 + 10 * pList->m_aColInfo.GetSize()));
        }
        for (const QString &name : fixed)
            pList->m_aFixedCols.Add(name.toStdString());
        pList->m_aDefaultColPos = defaultPos;
        pList->BuildColumns();
        return pList;
    }

    void Open(CCommonListCtrl *pList)
    {
        pList->OnCommand(IDM_REPOSITION_COLUMNS);
        QVERIFY(QTest::qWaitForWindowExposed(m_repo->GetDialog()));
    }

    QStringList Messages() const
    {
        QStringList messages;
        for (const CString &strText : m_prompts.m_messages)
            messages << QString::fromStdString(strText);
        return messages;
    }

    void Click(int nID)
    {
        QTest::mouseClick(qobject_cast<QPushButton *>(GetDlgItem(m_repo->GetDialog(), nID)), Qt::LeftButton);
    }

    // Steps separated by ";": "v:0,2 <" selects rows 0 and 2 of the visible
    // box and presses "<"; "h:1 dbl" double-clicks row 1 of the hidden box.
    void Run(const QString &script)
    {
        for (const QString &step : script.split(';', Qt::SkipEmptyParts)) {
            const QStringList parts = step.trimmed().split(' ');
            CDragDropListCtrl *pBox = parts[0].startsWith('v') ? m_repo->VisibleBox() : m_repo->HiddenBox();
            const QStringList rows = parts[0].mid(2).split(',');
            if (parts[1] == "dbl") {
                const QPoint at = Center(pBox, rows[0].toInt());
                QTest::mouseClick(pBox->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(pBox->viewport(), Qt::LeftButton, {}, at);
                continue;
            }
            pBox->clearSelection();
            for (const QString &row : rows)
                pBox->item(row.toInt())->setSelected(true);
            Click(parts[1] == ">" ? IDC_TO_VISIBLE : IDC_TO_HIDDEN);
        }
    }

private Q_SLOTS:
    void init()
    {
        m_base = std::make_unique<CTempBase>();
        m_prompts.m_messages.RemoveAll();
        SetPrompts(&m_prompts);
        m_repo = std::make_unique<CReposition>();
        m_owner = std::make_unique<QDialog>();
        m_list = MakeList(*m_owner, {"A", "B", "C", "D"}, "Test List", {"B"});
    }

    void cleanup()
    {
        m_owner.reset();
        m_repo.reset();
        SetPrompts(nullptr);
        m_base.reset();
    }

    void opensFromTheHeaderMenuAsItsTemplateSays()
    {
        m_list->GetHeaderCtrl()->moveSection(2, 0); // the user dragged C to the front
        Open(m_list);
        QDialog *pDlg = m_repo->GetDialog();
        QCOMPARE(pDlg->windowTitle(), QString("Repositioncolumns"));
        QCOMPARE(pDlg->font().family(), QString("Verdana"));
        QCOMPARE(pDlg->parentWidget(), m_list);
        QVERIFY(qobject_cast<QPushButton *>(GetDlgItem(pDlg, IDC_REPOSITION_SAVE))->isDefault());
        QCOMPARE(GetDlgItem(pDlg, IDC_HIDDEN_LIST), m_repo->HiddenBox());
        QCOMPARE(Texts(m_repo->VisibleBox()), QString("C,A,B,D"));
        QCOMPARE(Texts(m_repo->HiddenBox()), QString());
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<QStringList>("messages");
        const QStringList abcd{"A", "B", "C", "D"};
        QTest::newRow("< hides, sorted in") << QStringList{"D", "b", "C", "a"} << "v:0,3 <" << "b,C" << "a,D"
                                            << QStringList();
        QTest::newRow("> appends in box order") << abcd << "v:0,2,3 <; h:2,0 >" << "B,A,D" << "C" << QStringList();
        QTest::newRow("< keeps a fixed column") << abcd << "v:0,1 <" << "B,C,D" << "A"
                                                << QStringList{"Can not hide B"};
        QTest::newRow("double clicks move") << abcd << "v:0 dbl; h:0 dbl" << "B,C,D,A" << "" << QStringList();
        QTest::newRow("double click keeps a fixed column") << abcd << "v:1 dbl" << "A,B,C,D" << ""
                                                           << QStringList{"Cant not Hide B"};
        QTest::newRow("fixed names match by case") << QStringList{"A", "b"} << "v:1 dbl" << "A" << "b" << QStringList();
        // The moved name is looked up by prefix, so the longer name above it goes.
        QTest::newRow("< with prefix-sharing names") << QStringList{"Amount", "Amount Due"}
                                                     << "v:0 <; h:0 >; v:1 <" << "Amount" << "Amount" << QStringList();
    }

    void commands()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, script);
        m_owner = std::make_unique<QDialog>();
        m_list = MakeList(*m_owner, names, "Test List", {"B"});
        Open(m_list);
        Run(script);
        QTEST(Texts(m_repo->VisibleBox()), "visible");
        QTEST(Texts(m_repo->HiddenBox()), "hidden");
        QTEST(Messages(), "messages");
    }

    void save_data()
    {
        QTest::addColumn<CArray<int>>("defaultPos");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("profile");
        QTest::newRow("reorder keeps on-screen widths")
            << CArray<int>() << "v:0 dbl; h:0 dbl" << "B:77,C:70,D:80,A:50" << "0,3,50,1,0,77,2,1,70,3,2,80";
        QTest::newRow("brought back gets its own width")
            << CArray<int>{-1, 0, 1, -1} << "h:0 >" << "B:77,C:70,A:50" << "0,2,50,1,0,77,2,1,70,3,-1,0";
        QTest::newRow("all but the fixed one hidden")
            << CArray<int>() << "v:0,1,2,3 <" << "B:77" << "0,-1,0,1,0,77,2,-1,0,3,-1,0";
    }

    void save()
    {
        QFETCH(CArray<int>, defaultPos);
        QFETCH(QString, script);
        m_owner = std::make_unique<QDialog>();
        m_list = MakeList(*m_owner, {"A", "B", "C", "D"}, "Test List", {"B"}, defaultPos);
        for (int c = 0; c < m_list->GetColumnCount(); ++c) { // B, as the user left it
            if (m_list->GetColumnHeading(c) == "B")
                m_list->SetColumnWidth(c, 77);
        }
        QSignalSpy notices(m_list, &CCommonListCtrl::columnsRepositioned);
        Open(m_list);
        Run(script);
        m_prompts.m_messages.RemoveAll();
        Click(IDC_REPOSITION_SAVE);
        QTEST(Columns(m_list), "columns");
        QTEST(Profile("Test List"), "profile");
        QVERIFY(!m_repo->GetDialog()->isVisible());
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.at(0).at(0).toInt(), IDC_RESULT_LIST);

        // Opened and saved again without a change: the same profile.
        Open(m_list);
        Click(IDC_REPOSITION_SAVE);
        QTEST(Profile("Test List"), "profile");
        QCOMPARE(Messages(), QStringList());
    }

    void cancelChangesNothing()
    {
        QSignalSpy notices(m_list, &CCommonListCtrl::columnsRepositioned);
        Open(m_list);
        Run("v:0,2 <");
        Click(IDCANCEL);
        QVERIFY(!m_repo->GetDialog()->isVisible());
        QCOMPARE(Columns(m_list), QString("A:50,B:60,C:70,D:80"));
        QVERIFY(!m_base->Exists(kListIniFileName));
        QCOMPARE(notices.count(), 0);
        Open(m_list); // reloaded from the list
        QCOMPARE(Texts(m_repo->VisibleBox()), QString("A,B,C,D"));
    }

    void dragInTheVisibleBox_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("visible");
        QTest::newRow("A onto C") << "2" << "B,A,C";
        QTest::newRow("A below the last") << "end" << "B,C,A";
        QTest::newRow("A onto itself") << "0" << "A,B,C";
        QTest::newRow("B, fixed, onto the hidden box") << "hidden" << "A,B,C";
        QTest::newRow("A released outside the dialog") << "outside" << "A,B,C";
    }

    void dragInTheVisibleBox()
    {
        QFETCH(QString, target);
        QFETCH(QString, visible);
        Open(m_list);
        Run("v:3 dbl"); // D hidden
        CDragDropListCtrl *pBox = m_repo->VisibleBox();
        QWidget *pViewport = pBox->viewport();
        const QPoint from = Center(pBox, target == "hidden" ? 1 : 0);
        QPoint to = QPoint(pViewport->width() + 300, -40);
        if (target == "hidden")
            to = pViewport->mapFrom(m_repo->GetDialog(), m_repo->HiddenBox()->geometry().center());
        else if (target == "end")
            to = QPoint(5, pViewport->height() - 3);
        else if (target != "outside")
            to = Center(pBox, target.toInt());
        QTest::mousePress(pViewport, Qt::LeftButton, {}, from);
        QTest::mouseMove(pViewport, from + QPoint(1, 1));
        QTest::mouseMove(pViewport, to);
        QTest::mouseRelease(pViewport, Qt::LeftButton, {}, to);

        QCOMPARE(Texts(pBox), visible);
        QCOMPARE(Texts(m_repo->HiddenBox()), QString("D"));
        Click(IDC_REPOSITION_SAVE);
        QCOMPARE(Columns(m_list).remove(QRegularExpression(":\\d+")), visible);
    }

    void manyOrNoColumns_data()
    {
        QTest::addColumn<int>("nColumns");
        QTest::newRow("none") << 0;
        QTest::newRow("200") << 200;
    }

    void manyOrNoColumns()
    {
        QFETCH(int, nColumns);
        QStringList names;
        for (int i = 0; i < nColumns; ++i)
            names << QStringLiteral("Column %1").arg(i, 3, 10, QChar('0'));
        m_owner = std::make_unique<QDialog>();
        m_list = MakeList(*m_owner, names);
        Open(m_list);
        QCOMPARE(m_repo->VisibleBox()->count(), nColumns);
        m_repo->VisibleBox()->selectAll();
        Click(IDC_TO_HIDDEN);
        QCOMPARE(Texts(m_repo->HiddenBox()), names.join(','));
        QCOMPARE(m_repo->VisibleBox()->count(), 0);
        Click(IDC_REPOSITION_SAVE);
        QCOMPARE(m_list->GetColumnCount(), 0);
        QString profile;
        for (int i = 0; i < nColumns; ++i)
            profile += QStringLiteral("%1%2,-1,0").arg(i ? "," : "").arg(i);
        QCOMPARE(Profile("Test List"), profile);
        QCOMPARE(Messages(), QStringList());
    }

    // The window follows the list that opens it, leaves one that is
    // destroyed while it is open, and serves the next without reaching back.
    void servesTheListThatOpenedItLast()
    {
        Open(m_list);
        QPointer<QDialog> pDlg = m_repo->GetDialog();
        auto other = std::make_unique<QDialog>();
        CCommonListCtrl *pOther = MakeList(*other, {"X", "Y"}, "Other List");
        Open(pOther);
        QCOMPARE(pDlg->parentWidget(), pOther);
        QCOMPARE(Texts(m_repo->VisibleBox()), QString("X,Y"));

        other.reset();
        QVERIFY(!m_repo->GetList());
        QVERIFY(pDlg && !pDlg->isVisible() && !pDlg->parentWidget());
        m_repo->OnDblClkVisible();
        m_repo->OnSave();

        Open(m_list);
        QCOMPARE(m_repo->GetDialog(), pDlg.data());
        Run("v:0 <");
        Click(IDC_REPOSITION_SAVE);
        QCOMPARE(Columns(m_list), QString("B:60,C:70,D:80"));
        QCOMPARE(Profile("Other List"), QString("<none>"));
    }

    // A folder in place of the INI file: the write fails, the folder and
    // what is in it stay, the list keeps its new layout.
    void failedProfileWrite()
    {
        m_base->Write(CString(kListIniFileName) + "/keep.txt", "kept");
        Open(m_list);
        Run("v:0 <");
        Click(IDC_REPOSITION_SAVE);
        QCOMPARE(Messages(), (QStringList{kMsgFileOpenFailed, kMsgSaveProfileFailed}));
        QCOMPARE(m_base->Read(CString(kListIniFileName) + "/keep.txt"), std::string("kept"));
        QCOMPARE(Columns(m_list), QString("B:60,C:70,D:80"));
        QVERIFY(!m_repo->GetDialog()->isVisible());
    }

    // The validation list's layout outlives the list, and so a restart.
    void layoutSurvivesARebuiltList()
    {
        m_owner = std::make_unique<QDialog>();
        m_list = MakeList(*m_owner, {"A", "B", "C"}, "Validation List");
        Open(m_list);
        Run("v:0 dbl; v:0 dbl; h:0 dbl"); // A and B hidden, A back at the end
        Click(IDC_REPOSITION_SAVE);
        m_owner = std::make_unique<QDialog>();
        m_list = MakeList(*m_owner, {"A", "B", "C"}, "Validation List");
        QCOMPARE(Columns(m_list), QString("C:70,A:50"));
        QVERIFY(m_base->Read(kListIniFileName).find("[Validation List]") != std::string::npos);
    }
};

QTEST_MAIN(RepositionTest)
#include "test_reposition.moc"
