// The quoted format: each record's values, written as the records text
// writes them, read back the same; records are numbered by rising lines;
// a conversion writes as many records as it names record lines, each read
// back with a value per field that has one and its line number last, and a validation
// run shows exactly those records and the skipped lines.
#include "FuzzSupport.h"

#include "filevalues/core/QuotedCsv.h"
#include "filevalues/core/RecordConversion.h"
#include "filevalues/core/ValidationRun.h"

#include <algorithm>

namespace {
void CheckRecords(const CString &path)
{
    CLineReader reader;
    FUZZ_CHECK(reader.Open(path));
    CQuotedRecord record, again;
    int nPrevious = 0;
    eCsvLine read;
    while ((read = ReadQuotedRecord(reader, nullptr, record)) != eCsvLine::End) {
        FUZZ_CHECK(read == eCsvLine::Values || read == eCsvLine::TooLong);
        FUZZ_CHECK(record.nLine > nPrevious);
        nPrevious = record.nLine;
        std::string written;
        for (const std::string_view value : record.values) {
            AppendQuotedValue(written, value);
            written.push_back(',');
        }
        if (written.empty())
            continue;
        written.pop_back();
        FUZZ_CHECK(QuotedRecordLength(written) == written.size());
        again.Cut(written);
        FUZZ_CHECK(again.values == record.values);
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CFuzzParts parts(data, size);
    CMemoryFile file(parts.Next());
    CheckRecords(file.Path());

    // Fields F0, F1, ... fed from the columns the next bytes name, and a
    // constant that needs quoting.
    const unsigned nFields = 1 + parts.NextByte() % 4;
    const bool bHeaderLine = parts.NextByte() % 2 == 0;
    CStringArray fields, columnFields;
    for (unsigned f = 0; f < nFields; ++f)
        fields.Add("F" + std::to_string(f));
    for (const char c : parts.Next())
        columnFields.Add(static_cast<unsigned char>(c) % 2 ? fields[static_cast<unsigned char>(c) % nFields] : "");
    CReportRows constants;
    constants.SetItemText(constants.InsertItem(0, fields.back()), 1, "a,\"b\"\n");
    CFuzzPrompts prompts;
    CLineReader reader;
    FUZZ_CHECK(reader.Open(file.Path()));
    CString errors, records;
    CArray<int> errorLines, recordLines;
    int nLastLine = 0;
    sConversionBookkeeping keep{errors, errorLines, nLastLine, &recordLines};
    const sConversionInput input{columnFields, constants, fields, true, true, bHeaderLine};
    if (ConvertRecordLines(reader, PlanFieldRecords(input), nullptr, keep, records) != eConversion::Converted)
        return 0;

    // A field with neither column nor constant has no value in a record.
    size_t nValues = 1;
    for (const CString &field : fields)
        nValues += field == fields.back() || std::count(columnFields.begin(), columnFields.end(), field) > 0;
    std::string_view rest(records), line;
    size_t nRecords = 0;
    std::string token;
    while (NextQuotedRecord(rest, line)) {
        FUZZ_CHECK(nRecords < recordLines.size());
        CResultTokens tokens(line, true);
        size_t nTokens = 0;
        std::string last;
        for (; tokens.Next(token); ++nTokens)
            last = token;
        FUZZ_CHECK(nTokens == nValues && last == std::to_string(recordLines[nRecords++]));
    }
    FUZZ_CHECK(nRecords == recordLines.size());
    const sConversionState state{nLastLine, errorLines, errors, fields, true, &recordLines};
    const sValidationResult result = ValidateRecords(records, nullptr, state);
    size_t nSkipped = 0;
    for (const int nLine : errorLines)
        nSkipped += nLine <= nLastLine;
    FUZZ_CHECK(size_t(result.m_nTotal) == nRecords + nSkipped && size_t(result.m_nError) == nSkipped);
    return 0;
}
