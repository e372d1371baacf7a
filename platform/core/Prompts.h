// File dialogs and message boxes behind one interface, so that the Qt
// windows, the tests and the command-line host can each answer them.
#ifndef TARNIW_PLATFORM_PROMPTS_H
#define TARNIW_PLATFORM_PROMPTS_H

#include "tarniw/TarnTypes.h"

#include <deque>

constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;

// What an operation asks of a file dialog. The filter keeps the framework's
// form: pairs "Name|pattern" joined by "|", ending with "||".
struct sFileDialogRequest
{
    bool bOpen = true;
    CString strDefExt;     // ".csv": added to a typed name without extension
    CString strFileName;   // initial file name
    CString strFilter;
    CString strInitialDir;
    DWORD dwFlags = 0;
};

// The answer of a dialog that ended with OK. nFilterIndex counts the filter's
// entries from 1, as the platform's file-name structure does.
struct sFileDialogResult
{
    CString strPathName;
    int nFilterIndex = 1;
};

class IPrompts
{
public:
    virtual ~IPrompts() = default;
    // Shows the dialog; true when it ended with OK and result is filled.
    virtual bool DoFileDialog(const sFileDialogRequest &request, sFileDialogResult &result) = 0;
    // A message box with one OK button and no caption of its own.
    virtual void MessageBox(const CString &text) = 0;
};

// The prompts in effect. Until SetPrompts names others, a CScriptedPrompts
// with no answers queued (every dialog cancelled, messages kept).
IPrompts &Prompts();
void SetPrompts(IPrompts *prompts);
// The prompts set with SetPrompts, or null while the default is in effect.
IPrompts *InstalledPrompts();

// The module's message box.
void AfxMessageBox(const CString &text);

// Shown when memory runs out during an operation, which is then abandoned.
extern const char *const kOutOfMemory;
// Shows kOutOfMemory; throws nothing, even when that fails for lack of
// memory too.
void ReportOutOfMemory() noexcept;

// The filter's entries as (name, pattern) pairs, in order.
std::vector<std::pair<CString, CString>> ParseDialogFilter(const CString &filter);

// A typed file name without an extension gets the default extension.
CString ApplyDefaultExtension(const CString &path, const CString &defExt);

// Answers dialogs from a queue and records every request and message. A
// relative path is taken as typed into the dialog, so it lies in the folder
// the dialog opened in.
class CScriptedPrompts : public IPrompts
{
public:
    struct Answer
    {
        bool bOk = false;
        CString strPathName;
        int nFilterIndex = 1;
        // When set, the filter entry of that name is selected (index 0 when
        // the dialog offers no such entry).
        CString strFilterName;
    };

    void QueueAnswer(const CString &path, int nFilterIndex = 1) { m_answers.push_back({true, path, nFilterIndex, CString()}); }
    void QueueAnswerWithFilter(const CString &path, const CString &filterName)
    {
        m_answers.push_back({true, path, 0, filterName});
    }
    void QueueCancel() { m_answers.push_back({false, CString(), 1, CString()}); }

    bool DoFileDialog(const sFileDialogRequest &request, sFileDialogResult &result) override;
    void MessageBox(const CString &text) override { m_messages.push_back(text); }

    std::deque<Answer> m_answers;
    std::vector<sFileDialogRequest> m_requests;
    CStringArray m_messages;
};

#endif
