#include "wizard/core/SavedTemplateImport.h"

#include "filevalues/core/CsvLine.h"
#include "filevalues/core/RecordsText.h"
#include "platform/core/StoreFolders.h"

const char *const kTemplateNameRefused =
    "Template not saved: its name must not hold \"|\", tabs or line breaks, blanks at either end or two blanks in a row";

namespace {
const char kCsvSuffix[] = ".csv";
constexpr size_t kCsvSuffixLength = sizeof kCsvSuffix - 1;
}

bool IsPlainTemplateTitle(const CString &title)
{
    if (title.empty() || title.front() == ' ' || title.back() == ' ' || title.find("  ") != std::string::npos)
        return false;
    for (const char c : title) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '|' || u < 0x20 || u == 0x7F)
            return false;
    }
    return true;
}

CStringArray ListTemplateTitles(const CString &className)
{
    CStringArray titles;
    if (!IsTemplateStoreName(className))
        return titles;
    for (const CDirEntry &entry : ListDirectory(TemplateClassFolder(className))) {
        const CString &name = entry.strName;
        if (!entry.bDirectory && name.size() > kCsvSuffixLength && name.find('|') == std::string::npos
            && name.compare(name.size() - kCsvSuffixLength, kCsvSuffixLength, kCsvSuffix) == 0)
            titles.Add(name.Left(name.GetLength() - int(kCsvSuffixLength)));
    }
    return titles;
}

CString TemplateTitlesFilter(const CStringArray &titles)
{
    CString filter;
    for (const CString &title : titles)
        filter += title + "|*.csv|";
    return filter;
}

bool ImportLinesWithTemplate(CLineReader &reader, const CSavedTemplate &tpl, CImportHost *pHost, CString &records,
                             CConversionBookkeeping &keep)
{
    std::vector<size_t> mapped;
    for (size_t c = 0; c < tpl.arrColumns.size(); ++c) {
        if (tpl.arrColumns[c] != " ")
            mapped.push_back(c);
    }
    std::string constants;
    for (const CString &value : tpl.arrConstValues)
        constants.append(value).push_back(',');
    const size_t nColumns = tpl.arrColumns.size();

    CCsvValues values;
    std::string_view line;
    int nLine = 0;
    for (;;) {
        const eCsvLine read = ReadCsvLine(reader, pHost, nLine, values, line);
        if (read == eCsvLine::End)
            return true;
        if (read == eCsvLine::NotCsv)
            return false;
        if (nLine == kRecordsSampleLines)
            ReserveForWholeFile(records, nLine, reader.BytesRead(), reader.FileSize());
        if (read == eCsvLine::TooLong) {
            RememberSkippedLine(keep, nLine, line);
            continue;
        }
        if (values.size() < nColumns) {
            ReportLine(pHost, nLine, line, kValuesLesser);
            RememberSkippedLine(keep, nLine, line);
            continue;
        }
        if (values.size() > nColumns)
            ReportLine(pHost, nLine, line, kValuesMore);
        for (const size_t c : mapped)
            records.append(values[c]).push_back(',');
        records.append(constants);
        AppendLineNumber(records, nLine);
        records.push_back('\n');
        keep.nLastLine = nLine;
    }
}
