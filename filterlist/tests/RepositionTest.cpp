#include "filterlist/ui/CDragDropListCtrl.h"
#include "listctrl/core/ColumnProfile.h"
#include "listctrl/ui/CCommonListCtrl.h"
#include "filterlist/ui/CReposition.h"
#include "resources/ui/DlgCtrlId.h"
#include "platform/core/IniFile.h"
#include "platform/core/Prompts.h"
#include "resources/core/Resource.h"

#include "TempBase.h"

#include <QDialog>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
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

// "name:width" of every column, in display order; only the names if asked.
QString Columns(const CCommonListCtrl *pList, bool bWidths = true)
{
    QStringList columns;
    QHeaderView *pHeader = pList->GetHeaderCtrl();
    for (int v = 0; v < pList->GetColumnCount(); ++v) {
        const int c = pHeader->logicalIndex(v);
        columns << QString::fromStdString(pList->GetColumnHeading(c))
                       + (bWidths ? QStringLiteral(":%1").arg(pList->GetColumnWidth(c)) : QString());
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

Q_DECLARE_METATYPE(CStringArray)

class RepositionTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CTempBase> m_base;
    CScriptedPrompts m_prompts;
    std::unique_ptr<CReposition> m_repo;
    std::unique_ptr<QDialog> m_owner;
    CCommonListCtrl *m_list = nullptr;

    // A list in its own dialog, B fixed: definition i is 50 + 10 * i wide.
    static CCommonListCtrl *MakeList(QDialog &owner, const QStringList &names, const char *pszProfile = "Test List")
    {
        auto *pList = new CCommonListCtrl;
        pList->m_strProfileName = pszProfile;
        pList->Create(&owner, IDC_RESULT_LIST);
        for (const QString &name : names) {
            pList->m_mapColIndex[name.toStdString()] = pList->m_aColInfo.GetSize();
            pList->m_aColInfo.Add(MakeColInfo(name.toStdString(), 50 + 10 * pList->m_aColInfo.GetSize()));
        }
        pList->m_aFixedCols.Add("B");
        pList->BuildColumns();
        return pList;
    }

    void Open(CCommonListCtrl *pList)
    {
        pList->OnCommand(IDM_REPOSITION_COLUMNS);
        QVERIFY(QTest::qWaitForWindowExposed(m_repo->GetDialog()));
    }

    void Click(int nID)
    {
        QTest::mouseClick(qobject_cast<QPushButton *>(GetDlgItem(m_repo->GetDialog(), nID)), Qt::LeftButton);
    }

    // Steps separated by ";": "v:0,2 <" selects rows 0 and 2 of the visible
    // box and presses "<"; "h:1 dbl" double-clicks row 1 of the hidden box;
    // "v:0 drag:2" drags row 0 onto row 2 ("drag:hidden" onto the hidden box).
    void Run(const QString &script)
    {
        for (const QString &step : script.split(';', Qt::SkipEmptyParts)) {
            const QStringList parts = step.trimmed().split(' ');
            CDragDropListCtrl *pBox = parts[0].startsWith('v') ? m_repo->VisibleBox() : m_repo->HiddenBox();
            const QStringList rows = parts[0].mid(2).split(',');
            QWidget *pViewport = pBox->viewport();
            const QPoint at = Center(pBox, rows[0].toInt());
            if (parts[1] == "dbl") {
                QTest::mouseClick(pViewport, Qt::LeftButton, {}, at);
                QTest::mouseDClick(pViewport, Qt::LeftButton, {}, at);
            } else if (parts[1].startsWith("drag:")) {
                const QPoint hidden = m_repo->HiddenBox()->geometry().center();
                const QPoint to = parts[1] == "drag:hidden" ? pViewport->mapFrom(m_repo->GetDialog(), hidden)
                                                           : Center(pBox, parts[1].mid(5).toInt());
                QTest::mousePress(pViewport, Qt::LeftButton, {}, at);
                QTest::mouseMove(pViewport, at + QPoint(1, 1));
                QTest::mouseMove(pViewport, to);
                QTest::mouseRelease(pViewport, Qt::LeftButton, {}, to);
            } else {
                pBox->clearSelection();
                for (const QString &row : rows)
                    pBox->item(row.toInt())->setSelected(true);
                Click(parts[1] == ">" ? IDC_TO_VISIBLE : IDC_TO_HIDDEN);
            }
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
        m_list = MakeList(*m_owner, {"A", "B", "C", "D"});
    }

    void cleanup()
    {
        m_owner.reset();
        m_repo.reset();
        SetPrompts(nullptr);
        m_base.reset();
    }

    // Each script ends with Save, which lays the list out as the box shows.
    void commands_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<CStringArray>("messages");
        const QStringList abcd{"A", "B", "C", "D"};
        QTest::newRow("< hides, sorted in") << QStringList{"D", "b", "C", "a"} << "v:0,3 <" << "b,C" << "a,D"
                                            << CStringArray();
        QTest::newRow("> appends in box order") << abcd << "v:0,2,3 <; h:2,0 >" << "B,A,D" << "C" << CStringArray();
        QTest::newRow("< keeps a fixed column") << abcd << "v:0,1 <" << "B,C,D" << "A"
                                                << CStringArray{"Can not hide B"};
        QTest::newRow("double click keeps a fixed column") << abcd << "v:1 dbl" << "A,B,C,D" << ""
                                                           << CStringArray{"Cant not Hide B"};
        QTest::newRow("fixed names match by case") << QStringList{"A", "b"} << "v:1 dbl" << "A" << "b"
                                                   << CStringArray();
        // The moved name is looked up by prefix, so the longer name above it goes.
        QTest::newRow("< with prefix-sharing names") << QStringList{"Amount", "Amount Due"} << "v:0 <; h:0 >; v:1 <"
                                                     << "Amount" << "Amount" << CStringArray();
        QTest::newRow("drag within the box") << abcd << "v:3 dbl; v:0 drag:2" << "B,A,C" << "D" << CStringArray();
        QTest::newRow("drag keeps a fixed column") << abcd << "v:1 drag:hidden" << "A,B,C,D" << "" << CStringArray();
    }

    void commands()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, script);
        QFETCH(QString, visible);
        m_owner = std::make_unique<QDialog>();
        m_list = MakeList(*m_owner, names);
        Open(m_list);
        Run(script);
        QCOMPARE(Texts(m_repo->VisibleBox()), visible);
        QTEST(Texts(m_repo->HiddenBox()), "hidden");
        QTEST(m_prompts.m_messages, "messages");
        Click(IDC_REPOSITION_SAVE);
        QCOMPARE(Columns(m_list, false), visible);
    }

    // Save keeps on-screen widths, tells the owner and writes the profile,
    // which a second Save without changes writes the same; Cancel does none.
    void saveOrCancel_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("profile");
        QTest::newRow("save") << int(IDC_REPOSITION_SAVE) << "B:77,C:70,D:80,A:50" << "0,3,50,1,0,77,2,1,70,3,2,80";
        QTest::newRow("cancel") << int(IDCANCEL) << "A:50,B:77,C:70,D:80" << "<none>";
    }

    void saveOrCancel()
    {
        QFETCH(int, button);
        m_list->SetColumnWidth(1, 77); // B, as the user left it
        QSignalSpy notices(m_list, &CCommonListCtrl::columnsRepositioned);
        Open(m_list);
        Run("v:0 dbl; h:0 dbl");
        Click(button);
        QVERIFY(!m_repo->GetDialog()->isVisible());
        QTEST(Columns(m_list), "columns");
        QTEST(Profile("Test List"), "profile");
        QCOMPARE(notices.count(), button == IDCANCEL ? 0 : 1);
        if (button == IDCANCEL)
            return;
        QCOMPARE(notices.at(0).at(0).toInt(), IDC_RESULT_LIST);
        Open(m_list);
        Click(IDC_REPOSITION_SAVE);
        QTEST(Profile("Test List"), "profile");
        QVERIFY(m_prompts.m_messages.IsEmpty());
    }

    // The window opens on the list's on-screen order, follows the list that
    // opens it, leaves one destroyed while it is open and serves the next.
    void servesTheListThatOpenedItLast()
    {
        m_list->GetHeaderCtrl()->moveSection(2, 0); // the user dragged C to the front
        Open(m_list);
        QPointer<QDialog> pDlg = m_repo->GetDialog();
        QCOMPARE(pDlg->parentWidget(), m_list);
        QCOMPARE(Texts(m_repo->VisibleBox()), QString("C,A,B,D"));
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
        Run("v:0 <");
        Click(IDC_REPOSITION_SAVE);
        QCOMPARE(Columns(m_list), QString("A:50,B:60,D:80"));
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
        QCOMPARE(m_prompts.m_messages, (CStringArray{kMsgFileOpenFailed, kMsgSaveProfileFailed}));
        QCOMPARE(m_base->Read(CString(kListIniFileName) + "/keep.txt"), std::string("kept"));
        QCOMPARE(Columns(m_list), QString("B:60,C:70,D:80"));
    }
};

QTEST_MAIN(RepositionTest)
#include "RepositionTest.moc"
