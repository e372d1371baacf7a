#include "host/ModulePrompts.h"

#include "host/TarnIWGlobals.h"
#include "platform/ui/CQtPrompts.h"

#include <cstdio>

namespace {
class CModulePrompts : public IPrompts
{
public:
    bool DoFileDialog(const sFileDialogRequest &request, sFileDialogResult &result) override
    {
        if (theApp.InitInstance())
            return m_qt.DoFileDialog(request, result);
        ToStandardError("No display to show a file dialog on");
        return false;
    }
    void MessageBox(const CString &text) override
    {
        if (theApp.InitInstance())
            m_qt.MessageBox(text);
        else
            ToStandardError(text);
    }

private:
    static void ToStandardError(const CString &text)
    {
        std::fprintf(stderr, "TarnIW: %s\n", text.c_str());
        std::fflush(stderr);
    }

    CQtPrompts m_qt;
};
}

void InstallModulePrompts()
{
    static CModulePrompts prompts;
    if (!InstalledPrompts())
        SetPrompts(&prompts);
}
