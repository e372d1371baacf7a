#include "filevalues/core/ValidationRun.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

std::vector<std::string_view> NonEmptyLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::string_view line;
    while (NextPiece(text, '\n', line))
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

bool NextPiece(std::string_view &rest, char cSep, std::string_view &piece)
{
    while (!rest.empty()) {
        const size_t end = rest.find(cSep);
        piece = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!piece.empty())
            return true;
    }
    return false;
}

sValidationResult ValidateRecords(const CString &strRecords, const CVerdictMap *pVerdicts,
                                  const sConversionState &state)
{
    sValidationResult result;
    result.m_arrColumns.reserve(state.arrFields.size() + 2);
    result.m_arrColumns.Add("Validation");
    result.m_arrColumns.Add("Success/Error");
    result.m_arrColumns.insert(result.m_arrColumns.end(), state.arrFields.begin(), state.arrFields.end());
    if (state.nLastLine <= 0)
        return result;

    const std::vector<std::string_view> records = NonEmptyLines(strRecords);
    const std::vector<std::string_view> errorTexts = NonEmptyLines(state.strErrors);
    const std::vector<std::pair<int, int>> shortLines = ShortLines(state.arrErrorLines);
    auto nextShort = std::lower_bound(shortLines.begin(), shortLines.end(), std::make_pair(1, 0));

    // Record numbers only grow, so the verdicts are walked once in key order.
    static const CVerdictMap kNoVerdicts;
    const CVerdictMap &verdicts = pVerdicts ? *pVerdicts : kNoVerdicts;
    auto verdict = verdicts.lower_bound(1);

    std::string &rows = result.m_strRows;
    rows.reserve(strRecords.size() + state.strErrors.size() + size_t(state.nLastLine) * 12);
    int nRecord = 1;
    for (int nRow = 0; nRow < state.nLastLine; ++nRow) {
        if (nextShort != shortLines.end() && nextShort->first == nRow + 1) {
            const size_t k = size_t(nextShort->second);
            rows += "Error,No of FileValues lesser,";
            rows += k < errorTexts.size() ? errorTexts[k] : std::string_view();
            rows += '\n';
            ++result.m_nError;
            ++nextShort;
            continue;
        }
        while (verdict != verdicts.end() && verdict->first < nRecord)
            ++verdict;
        const bool bError = verdict != verdicts.end() && verdict->first == nRecord && !verdict->second.IsEmpty();
        if (bError) {
            rows += "Error,";
            rows += verdict->second;
            rows += ',';
            ++result.m_nError;
        } else {
            rows += "OK,Success,";
            ++result.m_nValid;
        }
        // The record text goes with the verdict: both are counted over the
        // rows that are not short.
        if (!records.empty())
            rows += records[std::min(size_t(nRecord - 1), records.size() - 1)];
        rows += '\n';
        ++nRecord;
    }
    result.m_nTotal = state.nLastLine;
    return result;
}
