// The report list of the module: columns built from the owner's column
// definitions and a stored layout, sorting by a click on a heading, header
// and row context menus, width fitting, clipboard copy and a fixed look
// (green on black) that the INI file can recolour per control id.
//
// Its model (CListModel) holds the cells and their order; a derived list
// that keeps its rows elsewhere installs a model of its own (SetListModel)
// and, to paint cells itself, a delegate of its own. A derived list may also
// replace the column-click sort (OnColumnClick) and extend the header menu
// (BuildHeaderMenu + OnCommand).
//
// Use: construct, set the flags, Create(parent, id), fill m_aColInfo and
// m_mapColIndex (and optionally m_aDefaultColPos, m_aFixedCols,
// m_strProfileName), then BuildColumns() and add rows.
#ifndef TARNIW_LISTCTRL_CCOMMONLISTCTRL_H
#define TARNIW_LISTCTRL_CCOMMONLISTCTRL_H

#include "listctrl/core/ColumnProfile.h"
#include "listctrl/core/ListCommands.h"

#include <QTableView>

#include <functional>

class CListHeader;
class CListModel;
class QDialog;
class QMenu;

// Extended styles the list understands.
constexpr DWORD LVS_EX_GRIDLINES = 0x00000001;
constexpr DWORD LVS_EX_HEADERDRAGDROP = 0x00000010;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x00000020;

// Colours and font of a list.
struct sListLook
{
    COLORREF crBack = 0x000000;
    COLORREF crText = 0x00FF00;
    CString strFontName = "MS Shell Dlg 2";
    CString strFontSize = "8";
};

// The colour of a COLORREF (0x00BBGGRR).
QColor FromColorRef(COLORREF cr);

class CCommonListCtrl : public QTableView
{
    Q_OBJECT
public:
    // Row tooltip provider: fills the text for a row, TRUE to show it.
    using TipTextFn = std::function<BOOL(int nRow, CString &strText, CCommonListCtrl *pList)>;
    // What "Reposition Columns" opens; installed by the reposition dialog.
    using RepositionFn = std::function<void(CCommonListCtrl *pList)>;

    explicit CCommonListCtrl(QWidget *parent = nullptr);
    ~CCommonListCtrl() override;

    // Places the list in its parent with a control id and initialises it.
    virtual BOOL Create(QWidget *pParentWnd, int nID);
    // Default look; registration, colour line and font when the list lies in
    // a dialog and m_bCustomize is set. Runs once.
    void InitList();

    void SetDlgCtrlID(int nID);
    int GetDlgCtrlID() const;

    // The text of one cell, as the model holds it.
    CString GetItemText(int nItem, int nSubItem) const;

    // Rows of the plain list.
    int InsertItem(int nItem, const CString &strText);
    BOOL SetItemText(int nItem, int nSubItem, const CString &strText);
    BOOL SetItemData(int nItem, DWORD dwData);
    DWORD GetItemData(int nItem) const;
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    // Rows shown.
    int GetItemCount() const;

    // Columns, by column index (insertion order); GetColumnOrder gives the
    // header's own order, which follows the user's drags.
    int InsertColumn(int nCol, const CString &strHeading, int nFormat = LVCFMT_LEFT, int nWidth = 80);
    BOOL DeleteColumn(int nCol);
    int GetColumnCount() const;
    CString GetColumnHeading(int nCol) const;
    int GetColumnWidth(int nCol) const;
    void SetColumnWidth(int nCol, int nWidth);
    int GetColumnOrder(int nCol) const;
    QHeaderView *GetHeaderCtrl() const { return horizontalHeader(); }

    // Column profiles. SaveColumnProfile and ApplyColumnLayout throw
    // CInvalidArgException for arrays that do not fit the definitions.
    void BuildColumns();
    // For definitions replaced after the columns were built: shows them
    // laid out by the stored profile when it holds one triplet per
    // definition, else in definition order, and tells the owning dialog
    // (columnsRepositioned).
    void RebuildColumns();
    void SaveColumnProfile();
    // Shows the definitions aDefs in that order with the widths aWidths and
    // tells the owning dialog (columnsRepositioned).
    void ApplyColumnLayout(const CArray<int> &aDefs, const CArray<int> &aWidths);

