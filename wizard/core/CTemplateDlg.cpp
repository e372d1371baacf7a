#include "wizard/core/CTemplateDlg.h"

#include "filevalues/core/CsvLine.h"
#include "filevalues/core/CsvReaders.h"
#include "filevalues/core/LineWriters.h"
#include "filevalues/core/QuotedCsv.h"
#include "filevalues/core/RecordConversion.h"
#include "platform/core/FileSystem.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompts.h"
#include "platform/core/StoreFolders.h"
#include "wizard/core/SavedTemplateImport.h"
#include "wizard/core/TemplateFile.h"

namespace {
const char *const kCsvFilter = "CSV Files(*.csv)|*.csv; *.csv||";
const char *const kBrowseFilter = "CSV Files(*.csv)|*.csv; *.csv|Text Documents(*.txt)|*.txt; *.txt||";
const char *const kCsvDotFilter = "CSV Files(*.csv)|*.csv; *.csv|DOT Files(*.dot)|*.dot; *.dot||";
const char *const kDotCsvFilter = "DOT Files(*.dot)|*.dot; *.dot|CSV Files(*.csv)|*.csv; *.csv||";
const char *const kCsvExt = ".csv";
const char *const kDotExt = ".dot";

const char *const kFileOpenFailed = "File Open Failed !!!!";
const char *const kSavedTemplateOpenFailed = "Saved TemplateFile Open Failed !!!!";
const char *const kLoadTemplateOpenFailed = "Load TemplateFile Open Failed !!!!";
const char *const kTemplateOpenFailed = "TemplateFile Open Failed !!!!";
const char *const kSavedFileOpenFailed = "SavedFile Open Failed !!!!";
const char *const kLoadFileOpenFailed = "LoadFile Open Failed !!!!";
const char *const kLoadedTemplateLesser = "Loaded TemplateField Values are lesser than the required Field Values";
const char *const kChooseFileFirst = "No file values: choose a CSV file with Browse first";
const char *const kNoRecordConverted = "No line of the file could be converted into a record";
const char *const kNoTemplateChosen = "No template chosen: pick one in the file type list";
const char *const kConstantNotKeptFormat =
    "Template not saved: the value of %s holds a comma or a line break, which a template cannot keep";

bool IsNoField(const CString &text)
{
    return text.IsEmpty() || text == " ";
}

const CStringArray &LinesOrNone(const CStringArray *pLines)
{
    static const CStringArray none;
    return pLines ? *pLines : none;
}

// A column name and a field name are the same when they are equal without
// case and without blanks, "_" and "-": "Zip code", "ZIP_CODE" and
// "zip-code" all name the field ZipCode.
CString ComparableName(const CString &name)
{
    CString comparable;
    for (const char c : name) {
        if (c != ' ' && c != '\t' && c != '_' && c != '-')
            comparable.push_back(c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c);
    }
    return comparable;
}

// The template title of a chosen file: its name without the folder and
// without ".csv".
CString TitleOf(const CString &path)
{
    CString name = FileNameOf(path);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".csv") == 0)
        name.resize(name.size() - 4);
    return name;
}
}

CTemplateDlg::CTemplateDlg()
    : m_lstFileValues(2)
    , m_lstConstants(2)
{
}

void CTemplateDlg::SetFields(const CStringArray &fields)
{
    m_arrFields.RemoveAll();
    m_arrFields.Copy(fields);
}

void CTemplateDlg::SetClassName(const CString &className)
{
    m_strClassName.Empty();
    m_strClassName = className;
}

void CTemplateDlg::SetHost(CImportHost *pHost)
{
    m_pHost = pHost;
}

void CTemplateDlg::ShowDialog(CImportHost *pHost)
{
    if (m_pWindow)
        m_pWindow->CreateIfNeeded();
    m_lstFileValues.DeleteAllItems();
    m_lstConstants.DeleteAllItems();
    // A dialog shown anew reads files plainly until a template or the user
    // switches it, whatever the last class used.
    SetFileFormat(false, false);
    if (m_pWindow)
        m_pWindow->ShowWindow();
    SetHost(pHost);
    if (m_pWindow)
        m_pWindow->BringToTopAndCentre();
}

