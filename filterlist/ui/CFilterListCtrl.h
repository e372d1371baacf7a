// A common list that can run as an owner-data list: it keeps one data value
// per row and gets every cell's text and colours from its owner's data
// descriptor, only for the rows it paints. Only the rows that pass the
// header's filters are shown, in storage order or in the order of the last
// column click (reversed against the common list's own sort).
//
// The owner decides when filters run: the list passes the header's
// filter-change notice on (filterChanged) and the owner calls ApplyFilters.
// Ctrl+F shows and hides the filter bar; in the bar Tab and Shift+Tab walk
// the boxes and Escape returns to the rows.
//
// Outside the filter-list mode every operation is the common list's own.
#ifndef TARNIW_FILTERLIST_CFILTERLISTCTRL_H
#define TARNIW_FILTERLIST_CFILTERLISTCTRL_H

#include "filterlist/core/CFilterRows.h"
#include "listctrl/ui/CCommonListCtrl.h"

class CFilterHeader;
class CFilterItemDelegate;
class CFilterListModel;
struct sFilterPaintOptions;

constexpr int IDM_RESET_FILTERS = 5001;

class CFilterListCtrl : public CCommonListCtrl, private IFilterColumnLayout
{
    Q_OBJECT
public:
    // Selection fills of the rows.
    static constexpr COLORREF kSelectedFocusColour = 0x8CB4D2; // RGB(210, 180, 140)
    static constexpr COLORREF kSelectedColour = 0x82868B;      // RGB(139, 134, 130)
    static constexpr int kFilterChangeDelay = 500;             // milliseconds

    // What a filter button opens for column nColumn; installed by the filter
    // value popup.
    using FilterPopupFn = std::function<void(CFilterListCtrl *pList, int nColumn)>;
    static void SetFilterPopupHandler(FilterPopupFn fn);

    explicit CFilterListCtrl(QWidget *parent = nullptr);
    ~CFilterListCtrl() override;

    void SetDataDescriptor(FilterDataDescriptor pfn);
    FilterDataDescriptor GetDataDescriptor() const { return m_rows.DataDescriptor(); }
    // The same texts as views, for quicker filter runs (optional).
    void SetCellView(FilterCellView pfn) { m_rows.SetCellView(pfn); }
    // On: the rows become the list's own, the filter bar is available
    // (hidden at first). Off: back to the common list; filters and rows go.
    void EnableFilterList(BOOL bOn);

    // Rows. In the mode, positions are positions among the shown rows and
    // GetItemCount counts every stored row, shown or not.
    int InsertItem(int nItem, const char *pszText = "", int nImage = -1);
    BOOL SetItemData(int nItem, std::uintptr_t dwData);
    std::uintptr_t GetItemData(int nItem) const;
    int GetItemCount() const;
    BOOL GetCheck(int nItem) const;
    BOOL SetCheck(int nItem, BOOL bCheck = TRUE);
    BOOL DeleteAllItems();
    // Rows shown after the filters.
    int GetVisibleCount() const;

    // The stored rows, for an owner that replaces them all at once.
    const CFilterRows &FilterRows() const { return m_rows; }
    // Runs fill on the stored rows as one change of the whole list.
    void ReplaceRows(const std::function<void(CFilterRows &)> &fill);

    // Filters.
    void ApplyFilters();
    bool RowPassesFilters(std::uintptr_t dwData) const { return m_rows.RowPassesFilters(dwData); }
    // Length of a column's filter text (0: no filter).
    int GetFilterText(int nColumn, CString &strText) const;
    // Writes a column's filter box (text cut to 1023 bytes) and makes the
    // header active. FALSE for a negative column.
    BOOL SetFilterText(int nColumn, const CString &strText);
    void ToggleFilterBar();
    BOOL IsFilterBarShown() const { return m_bFilterBar; }
    CFilterHeader *FilterHeader() const { return m_pHeader; }

    void OnColumnClick(int nCol) override;
    QMenu *BuildHeaderMenu() override;
    void OnCommand(int nID) override;

    void keyboardSearch(const QString &search) override;

Q_SIGNALS:
    // The header's notices, passed on to the owner with the list's id.
    void filterChanged(int nID);
    void filterButtonClicked(int nID, int nColumn);

protected:
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // IFilterColumnLayout
    const CArray<int> &ColumnPositions() const override { return m_aColPos; }
    int ColumnDefinitionCount() const override { return m_nColDefCount; }
    int ColumnType(int nDef) const override { return m_aColInfo.GetAt(nDef).nType; }

    sFilterPaintOptions PaintOptions() const;
    void DrawFocusRow(QPainter &painter) const;
    void OnHeaderFilterChange();
    void OnFilterButton(int nColumn);
    bool HandleFilterBoxKey(QObject *pBox, QKeyEvent *pKey);
    void EditFilterBox(int nColumn);
    void MoveFilterFocus(int nFromColumn, bool bBack);
    void ScrollColumnIntoView(int nColumn);

    CFilterRows m_rows;
    CFilterListModel *m_pFilterModel;
    CFilterItemDelegate *m_pDelegate;
    CFilterHeader *m_pHeader;
    BOOL m_bOwnerData = FALSE;
    BOOL m_bFilterBar = FALSE;
    int m_nFilterFocus = 0;
};

#endif
