#include "wizard/core/SavedTemplateImport.h"

#include "filevalues/core/CsvLine.h"
#include "filevalues/core/RecordsText.h"
#include "platform/core/StoreFolders.h"

namespace {
const char kCsvSuffix[] = ".csv";
constexpr size_t kCsvSuffixLength = sizeof kCsvSuffix - 1;
}

CStringArray ListTemplateTitles(const CString &className)
{
    CStringArray titles;
    if (!IsStoreClassName(className))
        return titles;
    for (const CDirEntry &entry : ListDirectory(TemplateClassFolder(className))) {
        const CString &name = entry.strName;
        // A "|" would split the title in the dialog's filter and shift every
        // later entry against the list, so such a file is not offered.
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
    std::string_view raw;
    int nLine = 0;
    while (reader.ReadLine(raw)) {
        if (!SplitCsvLine(raw, values))
            return false;
        ++nLine;
        if (nLine == kRecordsSampleLines)
            ReserveForWholeFile(records, nLine, reader.BytesRead(), reader.FileSize());
        if (values.size() < nColumns) {
            const std::string_view line = TrimCsvLine(raw);
            ReportLine(pHost, nLine, line, kValuesLesser);
            RememberSkippedLine(keep, nLine, line);
            continue;
        }
        if (values.size() > nColumns)
            ReportLine(pHost, nLine, TrimCsvLine(raw), kValuesMore);
        for (const size_t c : mapped)
            records.append(values[c]).push_back(',');
        records.append(constants);
        AppendLineNumber(records, nLine);
        records.push_back('\n');
        keep.nLastLine = nLine;
    }
    return true;
}