CStringArray CTemplateDlg::GetColumnChoices() const
{
    CStringArray choices{" "};
    for (int row = 0; row < m_lstConstants.GetItemCount(); ++row) {
        if (m_lstConstants.GetItemText(row, 1).IsEmpty())
            choices.Add(m_lstConstants.GetItemText(row, 0));
    }
    return choices;
}

void CTemplateDlg::AssignFieldToColumn(int nRow, int nColumn, const CString &strText)
{
    const CString previous = m_lstFileValues.GetItemText(nRow, nColumn);
    if (previous != strText && !IsNoField(previous))
        m_lstConstants.InsertItem(m_lstConstants.GetItemCount(), previous);
    for (int row = 0; row < m_lstConstants.GetItemCount(); ++row) {
        if (m_lstConstants.GetItemText(row, 0) == strText) {
            m_lstConstants.DeleteItem(row);
            break;
        }
    }
    m_lstFileValues.SetItemText(nRow, nColumn, strText);
}

void CTemplateDlg::OnGetCellChoices(int nListId, CStringArray &choices)
{
    if (nListId != IDC_FILEVALUES)
        return;
    const CStringArray mine = GetColumnChoices();
    choices.insert(choices.end(), mine.begin(), mine.end());
}

void CTemplateDlg::OnCellEditDone(int nListId, const NMLVDISPINFO &info)
{
    OnCellEditDone(nListId, info.item.iItem, info.item.iSubItem, info.item.pszText);
}

void CTemplateDlg::OnCellEditDone(int nListId, int nRow, int nColumn, const CString &strText)
{
    if (nListId == IDC_CONSTANTS)
        m_lstConstants.SetItemText(nRow, nColumn, strText);
    else
        AssignFieldToColumn(nRow, nColumn, strText);
}

void CTemplateDlg::SetFileFormat(bool bQuotedValues, bool bHeaderLine)
{
    m_bQuotedValues = bQuotedValues;
    m_bHeaderLine = bHeaderLine;
    if (m_pWindow)
        m_pWindow->FileFormatChanged();
}

CString CTemplateDlg::GetExeDirectory()
{
    return ::GetExeDirectory();
}

bool CTemplateDlg::EnsureTemplateFolder(CString &folder) const
{
    return ::EnsureTemplateFolder(m_strClassName, folder);
}

bool CTemplateDlg::EnsureClassFolder(CString &folder) const
{
    return ::EnsureClassFolder(m_strClassName, folder);
}

void CTemplateDlg::DeleteFilesInFolder(const CString &folder)
{
    ::DeleteFilesInFolder(folder);
}

bool CTemplateDlg::AskFile(bool bOpen, const char *defExt, const char *filter, const CString &initialDir,
                           CString &path, int *pFilterIndex) const
{
    sFileDialogRequest request;
    request.bOpen = bOpen;
    request.strDefExt = defExt;
    request.strFilter = filter;
    request.strInitialDir = initialDir;
    request.dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    sFileDialogResult result;
    if (!Prompts().DoFileDialog(request, result))
        return false;
    path = result.strPathName;
    if (pFilterIndex)
        *pFilterIndex = result.nFilterIndex;
    return true;
}

bool CTemplateDlg::CheckFileValues() const
{
    if (m_lstFileValues.GetItemCount() > 0)
        return true;
    AfxMessageBox(kChooseFileFirst);
    return false;
}

bool CTemplateDlg::CheckConstantValues(bool (*pfnRefused)(const CString &), const char *pszFormat) const
{
    for (int row = 0; row < m_lstConstants.GetItemCount(); ++row) {
        if (pfnRefused(m_lstConstants.GetItemText(row, 1))) {
            CString message;
            message.Format(pszFormat, m_lstConstants.GetItemText(row, 0).c_str());
            AfxMessageBox(message);
            return false;
        }
    }
    return true;
}

bool CTemplateDlg::CheckConstantsSelected() const
{
    return CheckConstantValues([](const CString &value) { return value.IsEmpty(); }, kNotSelectedFormat);
}

void CTemplateDlg::WriteFieldList(const CStringArray &fields, const CString &templateName)
{
    CString folder;
    if (!EnsureTemplateFolder(folder))
        return;
    if (!IsPlainTemplateTitle(templateName))
        AfxMessageBox(kTemplateNameRefused);
    else if (!IsTemplateStoreName(templateName))
        AfxMessageBox(kFileOpenFailed);
    else if (!WriteFileAtomically(TemplatePath(folder, templateName), FieldListTemplateText(fields)))
        AfxMessageBox(kFileOpenFailed);
}

