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

size_t CutCsvValues(std::string_view trimmed, CCsvValues &values, size_t nKeep)
{
    values.resize(std::min(nKeep, std::max(values.capacity(), kFirstRoom)));
    const size_t nValues = SplitTrimmedLine(trimmed, values.data(), values.size());
    if (nValues == kNoComma) {
        values.clear();
        return kNoComma;
    }
    if (nValues > values.size() && values.size() < nKeep) {
        values.resize(std::min(nValues, nKeep));
        SplitTrimmedLine(trimmed, values.data(), values.size());
    }
    values.resize(std::min(nValues, nKeep));
    return nValues;
}

bool SplitCsvLine(std::string_view line, CCsvValues &values)
{
    return CutCsvValues(TrimCsvLine(line), values) != kNoComma;
}

BOOL SplitCsvLine(const CString &line, CStringArray &values)
{
    CCsvValues views;
    const bool bCsv = SplitCsvLine(std::string_view(line), views);
    AssignValues(values, views);
    return bCsv ? TRUE : FALSE;
}

void AssignValues(CStringArray &values, const CCsvValues &views)
{
    values.resize(views.size());
    for (size_t i = 0; i < views.size(); ++i)
        values[i].assign(views[i]);
}
