#include "wizard/core/TemplateFile.h"

#include "filevalues/core/CsvLine.h"

const char *const kNoField = "NA";

namespace {
void AppendEntry(std::string &text, const CString &entry)
{
    text.append(entry).push_back(',');
}

// Name before the first "~", value after it (further "~" included); an
// entry without "~" is all value.
void SplitConstant(const CString &entry, CString &name, CString &value)
{
    const int tilde = entry.Find('~');
    name = tilde < 0 ? CString() : entry.Left(tilde);
    value = tilde < 0 ? entry : entry.Mid(tilde + 1);
}
}

CString TemplatePath(const CString &folder, const CString &templateName)
{
    return folder + "/" + templateName + ".csv";
}

std::string FieldListTemplateText(const CStringArray &fields)
{
    std::string text;
    for (const CString &field : fields)
        AppendEntry(text, field);
    return text;
}

std::string MappingTemplateText(const CReportRows &fileValues, const CReportRows &constants)
{
    std::string text;
    for (int row = 0; row < fileValues.GetItemCount(); ++row) {
        const CString field = fileValues.GetItemText(row, 1);
        AppendEntry(text, field.IsEmpty() || field == " " ? CString(kNoField) : field);
    }
    text.push_back('\n');
    for (int row = 0; row < constants.GetItemCount(); ++row)
        AppendEntry(text, constants.GetItemText(row, 0) + "~" + constants.GetItemText(row, 1));
    return text;
}

bool ReadTemplateEntries(CLineReader &reader, CStringArray &entries)
{
    CString line;
    CStringArray values;
    while (reader.ReadLine(line)) {
        if (!SplitCsvLine(line, values))
            return false;
        entries.insert(entries.end(), values.begin(), values.end());
    }
    return true;
}

bool ReadSavedTemplate(CLineReader &reader, CSavedTemplate &tpl)
{
    CString line;
    CStringArray values;
    bool bFirst = true;
    while (reader.ReadLine(line)) {
        if (!SplitCsvLine(line, values))
            return false;
        if (bFirst) {
            bFirst = false;
            for (const CString &entry : values) {
                tpl.arrColumns.Add(entry == kNoField ? CString(" ") : entry);
                if (entry != kNoField)
                    tpl.arrFieldOrder.Add(entry);
            }
            continue;
        }
        if (line.Find('~') < 0)
            break;
        for (const CString &entry : values) {
            CString name, value;
            SplitConstant(entry, name, value);
            tpl.arrConstNames.Add(name);
            tpl.arrConstValues.Add(value);
            tpl.arrFieldOrder.Add(name);
        }
    }
    return true;
}
