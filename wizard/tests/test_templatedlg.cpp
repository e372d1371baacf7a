// The Template dialog driven as a user drives it: button clicks, clicks on
// cells, keys in the cell editors, with scripted file dialogs and a host
// that writes down what it receives.
#include "RecordingHost.h"
#include "TempBase.h"
#include "filterlist/ui/CComboListCtrl.h"
#include "filterlist/ui/CInPlaceCombo.h"
#include "filterlist/ui/CInPlaceEdit.h"
#include "resources/core/Resource.h"
#include "platform/ui/DisplayText.h"
#include "resources/ui/DlgLayout.h"
#include "wizard/core/CTemplateDlg.h"
#include "wizard/ui/CTemplateDlgWidget.h"
#include "wizard/ui/CTemplateDlgWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <unistd.h>
#include <memory>

namespace
{
const CStringArray kOrderFields{"OrderNo", "Customer", "Amount", "Currency"};

QComboBox *OpenCombo()
{
    return qobject_cast<QComboBox *>(CInPlaceCombo::Instance().GetWindow());
}

QLineEdit *OpenEdit()
{
    return qobject_cast<QLineEdit *>(CInPlaceEdit::Instance().GetWindow());
}

// Lets the pending closes of editor windows happen.
void CloseEditorWindows()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList Texts(const CStringArray &strings)
{
    QStringList texts;
    for (const CString &s : strings)
        texts << QString::fromLatin1(s.c_str());
    return texts;
}

QStringList ComboEntries(const QComboBox *pCombo)
{
    QStringList entries;
    for (int i = 0; i < pCombo->count(); ++i)
        entries << pCombo->itemText(i);
    return entries;
}

// "col0|col1" per row.
QStringList Rows(const CReportRows &rows)
{
    QStringList out;
    for (int r = 0; r < rows.GetItemCount(); ++r)
        out << QString::fromLatin1((rows.GetItemText(r, 0) + "|" + rows.GetItemText(r, 1)).c_str());
    return out;
}
}

class TestTemplateDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void layoutFollowsTemplate();
    void endingHidesWithoutHost_data();
    void endingHidesWithoutHost();
    void cellClicks_data();
    void cellClicks();
    void fieldsMoveBetweenLists();
    void escapeRestoresStartText();
    void clickWhileEditorOpen();
    void wholeRoad_data();
    void wholeRoad();
    void badInput_data();
    void badInput();
    void wideFirstLine();
    void longConversionShowsProgress();

private:
    CTemplateDlgWidget *Dialog() const { return m_pWindow->Dialog(); }
    CComboListCtrl *List(int nId) const
    {
        return nId == IDC_FILEVALUES_LIST ? Dialog()->FileValuesList() : Dialog()->ConstantsList();
    }
    void Invoke(const CStringArray &fields = kOrderFields);
    void ClickButton(int nId) { QTest::mouseClick(Dialog()->Button(nId), Qt::LeftButton); }
    void Browse(const CString &path);
    void ClickCell(int nListId, int nItem, int nSubItem);
    void ChooseField(int nItem, const QString &field);
    void TypeConstant(int nItem, const QString &text);

    std::unique_ptr<CTempBase> m_pBase;
    std::unique_ptr<CScriptedPromptsScope> m_pPrompts;
    std::unique_ptr<CRecordingHost> m_pHost;
    std::unique_ptr<CTemplateDlg> m_pDlg;
    std::unique_ptr<CTemplateDlgWindow> m_pWindow;
};

void TestTemplateDlg::init()
{
    m_pBase = std::make_unique<CTempBase>();
    m_pPrompts = std::make_unique<CScriptedPromptsScope>();
    m_pHost = std::make_unique<CRecordingHost>();
    m_pDlg = std::make_unique<CTemplateDlg>();
    m_pWindow = std::make_unique<CTemplateDlgWindow>(*m_pDlg);
    Invoke();
}

void TestTemplateDlg::cleanup()
{
    m_pWindow.reset();
    CloseEditorWindows();
    QVERIFY(!OpenCombo() && !OpenEdit());
    m_pDlg.reset();
    m_pHost.reset();
    m_pPrompts.reset();
    m_pBase.reset();
}

void TestTemplateDlg::Invoke(const CStringArray &fields)
{
    m_pDlg->SetFields(fields);
    m_pDlg->SetClassName("Orders");
    m_pDlg->ShowDialog(m_pHost.get());
    QVERIFY(QTest::qWaitForWindowExposed(Dialog()));
}

void TestTemplateDlg::Browse(const CString &path)
{
    m_pPrompts->prompts.QueueAnswer(path);
    ClickButton(IDC_BROWSE);
}

