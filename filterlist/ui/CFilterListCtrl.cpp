#include "filterlist/ui/CFilterListCtrl.h"

#include "filterlist/ui/CFilterHeader.h"
#include "filterlist/ui/CFilterItemDelegate.h"
#include "filterlist/ui/CFilterListModel.h"
#include "listctrl/core/TarnColInfo.h"
#include "platform/ui/DisplayText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include <algorithm>

namespace {

CFilterListCtrl::FilterPopupFn &FilterPopupHandler()
{
    static CFilterListCtrl::FilterPopupFn fn;
    return fn;
}

sSortState SortStateOf(const CCommonListCtrl &list)
{
    return {list.m_nSortCol, list.m_nPrevSortCol, list.m_nSortDir, list.m_nSortType};
}

void SetSortStateOf(CCommonListCtrl &list, const sSortState &state)
{
    list.m_nSortCol = state.nSortCol;
    list.m_nPrevSortCol = state.nPrevSortCol;
    list.m_nSortDir = state.nSortDir;
    list.m_nSortType = state.nSortType;
}

} // namespace

CFilterListCtrl::CFilterListCtrl(QWidget *parent)
    : CCommonListCtrl(parent)
    , m_pFilterModel(new CFilterListModel(m_rows, this))
    , m_pDelegate(new CFilterItemDelegate(*m_pFilterModel, this))
    , m_pHeader(new CFilterHeader(this))
{
    setItemDelegate(m_pDelegate);
    m_rows.SetColumnLayout(this);
    SetListModel(m_pFilterModel);
    SetHeader(m_pHeader);
    m_pHeader->SetBoxEventFilter(this);
    m_pHeader->SetFilterChangeDelay(kFilterChangeDelay);
    // Pixel scrolling, so that Tab in the filter bar can bring a box into
    // view exactly.
    setHorizontalScrollMode(ScrollPerPixel);
    connect(m_pHeader, &CFilterHeader::filterChanged, this, &CFilterListCtrl::OnHeaderFilterChange);
    connect(m_pHeader, &CFilterHeader::filterButtonClicked, this, &CFilterListCtrl::OnFilterButton);
}

CFilterListCtrl::~CFilterListCtrl()
{
    // The model reads the rows, which go before the list's children do.
    delete m_pFilterModel;
}

void CFilterListCtrl::SetFilterPopupHandler(FilterPopupFn fn)
{
    FilterPopupHandler() = std::move(fn);
}

void CFilterListCtrl::SetDataDescriptor(FilterDataDescriptor pfn)
{
    m_rows.SetDataDescriptor(pfn);
    viewport()->update();
}

void CFilterListCtrl::EnableFilterList(BOOL bOn)
{
    m_bOwnerData = bOn;
    m_bFilterBar = FALSE;
    CCommonListCtrl::DeleteAllItems();
    if (bOn) {
        m_pHeader->SetFilterBarEnabled(true);
        m_pHeader->SetFilterChangeDelay(kFilterChangeDelay);
        m_pHeader->SetFilterBarShown(false);
    } else {
        m_pHeader->SetFilterBarEnabled(false);
        m_rows.DeleteAllItems();
    }
    m_pFilterModel->SetOwnerData(bOn);
    updateGeometries();
    viewport()->update();
}

int CFilterListCtrl::InsertItem(int nItem, const char *pszText, int /*nImage*/)
{
    if (!m_bOwnerData)
        return CCommonListCtrl::InsertItem(nItem, pszText ? pszText : "");
    return m_rows.InsertItem(nItem);
}

BOOL CFilterListCtrl::SetItemData(int nItem, std::uintptr_t dwData)
{
    // The common list keeps 32-bit data values.
    if (!m_bOwnerData)
        return CCommonListCtrl::SetItemData(nItem, DWORD(dwData));
    return m_rows.SetItemData(nItem, dwData);
}

std::uintptr_t CFilterListCtrl::GetItemData(int nItem) const
{
    if (!m_bOwnerData)
        return CCommonListCtrl::GetItemData(nItem);
    return m_rows.GetItemData(nItem);
}

int CFilterListCtrl::GetItemCount() const
{
    return m_bOwnerData ? m_rows.GetItemCount() : CCommonListCtrl::GetItemCount();
}

BOOL CFilterListCtrl::GetCheck(int nItem) const
{
    return m_bOwnerData ? m_rows.GetCheck(nItem) : FALSE;
}

