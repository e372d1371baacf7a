// What each of the fifteen entries does with the Template dialog object,
// apart from the module's own concerns (prompts, windows, exports). The
// module runs them on theTemplateDlg; the command-line host on its own.
#ifndef TARNIW_HOST_CTARNIWENTRIES_H
#define TARNIW_HOST_CTARNIWENTRIES_H

#include "tarniw/TarnTypes.h"
#include "wizard/core/CTemplateDlg.h"

class CTarnIWEntries
{
public:
    explicit CTarnIWEntries(CTemplateDlg &dlg) : m_dlg(dlg) {}

    void InvokeTemplateDlg(CImportHost *host, const CStringArray *fields, const CString &className);
    void Load_Saved_File_and_Template(CImportHost *host, const CStringArray *fields, const CString &className);
    void SetFields(const CStringArray *fields);
    void Save_Template_From_Application(const CStringArray *fields, const CString &className, const CString &templateName);
    void ClearAllSavedTemplate();
    void ClearCurrentClassTemplate(const CString &className);
    void Save_File_As_CSV(const CStringArray *lines, const CString &className);
    void Save_File_As_DOT(const CStringArray *lines, const CString &className);
    void Load_CSV_File_Directly(CImportHost *host, const CString &className);
    void Save_File_As_CSV_From_FileName(const CStringArray *lines, const CString &fileName, const CString &className);
    void Load_CSV_File_Directly_From_FileName(CImportHost *host, const CString &fileName, const CString &className);
    void ClearAllSavedFileValues();
    void ClearCurrentClassFileValues(const CString &className);
    // Takes the host; the module then runs the validation and shows it.
    void TarnIm_ShowValidationDlg(CImportHost *host, const CString &records, CVerdictMap *verdicts);

    // The name of the template the entries rewrite from the host's fields.
    static const char *const kIdentityTemplate;

private:
    CTemplateDlg &m_dlg;
};

#endif
