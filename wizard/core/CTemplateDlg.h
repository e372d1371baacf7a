// The Template dialog object: the template model of the current class (the
// class, its fields, the host, the column mapping and constants as the rows
// of the dialog's two lists, and the bookkeeping of the last conversion) and
// every operation on it. It works without a window; the dialog window, when
// there is one, follows it through ITemplateDlgWindow.
#ifndef TARNIW_WIZARD_CTEMPLATEDLG_H
#define TARNIW_WIZARD_CTEMPLATEDLG_H

#include "filevalues/core/RecordConversion.h"
#include "filterlist/core/CReportRows.h"
#include "filterlist/core/ICellEditOwner.h"
#include "resources/core/Resource.h"
#include "tarniw/ImportHost.h"
#include "wizard/core/ITemplateDlgWindow.h"

class CLineReader;

class CTemplateDlg : public ICellEditOwner
{
public:
    // Control ids of the two lists.
    static constexpr int IDC_FILEVALUES = IDC_FILEVALUES_LIST;
    static constexpr int IDC_CONSTANTS = IDC_CONSTANTS_LIST;

    CTemplateDlg();

    void SetWindow(ITemplateDlgWindow *pWindow) { m_pWindow = pWindow; }
    ITemplateDlgWindow *GetWindow() const { return m_pWindow; }

    // Model setters of the entries.
    void SetFields(const CStringArray &fields);
    void SetClassName(const CString &className);
    void SetHost(CImportHost *pHost);
    // Creates the window when needed, empties both lists, shows it, takes the
    // host and brings the window to the top, centred.
    void ShowDialog(CImportHost *pHost);

    // " " and then every constant field without a value, in row order.
    CStringArray GetColumnChoices() const;
    // The end of a cell edit in "Template Fields": the field the cell showed
    // returns to the constants, the chosen one leaves them.
    void AssignFieldToColumn(int nRow, int nColumn, const CString &strText);
    // UWM_GETCELLCHOICES and UWM_CELLEDITDONE of the two lists, whose owner
    // for cell editing this object is.
    void OnGetCellChoices(int nListId, CStringArray &choices) override;
    void OnCellEditDone(int nListId, const NMLVDISPINFO &info) override;
    void OnCellEditDone(int nListId, int nRow, int nColumn, const CString &strText);

    // The file format switches of the check boxes: quoted values, and a
    // first line of column names. They take effect at the next Browse and
    // conversion, and are saved with a template; the window shows them.
    void SetFileFormat(bool bQuotedValues, bool bHeaderLine);

    // Store folders of the current class.
    static CString GetExeDirectory();
    bool EnsureTemplateFolder(CString &folder) const;
    bool EnsureClassFolder(CString &folder) const;
    static void DeleteFilesInFolder(const CString &folder);

    // Template store.
    void WriteFieldList(const CStringArray &fields, const CString &templateName);
    void SaveTemplate();
    void LoadTemplate();
    void ClearClassTemplates();
    void ClearAllTemplates();
    void LoadSavedFileAndTemplate();

    // CSV files and file values.
    void BrowseCsvFile();
    void LoadCsvDirect();
    void LoadCsvDirectFromFile(const CString &path);
    void ContinueImport();
    void SaveFile();
    void SaveFileAsCsv(const CStringArray *pLines);
    void SaveFileAsDot(const CStringArray *pLines);
    void SaveToNamedFile(const CStringArray *pLines, const CString &path);
    void ClearClassFileValues();
    void ClearAllFileValues();
    // Converts every line of m_strFilePath into a record; empty when nothing
    // converts or the conversion is abandoned.
    CString ConvertRecords();
    // The same; false when the conversion was abandoned (the user has been
    // told why).
    bool ConvertRecords(CString &records);

    // The template model, in declaration order.
    CReportRows m_lstFileValues;  // "File Values", "Template Fields"
    CReportRows m_lstConstants;   // "Constant Fields", "Constant Values"
    CImportHost *m_pHost = nullptr;
    CStringArray m_arrColumnFields;
    CStringArray m_arrFields;
    CString m_strFilePath;
    CString m_strClassName;
    CString m_strErrors;
    bool m_bWithLineNumbers = false;
    int m_nLastLine = 0;
    CArray<int> m_arrErrorLines;
    bool m_bQuotedValues = false;
    bool m_bHeaderLine = false;
    // For the validation run: whether the last conversion's records (and
    // skipped lines) are in the quoted format, and, when not every line of
    // its file was a record or skipped (a header line, a quoted format),
    // the lines of its records.
    bool m_bQuotedRecords = false;
    bool m_bRecordLinesKept = false;
    CArray<int> m_arrRecordLines;

private:
    bool AskFile(bool bOpen, const char *defExt, const char *filter, const CString &initialDir, CString &path,
                 int *pFilterIndex = nullptr) const;
    // Whether a file was read into the lists; tells the user to choose one
    // when none was.
    bool CheckFileValues() const;
    // The first constant row without value; shows "%s is not selected in
    // Template" for it and returns false.
    bool CheckConstantsSelected() const;
    // False, after a message naming it, when a constant's value could not
    // be read back from a template.
    bool CheckConstantsKeepable() const;
    // Shows pszFormat, naming the field, for the first constant row whose
    // value pfnRefused refuses, and returns false.
    bool CheckConstantValues(bool (*pfnRefused)(const CString &), const char *pszFormat) const;
    // A row in the constants for each field that no column takes.
    void FillConstantsFromFields();
    // Each field to the first free column of its name (the header line).
    void MapColumnsByName();
    void ApplyTemplateEntries(const CStringArray &entries);
    // Empties the short-line state for a conversion of a file in the format.
    sConversionBookkeeping StartBookkeeping(bool bQuoted, bool bHeaderLine);
    void SaveLinesWithDialog(const CStringArray *pLines, const char *defExt, const char *filter);

    ITemplateDlgWindow *m_pWindow = nullptr;
};

#endif