bool CTemplateDlg::CheckConstantsKeepable() const
{
    // A template line is cut at commas and ends at a line break: such a
    // value would come back cut, or spill into other constants.
    return CheckConstantValues(
        [](const CString &value) { return value.find_first_of(",\r\n") != std::string::npos; },
        kConstantNotKeptFormat);
}

void CTemplateDlg::SaveTemplate()
{
    m_arrColumnFields.RemoveAll();
    if (!CheckFileValues() || !CheckConstantsSelected() || !CheckConstantsKeepable())
        return;
    CString folder, path;
    if (!EnsureTemplateFolder(folder) || !AskFile(false, kCsvExt, kCsvFilter, folder, path))
        return;
    // A name the open dialogs would not show as it is could not be chosen
    // again by that name.
    if (!IsPlainTemplateTitle(TitleOf(path))) {
        AfxMessageBox(kTemplateNameRefused);
        return;
    }
    if (!WriteFileAtomically(path, MappingTemplateText(m_lstFileValues, m_lstConstants,
                                                       {m_bQuotedValues, m_bHeaderLine})))
        AfxMessageBox(kSavedTemplateOpenFailed);
}

void CTemplateDlg::LoadTemplate()
{
    if (!CheckFileValues())
        return;
    if (m_lstFileValues.GetItemCount() < m_arrFields.GetSize()) {
        AfxMessageBox(kValuesLesser);
        return;
    }
    const CString folder = IsTemplateStoreName(m_strClassName) ? TemplateClassFolder(m_strClassName) : TemplatesRoot();
    CString path;
    if (!AskFile(true, kCsvExt, kCsvFilter, folder, path))
        return;
    CLineReader reader;
    if (!reader.Open(path)) {
        AfxMessageBox(kLoadTemplateOpenFailed);
        return;
    }
    CStringArray entries;
    sFileFormat format;
    if (!ReadTemplateEntries(reader, entries, kLoadTemplateOpenFailed, &format))
        return;
    if (entries.GetSize() < m_arrFields.GetSize()) {
        AfxMessageBox(kLoadedTemplateLesser);
        return;
    }
    ApplyTemplateEntries(entries);
    SetFileFormat(format.bQuoted, format.bHeaderLine);
}

void CTemplateDlg::ApplyTemplateEntries(const CStringArray &entries)
{
    m_lstConstants.DeleteAllItems();
    for (int row = 0; row < m_lstFileValues.GetItemCount(); ++row)
        m_lstFileValues.SetItemText(row, 1, CString());
    int nColumn = 0;
    int nConstant = 0;
    for (const CString &entry : entries) {
        const int tilde = entry.Find('~');
        if (tilde >= 0) {
            m_lstConstants.InsertItem(nConstant, entry.Left(tilde));
            m_lstConstants.SetItemText(nConstant, 1, entry.Mid(tilde + 1));
            ++nConstant;
        } else {
            if (entry != kNoField)
                m_lstFileValues.SetItemText(nColumn, 1, entry);
            ++nColumn;
        }
    }
}

void CTemplateDlg::ClearClassTemplates()
{
    ClearTemplateClassFolder(m_strClassName);
}

void CTemplateDlg::ClearAllTemplates()
{
    ClearAllTemplateFolders();
}

