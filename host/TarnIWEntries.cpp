// The fifteen entries of the module, exported by their plain names.
#include "tarniw/TarnIW.h"

#include "host/ModulePrompts.h"
#include "host/TarnIWGlobals.h"
#include "filevalues/core/ValidationRun.h"
#include "filevalues/ui/CValidationDlg.h"
#include "host/core/CTarnIWEntries.h"

#include <exception>
#include <type_traits>

namespace {
CTarnIWEntries Entries()
{
    InstallModulePrompts();
    return CTarnIWEntries(theTemplateDlg);
}

// For the entries that may show a window or a file dialog.
CTarnIWEntries WindowEntries()
{
    theApp.InitInstance();
    return Entries();
}

// Nothing thrown inside the module reaches the host: an index outside an
// array (or memory running out) abandons the operation, as it abandons a
// user action inside the module's windows.
template <class Fn>
auto Guarded(Fn fn)
{
    try {
        return fn();
    } catch (const std::exception &) {
        if constexpr (!std::is_void_v<decltype(fn())>)
            return decltype(fn())();
    }
}
}

extern "C" {

void InvokeTemplateDlg(CImportHost *host, CStringArray *fields, CString className)
{
    Guarded([&] { WindowEntries().InvokeTemplateDlg(host, fields, className); });
}

void Load_Saved_File_and_Template(CImportHost *host, CStringArray *fields, CString className)
{
    Guarded([&] { WindowEntries().Load_Saved_File_and_Template(host, fields, className); });
}

void SetFields(CStringArray *fields)
{
    Guarded([&] { Entries().SetFields(fields); });
}

void Save_Template_From_Application(CStringArray *fields, CString className, CString templateName)
{
    Guarded([&] { Entries().Save_Template_From_Application(fields, className, templateName); });
}

void ClearAllSavedTemplate()
{
    Guarded([&] { Entries().ClearAllSavedTemplate(); });
}

void ClearCurrentClassTemplate(CString className)
{
    Guarded([&] { Entries().ClearCurrentClassTemplate(className); });
}

void Save_File_As_CSV(CStringArray *lines, CString className)
{
    Guarded([&] { WindowEntries().Save_File_As_CSV(lines, className); });
}

void Save_File_As_DOT(CStringArray *lines, CString className)
{
    Guarded([&] { WindowEntries().Save_File_As_DOT(lines, className); });
}

void Load_CSV_File_Directly(CImportHost *host, CString className)
{
    Guarded([&] { WindowEntries().Load_CSV_File_Directly(host, className); });
}

void Save_File_As_CSV_From_FileName(CStringArray *lines, CString fileName, CString className)
{
    Guarded([&] { Entries().Save_File_As_CSV_From_FileName(lines, fileName, className); });
}

void Load_CSV_File_Directly_From_FileName(CImportHost *host, CString fileName, CString className)
{
    Guarded([&] { Entries().Load_CSV_File_Directly_From_FileName(host, fileName, className); });
}

void ClearAllSavedFileValues()
{
    Guarded([&] { Entries().ClearAllSavedFileValues(); });
}

void ClearCurrentClassFileValues(CString className)
{
    Guarded([&] { Entries().ClearCurrentClassFileValues(className); });
}

void TarnIm_ShowValidationDlg(CImportHost *host, CString records, CVerdictMap *verdicts)
{
    if (!host)
        return;
    Guarded([&] {
        WindowEntries().TarnIm_ShowValidationDlg(host, records, verdicts);
        // The run joins what the last conversion left with the host's verdicts.
        const CTemplateDlg &dlg = theTemplateDlg;
        const sConversionState state{dlg.m_nLastLine, dlg.m_arrErrorLines, dlg.m_strErrors, dlg.m_arrFields};
        theValidationDlg.ShowResult(ValidateRecords(records, verdicts, state), host);
    });
}

int TarnIWPreTranslateMessage(MSG *msg)
{
    return Guarded([&] { return theApp.PreTranslateMessage(msg, ModuleWindows()); });
}
}