void TestTemplateDlg::ClickCell(int nListId, int nItem, int nSubItem)
{
    CComboListCtrl *pList = List(nListId);
    pList->scrollTo(pList->model()->index(nItem, nSubItem));
    const QPoint pt(pList->columnViewportPosition(nSubItem) + pList->columnWidth(nSubItem) / 2,
                    pList->rowViewportPosition(nItem) + pList->rowHeight(nItem) / 2);
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, pt);
}

void TestTemplateDlg::ChooseField(int nItem, const QString &field)
{
    ClickCell(IDC_FILEVALUES_LIST, nItem, 1);
    QComboBox *pCombo = OpenCombo();
    QVERIFY(pCombo);
    pCombo->setCurrentIndex(pCombo->findText(field, Qt::MatchExactly));
    QTest::keyClick(pCombo, Qt::Key_Return);
    CloseEditorWindows();
}

void TestTemplateDlg::TypeConstant(int nItem, const QString &text)
{
    ClickCell(IDC_CONSTANTS_LIST, nItem, 1);
    QLineEdit *pEdit = OpenEdit();
    QVERIFY(pEdit);
    QTest::keyClicks(pEdit, text);
    QTest::keyClick(pEdit, Qt::Key_Tab);
    CloseEditorWindows();
}

void TestTemplateDlg::layoutFollowsTemplate()
{
    const sDlgTemplate &tmpl = GetDlgTemplate(IDD_TEMPLATE);
    const sDlgBaseUnits base = DlgBaseUnits(Dialog()->font());
    QCOMPARE(Dialog()->windowTitle(), "Template");
    QVERIFY(!Dialog()->parentWidget());
    for (int nId : {IDC_FILEVALUES_LIST, IDC_CONSTANTS_LIST})
        QCOMPARE(List(nId)->geometry(), DlgRectToPixels(tmpl.FindControl(nId)->rc, base));
    for (int nId : {IDC_BROWSE, IDC_SAVE_FILE, IDC_LOAD_TEMPLATE, IDC_SAVE_TEMPLATE, IDC_CONTINUE, IDOK, IDCANCEL}) {
        const sDlgControl *pCtrl = tmpl.FindControl(nId);
        QPushButton *pButton = Dialog()->Button(nId);
        QCOMPARE(pButton->text(), QString::fromLatin1(pCtrl->pszText));
        QCOMPARE(pButton->geometry(), DlgRectToPixels(pCtrl->rc, base));
        QCOMPARE(pButton->isVisible(), !pCtrl->Has(DLGS_HIDDEN));
    }
    QVERIFY(Dialog()->Button(IDOK)->isDefault());

    const struct {
        int nId;
        QStringList headings;
        int nWidth;
    } lists[] = {{IDC_FILEVALUES_LIST, {"File Values", "Template Fields"}, 145},
                 {IDC_CONSTANTS_LIST, {"Constant Fields", "Constant Values"}, 135}};
    for (const auto &list : lists) {
        CComboListCtrl *pList = List(list.nId);
        QCOMPARE(pList->GetDlgCtrlID(), list.nId);
        QVERIFY(pList->showGrid());
        QCOMPARE(pList->selectionBehavior(), QAbstractItemView::SelectRows);
        for (int c = 0; c < 2; ++c) {
            QCOMPARE(pList->model()->headerData(c, Qt::Horizontal).toString(), list.headings[c]);
            QCOMPARE(pList->columnWidth(c), list.nWidth);
        }
    }
}

void TestTemplateDlg::endingHidesWithoutHost_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter on a list") << "enter";
    QTest::newRow("Escape on a list") << "escape";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape in a text editor") << "edit-escape";
}

void TestTemplateDlg::endingHidesWithoutHost()
{
    QFETCH(QString, how);
    Browse(m_pBase->Write("a.csv", "1,2,3\n"));
    QCOMPARE(m_pDlg->m_lstFileValues.GetItemCount(), 3);
    QPointer<CTemplateDlgWidget> pFirst = Dialog();

    ClickCell(IDC_FILEVALUES_LIST, 0, 0);
    if (how == "enter")
        QTest::keyClick(List(IDC_FILEVALUES_LIST), Qt::Key_Return);
    else if (how == "escape")
        QTest::keyClick(List(IDC_FILEVALUES_LIST), Qt::Key_Escape);
    else if (how == "close")
        Dialog()->close();
    else {
        ClickCell(IDC_CONSTANTS_LIST, 0, 1);
        QTest::keyClicks(OpenEdit(), "x");
        QTest::keyClick(OpenEdit(), Qt::Key_Escape);
        QCOMPARE(m_pDlg->m_lstConstants.GetItemText(0, 1), CString());
    }
    CloseEditorWindows();

    QVERIFY(!Dialog()->isVisible());
    QVERIFY(m_pHost->m_calls.empty());
    QCOMPARE(m_pDlg->m_lstFileValues.GetItemCount(), 3);

    Invoke();
    QCOMPARE(Dialog(), pFirst.data());
    QVERIFY(Dialog()->isVisible());
    QCOMPARE(List(IDC_FILEVALUES_LIST)->model()->rowCount(), 0);
    QCOMPARE(List(IDC_CONSTANTS_LIST)->model()->rowCount(), 0);
}

