#include "wizard/core/SavedTemplateImport.h"

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
    for (const sDirEntry &entry : ListDirectory(TemplateClassFolder(className))) {
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

CRecordPlan PlanTemplateRecords(const sSavedTemplate &tpl)
{
    CRecordPlan plan;
    plan.nExpected = tpl.arrColumns.size();
    plan.bLineNumbers = true;
    plan.bQuoted = tpl.format.bQuoted;
    plan.bHeaderLine = tpl.format.bHeaderLine;
    for (size_t c = 0; c < tpl.arrColumns.size(); ++c) {
        if (tpl.arrColumns[c] != " ")
            plan.AddColumn(int(c));
    }
    for (const CString &value : tpl.arrConstValues)
        plan.AddConstant(value);
    return plan;
}
