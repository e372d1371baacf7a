#include "wizard/core/TemplateFile.h"

#include "filevalues/core/CsvReaders.h"
#include "platform/core/Prompts.h"

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

void AppendColumnEntry(std::string &text, const CString &field)
{
    AppendEntry(text, IsColumnField(field) ? field : CString(kNoField));
}

enum class eTemplateLine { Entries, End, Failed };

// The entries of a template's next line. Failed, after a message box, at a
// line that ends the reading or a read error.
eTemplateLine NextTemplateLine(CLineReader &reader, CCsvLine &line, CStringArray &entries, const char *pszReadFailed)
{
    switch (ReadCsvLine(reader, nullptr, line)) {
    case eCsvLine::Values:
        AssignValues(entries, line);
        return eTemplateLine::Entries;
    case eCsvLine::TooLong:
        AfxMessageBox(kLineTooLong);
        return eTemplateLine::Failed;
    case eCsvLine::ReadFailed:
        AfxMessageBox(pszReadFailed);
        return eTemplateLine::Failed;
    case eCsvLine::NotCsv:
        return eTemplateLine::Failed;
    case eCsvLine::End:
        break;
    }
    return eTemplateLine::End;
}
}

CString TemplatePath(const CString &folder, const CString &templateName)
{
    return folder + "/" + templateName + ".csv";
}

bool IsColumnField(const CString &entry)
{
    return entry != kNoField && !TrimCsvLine(entry).empty();
}

std::string FieldListTemplateText(const CStringArray &fields)
{
    std::string text;
    for (const CString &field : fields)
        AppendColumnEntry(text, field);
    return text;
}

std::string MappingTemplateText(const CReportRows &fileValues, const CReportRows &constants)
{
    std::string text;
    for (int row = 0; row < fileValues.GetItemCount(); ++row)
        AppendColumnEntry(text, fileValues.GetItemText(row, 1));
    text.push_back('\n');
    for (int row = 0; row < constants.GetItemCount(); ++row)
        AppendEntry(text, constants.GetItemText(row, 0) + "~" + constants.GetItemText(row, 1));
    return text;
}

bool ReadTemplateEntries(CLineReader &reader, CStringArray &entries, const char *pszReadFailed)
{
    CCsvLine line;
    CStringArray values;
    eTemplateLine read;
    while ((read = NextTemplateLine(reader, line, values, pszReadFailed)) == eTemplateLine::Entries)
        entries.insert(entries.end(), values.begin(), values.end());
    return read == eTemplateLine::End;
}

bool ReadSavedTemplate(CLineReader &reader, sSavedTemplate &tpl, const char *pszReadFailed)
{
    CCsvLine line;
    CStringArray values;
    bool bFirst = true;
    eTemplateLine read;
    while ((read = NextTemplateLine(reader, line, values, pszReadFailed)) == eTemplateLine::Entries) {
        if (bFirst) {
            bFirst = false;
            for (const CString &entry : values) {
                const bool bField = IsColumnField(entry);
                tpl.arrColumns.Add(bField ? entry : CString(" "));
                if (bField)
                    tpl.arrFieldOrder.Add(entry);
            }
            continue;
        }
        if (line.text.find('~') == std::string_view::npos)
            return true;
        for (const CString &entry : values) {
            CString name, value;
            SplitConstant(entry, name, value);
            tpl.arrConstNames.Add(name);
            tpl.arrConstValues.Add(value);
            tpl.arrFieldOrder.Add(name);
        }
    }
    return read == eTemplateLine::End;
}