void CTemplateDlg::LoadSavedFileAndTemplate()
{
    const CStringArray titles = ListTemplateTitles(m_strClassName);
    CString dataPath;
    int nFilter = 0;
    if (!AskFile(true, kCsvExt, TemplateTitlesFilter(titles).c_str(), GetExeDirectory(), dataPath, &nFilter))
        return;
    if (nFilter < 1 || nFilter > titles.GetSize()) {
        AfxMessageBox(kNoTemplateChosen);
        return;
    }
    CLineReader reader;
    if (!reader.Open(TemplatePath(TemplateClassFolder(m_strClassName), titles[size_t(nFilter - 1)]))) {
        AfxMessageBox(kTemplateOpenFailed);
        return;
    }
    sSavedTemplate tpl;
    if (!ReadSavedTemplate(reader, tpl, kTemplateOpenFailed))
        return;
    reader.Close();
    if (!reader.Open(dataPath)) {
        AfxMessageBox(kFileOpenFailed);
        return;
    }
    // The short lines of this load, not of an earlier conversion, are the
    // ones a validation run should join.
    sConversionBookkeeping keep = StartBookkeeping(tpl.format.bQuoted, tpl.format.bHeaderLine);
    CString records;
    const eConversion converted = ConvertRecordLines(reader, PlanTemplateRecords(tpl), m_pHost, keep, records);
    if (converted == eConversion::ReadFailed)
        AfxMessageBox(kFileOpenFailed);
    if (converted != eConversion::Converted)
        return;
    m_arrFields = tpl.arrFieldOrder;
    if (m_pHost)
        m_pHost->AcceptRecords(std::move(records));
}

void CTemplateDlg::BrowseCsvFile()
{
    CString folder, path;
    if (!EnsureClassFolder(folder) || !AskFile(true, kCsvExt, kBrowseFilter, folder, path))
        return;
    m_strFilePath = path;
    CLineReader reader;
    CCsvLine line;
    CQuotedRecord record;
    // A file that cannot be read leaves the lists as they are.
    eCsvLine read = eCsvLine::ReadFailed;
    if (reader.Open(path))
        read = m_bQuotedValues ? ReadQuotedRecord(reader, m_pHost, record) : ReadCsvLine(reader, m_pHost, line);
    if (read == eCsvLine::ReadFailed) {
        AfxMessageBox(kFileOpenFailed);
        return;
    }
    if (m_pWindow)
        m_pWindow->RepaintNow();
    m_lstFileValues.DeleteAllItems();
    m_lstConstants.DeleteAllItems();
    if (m_pWindow)
        m_pWindow->LockUpdates(true);
    const auto fill = [this](const auto &values) {
        for (const std::string_view value : values)
            m_lstFileValues.InsertItem(m_lstFileValues.GetItemCount(), CString(value));
    };
    if (m_bQuotedValues)
        fill(record.values);
    else
        fill(line);
    if (m_pWindow)
        m_pWindow->LockUpdates(false);
    if (read == eCsvLine::TooLong) {
        AfxMessageBox(m_bQuotedValues ? record.pszSkipped : kLineTooLong);
    } else if (read != eCsvLine::NotCsv) {
        if (m_bHeaderLine)
            MapColumnsByName();
        FillConstantsFromFields();
    }
}

void CTemplateDlg::MapColumnsByName()
{
    for (const CString &field : m_arrFields) {
        const CString name = ComparableName(field);
        for (int row = 0; !name.IsEmpty() && row < m_lstFileValues.GetItemCount(); ++row) {
            if (IsNoField(m_lstFileValues.GetItemText(row, 1))
                && ComparableName(m_lstFileValues.GetItemText(row, 0)) == name) {
                m_lstFileValues.SetItemText(row, 1, field);
                break;
            }
        }
    }
}

void CTemplateDlg::FillConstantsFromFields()
{
    for (const CString &field : m_arrFields) {
        bool bInColumn = false;
        for (int row = 0; row < m_lstFileValues.GetItemCount() && !bInColumn; ++row)
            bInColumn = m_lstFileValues.GetItemText(row, 1) == field;
        if (field != " " && !bInColumn)
            m_lstConstants.InsertItem(m_lstConstants.GetItemCount(), field);
    }
}

void CTemplateDlg::LoadCsvDirect()
{
    CString folder, path;
    if (!EnsureClassFolder(folder) || !AskFile(true, kCsvExt, kCsvFilter, folder, path))
        return;
    CLineReader reader;
    if (!reader.Open(path) || (m_pHost && !HandLineValuesToHost(reader, *m_pHost)))
        AfxMessageBox(kLoadFileOpenFailed);
}

void CTemplateDlg::LoadCsvDirectFromFile(const CString &path)
{
    // Silent, as the entries a host drives with a file name are.
    CLineReader reader;
    if (reader.Open(path) && m_pHost)
        HandLineValuesToHost(reader, *m_pHost);
}

CString CTemplateDlg::ConvertRecords()
{
    CString records;
    ConvertRecords(records);
    return records;
}

