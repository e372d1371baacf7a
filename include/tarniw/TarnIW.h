// TarnIW: the fifteen entries a host calls. Include this header and link the
// module (find_package(TarnIW) gives the target tarniw::tarniw).
#ifndef TARNIW_TARNIW_H
#define TARNIW_TARNIW_H

#include "tarniw/ImportHost.h"
#include "tarniw/TarnTypes.h"

class QObject;
class QEvent;

// A host message routed through TarnIWPreTranslateMessage: the object that
// is about to receive the event, and the event.
struct MSG
{
    QObject *hwnd;
    QEvent *message;
};

#if defined(TARNIW_BUILDING_MODULE)
#define TARNIW_API __attribute__((visibility("default")))
#else
#define TARNIW_API
#endif

extern "C" {
TARNIW_API void InvokeTemplateDlg(CImportHost *host, CStringArray *fields, CString className);
TARNIW_API void Load_Saved_File_and_Template(CImportHost *host, CStringArray *fields, CString className);
TARNIW_API void SetFields(CStringArray *fields);
TARNIW_API void Save_Template_From_Application(CStringArray *fields, CString className, CString templateName);
TARNIW_API void ClearAllSavedTemplate();
TARNIW_API void ClearCurrentClassTemplate(CString className);
TARNIW_API void Save_File_As_CSV(CStringArray *lines, CString className);
TARNIW_API void Save_File_As_DOT(CStringArray *lines, CString className);
TARNIW_API void Load_CSV_File_Directly(CImportHost *host, CString className);
TARNIW_API void Save_File_As_CSV_From_FileName(CStringArray *lines, CString fileName, CString className);
TARNIW_API void Load_CSV_File_Directly_From_FileName(CImportHost *host, CString fileName, CString className);
TARNIW_API void ClearAllSavedFileValues();
TARNIW_API void ClearCurrentClassFileValues(CString className);
TARNIW_API void TarnIm_ShowValidationDlg(CImportHost *host, CString records, CVerdictMap *verdicts);
TARNIW_API int TarnIWPreTranslateMessage(MSG *msg);
}

#endif
