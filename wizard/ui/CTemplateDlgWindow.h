// The Template dialog's window for the template model: a plain object made
// when the module loads, which builds its Qt dialog the first time the model
// shows it, and then only shows and hides it. It owns the lists' cell edits
// (the model decides what is stored) and runs the buttons' actions.
#ifndef TARNIW_WIZARD_CTEMPLATEDLGWINDOW_H
#define TARNIW_WIZARD_CTEMPLATEDLGWINDOW_H

#include "filterlist/core/ICellEditOwner.h"
#include "wizard/core/ITemplateDlgWindow.h"
#include "wizard/ui/CConversionProgress.h"

#include <QPointer>

class CTemplateDlg;
class CTemplateDialog;

class CTemplateDlgWindow : public ITemplateDlgWindow, public ICellEditOwner
{
public:
    // Becomes dlg's window; no widget is made yet.
    explicit CTemplateDlgWindow(CTemplateDlg &dlg);
    ~CTemplateDlgWindow() override;
    CTemplateDlgWindow(const CTemplateDlgWindow &) = delete;
    CTemplateDlgWindow &operator=(const CTemplateDlgWindow &) = delete;

    // The dialog, null until the first show.
    CTemplateDialog *Dialog() const { return m_pDialog; }

    // How long a conversion runs before its progress shows.
    void SetProgressDelay(int nDelayMs) { m_nProgressDelayMs = nDelayMs; }

    // Runs the action of a command button; an action that meets a bad index
    // is abandoned.
    void OnCommand(int nId);

    void CreateIfNeeded() override;
    void ShowWindow() override;
    void BringToTopAndCentre() override;
    void EndDialog() override;
    void RepaintNow() override;
    void LockUpdates(bool bLock) override;
    void ConversionProgress(long long bytesRead, long long fileSize) override;
    void FileFormatChanged() override;

    void OnGetCellChoices(int nListId, CStringArray &choices) override;
    void OnCellEditDone(int nListId, const NMLVDISPINFO &info) override;

private:
    // Runs a conversion of the model with its progress on this window.
    void Convert(void (CTemplateDlg::*pfnAction)());

    CTemplateDlg &m_dlg;
    QPointer<CTemplateDialog> m_pDialog;
    CConversionProgress *m_pProgress = nullptr; // while a conversion runs
    int m_nProgressDelayMs = CConversionProgress::DefaultDelayMs;
};

#endif