void TestTemplateDlg::cellClicks_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QStringList>("entries");

    const QStringList fieldChoices{" ", "Amount", "Currency", "Customer", "OrderNo"};
    QTest::newRow("File Values: none") << IDC_FILEVALUES_LIST << 0 << false << "" << QStringList();
    QTest::newRow("Template Fields: the free fields") << IDC_FILEVALUES_LIST << 1 << false << "combo" << fieldChoices;
    QTest::newRow("double click: one combo") << IDC_FILEVALUES_LIST << 1 << true << "combo" << fieldChoices;
    QTest::newRow("Constant Fields: none") << IDC_CONSTANTS_LIST << 0 << false << "" << QStringList();
    QTest::newRow("Constant Values: text") << IDC_CONSTANTS_LIST << 1 << false << "edit" << QStringList();
    QTest::newRow("double click on text") << IDC_CONSTANTS_LIST << 1 << true << "edit" << QStringList();
}

void TestTemplateDlg::cellClicks()
{
    QFETCH(int, list);
    QFETCH(int, column);
    QFETCH(bool, doubleClick);
    QFETCH(QString, editor);
    QFETCH(QStringList, entries);
    Browse(m_pBase->Write("a.csv", "1001,Ann,12.5\n"));

    ClickCell(list, 0, column);
    if (doubleClick) {
        const QPoint pt(List(list)->columnViewportPosition(column) + 5, List(list)->rowViewportPosition(0) + 5);
        QTest::mouseDClick(List(list)->viewport(), Qt::LeftButton, {}, pt);
    }

    QCOMPARE(editor == "combo", OpenCombo() != nullptr);
    QCOMPARE(editor == "edit", OpenEdit() != nullptr);
    if (OpenCombo())
        QCOMPARE(ComboEntries(OpenCombo()), entries);
    QCOMPARE(Rows(m_pDlg->m_lstConstants).size(), 4);
}

void TestTemplateDlg::fieldsMoveBetweenLists()
{
    Browse(m_pBase->Write("a.csv", "1001,Ann,12.5\n"));

    ChooseField(0, "Customer");
    QCOMPARE(Rows(m_pDlg->m_lstFileValues), QStringList({"1001|Customer", "Ann|", "12.5|"}));
    QCOMPARE(Rows(m_pDlg->m_lstConstants), QStringList({"OrderNo|", "Amount|", "Currency|"}));

    ChooseField(0, "OrderNo");
    QCOMPARE(Rows(m_pDlg->m_lstConstants), QStringList({"Amount|", "Currency|", "Customer|"}));

    ChooseField(0, " ");
    QCOMPARE(Rows(m_pDlg->m_lstFileValues).first(), "1001| ");
    QCOMPARE(Rows(m_pDlg->m_lstConstants), QStringList({"Amount|", "Currency|", "Customer|", "OrderNo|"}));

    // A constant with a value is no longer offered for a column.
    TypeConstant(1, "EUR");
    ClickCell(IDC_FILEVALUES_LIST, 1, 1);
    QVERIFY(OpenCombo());
    QCOMPARE(ComboEntries(OpenCombo()), QStringList({" ", "Amount", "Customer", "OrderNo"}));
}

void TestTemplateDlg::escapeRestoresStartText()
{
    Browse(m_pBase->Write("a.csv", "1001,Ann\n"));
    ChooseField(1, "Customer");

    ClickCell(IDC_FILEVALUES_LIST, 1, 1);
    OpenCombo()->setCurrentIndex(OpenCombo()->findText("Amount"));
    QTest::keyClick(OpenCombo(), Qt::Key_Escape);
    CloseEditorWindows();

    QVERIFY(Dialog()->isVisible());
    QCOMPARE(Rows(m_pDlg->m_lstFileValues), QStringList({"1001|", "Ann|Customer"}));
    QCOMPARE(m_pDlg->m_lstConstants.GetItemCount(), 3);
}

