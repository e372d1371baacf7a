// A report list whose cells are edited in place. A click on a cell outside
// the first column asks the owner for the cell's choices; with choices a
// drop-down list editor opens over the cell, without a text editor. When the
// editor ends, its result goes to the owner, which decides what to store:
// the list never writes an edited value into its rows by itself.
#ifndef TARNIW_FILTERLIST_CCOMBOLISTCTRL_H
#define TARNIW_FILTERLIST_CCOMBOLISTCTRL_H

#include "filterlist/core/ICellEditOwner.h"
#include "filterlist/core/CReportRows.h"

#include <QTableView>

class CComboListModel;

class CComboListCtrl : public QTableView
{
    Q_OBJECT

public:
    // Shows rows, which must outlive the list.
    explicit CComboListCtrl(CReportRows &rows, QWidget *pParent = nullptr);
    ~CComboListCtrl() override;

    int GetDlgCtrlID() const { return m_nId; }
    void SetDlgCtrlID(int nId) { m_nId = nId; }

    // Inserts a column before nCol (at the end when nCol is past the last);
    // returns its index.
    int InsertColumn(int nCol, const CString &strHeading, int nWidth, Qt::Alignment alignment = Qt::AlignLeft);
    int GetColumnCount() const;

    // The cell under pt (viewport coordinates). Columns are walked by index
    // from the row's left edge; a point on the boundary of two columns
    // belongs to the left one.
    bool HitTestCell(const QPoint &pt, int &nItem, int &nSubItem) const;

    // The owner that answers UWM_GETCELLCHOICES and receives
    // UWM_CELLEDITDONE; not owned. Set it before the user can click.
    ICellEditOwner *m_pNotifyWnd = nullptr;

protected:
    void mousePressEvent(QMouseEvent *pEvent) override;
    void mouseMoveEvent(QMouseEvent *pEvent) override;
    void mouseReleaseEvent(QMouseEvent *pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent *pEvent) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent *pEvent) override;

private:
    void EditCell(int nItem, int nSubItem);
    bool OpenCombo(int nItem, int nSubItem, const CStringArray &choices, const CString &strText);
    // Scrolls the row into view vertically; false for no such row.
    bool EnsureVisible(int nItem, bool bPartialOK);
    // The cell's rectangle after scrolling it into view.
    QRect GetCellEditRect(int nItem, int nSubItem);
    QRect GetRowBounds(int nItem) const;
    QRect GetSubItemRect(int nItem, int nSubItem) const;
    // Ends every edit open in the list.
    void EndCellEdits();
    void EndCellEditsOutsideSecondColumn(const QPoint &globalPos);

    CComboListModel *m_pModel;
    int m_nId = 0;
    bool m_bPressDropped = false; // a left press on no cell, until its release
};

#endif
