// The fifteen entries of the module, exported by their plain names.
#include "tarniw/TarnIW.h"

#include "host/ModulePrompts.h"
#include "host/TarnIWGlobals.h"
#include "filevalues/core/ValidationRun.h"
#include "filevalues/ui/CValidationDlg.h"
#include "host/core/CTarnIWEntries.h"
#include "platform/core/Prompts.h"

#include <exception>
#include <map>
#include <new>
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
// array abandons the operation, as it abandons a user action inside the
// module's windows; memory running out abandons it with a message.
template <class Fn>
auto Guarded(Fn fn)
{
    try {
        return fn();
    } catch (const std::bad_alloc &) {
        ReportOutOfMemory();
    } catch (const std::exception &) {
    }
    if constexpr (!std::is_void_v<decltype(fn())>)
        return decltype(fn())();
}

// Raised in place of whatever a host operation threw. Being an invalid
// argument, it ends the module's operation where a bad index would: the
// handler that began it (an entry, a dialog button) catches it.
class CHostOperationFailed : public CInvalidArgException
{
};

// The host's object as the module calls it. A host's exception must not
// unwind through the module or Qt's event loop, and it must stop what called
// the host: an answer counts as zero (no further record or line), a report or
// the hand-over of the records ends the conversion there.
class CGuardedHost final : public CImportHost
{
public:
    explicit CGuardedHost(CImportHost &host) : m_host(host) {}

    BOOL AcceptRecord(int nLine, CRecordMap *pRecord) override
    {
        return Answer([&] { return m_host.AcceptRecord(nLine, pRecord); });
    }
    void ReportLineError(int nLine, CString strLine, CString strMessage) override
    {
        Call([&] { m_host.ReportLineError(nLine, std::move(strLine), std::move(strMessage)); });
    }
    BOOL AcceptLineValues(CStringArray *pValues) override
    {
        return Answer([&] { return m_host.AcceptLineValues(pValues); });
    }
    void AcceptRecords(CString strRecords) override
    {
        Call([&] { m_host.AcceptRecords(std::move(strRecords)); });
    }

private:
    template <class Fn>
    static BOOL Answer(Fn fn)
    {
        try {
            return fn();
        } catch (...) {
            return FALSE;
        }
    }
    template <class Fn>
    static void Call(Fn fn)
    {
        try {
            fn();
        } catch (...) {
            throw CHostOperationFailed();
        }
    }

    CImportHost &m_host;
};

// One guard per host object, never re-aimed: a dialog that keeps an earlier
// host keeps calling that one, even while a later entry passes another.
CImportHost *Guard(CImportHost *host)
{
    static std::map<CImportHost *, CGuardedHost> guards;
    return host ? &guards.try_emplace(host, *host).first->second : nullptr;
}
}

extern "C" {

void InvokeTemplateDlg(CImportHost *host, CStringArray *fields, CString className)
{
    Guarded([&] { WindowEntries().InvokeTemplateDlg(Guard(host), fields, className); });
}

void Load_Saved_File_and_Template(CImportHost *host, CStringArray *fields, CString className)
{
    Guarded([&] { WindowEntries().Load_Saved_File_and_Template(Guard(host), fields, className); });
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
    Guarded([&] { WindowEntries().Load_CSV_File_Directly(Guard(host), className); });
}

void Save_File_As_CSV_From_FileName(CStringArray *lines, CString fileName, CString className)
{
    Guarded([&] { Entries().Save_File_As_CSV_From_FileName(lines, fileName, className); });
}

void Load_CSV_File_Directly_From_FileName(CImportHost *host, CString fileName, CString className)
{
    Guarded([&] { Entries().Load_CSV_File_Directly_From_FileName(Guard(host), fileName, className); });
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
        WindowEntries().TarnIm_ShowValidationDlg(Guard(host), records, verdicts);
        // The run joins what the last conversion left with the host's verdicts.
        const CTemplateDlg &dlg = theTemplateDlg;
        const sConversionState state{dlg.m_nLastLine, dlg.m_arrErrorLines, dlg.m_strErrors, dlg.m_arrFields,
                                     dlg.m_bQuotedRecords,
                                     dlg.m_bRecordLinesKept ? &dlg.m_arrRecordLines : nullptr};
        theValidationDlg.ShowResult(ValidateRecords(records, verdicts, state), Guard(host));
    });
}

int TarnIWPreTranslateMessage(MSG *msg)
{
    return Guarded([&] { return theApp.PreTranslateMessage(msg, ModuleWindows()); });
}
}