    BOOL AddHeaderToolTip(int nCol, const char *pszText = nullptr);
    QDialog *FindParentDialog() const;
    void ApplyFont(const CString &strFontName, const CString &strFontSize);

    // Commands of the menus and keys.
    virtual void OnCommand(int nID);
    void FitColumns(int nCommand);
    void CopySelection();
    BOOL PutClipText();
    void ToggleGridLines();
    void WriteToExcel();
    void SetExtendedStyle(DWORD dwExStyle);
    // The background of the list, behind and below its rows.
    void SetBkColor(COLORREF crBack);

    // The context menus, built fresh; the caller owns them. Choosing an
    // action runs OnCommand with the action's id (QAction::data()).
    QMenu *BuildRowMenu();
    virtual QMenu *BuildHeaderMenu();

    // The list's keys (Ctrl+A, Ctrl+C, Shift+E, Shift+G, the menu key); true
    // when the key is consumed (Shift+E). The list calls it for its own key
    // presses.
    bool PreTranslateKey(QKeyEvent *pEvent);

    // Sort by a click on column nCol.
    virtual void OnColumnClick(int nCol);
    void SetSortImage(int nCol, int nImage);
    int GetSortImage(int nCol) const;

    // The row tooltip for nRow from m_pfnTipText; false when none is shown.
    bool GetRowTipText(int nRow, CString &strText);

    static void SetRepositionHandler(RepositionFn fn);

    int m_nSortCol = 0;
    int m_nPrevSortCol = -1;
    int m_nSortDir = 1;
    int m_nSortType = 0;
    int m_nFirstColDef = 0;
    BOOL m_bWriteToExcel = TRUE;
    BOOL m_bReadFromExcel = FALSE;
    BOOL m_bRepositionMenu = TRUE;
    BOOL m_bApplyColours = TRUE;
    BOOL m_bCustomize = TRUE;
    BOOL m_bHeaderTips = TRUE;
    BOOL m_bCustomErase = FALSE;
    CString m_strProfileName;
    CString m_strClipText;
    CArray<int> m_aColPos;      // per definition: column index, -1 hidden
    CArray<int> m_aColWidth;    // per definition: width of the last reposition
    CArray<tsTarnColInfoWiz> m_aColInfo;
    CMap<CString, int> m_mapColIndex;
    CStringArray m_aFixedCols;
    CArray<int> m_aDefaultColPos;
    TipTextFn m_pfnTipText;
    bool m_bCustomColours = false;
    sListLook m_look;
    int m_nColDefCount = 0;

Q_SIGNALS:
    // UWM_COLUMNSREPOSITIONED: the columns were laid out again.
    void columnsRepositioned(int nID);

protected:
    // A derived list that keeps its rows elsewhere shows them through its
    // own model; the list takes ownership.
    void SetListModel(CListModel *pModel);
    // A derived list with a header of its own installs it here; the list
    // takes ownership and the header's clicks and menu work as before.
    void SetHeader(CListHeader *pHeader);
    // Shows a context menu at the cursor and deletes it afterwards.
    virtual void TrackPopupMenu(QMenu *pMenu);
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    enum class KeyResult { None, Acted, Consumed };
    KeyResult TranslateKey(QKeyEvent *pEvent);
    void ApplyColours(COLORREF crBack, COLORREF crText);
    void UpdateRowHeight();
    void EraseEmptyArea();
    int DefinitionAt(int nCol) const;
    // Reads the profile; bMustFit leaves out one saved for other definitions.
    sColumnLayout StoredLayout(bool bMustFit);
    void ShowColumns(const sColumnLayout &layout);
    void InsertColumns(const std::vector<sColumnSpec> &aColumns);

    CListModel *m_pModel = nullptr;
    DWORD m_dwExStyle = 0;
    bool m_bInitialised = false;
};

#endif
