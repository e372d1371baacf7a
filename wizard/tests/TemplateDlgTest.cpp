// The Template dialog driven as a user drives it: button clicks, clicks on
// cells, keys in the cell editors, with scripted file dialogs and a host
// that writes down what it receives. The rules behind each gesture are
// checked on the model; here one case per path from widget to model.
#include "DlgFixture.h"
#include "filterlist/tests/CellEditors.h"
#include "filterlist/ui/CComboListCtrl.h"
#include "resources/core/Resource.h"
#include "platform/ui/DisplayText.h"
#include "resources/ui/DlgLayout.h"
#include "wizard/ui/CTemplateDialog.h"
#include "wizard/ui/CTemplateDlgWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

class TestTemplateDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void layoutFollowsTemplate();
    void enterHidesWithoutHost();
    void clickOnTheOtherListEndsTheEdit();
    void wholeRoad_data();
    void wholeRoad();
    void longConversionShowsProgress();
    void fileFormatSwitchesFollowTheModel();

private:
    CTemplateDialog *Dialog() const { return m_pWindow->Dialog(); }
    CComboListCtrl *List(int nId) const
    {
        return nId == IDC_FILEVALUES_LIST ? Dialog()->FileValuesList() : Dialog()->ConstantsList();
    }
    void ClickButton(int nId) { QTest::mouseClick(Dialog()->Button(nId), Qt::LeftButton); }
    void Browse(const CString &path);
    void ChooseField(int nItem, const QString &field);
    void TypeConstant(int nItem, const QString &text);

    CDlgFixture &F() const { return *m_pFixture; }

    std::unique_ptr<CDlgFixture> m_pFixture;
    std::unique_ptr<CTemplateDlgWindow> m_pWindow;
};

void TestTemplateDlg::init()
{
    m_pFixture = std::make_unique<CDlgFixture>(CStringArray{"OrderNo", "Customer", "Amount", "Currency"}, "Orders");
    m_pWindow = std::make_unique<CTemplateDlgWindow>(F().dlg);
    F().dlg.ShowDialog(&F().host);
    QVERIFY(QTest::qWaitForWindowExposed(Dialog()));
}

void TestTemplateDlg::cleanup()
{
    m_pWindow.reset();
    CloseEditorWindows();
    QVERIFY(!OpenCombo() && !OpenEdit());
    m_pFixture.reset();
}

void TestTemplateDlg::Browse(const CString &path)
{
    F().Prompts().QueueAnswer(path);
    ClickButton(IDC_BROWSE);
}

void TestTemplateDlg::ChooseField(int nItem, const QString &field)
{
    ClickCell(List(IDC_FILEVALUES_LIST), nItem, 1);
    QComboBox *pCombo = OpenCombo();
    QVERIFY(pCombo);
    pCombo->setCurrentIndex(pCombo->findText(field, Qt::MatchExactly));
    QTest::keyClick(pCombo, Qt::Key_Return);
    CloseEditorWindows();
}

void TestTemplateDlg::TypeConstant(int nItem, const QString &text)
{
    ClickCell(List(IDC_CONSTANTS_LIST), nItem, 1);
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
    for (int nId : {IDC_FILEVALUES_LIST, IDC_CONSTANTS_LIST}) {
        QCOMPARE(List(nId)->GetDlgCtrlID(), nId);
        QCOMPARE(List(nId)->geometry(), DlgRectToPixels(tmpl.FindControl(nId)->rc, base));
    }
    for (int nId : {IDC_BROWSE, IDC_SAVE_FILE, IDC_LOAD_TEMPLATE, IDC_SAVE_TEMPLATE, IDC_CONTINUE, IDOK, IDCANCEL}) {
        const sDlgControl *pCtrl = tmpl.FindControl(nId);
        QPushButton *pButton = Dialog()->Button(nId);
        QCOMPARE(pButton->text(), QString::fromLatin1(pCtrl->pszText));
        QCOMPARE(pButton->geometry(), DlgRectToPixels(pCtrl->rc, base));
        QCOMPARE(pButton->isVisible(), !pCtrl->Has(DLGS_HIDDEN));
    }
    QVERIFY(Dialog()->Button(IDOK)->isDefault());
}

// Enter on a list presses the hidden default button (Escape and the close
// box: TemplateDlgModuleTest and the installed Qt host).
void TestTemplateDlg::enterHidesWithoutHost()
{
    Browse(F().base.Write("a.csv", "1,2,3\n"));
    QCOMPARE(List(IDC_FILEVALUES_LIST)->model()->rowCount(), 3);
    QPointer<CTemplateDialog> pFirst = Dialog();

    ClickCell(List(IDC_FILEVALUES_LIST), 0, 0);
    QTest::keyClick(List(IDC_FILEVALUES_LIST), Qt::Key_Return);
    CloseEditorWindows();
    QVERIFY(!Dialog()->isVisible());
    QVERIFY(F().host.m_calls.empty());

    // Shown again: the same window, with empty lists.
    F().dlg.ShowDialog(&F().host);
    QCOMPARE(Dialog(), pFirst.data());
    QVERIFY(Dialog()->isVisible());
    QCOMPARE(List(IDC_FILEVALUES_LIST)->model()->rowCount(), 0);
    QCOMPARE(List(IDC_CONSTANTS_LIST)->model()->rowCount(), 0);
}

