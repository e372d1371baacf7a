// The Validation dialog: the result lines of a validation run in a filter
// list, one row per line (black for valid, red for error lines), with the
// total, valid and error counts below. Continue hands every valid record to
// the host, field by field, and hides the dialog; Cancel only hides it.
//
// One object for the module (theValidationDlg), a plain object until the
// first run creates its window (CValidationDialog); later runs only refill
// and show it. It owns the copies of the lines that the list rows point at.
#ifndef TARNIW_FILEVALUES_CVALIDATIONDLG_H
#define TARNIW_FILEVALUES_CVALIDATIONDLG_H

#include "filevalues/core/ValidationRun.h"
#include "filevalues/ui/CValidationDialog.h"

#include <QPointer>

#include <cstdint>
#include <vector>

class CValidationDlg
{
public:
    CValidationDlg();
    ~CValidationDlg();
    CValidationDlg(const CValidationDlg &) = delete;
    CValidationDlg &operator=(const CValidationDlg &) = delete;

    // Takes over a run's columns, rows and counts and takes the host,
    // creates the window on first use (columns that differ from the last
    // run's are built anew), fills the list and shows the dialog, raised and
    // centred on the screen.
    void ShowResult(sValidationResult &&result, CImportHost *pHost);

    // Creates the window with m_arrColumns' columns; FALSE when there is no
    // Qt application to show it in.
    BOOL Create();
    // Rows and count labels from m_strRows and the counts. The rows point
    // into m_strRows, the dialog's own copy of the lines; where the lines
    // begin may be known already.
    void FillList(std::vector<std::uintptr_t> &&aRowStarts = {});
    // Hands the valid records to the host; hides the dialog unless the host
    // refused one.
    void OnContinue();

    CValidationDialog *GetWindow() const { return m_pWnd; }
    CFilterListCtrl *ResultList() const { return m_pWnd ? m_pWnd->ResultList() : nullptr; }

    CImportHost *m_pHost = nullptr;
    CStringArray m_arrColumns;
    CString m_strRows;
    bool m_bQuoted = false; // m_strRows in the quoted format
    int m_nTotal = 0;
    int m_nValid = 0;
    int m_nError = 0;

private:
    QPointer<CValidationDialog> m_pWnd;
};

#endif
