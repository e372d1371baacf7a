#include "filevalues/ui/CValidationDlg.h"

#include "platform/ui/ModuleWindows.h"

#include <QApplication>

CValidationDlg::CValidationDlg() = default;

CValidationDlg::~CValidationDlg()
{
    // Without an application the window system is gone and so is the
    // window's place in it; the window is left alone then.
    if (QCoreApplication::instance())
        delete m_pWnd;
}

void CValidationDlg::ShowResult(sValidationResult &&result, CImportHost *pHost)
{
    // A run of another class's fields gets its own columns, never the
    // headings of the class before it.
    const bool bRebuild = m_pWnd && result.m_arrColumns != m_arrColumns;
    m_arrColumns = std::move(result.m_arrColumns);
    if (!m_pWnd && !Create())
        return;
    if (bRebuild)
        m_pWnd->RebuildColumns(m_arrColumns);
    m_pHost = pHost;
    // The rows point into the old text until they are replaced.
    ResultList()->ReplaceRows([](CFilterRows &rows) { rows.DeleteAllItems(); });
    m_strRows = std::move(result.m_strRows);
    // The cells of quoted lines are read by the quoted rule.
    if (result.m_bQuoted != m_bQuoted) {
        m_bQuoted = result.m_bQuoted;
        m_pWnd->SetQuotedRows(m_bQuoted);
    }
    m_nTotal = result.m_nTotal;
    m_nValid = result.m_nValid;
    m_nError = result.m_nError;
    FillList(std::move(result.m_aRowStarts));
    PlaceAboveHostWindow(m_pWnd);
    m_pWnd->showNormal();
    m_pWnd->raise();
    m_pWnd->activateWindow();
    m_pWnd->StartOnTheList();
    CenterOnScreen(m_pWnd);
}

BOOL CValidationDlg::Create()
{
    if (m_pWnd)
        return TRUE;
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return FALSE;
    m_pWnd = new CValidationDialog(m_arrColumns);
    QObject::connect(m_pWnd, &CValidationDialog::continueClicked, m_pWnd, [this] { OnContinue(); });
    return TRUE;
}

void CValidationDlg::FillList(std::vector<std::uintptr_t> &&aRowStarts)
{
    if (!m_pWnd)
        return;
    ResultList()->ReplaceRows([&](CFilterRows &rows) { FillRows(rows, m_strRows, std::move(aRowStarts)); });
    m_pWnd->SetCountLabels(CountLabels(m_nTotal, m_nValid, m_nError));
}

void CValidationDlg::OnContinue()
{
    // The host may run another validation from AcceptRecord, which replaces
    // the rows, the columns and the host: hand over what was shown.
    const CString strRows = m_strRows;
    const CStringArray arrColumns = m_arrColumns;
    if (HandOverValidRecords(strRows, arrColumns, m_pHost, m_bQuoted) && m_pWnd)
        m_pWnd->accept();
}
