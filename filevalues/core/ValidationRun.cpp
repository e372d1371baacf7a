#include "filevalues/core/ValidationRun.h"

#include "filevalues/core/QuotedCsv.h"
#include "filevalues/core/RecordsText.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// The next non-empty line, or record of the quoted format.
bool NextLine(std::string_view &rest, std::string_view &line, bool bQuoted)
{
    return bQuoted ? NextQuotedRecord(rest, line) : NextPiece(rest, '\n', line);
}

std::vector<std::string_view> NonEmptyLines(std::string_view text, bool bQuoted)
{
    std::vector<std::string_view> lines;
    std::string_view line;
    while (NextLine(text, line, bQuoted))
        lines.push_back(line);
    return lines;
}

// The short lines as (line number, index of its text), ascending, each line
// number once with its first entry.
std::vector<std::pair<int, int>> ShortLines(const CArray<int> &arrErrorLines)
{
    std::vector<std::pair<int, int>> lines;
    lines.reserve(arrErrorLines.size());
    for (int k = 0; k < arrErrorLines.GetSize(); ++k)
        lines.emplace_back(arrErrorLines[size_t(k)], k);
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end(),
                            [](const auto &a, const auto &b) { return a.first == b.first; }),
                lines.end());
    return lines;
}

} // namespace

namespace {

// Writes the result lines into a text, each in one piece, and notes where
// each begins.
class CRowsWriter
{
public:
    CRowsWriter(std::string &rows, std::vector<std::uintptr_t> &aStarts) : m_writer(rows), m_aStarts(aStarts) {}

    // The pieces of one line, then its line break.
    void Row(std::initializer_list<std::string_view> pieces)
    {
        size_t nLength = 1;
        for (const std::string_view piece : pieces)
            nLength += piece.size();
        m_aStarts.push_back(m_writer.Size());
        char *p = m_writer.Room(nLength);
        for (const std::string_view piece : pieces)
            p = Copy(p, piece);
        *p++ = '\n';
        m_writer.Commit(p);
    }

private:
    static char *Copy(char *p, std::string_view text)
    {
        if (!text.empty()) // an empty view may have no data at all
            std::memcpy(p, text.data(), text.size());
        return p + text.size();
    }

    CRecordsWriter m_writer;
    std::vector<std::uintptr_t> &m_aStarts;
};

// Room for the result lines of nRows rows, most often all of it.
size_t RowsRoom(const CString &strRecords, const CVerdictMap &verdicts, const sConversionState &state)
{
    size_t nRoom = strRecords.size() + state.strErrors.size() + size_t(state.nLastLine) * 31;
    for (auto it = verdicts.lower_bound(1); it != verdicts.end() && it->first <= state.nLastLine; ++it)
        nRoom += it->second.size() + 7;
    return nRoom;
}

} // namespace

sValidationResult ValidateRecords(const CString &strRecords, const CVerdictMap *pVerdicts,
                                  const sConversionState &state)
{
    sValidationResult result;
    result.m_bQuoted = state.bQuoted;
    result.m_arrColumns.reserve(state.arrFields.size() + 2);
    result.m_arrColumns.Add("Validation");
    result.m_arrColumns.Add("Success/Error");
    result.m_arrColumns.insert(result.m_arrColumns.end(), state.arrFields.begin(), state.arrFields.end());
    if (state.nLastLine <= 0)
        return result;

    const std::vector<std::string_view> errorTexts = NonEmptyLines(state.strErrors, state.bQuoted);
    const std::vector<std::pair<int, int>> shortLines = ShortLines(state.arrErrorLines);
    auto nextShort = std::lower_bound(shortLines.begin(), shortLines.end(), std::make_pair(1, 0));

    // Record numbers only grow, so the verdicts are walked once in key order,
    // and the records too: row after row takes the next one, the last one
    // again when there are no more.
    static const CVerdictMap kNoVerdicts;
    const CVerdictMap &verdicts = pVerdicts ? *pVerdicts : kNoVerdicts;
    auto verdict = verdicts.lower_bound(1);
    std::string_view records(strRecords);
    std::string_view record;

    result.m_strRows.reserve(RowsRoom(strRecords, verdicts, state));
    result.m_aRowStarts.reserve(size_t(state.nLastLine));
    CRowsWriter rows(result.m_strRows, result.m_aRowStarts);
    int nRecord = 1;
    const int *pRecordLine = state.pRecordLines ? state.pRecordLines->data() : nullptr;
    const int *const pRecordLinesEnd = pRecordLine ? pRecordLine + state.pRecordLines->size() : nullptr;
    for (int nRow = 0; nRow < state.nLastLine; ++nRow) {
        if (nextShort != shortLines.end() && nextShort->first == nRow + 1) {
            const size_t k = size_t(nextShort->second);
            rows.Row({"Error,No of FileValues lesser,", k < errorTexts.size() ? errorTexts[k] : std::string_view()});
            ++result.m_nError;
            ++nextShort;
            continue;
        }
        if (pRecordLine) { // a line that is neither a record nor skipped is no row
            while (pRecordLine != pRecordLinesEnd && *pRecordLine < nRow + 1)
                ++pRecordLine;
            if (pRecordLine == pRecordLinesEnd || *pRecordLine != nRow + 1)
                continue;
        }
        while (verdict != verdicts.end() && verdict->first < nRecord)
            ++verdict;
        // The record text goes with the verdict: both are counted over the
        // rows that are not short.
        std::string_view next;
        if (NextLine(records, next, state.bQuoted))
            record = next;
        if (verdict != verdicts.end() && verdict->first == nRecord && !verdict->second.IsEmpty()) {
            rows.Row({"Error,", verdict->second, ",", record});
            ++result.m_nError;
        } else {
            rows.Row({"OK,Success,", record});
            ++result.m_nValid;
        }
        ++nRecord;
    }
    result.m_nTotal = result.m_nValid + result.m_nError;
    return result;
}
