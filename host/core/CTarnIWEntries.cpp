#include "host/core/CTarnIWEntries.h"

const char *const CTarnIWEntries::kIdentityTemplate = "Template";

namespace {
// The host's array, or none when it passes a null pointer.
const CStringArray &ArrayOrNone(const CStringArray *array)
{
    static const CStringArray none;
    return array ? *array : none;
}
}

void CTarnIWEntries::InvokeTemplateDlg(CImportHost *host, const CStringArray *fields, const CString &className)
{
    m_dlg.SetFields(ArrayOrNone(fields));
    m_dlg.SetClassName(className);
    m_dlg.WriteFieldList(ArrayOrNone(fields), kIdentityTemplate);
    if (host)
        m_dlg.ShowDialog(host);
}

void CTarnIWEntries::Load_Saved_File_and_Template(CImportHost *host, const CStringArray *fields, const CString &className)
{
    if (!host)
        return;
    m_dlg.SetHost(host);
    m_dlg.SetClassName(className);
    m_dlg.WriteFieldList(ArrayOrNone(fields), kIdentityTemplate);
    m_dlg.LoadSavedFileAndTemplate();
}

void CTarnIWEntries::SetFields(const CStringArray *fields)
{
    m_dlg.SetFields(ArrayOrNone(fields));
}

void CTarnIWEntries::Save_Template_From_Application(const CStringArray *fields, const CString &className,
                                                    const CString &templateName)
{
    m_dlg.SetClassName(className);
    m_dlg.WriteFieldList(ArrayOrNone(fields), templateName);
}

void CTarnIWEntries::ClearAllSavedTemplate()
{
    m_dlg.ClearAllTemplates();
}

void CTarnIWEntries::ClearCurrentClassTemplate(const CString &className)
{
    m_dlg.SetClassName(className);
    m_dlg.ClearClassTemplates();
}

void CTarnIWEntries::Save_File_As_CSV(const CStringArray *lines, const CString &className)
{
    m_dlg.SetClassName(className);
    m_dlg.SaveFileAsCsv(lines);
}

void CTarnIWEntries::Save_File_As_DOT(const CStringArray *lines, const CString &className)
{
    m_dlg.SetClassName(className);
    m_dlg.SaveFileAsDot(lines);
}

void CTarnIWEntries::Load_CSV_File_Directly(CImportHost *host, const CString &className)
{
    if (!host)
        return;
    m_dlg.SetHost(host);
    m_dlg.SetClassName(className);
    m_dlg.LoadCsvDirect();
}

void CTarnIWEntries::Save_File_As_CSV_From_FileName(const CStringArray *lines, const CString &fileName,
                                                    const CString &className)
{
    m_dlg.SetClassName(className);
    m_dlg.SaveToNamedFile(lines, fileName);
}

void CTarnIWEntries::Load_CSV_File_Directly_From_FileName(CImportHost *host, const CString &fileName,
                                                          const CString &className)
{
    if (!host)
        return;
    m_dlg.SetHost(host);
    m_dlg.SetClassName(className);
    m_dlg.LoadCsvDirectFromFile(fileName);
}

void CTarnIWEntries::ClearAllSavedFileValues()
{
    m_dlg.ClearAllFileValues();
}

void CTarnIWEntries::ClearCurrentClassFileValues(const CString &className)
{
    m_dlg.SetClassName(className);
    m_dlg.ClearClassFileValues();
}

void CTarnIWEntries::TarnIm_ShowValidationDlg(CImportHost *host, const CString &, CVerdictMap *)
{
    if (host)
        m_dlg.SetHost(host);
}