sConversionBookkeeping CTemplateDlg::StartBookkeeping(bool bQuoted, bool bHeaderLine)
{
    m_strErrors.Empty();
    m_arrErrorLines.RemoveAll();
    m_arrRecordLines.RemoveAll();
    m_bQuotedRecords = bQuoted;
    m_bRecordLinesKept = bQuoted || bHeaderLine;
    return {m_strErrors, m_arrErrorLines, m_nLastLine, m_bRecordLinesKept ? &m_arrRecordLines : nullptr};
}

bool CTemplateDlg::ConvertRecords(CString &records)
{
    sConversionBookkeeping keep = StartBookkeeping(m_bQuotedValues, m_bHeaderLine);
    m_arrColumnFields.RemoveAll();
    records.clear();
    if (m_lstFileValues.GetItemCount() == 0)
        return true;
    CLineReader reader;
    if (!reader.Open(m_strFilePath)) {
        AfxMessageBox(kFileOpenFailed);
        return false;
    }
    for (int row = 0; row < m_lstFileValues.GetItemCount(); ++row)
        m_arrColumnFields.Add(m_lstFileValues.GetItemText(row, 1));
    ConversionProgress progress;
    if (m_pWindow) {
        progress = [this](long long bytesRead, long long fileSize) {
            if (m_pWindow)
                m_pWindow->ConversionProgress(bytesRead, fileSize);
        };
    }
    const sConversionInput input{m_arrColumnFields, m_lstConstants, m_arrFields, m_bWithLineNumbers,
                                 m_bQuotedValues, m_bHeaderLine};
    const eConversion converted = ConvertRecordLines(reader, PlanFieldRecords(input), m_pHost, keep, records, progress);
    if (converted == eConversion::ReadFailed)
        AfxMessageBox(kFileOpenFailed);
    return converted == eConversion::Converted;
}

void CTemplateDlg::ContinueImport()
{
    if (!CheckFileValues())
        return;
    m_bWithLineNumbers = true;
    CString records;
    const bool bConverted = ConvertRecords(records);
    if (records.IsEmpty()) {
        if (bConverted)
            AfxMessageBox(kNoRecordConverted);
        return;
    }
    if (m_pHost)
        m_pHost->AcceptRecords(std::move(records));
    if (m_pWindow)
        m_pWindow->EndDialog();
}

void CTemplateDlg::SaveFile()
{
    if (!CheckFileValues() || !CheckConstantsSelected())
        return;
    CString folder, path;
    if (!EnsureClassFolder(folder) || !AskFile(false, kCsvExt, kCsvFilter, folder, path))
        return;
    // Converting before writing lets the target be the source file itself.
    if (!CanReplaceFile(path)) {
        AfxMessageBox(kSavedFileOpenFailed);
        return;
    }
    m_bWithLineNumbers = false;
    CString records;
    // An abandoned conversion has said why; the chosen file stays as it was.
    if (!ConvertRecords(records))
        return;
    if (!WriteFileAtomically(path, records))
        AfxMessageBox(kSavedFileOpenFailed);
    else if (records.IsEmpty())
        AfxMessageBox(kNoRecordConverted);
}

void CTemplateDlg::SaveLinesWithDialog(const CStringArray *pLines, const char *defExt, const char *filter)
{
    CString folder, path;
    if (!EnsureClassFolder(folder) || !AskFile(false, defExt, filter, folder, path))
        return;
    if (!WriteLinesFile(path, LinesOrNone(pLines)))
        AfxMessageBox(kSavedFileOpenFailed);
}

void CTemplateDlg::SaveFileAsCsv(const CStringArray *pLines)
{
    SaveLinesWithDialog(pLines, kCsvExt, kCsvDotFilter);
}

void CTemplateDlg::SaveFileAsDot(const CStringArray *pLines)
{
    SaveLinesWithDialog(pLines, kDotExt, kDotCsvFilter);
}

void CTemplateDlg::SaveToNamedFile(const CStringArray *pLines, const CString &path)
{
    WriteLinesFile(path, LinesOrNone(pLines));
}

void CTemplateDlg::ClearClassFileValues()
{
    ClearFileValueClassFolder(m_strClassName);
}

void CTemplateDlg::ClearAllFileValues()
{
    ClearAllFileValueFolders();
}
