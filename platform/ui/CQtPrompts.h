// File dialogs and message boxes of the module as Qt windows.
#ifndef TARNIW_PLATFORM_CQTPROMPTS_H
#define TARNIW_PLATFORM_CQTPROMPTS_H

#include "platform/core/Prompts.h"

#include <QStringList>

class CQtPrompts : public IPrompts
{
public:
    bool DoFileDialog(const CFileDialogRequest &request, CFileDialogResult &result) override;
    // One OK button, no caption of its own.
    void MessageBox(const CString &text) override;

    // "Name|*.a; *.b|..." as Qt name filters "Name (*.a *.b)", in order.
    static QStringList NameFilters(const CString &filter);
};

#endif