void TestTemplateDlg::clickWhileEditorOpen()
{
    Browse(m_pBase->Write("a.csv", "1001,Ann\n"));
    ClickCell(IDC_FILEVALUES_LIST, 0, 1);
    OpenCombo()->setCurrentIndex(OpenCombo()->findText("Amount"));

    // The click on the other list ends the open edit with its choice.
    ClickCell(IDC_CONSTANTS_LIST, 0, 1);
    QCOMPARE(Rows(m_pDlg->m_lstFileValues).first(), "1001|Amount");
    QVERIFY(OpenEdit());
    QCOMPARE(OpenEdit()->text(), QString());
    QCOMPARE(Rows(m_pDlg->m_lstConstants).first(), "OrderNo|");
}

void TestTemplateDlg::wholeRoad_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArrayList>("fields");
    QTest::addColumn<QByteArray>("records");

    const QByteArrayList orders{"OrderNo", "Customer", "Amount", "Currency"};

    // Load wants at least as many columns as fields: the last feeds none.
    QTest::newRow("ASCII") << QByteArray("1001,Ann,12.5,x\n1002,Bob,7,y\n") << orders
                           << QByteArray("1001,Ann,12.5,EUR,1,\n1002,Bob,7,EUR,2,\n");
    QTest::newRow("Latin-1") << QByteArray("1001,Jos\xe9,12.5,\xe0\n1002,M\xfcller,7,x\r\n")
                             << QByteArrayList{"Nr", "K\xe4ufer", "Betrag", "W\xe4hrung"}
                             << QByteArray("1001,Jos\xe9,12.5,EUR,1,\n1002,M\xfcller,7,EUR,2,\n");
    QTest::newRow("UTF-8") << QByteArray("1001,Jos\xc3\xa9,12.5,\xc3\xa0\n")
                           << QByteArrayList{"Nr", "K\xc3\xa4ufer", "Betrag", "W\xc3\xa4hrung"}
                           << QByteArray("1001,Jos\xc3\xa9,12.5,EUR,1,\n");
}

void TestTemplateDlg::wholeRoad()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArrayList, fields);
    QFETCH(QByteArray, records);
    const CString path = m_pBase->Write("FileValues/Orders/in.csv", file.toStdString());
    CStringArray classFields;
    for (const QByteArray &field : fields)
        classFields.Add(field.toStdString());
    m_pDlg->SetFields(classFields);

    Browse(path);
    for (int c = 0; c < 3; ++c)
        ChooseField(c, ToDisplay(classFields[size_t(c)]));
    TypeConstant(0, "EUR");
    m_pPrompts->prompts.QueueAnswer("daily");
    ClickButton(IDC_SAVE_TEMPLATE);
    QVERIFY(m_pBase->Exists("Templates/Orders_Template/daily.csv"));

    // A fresh Browse forgets the mapping; Load brings it back.
    Browse(path);
    QCOMPARE(m_pDlg->m_lstConstants.GetItemCount(), 4);
    m_pPrompts->prompts.QueueAnswer("daily.csv");
    ClickButton(IDC_LOAD_TEMPLATE);
    QCOMPARE(m_pDlg->m_lstConstants.GetItemCount(), 1);
    QCOMPARE(List(IDC_FILEVALUES_LIST)->model()->index(1, 0).data().toString().isEmpty(), false);

    ClickButton(IDC_CONTINUE);
    QCOMPARE(m_pHost->m_calls, std::vector<std::string>{"records " + records.toStdString()});
    QVERIFY(m_pPrompts->prompts.m_messages.IsEmpty());
    QVERIFY(!Dialog()->isVisible());
}

void TestTemplateDlg::badInput_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("hostCalls");
    QTest::addColumn<int>("fileValueRows");
    QTest::addColumn<bool>("visible");

    const QStringList none;
    const QStringList openFailed{"File Open Failed !!!!"};
    QTest::newRow("Continue before Browse") << "continue-first" << none << none << 0 << true;
    QTest::newRow("clicks on empty lists") << "click-empty" << none << none << 0 << true;
    QTest::newRow("Browse of a directory") << "browse-dir" << openFailed << none << 2 << true;
    QTest::newRow("Browse of an unreadable file") << "browse-unreadable" << openFailed << none << 2 << true;
    QTest::newRow("Load and Continue after the file was deleted") << "deleted" << openFailed << none << 2 << true;
    // Fields without column or constant are left out of the records.
    QTest::newRow("template naming fields the class lost")
        << "lost-fields" << none << QStringList{"records 1,\n2,\n"} << 2 << false;
}

