// File dialogs and message boxes of the module as Qt windows, each above the
// window that is active when it opens.
#ifndef TARNIW_PLATFORM_CQTPROMPTS_H
#define TARNIW_PLATFORM_CQTPROMPTS_H

#include "platform/core/Prompts.h"

#include <QStringList>

class CQtPrompts : public IPrompts
{
public:
    bool DoFileDialog(const sFileDialogRequest &request, sFileDialogResult &result) override;
    // One OK button, no caption of its own.
    void MessageBox(const CString &text) override;

    // "Name|*.a; *.b|..." as Qt name filters "Name (*.a *.b)", in order.
    // A file dialog shows a name with its white space simplified; a name
    // that would show like an earlier one gets " (2)", " (3)", ... so that
    // every entry can be told apart, and found again, by its text.
    static QStringList NameFilters(const CString &filter);
    // The entry (from 1) of filters that a file dialog reports as selected;
    // 0 for none.
    static int FilterIndex(const QStringList &filters, const QString &selected);
};

#endif
