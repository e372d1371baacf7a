#include "wizard/core/TemplateFile.h"

#include "filevalues/core/CsvReaders.h"
#include "platform/core/Prompts.h"

const char *const kNoField = "NA";

namespace {
const char kFormatTag[] = "#format";
const char kFormatQuoted[] = "quoted";
const char kFormatHeader[] = "header";

// A further line that names the file format: its first entry is the tag,
// and it holds no "~". Its words go into pFormat when given; words of
// later versions are passed over.
bool TakeFormatLine(const CCsvLine &line, const CStringArray &entries, sFileFormat *pFormat)
{
    if (entries.empty() || entries[0] != kFormatTag || line.text.find('~') != std::string_view::npos)
        return false;
    for (const CString &word : entries) {
        if (pFormat && word == kFormatQuoted)
            pFormat->bQuoted = true;
        else if (pFormat && word == kFormatHeader)
            pFormat->bHeaderLine = true;
    }
    return true;
}

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

std::string MappingTemplateText(const CReportRows &fileValues, const CReportRows &constants, const sFileFormat &format)
{
    std::string text;
    for (int row = 0; row < fileValues.GetItemCount(); ++row)
        AppendColumnEntry(text, fileValues.GetItemText(row, 1));
    text.push_back('\n');
    for (int row = 0; row < constants.GetItemCount(); ++row)
        AppendEntry(text, constants.GetItemText(row, 0) + "~" + constants.GetItemText(row, 1));
    if (format.bQuoted || format.bHeaderLine) {
        // Without constants line 2 is empty, which no reader takes: the
        // format line goes in its place.
        if (text.back() != '\n')
            text.push_back('\n');
        text.append(kFormatTag).push_back(',');
        if (format.bQuoted)
            text.append(kFormatQuoted).push_back(',');
        if (format.bHeaderLine)
            text.append(kFormatHeader).push_back(',');
    }
    return text;
}

bool ReadTemplateEntries(CLineReader &reader, CStringArray &entries, const char *pszReadFailed, sFileFormat *pFormat)
{
    CCsvLine line;
    CStringArray values;
    eTemplateLine read;
    while ((read = NextTemplateLine(reader, line, values, pszReadFailed)) == eTemplateLine::Entries) {
        if (line.nLine == 1 || !TakeFormatLine(line, values, pFormat))
            entries.insert(entries.end(), values.begin(), values.end());
    }
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
        if (TakeFormatLine(line, values, &tpl.format))
            continue;
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
