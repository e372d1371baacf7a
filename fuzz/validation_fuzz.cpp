// The validation run: one result line per converted file line, each "OK" or
// "Error", counted once, and every line skipped as short shown as such.
#include "FuzzSupport.h"

#include "filevalues/core/ValidationRun.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CFuzzParts parts(data, size);
    const CString records = parts.Next();
    const CString errors = parts.Next();
    // Verdicts as bytes (record number, text length) followed by the text;
    // the host's texts are single lines.
    CVerdictMap verdicts;
    const std::string verdictBytes = parts.Next();
    for (size_t i = 0; i + 1 < verdictBytes.size();) {
        const int nRecord = static_cast<unsigned char>(verdictBytes[i]) - 8;
        const size_t nLength = static_cast<unsigned char>(verdictBytes[i + 1]) % 16;
        CString text(verdictBytes.substr(i + 2, nLength));
        std::replace(text.begin(), text.end(), '\n', ' ');
        verdicts[nRecord] = text;
        i += 2 + nLength;
    }
    CArray<int> errorLines;
    for (char c : parts.Next())
        errorLines.Add(static_cast<signed char>(c));
    const int nLastLine = int(parts.NextByte()) - 8;
    const CStringArray fields{"A", "B"};

    const sConversionState state{nLastLine, errorLines, errors, fields};
    const sValidationResult result = ValidateRecords(records, parts.NextByte() % 2 ? &verdicts : nullptr, state);
    FUZZ_CHECK(result.m_arrColumns.size() == fields.size() + 2);
    FUZZ_CHECK(result.m_nTotal == std::max(nLastLine, 0));
    FUZZ_CHECK(result.m_nTotal == result.m_nValid + result.m_nError);
    std::string_view rows = result.m_strRows;
    int nRow = 0, nValid = 0;
    while (!rows.empty()) {
        const size_t end = rows.find('\n');
        FUZZ_CHECK(end != std::string_view::npos);
        const std::string_view row = rows.substr(0, end);
        rows.remove_prefix(end + 1);
        ++nRow;
        const bool bShort = std::find(errorLines.begin(), errorLines.end(), nRow) != errorLines.end();
        FUZZ_CHECK(!bShort || row.rfind("Error,No of FileValues lesser,", 0) == 0);
        FUZZ_CHECK(row.rfind("OK,Success,", 0) == 0 || row.rfind("Error,", 0) == 0);
        nValid += row.rfind("OK,", 0) == 0;
    }
    FUZZ_CHECK(nRow == result.m_nTotal && nValid == result.m_nValid);
    return 0;
}
