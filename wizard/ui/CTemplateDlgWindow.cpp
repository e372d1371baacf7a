#include "wizard/ui/CTemplateDlgWindow.h"

#include "filterlist/ui/CComboListCtrl.h"
#include "platform/core/Prompts.h"
#include "platform/core/UserAction.h"
#include "platform/ui/ModuleWindows.h"
#include "resources/core/Resource.h"
#include "wizard/core/CTemplateDlg.h"
#include "wizard/ui/CTemplateDialog.h"

#include <QApplication>
#include <QScopedValueRollback>

#include <new>

CTemplateDlgWindow::CTemplateDlgWindow(CTemplateDlg &dlg)
    : m_dlg(dlg)
{
    m_dlg.SetWindow(this);
}

CTemplateDlgWindow::~CTemplateDlgWindow()
{
    if (m_dlg.GetWindow() == this)
        m_dlg.SetWindow(nullptr);
    // Without an application the widget cannot be deleted safely any more.
    if (QCoreApplication::instance())
        delete m_pDialog;
}

void CTemplateDlgWindow::OnCommand(int nId)
{
    try {
        RunUserAction([&] {
            switch (nId) {
            case IDC_BROWSE:
                m_dlg.BrowseCsvFile();
                break;
            case IDC_SAVE_FILE:
                Convert(&CTemplateDlg::SaveFile);
                break;
            case IDC_LOAD_TEMPLATE:
                m_dlg.LoadTemplate();
                break;
            case IDC_SAVE_TEMPLATE:
                m_dlg.SaveTemplate();
                break;
            case IDC_CONTINUE:
                Convert(&CTemplateDlg::ContinueImport);
                break;
            default:
                break;
            }
        });
    } catch (const std::bad_alloc &) {
        ReportOutOfMemory(); // a file too big for memory; the same
    }
}

void CTemplateDlgWindow::Convert(void (CTemplateDlg::*pfnAction)())
{
    CConversionProgress progress(m_pDialog, m_nProgressDelayMs);
    const QScopedValueRollback<CConversionProgress *> current(m_pProgress, &progress);
    (m_dlg.*pfnAction)();
}

void CTemplateDlgWindow::CreateIfNeeded()
{
    // Widgets need a QApplication; without one the model works alone.
    if (m_pDialog || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    m_pDialog = new CTemplateDialog(m_dlg, this);
    QObject::connect(m_pDialog, &CTemplateDialog::commandClicked, m_pDialog, [this](int nId) { OnCommand(nId); });
}

void CTemplateDlgWindow::ShowWindow()
{
    if (!m_pDialog)
        return;
    PlaceAboveHostWindow(m_pDialog);
    m_pDialog->show();
}

void CTemplateDlgWindow::BringToTopAndCentre()
{
    if (!m_pDialog)
        return;
    CenterOnScreen(m_pDialog);
    m_pDialog->raise();
    m_pDialog->activateWindow();
}

void CTemplateDlgWindow::EndDialog()
{
    if (m_pDialog)
        m_pDialog->accept();
}

void CTemplateDlgWindow::RepaintNow()
{
    if (m_pDialog)
        m_pDialog->repaint();
}

void CTemplateDlgWindow::LockUpdates(bool bLock)
{
    if (!m_pDialog)
        return;
    m_pDialog->FileValuesList()->setUpdatesEnabled(!bLock);
    m_pDialog->ConstantsList()->setUpdatesEnabled(!bLock);
}

void CTemplateDlgWindow::ConversionProgress(long long bytesRead, long long fileSize)
{
    if (m_pProgress)
        m_pProgress->Report(bytesRead, fileSize);
}

void CTemplateDlgWindow::FileFormatChanged()
{
    if (m_pDialog)
        m_pDialog->ShowFileFormat();
}

void CTemplateDlgWindow::OnGetCellChoices(int nListId, CStringArray &choices)
{
    m_dlg.OnGetCellChoices(nListId, choices);
}

void CTemplateDlgWindow::OnCellEditDone(int nListId, const NMLVDISPINFO &info)
{
    m_dlg.OnCellEditDone(nListId, info.item.iItem, info.item.iSubItem, info.item.pszText);
}
