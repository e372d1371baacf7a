// The validation run over a million records with ten thousand host verdicts
// and a thousand short lines.
#include "filevalues/core/ValidationRun.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kLines = 1001000;
constexpr int kShortEvery = 1001; // every 1001st file line is short: 1000 of them

struct CConversion
{
    CConversion()
    {
        char line[96];
        int nRecord = 0;
        strRecords.reserve(size_t(kLines) * 32);
        for (int nLine = 1; nLine <= kLines; ++nLine) {
            if (nLine % kShortEvery == 0) {
                arrErrorLines.Add(nLine);
                strErrors += "Short,line\n";
                continue;
            }
            std::snprintf(line, sizeof(line), "Name%06d,%d,%d.5,%d,\n", nLine % 999983, nLine % 1000, nLine % 77, nLine);
            strRecords += line;
            if (++nRecord % 100 == 0)
                verdicts[nRecord] = "Bad amount";
        }
    }
    CString strRecords;
    CVerdictMap verdicts;
    CArray<int> arrErrorLines;
    CString strErrors;
    CStringArray arrFields{"Name", "Count", "Amount"};
};

void BM_ValidateRecords(benchmark::State &state)
{
    static const CConversion conversion;
    const sConversionState input{kLines, conversion.arrErrorLines, conversion.strErrors, conversion.arrFields};
    for (auto _ : state) {
        const sValidationResult result = ValidateRecords(conversion.strRecords, &conversion.verdicts, input);
        benchmark::DoNotOptimize(result.m_strRows.data());
        state.counters["errors"] = result.m_nError;
    }
    state.counters["records"] = conversion.verdicts.size() * 100;
}
BENCHMARK(BM_ValidateRecords)->Unit(benchmark::kMillisecond);

} // namespace
