// Dialogs answered from the command line; the module's message boxes are
// printed to stderr as they come.
#ifndef TARNIW_HOST_CCLIPROMPTS_H
#define TARNIW_HOST_CCLIPROMPTS_H

#include "platform/core/Prompts.h"

#include <cstdio>

class CCliPrompts : public CScriptedPrompts
{
public:
    explicit CCliPrompts(std::FILE *err) : m_err(err) {}

    void MessageBox(const CString &text) override;

private:
    std::FILE *m_err;
};

#endif
