#include "host/cli/CCliPrompts.h"

void CCliPrompts::MessageBox(const CString &text)
{
    CScriptedPrompts::MessageBox(text);
    std::fprintf(m_err, "tarniw-import: %s\n", text.c_str());
    std::fflush(m_err);
}
