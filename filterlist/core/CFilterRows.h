// The rows of an owner-data filter list, kept apart from any window: every
// stored row with its data value and check state, the rows shown after the
// header filters and the column-click order. A view follows it through an
// observer; cell texts come from the owner's data descriptor.
#ifndef TARNIW_FILTERLIST_CFILTERROWS_H
#define TARNIW_FILTERLIST_CFILTERROWS_H

#include "filterlist/core/IRowsObserver.h"
#include "filterlist/core/MatchFilter.h"
#include "tarniw/TarnTypes.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The owner's cell provider: for a row's data value and a column definition
// index (-1 for a display column without definition) it sets the cell text
// and may set the text colour, background colour and image (left at -1 for
// the defaults). Zero stops drawing the row's further columns. Given data 0
// it must leave its outputs alone.
using FilterDataDescriptor = int (*)(std::uintptr_t dwData, int nDef, CString *pText,
                                     COLORREF *pTextColour, COLORREF *pBackColour, int *pImage);

// An owner's quicker way to the texts its descriptor gives: a view of the
// cell text for data other than 0, valid while that data is. Optional; when
// set, the filter run tests the views without copying them.
using FilterCellView = std::string_view (*)(std::uintptr_t dwData, int nDef);

constexpr COLORREF CLR_DEFAULT_CELL = COLORREF(-1);

// The column layout of the list that owns the rows, as the common list
// keeps it.
class IFilterColumnLayout
{
public:
    // Per definition index: its display position, or -1 when hidden.
    virtual const CArray<int> &ColumnPositions() const = 0;
    // Number of definitions when the columns were last built.
    virtual int ColumnDefinitionCount() const = 0;
    // The sort type code of a definition; CInvalidArgException outside them.
    virtual int ColumnType(int nDef) const = 0;

protected:
    ~IFilterColumnLayout() = default;
};

// Sort state of the list, shared with the common list's own column click.
struct sSortState
{
    int nSortCol = 0;      // display column last clicked
    int nPrevSortCol = -1; // display column clicked before
    int nSortDir = 1;      // -1 sorts ascending, +1 descending
    int nSortType = 0;     // sort type code of the sorted definition
};

// One header item whose sort image changes: 0 descending, 1 ascending,
// 2 not sorted.
struct sHeaderImage
{
    int nColumn;
    int nImage;
};

class CFilterRows
{
public:
    void SetDataDescriptor(FilterDataDescriptor pfn) { m_pfnDescriptor = pfn; }
    FilterDataDescriptor DataDescriptor() const { return m_pfnDescriptor; }
    void SetCellView(FilterCellView pfn) { m_pfnCellView = pfn; }
    void SetColumnLayout(const IFilterColumnLayout *pLayout) { m_pLayout = pLayout; }
    // The observer hears of the shown rows, at their display positions.
    void SetObserver(IRowsObserver *pObserver) { m_pObserver = pObserver; }

    // Adds an empty row, shown until its data is set. Position 0 or past the
    // end appends. Returns the row index, or 0 without descriptor or after a
    // reindexing error. CInvalidArgException for a negative position or one
    // beyond the shown rows.
    int InsertItem(int nPos);
    // Gives a row its data and drops it from the display when it fails the
    // active filters. Position 0, or one past the shown rows, addresses the
    // newest shown row while that has no data yet. TRUE when the row stays.
    BOOL SetItemData(int nPos, std::uintptr_t dwData);
    // Data of the row shown at a position; 0 for none.
    std::uintptr_t GetItemData(int nPos) const;
    // Replaces every row by one row per data value, in order, as InsertItem
    // and SetItemData would add them one by one (the filters of the last run
    // apply), taking the values over without copying them.
    void AssignItemData(std::vector<std::uintptr_t> &&aData);
    // Every stored row, shown or not.
    int GetItemCount() const { return int(m_aData.size()); }
    int GetVisibleCount() const { return m_nVisible; }
    BOOL GetCheck(int nPos) const;
    BOOL SetCheck(int nPos, BOOL bCheck);
    BOOL DeleteAllItems();
    // Row index shown at a position, or -1.
    int RowAt(int nPos) const;
    // Text of a shown row's cell in a display column.
    CString GetItemText(int nPos, int nColumn) const;

    // Rebuilds the shown rows, in storage order, from the filter text of
    // each header column (empty: no filter). Without a descriptor or without
    // header columns it does nothing.
    void ApplyFilters(const CStringArray &aFilterTexts);
    // Whether a data value passes the filters of the last run.
    bool RowPassesFilters(std::uintptr_t dwData) const;

    // First half of a column click: direction, sort definition and header
    // images. Returns the header items to update; empty (and nothing
    // changed) while no row is shown.
    std::vector<sHeaderImage> PrepareColumnSort(int nColumn);
    // Second half: sorts the shown rows by the sort definition.
    // CInvalidArgException while no sorted column has a definition.
    void SortShownRows();
    // The sort comparison of two row indices under the current sort state.
    int CompareVisibleRows(int nRowA, int nRowB) const;
    const sSortState &SortState() const { return m_sort; }
    void SetSortState(const sSortState &state) { m_sort = state; }

    // First definition shown at a display position, or -1.
    int DefinitionAt(int nColumn) const;
    // The descriptor's text for a row's data, or empty for none.
    CString CellText(std::uintptr_t dwData, int nDef) const;

private:
    // Asks the descriptor for a cell text when the row has data and the
    // definition was built; otherwise leaves the text as it is.
    void FetchText(std::uintptr_t dwData, int nDef, CString &strText) const;
    int ColumnDefinitionCount() const;
    void BeginReset();
    void EndReset();

    // Per stored row: its data value, and its check state (kept only from
    // the first check on; a row past its end is unchecked).
    std::vector<std::uintptr_t> m_aData;
    std::vector<bool> m_aChecked;
    CArray<int> m_aVisible;
    int m_nVisible = 0;
    CArray<int> m_aFilterCols; // definition index (or display column) per filter
    CStringArray m_aFilterTexts;
    std::vector<CFilterPattern> m_aFilterPatterns; // the texts, read once

    bool m_bFiltersActive = false;
    int m_nSortDef = -1;
    sSortState m_sort;
    FilterDataDescriptor m_pfnDescriptor = nullptr;
    FilterCellView m_pfnCellView = nullptr;
    const IFilterColumnLayout *m_pLayout = nullptr;
    IRowsObserver *m_pObserver = nullptr;
};

#endif