BOOL CFilterListCtrl::SetCheck(int nItem, BOOL bCheck)
{
    return m_bOwnerData ? m_rows.SetCheck(nItem, bCheck) : FALSE;
}

BOOL CFilterListCtrl::DeleteAllItems()
{
    return m_bOwnerData ? m_rows.DeleteAllItems() : CCommonListCtrl::DeleteAllItems();
}

int CFilterListCtrl::GetVisibleCount() const
{
    return m_bOwnerData ? m_rows.GetVisibleCount() : CCommonListCtrl::GetItemCount();
}

void CFilterListCtrl::ReplaceRows(const std::function<void(CFilterRows &)> &fill)
{
    m_pFilterModel->ResetRows(fill);
}

void CFilterListCtrl::ApplyFilters()
{
    if (!m_bOwnerData || !GetDataDescriptor())
        return;
    CStringArray aTexts;
    for (int c = 0; c < m_pHeader->count(); ++c)
        aTexts.Add(m_pHeader->FilterText(c));
    m_rows.ApplyFilters(aTexts);
}

int CFilterListCtrl::GetFilterText(int nColumn, CString &strText) const
{
    strText = m_pHeader->FilterText(nColumn);
    return strText.GetLength();
}

BOOL CFilterListCtrl::SetFilterText(int nColumn, const CString &strText)
{
    if (nColumn < 0)
        return FALSE;
    m_pHeader->SetFilterText(nColumn, strText);
    m_pHeader->activateWindow();
    return TRUE;
}

void CFilterListCtrl::ToggleFilterBar()
{
    if (m_bFilterBar) {
        if (m_pHeader->isAncestorOf(QApplication::focusWidget()))
            setFocus();
        m_pHeader->SetFilterBarShown(false);
        m_bFilterBar = FALSE;
    } else {
        m_pHeader->SetFilterBarShown(true);
        m_pHeader->SetFilterChangeDelay(kFilterChangeDelay);
        if (m_pHeader->count() > 0)
            EditFilterBox(0);
        m_bFilterBar = TRUE;
    }
    updateGeometries();
    viewport()->update();
}

void CFilterListCtrl::OnColumnClick(int nCol)
{
    if (!m_bOwnerData) {
        CCommonListCtrl::OnColumnClick(nCol);
        return;
    }
    m_rows.SetSortState(SortStateOf(*this));
    const std::vector<sHeaderImage> aImages = m_rows.PrepareColumnSort(nCol);
    SetSortStateOf(*this, m_rows.SortState());
    if (aImages.empty())
        return;
    for (const sHeaderImage &image : aImages)
        SetSortImage(image.nColumn, image.nImage);
    m_rows.SortShownRows();
    SetSortStateOf(*this, m_rows.SortState());
}

QMenu *CFilterListCtrl::BuildHeaderMenu()
{
    QMenu *pMenu = CCommonListCtrl::BuildHeaderMenu();
    pMenu->addAction(QStringLiteral("Reset Filters"))->setData(IDM_RESET_FILTERS);
    return pMenu;
}

void CFilterListCtrl::OnCommand(int nID)
{
    if (nID == IDM_RESET_FILTERS)
        m_pHeader->ClearAllFilters();
    else
        CCommonListCtrl::OnCommand(nID);
}

void CFilterListCtrl::keyboardSearch(const QString &search)
{
    // Typing in an owner-data list never moves the selection.
    if (!m_bOwnerData)
        CCommonListCtrl::keyboardSearch(search);
}

bool CFilterListCtrl::eventFilter(QObject *pWatched, QEvent *pEvent)
{
    if (pEvent->type() == QEvent::KeyPress && m_pHeader->FilterBoxColumn(pWatched) >= 0
        && HandleFilterBoxKey(pWatched, static_cast<QKeyEvent *>(pEvent)))
        return true;
    return CCommonListCtrl::eventFilter(pWatched, pEvent);
}

void CFilterListCtrl::keyPressEvent(QKeyEvent *event)
{
    if (m_bOwnerData && event->key() == Qt::Key_F && (event->modifiers() & Qt::ControlModifier)) {
        ToggleFilterBar();
        event->accept();
        return;
    }
    CCommonListCtrl::keyPressEvent(event);
}

void CFilterListCtrl::paintEvent(QPaintEvent *event)
{
    // Row looks are asked afresh in every paint.
    m_pDelegate->SetOptions(PaintOptions());
    CCommonListCtrl::paintEvent(event);
    if (m_bOwnerData && GetDataDescriptor()) {
        QPainter painter(viewport());
        painter.setClipRegion(event->region());
        DrawFocusRow(painter);
    }
}