// A click on the other list ends the open edit with its choice (the keys
// that end an edit are the combo list's own tests).
void TestTemplateDlg::clickOnTheOtherListEndsTheEdit()
{
    Browse(F().base.Write("a.csv", "1001,Ann\n"));
    ClickCell(List(IDC_FILEVALUES_LIST), 0, 1);
    OpenCombo()->setCurrentIndex(OpenCombo()->findText("Amount"));
    ClickCell(List(IDC_CONSTANTS_LIST), 0, 1);
    QCOMPARE(F().dlg.m_lstFileValues.GetItemText(0, 1), CString("Amount"));
    QVERIFY(OpenEdit());
    QCOMPARE(OpenEdit()->text(), QString());
}

void TestTemplateDlg::wholeRoad_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArrayList>("fields");
    QTest::addColumn<QByteArray>("records");

    // Load wants at least as many columns as fields: the last feeds none.
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
    const CString path = F().base.Write("FileValues/Orders/in.csv", file.toStdString());
    CStringArray classFields;
    for (const QByteArray &field : fields)
        classFields.Add(field.toStdString());
    F().dlg.SetFields(classFields);

    Browse(path);
    for (int c = 0; c < 3; ++c)
        ChooseField(c, ToDisplay(classFields[size_t(c)]));
    TypeConstant(0, "EUR");
    F().Prompts().QueueAnswer("daily");
    ClickButton(IDC_SAVE_TEMPLATE);
    QVERIFY(F().base.Exists("Templates/Orders_Template/daily.csv"));

    // A fresh Browse forgets the mapping; Load brings it back.
    Browse(path);
    QCOMPARE(F().dlg.m_lstConstants.GetItemCount(), 4);
    F().Prompts().QueueAnswer("daily.csv");
    ClickButton(IDC_LOAD_TEMPLATE);
    QCOMPARE(F().dlg.m_lstConstants.GetItemCount(), 1);

    ClickButton(IDC_CONTINUE);
    QCOMPARE(F().host.m_calls, std::vector<std::string>{"records " + records.toStdString()});
    QVERIFY(F().Prompts().m_messages.IsEmpty());
    QVERIFY(!Dialog()->isVisible());
}

void TestTemplateDlg::longConversionShowsProgress()
{
    std::string text;
    for (int n = 1; n <= 20000; ++n)
        text += std::to_string(n) + ",x,1,EUR\n";
    Browse(F().base.Write("long.csv", text));
    const char *fields[] = {"OrderNo", "Customer", "Amount", "Currency"};
    for (int c = 0; c < 4; ++c)
        ChooseField(c, fields[c]);
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
    QCOMPARE(F().host.m_calls.size(), size_t(1));
    QVERIFY(F().host.m_calls[0].find("20000,x,1,EUR,20000,\n") != std::string::npos);
}

// The check boxes and the model's file format switches follow each other:
// a click sets its switch, a loaded template sets the boxes, and a dialog
// shown anew starts plain.
void TestTemplateDlg::fileFormatSwitchesFollowTheModel()
{
    QCheckBox *pQuoted = Dialog()->CheckBox(IDC_QUOTED_VALUES);
    QCheckBox *pHeader = Dialog()->CheckBox(IDC_HEADER_LINE);
    QCOMPARE(pHeader->text(), QStringLiteral("First line holds column names"));
    QVERIFY(pQuoted->isVisible() && !pQuoted->isChecked() && !pHeader->isChecked());
    QTest::mouseClick(pHeader, Qt::LeftButton);
    QVERIFY(!F().dlg.m_bQuotedValues && F().dlg.m_bHeaderLine);

    Browse(F().base.Write("in.csv", "OrderNo,Customer,Amount,Currency\n"));
    F().base.Write("Templates/Orders_Template/quoted.csv", "OrderNo,NA,NA,NA,\n#format,quoted,");
    F().Prompts().QueueAnswer("quoted.csv");
    ClickButton(IDC_LOAD_TEMPLATE);
    QVERIFY(pQuoted->isChecked() && !pHeader->isChecked());
    QVERIFY(F().dlg.m_bQuotedValues && !F().dlg.m_bHeaderLine);
    QVERIFY(F().Prompts().m_messages.IsEmpty());

    F().dlg.ShowDialog(&F().host);
    QVERIFY(!pQuoted->isChecked() && !F().dlg.m_bQuotedValues);
}

QTEST_MAIN(TestTemplateDlg)
#include "TemplateDlgTest.moc"
