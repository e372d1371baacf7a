// The Validation dialog with a million records, through the module's real
// entry as a Qt host calls it (offscreen): the time from calling
// TarnIm_ShowValidationDlg to the first paint of the result list, and the
// resident memory the dialog holds afterwards against the size of its rows
// text. The records come from a saved-template import of a generated file,
// so that the validation run has a conversion to join.
//
//   validation_paint [LINES]
#include "tarniw/TarnIW.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <unistd.h>
#include <vector>

namespace {

class CKeepingHost : public tarniw::CImportHost
{
public:
    tarniw::BOOL AcceptRecord(int, tarniw::CRecordMap *) override { return 1; }
    void ReportLineError(int, tarniw::CString, tarniw::CString) override {}
    tarniw::BOOL AcceptLineValues(tarniw::CStringArray *) override { return 1; }
    void AcceptRecords(tarniw::CString strRecords) override { m_strRecords = std::move(strRecords); }
    tarniw::CString m_strRecords;
};

// Resident memory in bytes, after giving freed memory back.
long long ResidentBytes()
{
    ::malloc_trim(0);
    long long nPages = 0, nResident = 0;
    if (std::FILE *pFile = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(pFile, "%lld %lld", &nPages, &nResident) != 2)
            nResident = 0;
        std::fclose(pFile);
    }
    return nResident * ::sysconf(_SC_PAGESIZE);
}

// Answers the open dialog of the saved-template import, as the user would:
// the template "Bench" in the file-type list, the data file typed in.
void AnswerOpenDialog(const QString &dataPath)
{
    auto *pPoll = new QTimer;
    QObject::connect(pPoll, &QTimer::timeout, pPoll, [pPoll, dataPath] {
        auto *pDialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!pDialog)
            return;
        const QStringList filters = pDialog->nameFilters().filter(QStringLiteral("Bench"));
        if (!filters.isEmpty())
            pDialog->selectNameFilter(filters.front());
        pDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(dataPath);
        static_cast<QDialog *>(pDialog)->accept();
        pPoll->deleteLater();
    });
    pPoll->start(20);
}

QAbstractItemView *ResultList()
{
    for (QWidget *pWindow : QApplication::topLevelWidgets()) {
        if (pWindow->isVisible() && pWindow->windowTitle() == QStringLiteral("Validation Dialog"))
            return pWindow->findChild<QAbstractItemView *>();
    }
    return nullptr;
}

// Counts the paints of a widget.
class CPaintCounter : public QObject
{
public:
    int m_nPaints = 0;

protected:
    bool eventFilter(QObject *, QEvent *pEvent) override
    {
        m_nPaints += pEvent->type() == QEvent::Paint;
        return false;
    }
};

// Milliseconds from the entry call to the first paint of the list. The host
// hands over a copy of its records, made before.
double ShowAndPaint(CKeepingHost &host, tarniw::CVerdictMap &verdicts)
{
    tarniw::CString records = host.m_strRecords;
    QElapsedTimer timer;
    timer.start();
    TarnIm_ShowValidationDlg(&host, std::move(records), &verdicts);
    QAbstractItemView *pList = ResultList();
    if (!pList)
        return -1;
    CPaintCounter counter;
    pList->viewport()->installEventFilter(&counter);
    pList->viewport()->update();
    while (counter.m_nPaints == 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    pList->viewport()->removeEventFilter(&counter);
    pList->window()->hide();
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on what it cannot do are not news here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    const int nLines = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir base;
    qputenv("TARNIW_HOST_EXE", QFile::encodeName(base.filePath(QStringLiteral("host"))));
    const std::string dir = base.path().toStdString();
    {
        std::ofstream data(dir + "/data.csv", std::ios::binary);
        char line[160];
        for (int i = 1; i <= nLines; ++i) {
            const int n = std::snprintf(line, sizeof line, "%d,customer%d,%d,%d.%02d,key%d,%d,xyz-%d,%d,%d,zz\n", i,
                                        i % 997, i % 50, i % 1000, i % 100, i % 89, (i * 7) % 10000, i % 13, i % 3,
                                        (i * 31) % 100000);
            data.write(line, n);
        }
        QDir().mkpath(base.filePath(QStringLiteral("Templates/Bench_Template")));
        std::ofstream(dir + "/Templates/Bench_Template/Bench.csv", std::ios::binary)
            << "Id,NA,NA,Amount,NA,NA,Kind,NA,NA,NA,\nSource~bench,";
    }
    CKeepingHost host;
    tarniw::CStringArray fields{"Id", "Amount", "Kind", "Source"};
    AnswerOpenDialog(base.filePath(QStringLiteral("data.csv")));
    Load_Saved_File_and_Template(&host, &fields, "Bench");
    tarniw::CVerdictMap verdicts;
    for (int i = 100; i <= nLines; i += 100)
        verdicts[i] = "Bad amount";
    // The rows text the dialog shows: "OK,Success," or "Error,Bad amount,"
    // before each record.
    long long nRowsText = 0;
    long long nRecord = 0;
    for (size_t start = 0; start < host.m_strRecords.size();) {
        const size_t end = host.m_strRecords.find('\n', start);
        ++nRecord;
        nRowsText += (long long)(end - start + 1) + (verdicts.count(int(nRecord)) ? 17 : 11);
        start = end + 1;
    }

    const long long nBefore = ResidentBytes();
    const double msFirst = ShowAndPaint(host, verdicts);
    const long long nHeld = ResidentBytes() - nBefore;
    std::vector<double> later;
    for (int i = 0; i < 5; ++i)
        later.push_back(ShowAndPaint(host, verdicts));
    std::sort(later.begin(), later.end());
    std::printf("records %lld, rows text %.1f MiB\n", nRecord, double(nRowsText) / (1 << 20));
    std::printf("entry to first paint: %.1f ms (window created), %.1f ms (median of 5 later runs)\n", msFirst,
                later[later.size() / 2]);
    std::printf("resident memory the dialog holds: %.1f MiB = %.2f x the rows text\n", double(nHeld) / (1 << 20),
                double(nHeld) / double(nRowsText));
    return 0;
}
