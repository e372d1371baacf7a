// The Validation dialog's window: the result list, the total, valid and
// error counts in their frame, Continue and Cancel, placed by the dialog's
// layout. It keeps its controls to itself and reports Continue through a
// signal; Cancel only hides it.
#ifndef TARNIW_FILEVALUES_CVALIDATIONDIALOG_H
#define TARNIW_FILEVALUES_CVALIDATIONDIALOG_H

#include "filevalues/core/ValidationRows.h"
#include "filterlist/ui/CFilterListCtrl.h"
#include "listctrl/ui/CControlPos.h"
#include "tarniw/TarnTypes.h"

#include <QDialog>

class QLabel;

class CValidationDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kColumnWidth = 100;

    // Dialog 5000 with a column for each name, no parent.
    explicit CValidationDialog(const CStringArray &arrColumns);

    CFilterListCtrl *ResultList() const { return m_lstResults; }
    // The list's columns built anew, one for each name.
    void RebuildColumns(const CStringArray &arrColumns);
    // The rows' cells read by the quoted rule or the plain one.
    void SetQuotedRows(bool bQuoted);
    // Shows the counts; each label is made as wide as its text.
    void SetCountLabels(const sCountLabels &labels);
    // Focus on the list and Continue the default button, where each run
    // starts, also after Cancel took the focus and the default.
    void StartOnTheList();

signals:
    void continueClicked();

protected:
    void resizeEvent(QResizeEvent *pEvent) override;

private:
    void CreateControls();
    void OnInitDialog(const CStringArray &arrColumns);
    // The list's column definitions, one for each name.
    void SetColumnDefinitions(const CStringArray &arrColumns);
    // Room for the count labels' texts, however large the numbers.
    void LayOutCountLabels();

    CFilterListCtrl *m_lstResults = nullptr;
    CControlPos m_resizer;
    QLabel *m_stTotal = nullptr;
    QLabel *m_stValid = nullptr;
    QLabel *m_stError = nullptr;
};

#endif