void TestTemplateDlg::badInput()
{
    QFETCH(QString, what);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, hostCalls);
    QFETCH(int, fileValueRows);
    QFETCH(bool, visible);
    const CString path = m_pBase->Write("in.csv", "1,2\n3,4\n");

    if (what == "continue-first") {
        ClickButton(IDC_CONTINUE);
    } else if (what == "click-empty") {
        QTest::mouseClick(List(IDC_FILEVALUES_LIST)->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        QTest::mouseDClick(List(IDC_CONSTANTS_LIST)->viewport(), Qt::LeftButton, {}, QPoint(200, 5));
        QVERIFY(!OpenCombo() && !OpenEdit());
    } else if (what.startsWith("browse-")) {
        Browse(path);
        CString bad = m_pBase->Dir();
        if (what == "browse-unreadable") {
            if (::geteuid() == 0)
                QSKIP("root reads every file");
            bad = m_pBase->Write("locked.csv", "a,b,c\n");
            std::filesystem::permissions(std::string(bad), std::filesystem::perms::none);
        }
        Browse(bad);
    } else {
        // A template saved for the class as it was, mapping both columns.
        m_pDlg->SetFields({"A", "B"});
        Browse(path);
        ChooseField(0, "A");
        ChooseField(1, "B");
        m_pPrompts->prompts.QueueAnswer("map");
        ClickButton(IDC_SAVE_TEMPLATE);
        if (what == "deleted") {
            std::filesystem::remove(std::string(path));
        } else {
            m_pDlg->SetFields({"OrderNo", "Customer"});
            Browse(path);
        }
        m_pPrompts->prompts.QueueAnswer("map.csv");
        ClickButton(IDC_LOAD_TEMPLATE);
        QCOMPARE(Rows(m_pDlg->m_lstFileValues), QStringList({"1|A", "2|B"}));
        ClickButton(IDC_CONTINUE);
    }
    CloseEditorWindows();

    QCOMPARE(Texts(m_pPrompts->prompts.m_messages), messages);
    QStringList calls;
    for (const std::string &call : m_pHost->m_calls)
        calls << QString::fromStdString(call);
    QCOMPARE(calls, hostCalls);
    QCOMPARE(m_pDlg->m_lstFileValues.GetItemCount(), fileValueRows);
    QCOMPARE(List(IDC_FILEVALUES_LIST)->model()->rowCount(), fileValueRows);
    QCOMPARE(Dialog()->isVisible(), visible);
}

void TestTemplateDlg::wideFirstLine()
{
    // Lines are read in pieces of at most 1023 bytes: the first piece of a
    // 5,000-column line gives the columns.
    std::string line;
    for (int c = 0; c < 5000; ++c)
        line += "v" + std::to_string(c) + ",";
    const QStringList firstPiece = QString::fromStdString(line.substr(0, 1023)).split(',', Qt::SkipEmptyParts);
    Browse(m_pBase->Write("wide.csv", line + "\n"));

    const int nRows = int(firstPiece.size());
    QCOMPARE(List(IDC_FILEVALUES_LIST)->model()->rowCount(), nRows);
    QCOMPARE(List(IDC_FILEVALUES_LIST)->model()->index(nRows - 1, 0).data().toString(), firstPiece.last());
    ChooseField(nRows - 1, "Amount");
    QCOMPARE(m_pDlg->m_lstFileValues.GetItemText(nRows - 1, 1), CString("Amount"));
    QCOMPARE(m_pDlg->m_lstConstants.GetItemCount(), 3);
}

void TestTemplateDlg::longConversionShowsProgress()
{
    std::string text;
    for (int n = 1; n <= 20000; ++n)
        text += std::to_string(n) + ",x,1,EUR\n";
    Browse(m_pBase->Write("long.csv", text));
    for (int c = 0; c < 4; ++c)
        ChooseField(c, QString::fromLatin1(kOrderFields[size_t(c)].c_str()));
    m_pWindow->SetProgressDelay(0);

    // Seen from inside the conversion, while it paints its window.
    bool bShown = false;
    bool bBusy = false;
    QTimer::singleShot(0, Dialog(), [&] {
        const QProgressDialog *pProgress = Dialog()->findChild<QProgressDialog *>();
        bShown = pProgress && pProgress->isVisible();
        bBusy = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    });
    ClickButton(IDC_CONTINUE);

    QVERIFY(bShown);
    QVERIFY(bBusy);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!Dialog()->findChild<QProgressDialog *>());
    QCOMPARE(m_pHost->m_calls.size(), size_t(1));
    QVERIFY(m_pHost->m_calls[0].find("20000,x,1,EUR,20000,\n") != std::string::npos);
}

QTEST_MAIN(TestTemplateDlg)
#include "test_templatedlg.moc"
