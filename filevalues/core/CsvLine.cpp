#include "filevalues/core/CsvLine.h"

const char *const kNotCsvFormat = "Invalid Format:Not a CSV Format";
const char *const kLineTooLong = "Line longer than 16 MiB: skipped";

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

bool SplitCsvLine(std::string_view line, CCsvValues &values)
{
    values.clear();
    if (line.find(',') == std::string_view::npos)
        return false;
    const std::string_view trimmed = TrimCsvLine(line);
    const char *p = trimmed.data();
    const char *const end = p + trimmed.size();
    const char *start = p;
    for (; p != end; ++p) {
        if (*p == ',') {
            if (p != start)
                values.emplace_back(start, size_t(p - start));
            start = p + 1;
        }
    }
    if (p != start)
        values.emplace_back(start, size_t(p - start));
    return true;
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
