// A host whose operation throws, through the module as a Qt host calls it:
// the module catches whatever was thrown, ends the operation that called the
// host there, keeps its dialogs as they were, and takes the next call as usual.
#include "RecordingHost.h"
#include "TopLevelWindow.h"
#include "tarniw/TarnIW.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Records each call as CRecordingHost does, then throws (an int, not a
// std::exception) from the operation it is told.
class CThrowingHost : public CRecordingHost
{
public:
    explicit CThrowingHost(const char *pszThrowIn) : m_strThrowIn(pszThrowIn) {}

    BOOL AcceptRecord(int nLine, CRecordMap *pRecord) override
    {
        CRecordingHost::AcceptRecord(nLine, pRecord);
        return ThrowIf("AcceptRecord");
    }
    void ReportLineError(int nLine, CString strLine, CString strMessage) override
    {
        CRecordingHost::ReportLineError(nLine, strLine, strMessage);
        ThrowIf("ReportLineError");
    }
    BOOL AcceptLineValues(CStringArray *pValues) override
    {
        CRecordingHost::AcceptLineValues(pValues);
        return ThrowIf("AcceptLineValues");
    }
    void AcceptRecords(CString strRecords) override
    {
        CRecordingHost::AcceptRecords(strRecords);
        ThrowIf("AcceptRecords");
    }

private:
    BOOL ThrowIf(const char *pszOperation) const
    {
        if (m_strThrowIn == pszOperation)
            throw 42;
        return TRUE;
    }

    std::string m_strThrowIn;
};

// Picks path in the next file dialog, as the user would.
void AnswerFileDialog(const QString &path)
{
    auto *pTimer = new QTimer;
    QObject::connect(pTimer, &QTimer::timeout, pTimer, [pTimer, path] {
        if (auto *pDialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            // Typed into the name field: selectFile() leaves a focused field alone.
            pDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog *>(pDialog)->accept(); // QFileDialog hides accept()
            pTimer->deleteLater();
        }
    });
    pTimer->start(10);
}

void ClickButton(QWidget *pWindow, const QString &text)
{
    for (QPushButton *pButton : pWindow->findChildren<QPushButton *>()) {
        if (pButton->text() == text) {
            QTest::mouseClick(pButton, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable("no button " + text));
}

} // namespace

class TestHostException : public QObject
{
    Q_OBJECT

    CModuleBase m_base;

    QString WriteCsv(const char *pszName, const QByteArray &text)
    {
        QFile file(m_base.Path(pszName));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return QString();
        return file.fileName();
    }

private Q_SLOTS:
    void endsTheOperationAndGoesOn()
    {
        const QString twoLines = WriteCsv("two.csv", "a,b\nc,d\n");
        const QString oneColumn = WriteCsv("one.csv", "a,\nb,\n");
        QVERIFY(!twoLines.isEmpty() && !oneColumn.isEmpty());
        const CString twoLinesPath = QFile::encodeName(twoLines).toStdString();
        CStringArray fields{"A", "B"};

        const struct {
            const char *pszThrowIn;
            std::function<void(CImportHost *)> run;
            std::vector<std::string> expectedCalls; // the throwing call is the last
            const char *pszWindowLeftOpen;          // caption, or null
        } cases[] = {
            {"AcceptLineValues",
             [&](CImportHost *pHost) { Load_CSV_File_Directly_From_FileName(pHost, twoLinesPath, "Orders"); },
             {"values [a] [b]"}, nullptr},
            {"ReportLineError",
             [&](CImportHost *pHost) {
                 CStringArray three{"A", "B", "C"};
                 AnswerFileDialog(twoLines);
                 Load_Saved_File_and_Template(pHost, &three, "Orders");
             },
             {"error 1: File Values are lesser than the Field Values: a,b"}, nullptr},
            {"AcceptRecords",
             [&](CImportHost *pHost) {
                 AnswerFileDialog(twoLines);
                 Load_Saved_File_and_Template(pHost, &fields, "Orders");
             },
             {"records a,b,1,\nc,d,2,\n"}, nullptr},
            // The Validation dialog's Continue after a conversion of two lines.
            {"AcceptRecord",
             [&](CImportHost *pHost) {
                 TarnIm_ShowValidationDlg(pHost, "a,b,1,\nc,d,2,\n", nullptr);
                 ClickButton(TopLevelWindow("Validation Dialog"), "Continue");
             },
             {"record 1: A=a B=b"}, "Validation Dialog"},
            // The Template dialog's Continue, for a class without fields
            // and a file of one column.
            {"ReportLineError",
             [&](CImportHost *pHost) {
                 CStringArray none;
                 InvokeTemplateDlg(pHost, &none, "Orders");
                 AnswerFileDialog(oneColumn);
                 ClickButton(TopLevelWindow("Template"), "Browse");
                 ClickButton(TopLevelWindow("Template"), "Continue");
             },
             {"error 1: File Values are more than the Field Values: a,"}, "Template"},
        };
        for (const auto &c : cases) {
            CThrowingHost host(c.pszThrowIn);
            c.run(&host);
            QCOMPARE(host.m_calls, c.expectedCalls);
            if (c.pszWindowLeftOpen)
                QVERIFY2(TopLevelWindow(c.pszWindowLeftOpen)->isVisible(), c.pszWindowLeftOpen);

            CRecordingHost next;
            Load_CSV_File_Directly_From_FileName(&next, twoLinesPath, "Orders");
            QCOMPARE(next.m_calls, (std::vector<std::string>{"values [a] [b]", "values [c] [d]"}));
        }
    }
};

QTEST_MAIN(TestHostException)
#include "HostExceptionTest.moc"
