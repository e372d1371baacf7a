#include "filevalues/core/CsvLine.h"

#include <algorithm>

const char *const kNotCsvFormat = "Invalid Format:Not a CSV Format";
const char *const kLineTooLong = "Line longer than 16 MiB: skipped";

namespace {
// Room for the values of most lines, so that the array rarely grows.
constexpr size_t kFirstRoom = 16;
}

std::string_view TrimCsvLine(std::string_view line)
{
    size_t begin = 0;
    size_t end = line.size();
    while (begin < end && CString::IsSpace(line[begin]))
        ++begin;
    while (end > begin && CString::IsSpace(line[end - 1]))
        --end;
    return line.substr(begin, end - begin);
}

sCsvCut CCsvLine::Cut(const char *p, const char *pEnd)
{
    size_t nRoom = std::min(nKeep, std::max(m_room.size(), kFirstRoom));
    if (m_room.size() < nRoom)
        m_room.resize(nRoom);
    sCsvCut cut = CutCsvLine(p, pEnd, m_room.data(), nRoom);
    if (cut.nValues != kNoComma && cut.nValues > nRoom && nRoom < nKeep) {
        nRoom = std::min(cut.nValues, nKeep);
        m_room.resize(nRoom);
        cut = CutCsvLine(p, pEnd, m_room.data(), nRoom);
    }
    text = cut.text;
    nValues = cut.nValues == kNoComma ? 0 : cut.nValues;
    return cut;
}

bool SplitCsvLine(std::string_view line, CCsvValues &values)
{
    values.resize(std::max(values.capacity(), kFirstRoom));
    sCsvCut cut = CutCsvText(line, values.data(), values.size());
    if (cut.nValues != kNoComma && cut.nValues > values.size()) {
        values.resize(cut.nValues);
        cut = CutCsvText(line, values.data(), values.size());
    }
    values.resize(cut.nValues == kNoComma ? 0 : cut.nValues);
    return cut.nValues != kNoComma;
}

BOOL SplitCsvLine(const CString &line, CStringArray &values)
{
    CCsvValues views;
    const bool bCsv = SplitCsvLine(std::string_view(line), views);
    AssignValues(values, views);
    return bCsv ? TRUE : FALSE;
}

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