void CFilterListCtrl::scrollContentsBy(int dx, int dy)
{
    CCommonListCtrl::scrollContentsBy(dx, dy);
    if (dx)
        m_pHeader->LayoutFilterBoxes();
}

sFilterPaintOptions CFilterListCtrl::PaintOptions() const
{
    sFilterPaintOptions options;
    options.aColPos.assign(m_aColPos.begin(), m_aColPos.end());
    for (const tsTarnColInfoWiz &info : m_aColInfo)
        options.aFormats.push_back(info.nFormat);
    options.aFormats.resize(options.aColPos.size());
    options.nFirstColDef = m_nFirstColDef;
    options.crText = m_look.crText;
    options.crBack = m_look.crBack;
    options.crSelectedFocus = kSelectedFocusColour;
    options.crSelected = kSelectedColour;
    options.bListFocus = hasFocus();
    options.nCurrentRow = currentIndex().row();
    return options;
}

void CFilterListCtrl::DrawFocusRow(QPainter &painter) const
{
    const int nRow = currentIndex().row();
    if (nRow < 0 || nRow >= m_rows.GetVisibleCount())
        return;
    const QRect rcRow(-horizontalOffset(), rowViewportPosition(nRow), horizontalHeader()->length(), rowHeight(nRow));
    if (!rcRow.intersects(viewport()->rect()) || !m_pDelegate->IsRowDrawn(nRow))
        return;
    QStyleOptionFocusRect option;
    option.initFrom(viewport());
    option.rect = rcRow.adjusted(0, 0, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, viewport());
}

void CFilterListCtrl::OnHeaderFilterChange()
{
    if (parentWidget())
        emit filterChanged(GetDlgCtrlID());
}

void CFilterListCtrl::OnFilterButton(int nColumn)
{
    if (parentWidget())
        emit filterButtonClicked(GetDlgCtrlID(), nColumn);
    if (FilterPopupHandler())
        FilterPopupHandler()(this, nColumn);
}

bool CFilterListCtrl::HandleFilterBoxKey(QObject *pBox, QKeyEvent *pKey)
{
    if (!m_bOwnerData)
        return false;
    const bool bCtrl = pKey->modifiers() & Qt::ControlModifier;
    switch (pKey->key()) {
    case Qt::Key_F:
        if (!bCtrl)
            return false;
        ToggleFilterBar();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        MoveFilterFocus(m_pHeader->FilterBoxColumn(pBox),
                        pKey->key() == Qt::Key_Backtab || (pKey->modifiers() & Qt::ShiftModifier));
        return true;
    case Qt::Key_Escape:
        // Back to the rows; the dialog around the list stays open.
        setFocus();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Filters now, and never presses the dialog's default button.
        m_pHeader->ReportPendingChange();
        return true;
    default:
        return false;
    }
}

void CFilterListCtrl::EditFilterBox(int nColumn)
{
    QTimer::singleShot(0, this, [this, nColumn] {
        if (QLineEdit *pBox = m_pHeader->FilterBox(nColumn); pBox && pBox->isVisible()) {
            pBox->setFocus(Qt::TabFocusReason);
            pBox->selectAll();
        }
    });
}

void CFilterListCtrl::MoveFilterFocus(int nFromColumn, bool bBack)
{
    const int n = m_pHeader->count();
    if (n == 0)
        return;
    int nVisual = std::max(m_pHeader->visualIndex(nFromColumn >= 0 ? nFromColumn : m_nFilterFocus), 0);
    // Boxes are walked in the order they are shown, wrapping at either end.
    for (int k = 0; k < n; ++k) {
        nVisual = (nVisual + (bBack ? n - 1 : 1)) % n;
        if (!m_pHeader->isSectionHidden(m_pHeader->logicalIndex(nVisual)))
            break;
    }
    m_nFilterFocus = m_pHeader->logicalIndex(nVisual);
    ScrollColumnIntoView(m_nFilterFocus);
    EditFilterBox(m_nFilterFocus);
}

void CFilterListCtrl::ScrollColumnIntoView(int nColumn)
{
    const int x = columnViewportPosition(nColumn);
    const int nOver = x + columnWidth(nColumn) - viewport()->width();
    QScrollBar *pBar = horizontalScrollBar();
    if (x < 0)
        pBar->setValue(pBar->value() + x);
    else if (nOver > 0)
        pBar->setValue(pBar->value() + std::min(x, nOver));
}
