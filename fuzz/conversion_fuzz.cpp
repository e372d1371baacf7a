// The record conversion: every record has the same number of values, each
// data line becomes at most one record or one skipped line, and a skipped
// line is always reported to the host.
#include "FuzzConversion.h"

#include <algorithm>
#include <deque>

namespace {
CStringArray Lines(const std::string &text)
{
    CStringArray lines;
    size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.Add(CString(text.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CFuzzParts parts(data, size);
    CMemoryFile file(parts.Next());
    const CStringArray fields = Lines(parts.Next());
    const CStringArray columnFields = Lines(parts.Next());
    // Constant rows as "field\tvalue". A typed constant holding a comma
    // goes into the records as typed (the records text has no quoting), so
    // the fuzzer types none.
    CReportRows constants;
    for (const CString &row : Lines(parts.Next())) {
        const int tab = row.Find('\t');
        const int item = constants.InsertItem(constants.GetItemCount(), tab < 0 ? row : row.Left(tab));
        CString value = tab < 0 ? CString() : row.Mid(tab + 1);
        value.erase(std::remove(value.begin(), value.end(), ','), value.end());
        constants.SetItemText(item, 1, value);
    }
    const bool bWithLineNumbers = parts.NextByte() % 2 == 0;
    CFuzzPrompts prompts;

    // Every split path converts alike.
    const sConversionInput input{columnFields, constants, fields, bWithLineNumbers};
    std::deque<CFuzzConversion> runs;
    ForEachSplitPath([&](eSplitPath) {
        runs.emplace_back(file.Path(), PlanFieldRecords(input));
        FUZZ_CHECK(runs.back().SameAs(runs.front()));
    });
    const CString &records = runs.front().strRecords;
    const bool bConverted = runs.front().result == eConversion::Converted;
    FUZZ_CHECK(bConverted || records.IsEmpty());
    if (records.IsEmpty() || !bWithLineNumbers)
        return 0;
    size_t nValues = 0;
    for (char c : records.substr(0, records.find('\n')))
        nValues += c == ',';
    FUZZ_CHECK(nValues >= 1 && nValues - 1 <= fields.size());
    CheckNumberedRecords(records, nValues - 1, runs.front().arrErrorLines, runs.front().nLastLine);
    return 0;
}
