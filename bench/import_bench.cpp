// The import road on a 1,000,000-line, 10-column file: the line rule alone,
// the Template dialog's record conversion and the import through a saved
// template, both mapping 3 columns and 1 constant, and the comparison
// splitter (CsvSplitter.h) doing the same job in memory.
#include "CsvSplitter.h"
#include "filevalues/core/CsvReaders.h"
#include "platform/core/FileSystem.h"
#include "platform/core/Prompts.h"
#include "wizard/core/CTemplateDlg.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
constexpr int kLines = 1000000;
constexpr int kColumns = 10;

// A base folder with the data file and the saved template, made once.
class CBenchBase
{
public:
    CBenchBase()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "tarniw-bench-XXXXXX").string();
        m_dir = ::mkdtemp(&tmpl[0]) ? tmpl : std::string(".");
        SetHostExecutablePath(CString(m_dir + "/host"));
        std::string text;
        text.reserve(size_t(kLines) * 64);
        char value[32];
        for (int line = 1; line <= kLines; ++line) {
            for (int c = 1; c <= kColumns; ++c) {
                const int n = std::snprintf(value, sizeof value, c < kColumns ? "v%d%03d," : "v%d%03d\n", c, (line * 7 + c * 13) % 1000);
                text.append(value, size_t(n));
            }
        }
        std::ofstream(m_dir + "/big.csv", std::ios::binary) << text;
        std::filesystem::create_directories(m_dir + "/Templates/Bench_Template");
        std::ofstream(m_dir + "/Templates/Bench_Template/Three.csv", std::ios::binary)
            << "c1,NA,c3,NA,NA,c6,NA,NA,NA,NA,\nK~const,";
    }
    ~CBenchBase()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    CString DataPath() const { return CString(m_dir + "/big.csv"); }

private:
    std::string m_dir;
};

const CBenchBase &Base()
{
    static const CBenchBase base;
    return base;
}

class CNullHost : public CImportHost
{
public:
    BOOL AcceptRecord(int, CRecordMap *) override { return TRUE; }
    void ReportLineError(int, CString, CString) override { ++m_nErrors; }
    BOOL AcceptLineValues(CStringArray *) override { return TRUE; }
    void AcceptRecords(CString strRecords) override { m_nBytes = strRecords.size(); }
    size_t m_nBytes = 0;
    int m_nErrors = 0;
};

void SetBytes(benchmark::State &state)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(std::filesystem::file_size(std::string(Base().DataPath()))));
}

void BM_SplitCsvLine(benchmark::State &state)
{
    const CString path = Base().DataPath();
    for (auto _ : state) {
        CLineReader reader;
        reader.Open(path);
        CCsvLine line;
        size_t n = 0;
        while (ReadCsvLine(reader, nullptr, line) == eCsvLine::Values)
            n += line.nValues;
        benchmark::DoNotOptimize(n);
    }
    SetBytes(state);
}
BENCHMARK(BM_SplitCsvLine)->Unit(benchmark::kMillisecond);

// A class of ten fields, three of them mapped to columns and one given a
// constant: every line holds a value per field, so none is reported.
void BM_ConvertRecords(benchmark::State &state)
{
    CNullHost host;
    CTemplateDlg dlg;
    dlg.SetHost(&host);
    dlg.m_arrFields = {"c1", "f2", "c3", "f4", "f5", "c6", "f7", "f8", "f9", "K"};
    for (int c = 0; c < kColumns; ++c)
        dlg.m_lstFileValues.InsertItem(c, "v");
    dlg.m_lstFileValues.SetItemText(0, 1, "c1");
    dlg.m_lstFileValues.SetItemText(2, 1, "c3");
    dlg.m_lstFileValues.SetItemText(5, 1, "c6");
    dlg.m_lstConstants.InsertItem(0, "K");
    dlg.m_lstConstants.SetItemText(0, 1, "const");
    dlg.m_strFilePath = Base().DataPath();
    dlg.m_bWithLineNumbers = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(dlg.ConvertRecords().size());
    if (host.m_nErrors)
        state.SkipWithError("lines were reported");
    SetBytes(state);
}
BENCHMARK(BM_ConvertRecords)->Unit(benchmark::kMillisecond);

// The same records by the comparison splitter, built in memory.
void BM_VectorSplitter(benchmark::State &state)
{
    splitter::Plan plan;
    plan.columns = {0, 2, 5};
    plan.after = {"", "", "const,"};
    plan.nExpected = kColumns;
    plan.nHighest = 5;
    size_t nBytes = 0;
    for (auto _ : state) {
        std::FILE *pFile = std::fopen(Base().DataPath().c_str(), "rb");
        splitter::Output out(nullptr);
        splitter::Splitter(plan, out).Run(pFile);
        std::fclose(pFile);
        nBytes = out.Text().size();
    }
    benchmark::DoNotOptimize(nBytes);
    SetBytes(state);
}
BENCHMARK(BM_VectorSplitter)->Unit(benchmark::kMillisecond);

void BM_LoadSavedFileAndTemplate(benchmark::State &state)
{
    CNullHost host;
    CTemplateDlg dlg;
    dlg.SetHost(&host);
    dlg.SetClassName("Bench");
    CScriptedPrompts prompts;
    SetPrompts(&prompts);
    for (auto _ : state) {
        prompts.QueueAnswerWithFilter(Base().DataPath(), "Three");
        dlg.LoadSavedFileAndTemplate();
        benchmark::DoNotOptimize(host.m_nBytes);
    }
    SetPrompts(nullptr);
    if (host.m_nBytes == 0)
        state.SkipWithError("no records were handed over");
    SetBytes(state);
}
BENCHMARK(BM_LoadSavedFileAndTemplate)->Unit(benchmark::kMillisecond);
}
