#include "platform/core/Prompts.h"

#include "platform/core/Paths.h"

namespace {
CScriptedPrompts &DefaultPrompts()
{
    static CScriptedPrompts prompts;
    return prompts;
}
IPrompts *g_pPrompts = nullptr;
}

IPrompts &Prompts()
{
    return g_pPrompts ? *g_pPrompts : DefaultPrompts();
}

void SetPrompts(IPrompts *prompts)
{
    g_pPrompts = prompts;
}

IPrompts *InstalledPrompts()
{
    return g_pPrompts;
}

void AfxMessageBox(const CString &text)
{
    Prompts().MessageBox(text);
}

const char *const kOutOfMemory = "Out of memory: the operation was abandoned";

void ReportOutOfMemory() noexcept
{
    try {
        AfxMessageBox(kOutOfMemory);
    } catch (...) {
        // Nothing more can be said; the operation is abandoned all the same.
    }
}

std::vector<std::pair<CString, CString>> ParseDialogFilter(const CString &filter)
{
    std::vector<CString> parts;
    CString part;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(part);
            part.Empty();
        } else {
            part += c;
        }
    }
    if (!part.IsEmpty())
        parts.push_back(part);
    std::vector<std::pair<CString, CString>> entries;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].IsEmpty() && parts[i + 1].IsEmpty())
            break;
        entries.emplace_back(parts[i], parts[i + 1]);
    }
    return entries;
}

CString ApplyDefaultExtension(const CString &path, const CString &defExt)
{
    if (defExt.IsEmpty() || path.IsEmpty())
        return path;
    if (FileNameOf(path).find('.') != std::string::npos)
        return path;
    return defExt[0] == '.' ? CString(path + defExt) : CString(path + "." + defExt);
}

bool CScriptedPrompts::DoFileDialog(const sFileDialogRequest &request, sFileDialogResult &result)
{
    m_requests.push_back(request);
    if (m_answers.empty())
        return false;
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    if (!answer.bOk)
        return false;
    CString path = answer.strPathName;
    if (!path.IsEmpty() && RootLength(path) == 0 && !request.strInitialDir.IsEmpty())
        path = request.strInitialDir + "/" + path;
    result.strPathName = request.bOpen ? path : ApplyDefaultExtension(path, request.strDefExt);
    result.nFilterIndex = answer.nFilterIndex;
    if (!answer.strFilterName.IsEmpty()) {
        const auto entries = ParseDialogFilter(request.strFilter);
        result.nFilterIndex = 0;
        for (size_t i = 0; i < entries.size() && !result.nFilterIndex; ++i) {
            if (entries[i].first == answer.strFilterName)
                result.nFilterIndex = int(i) + 1;
        }
    }
    return true;
}
