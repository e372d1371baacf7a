#include "listctrl/ui/CCommonListCtrl.h"

#include "listctrl/core/ColumnProfile.h"
#include "listctrl/core/ControlAnchor.h"
#include "listctrl/ui/CListHeader.h"
#include "listctrl/ui/CListModel.h"
#include "listctrl/ui/CListRegistry.h"
#include "resources/ui/DlgCtrlId.h"
#include "platform/core/Prompts.h"
#include "platform/core/UserAction.h"
#include "platform/ui/DisplayText.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

CCommonListCtrl::RepositionFn &RepositionHandler()
{
    static CCommonListCtrl::RepositionFn fn;
    return fn;
}

QAction *AddCommand(QMenu *pMenu, const char *pszText, int nID, bool bEnabled = true)
{
    QAction *action = pMenu->addAction(QString::fromLatin1(pszText));
    action->setData(nID);
    action->setEnabled(bEnabled);
    return action;
}

} // namespace

QColor FromColorRef(COLORREF cr)
{
    return QColor(int(cr & 0xFF), int((cr >> 8) & 0xFF), int((cr >> 16) & 0xFF));
}

CCommonListCtrl::CCommonListCtrl(QWidget *parent)
    : QTableView(parent)
{
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setSortingEnabled(false);
    SetListModel(new CListModel(this));
    SetHeader(new CListHeader(this));
}

CCommonListCtrl::~CCommonListCtrl()
{
    const auto it = std::find(theListRegistry.begin(), theListRegistry.end(), this);
    if (it != theListRegistry.end())
        theListRegistry.erase(it);
}

BOOL CCommonListCtrl::Create(QWidget *pParentWnd, int nID)
{
    setParent(pParentWnd);
    SetDlgCtrlID(nID);
    SetExtendedStyle(LVS_EX_FULLROWSELECT);
    InitList();
    return TRUE;
}

void CCommonListCtrl::InitList()
{
    if (m_bInitialised)
        return;
    m_bInitialised = true;
    if (m_nSortCol < GetColumnCount())
        SetSortImage(m_nSortCol, 0);
    m_nPrevSortCol = m_nSortCol;
    m_nSortDir = -1;
    SetExtendedStyle(m_dwExStyle | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT);
    ApplyColours(0x000000, 0x00FF00);
    UpdateRowHeight();
    if (!FindParentDialog() || !m_bCustomize)
        return;

    theListRegistry.push_front(this);
    if (ReadListColours(GetDlgCtrlID(), m_look.crBack, m_look.crText))
        m_bCustomColours = true;
    ApplyFont(m_look.strFontName, m_look.strFontSize);
    if (m_bApplyColours)
        ApplyColours(m_look.crBack, m_look.crText);
}

void CCommonListCtrl::SetDlgCtrlID(int nID)
{
    ::SetDlgCtrlID(this, nID);
}

int CCommonListCtrl::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(this);
}

CString CCommonListCtrl::GetItemText(int nItem, int nSubItem) const
{
    return m_pModel->CellText(nItem, nSubItem);
}

int CCommonListCtrl::InsertItem(int nItem, const CString &strText)
{
    return m_pModel->InsertRow(nItem, strText);
}

BOOL CCommonListCtrl::SetItemText(int nItem, int nSubItem, const CString &strText)
{
    return m_pModel->SetCell(nItem, nSubItem, strText);
}

BOOL CCommonListCtrl::SetItemData(int nItem, DWORD dwData)
{
    return m_pModel->Rows().SetItemData(nItem, dwData);
}

DWORD CCommonListCtrl::GetItemData(int nItem) const
{
    return m_pModel->Rows().GetItemData(nItem);
}

BOOL CCommonListCtrl::DeleteItem(int nItem)
{
    return m_pModel->RemoveRow(nItem);
}

BOOL CCommonListCtrl::DeleteAllItems()
{
    m_pModel->RemoveAllRows();
    return TRUE;
}

int CCommonListCtrl::GetItemCount() const
{
    return m_pModel->rowCount();
}

int CCommonListCtrl::InsertColumn(int nCol, const CString &strHeading, int nFormat, int nWidth)
{
    const int nAt = m_pModel->InsertColumn(nCol, strHeading, nFormat);
    if (nAt >= 0)
        SetColumnWidth(nAt, nWidth);
    return nAt;
}

BOOL CCommonListCtrl::DeleteColumn(int nCol)
{
    return m_pModel->RemoveColumn(nCol);
}

int CCommonListCtrl::GetColumnCount() const
{
    return m_pModel->ColumnCount();
}

CString CCommonListCtrl::GetColumnHeading(int nCol) const
{
    return m_pModel->ColumnHeading(nCol);
}

int CCommonListCtrl::GetColumnWidth(int nCol) const
{
    return horizontalHeader()->sectionSize(nCol);
}

void CCommonListCtrl::SetColumnWidth(int nCol, int nWidth)
{
    horizontalHeader()->resizeSection(nCol, std::max(nWidth, 0));
}

int CCommonListCtrl::GetColumnOrder(int nCol) const
{
    return horizontalHeader()->visualIndex(nCol);
}

void CCommonListCtrl::BuildColumns()
{
    ShowColumns(StoredLayout(false));
}

void CCommonListCtrl::RebuildColumns()
{
    const sColumnLayout layout = StoredLayout(true);
    while (GetColumnCount() > 0)
        DeleteColumn(0);
    ShowColumns(layout);
    if (FindParentDialog())
        emit columnsRepositioned(GetDlgCtrlID());
}

sColumnLayout CCommonListCtrl::StoredLayout(bool bMustFit)
{
    m_nColDefCount = m_aColInfo.GetSize();
    CString strProfile;
    const bool bProfile = ColumnProfileIO(0, m_strProfileName, strProfile)
                          && (!bMustFit || ProfileFitsDefinitions(strProfile, m_nColDefCount));
    return BuildColumnLayout(m_aColInfo, m_aDefaultColPos, bProfile ? &strProfile : nullptr);
}

void CCommonListCtrl::ShowColumns(const sColumnLayout &layout)
{
    m_aColPos = layout.aColPos;
    m_nFirstColDef = layout.nFirstColDef;
    InsertColumns(layout.aColumns);
}

void CCommonListCtrl::InsertColumns(const std::vector<sColumnSpec> &aColumns)
{
    const int nFirst = GetColumnCount();
    std::vector<std::pair<CString, int>> columns;
    for (const sColumnSpec &column : aColumns)
        columns.emplace_back(column.strHeading, column.nFormat);
    m_pModel->AppendColumns(columns);
    for (size_t i = 0; i < aColumns.size(); ++i)
        SetColumnWidth(nFirst + int(i), aColumns[i].nWidth);
}

void CCommonListCtrl::SaveColumnProfile()
{
    std::vector<std::pair<CString, int>> header;
    for (int c = 0; c < GetColumnCount(); ++c)
        header.emplace_back(GetColumnHeading(c), GetColumnWidth(c));
    CString strValue = BuildColumnProfileText(m_aColInfo, m_aColPos, header);
    if (!ColumnProfileIO(1, m_strProfileName, strValue))
        AfxMessageBox(kMsgSaveProfileFailed);
}

void CCommonListCtrl::ApplyColumnLayout(const CArray<int> &aDefs, const CArray<int> &aWidths)
{
    while (GetColumnCount() > 0)
        DeleteColumn(0);
    const int n = m_aColInfo.GetSize();
    m_aColPos.assign(size_t(n), -1);
    m_aColWidth.assign(size_t(n), 0);
    // Each definition is shown once, at the first place it is named; names
    // repeated or unknown take no place.
    std::vector<int> shown;
    for (int k = 0; k < aDefs.GetSize(); ++k) {
        const int d = aDefs.GetAt(k);
        if (d < 0 || d >= n || m_aColPos.GetAt(d) != -1)
            continue;
        m_aColPos.SetAt(d, int(shown.size()));
        m_aColWidth.SetAt(d, aWidths.GetAt(k));
        shown.push_back(d);
    }
    m_nFirstColDef = shown.empty() ? m_nFirstColDef : shown.front();
    std::vector<sColumnSpec> columns;
    for (int d : shown) {
        const tsTarnColInfoWiz &info = m_aColInfo.GetAt(d);
        columns.push_back({d, info.szName, info.nFormat, m_aColWidth.GetAt(d)});
    }
    InsertColumns(columns);
    if (FindParentDialog())
        emit columnsRepositioned(GetDlgCtrlID());
}

BOOL CCommonListCtrl::AddHeaderToolTip(int nCol, const char *pszText)
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return FALSE;
    m_pModel->SetColumnTip(nCol, pszText ? CString(pszText) : GetColumnHeading(nCol));
    return TRUE;
}

QDialog *CCommonListCtrl::FindParentDialog() const
{
    for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (auto *dialog = qobject_cast<QDialog *>(w))
            return dialog;
    }
    return nullptr;
}

void CCommonListCtrl::ApplyFont(const CString &strFontName, const CString &strFontSize)
{
    QFont f = font();
    f.setFamily(ToDisplay(strFontName.Left(31)));
    const int nPoints = std::atoi(strFontSize.c_str());
    if (nPoints > 0)
        f.setPointSize(nPoints);
    setFont(f);
}

void CCommonListCtrl::OnCommand(int nID)
{
    switch (nID) {
    case IDM_REPOSITION_COLUMNS:
        if (RepositionHandler())
            RepositionHandler()(this);
        break;
    case IDM_FIT_TO_DATA:
    case IDM_FIT_TO_HEADER:
    case IDM_FIT_TO_WINDOW:
        FitColumns(nID);
        break;
    case IDM_WRITE_TO_EXCEL:
        WriteToExcel();
        break;
    case IDM_READ_FROM_EXCEL:
        AfxMessageBox("not available");
        break;
    case IDM_DRAW_GRID_LINES:
        ToggleGridLines();
        break;
    default:
        break;
    }
}

void CCommonListCtrl::FitColumns(int nCommand)
{
    setUpdatesEnabled(false);
    QHeaderView *header = horizontalHeader();
    const int k = GetColumnCount();
    const int cw = viewport()->width();
    for (int c = 0; c < k; ++c) {
        const int dw = sizeHintForColumn(c);
        const int hw = std::max(dw, header->sectionSizeHint(c));
        SetColumnWidth(c, FitColumnWidth(nCommand, dw, hw, cw, k));
    }
    if (m_bHeaderTips) {
        for (int i = 0; i < m_aColInfo.GetSize() && i < m_nColDefCount; ++i) {
            const int p = m_aColPos.GetAt(i);
            if (p != -1)
                AddHeaderToolTip(p, m_aColInfo.GetAt(i).szName);
        }
    }
    setUpdatesEnabled(true);
    header->viewport()->update();
    viewport()->update();
}

void CCommonListCtrl::CopySelection()
{
    m_strClipText.Empty();
    std::set<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows.insert(index.row());
    const int nColumns = GetColumnCount();
    for (int r : rows) {
        for (int c = 0; c < nColumns; ++c)
            m_strClipText += GetItemText(r, c) + "\t";
        m_strClipText += "\n";
    }
    PutClipText();
}

BOOL CCommonListCtrl::PutClipText()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return FALSE;
    auto *mime = new QMimeData;
    mime->setData(QStringLiteral("text/plain"), QByteArray(m_strClipText.data(), m_strClipText.GetLength()));
    clipboard->setMimeData(mime);
    return TRUE;
}

void CCommonListCtrl::ToggleGridLines()
{
    SetExtendedStyle(m_dwExStyle ^ LVS_EX_GRIDLINES);
}

void CCommonListCtrl::WriteToExcel()
{
    if (GetItemCount() == 0)
        AfxMessageBox("No Items in the List");
}

void CCommonListCtrl::SetBkColor(COLORREF crBack)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, FromColorRef(crBack));
    pal.setColor(QPalette::Window, FromColorRef(crBack));
    setPalette(pal);
    viewport()->update();
}

void CCommonListCtrl::SetExtendedStyle(DWORD dwExStyle)
{
    m_dwExStyle = dwExStyle;
    setShowGrid(dwExStyle & LVS_EX_GRIDLINES);
    horizontalHeader()->setSectionsMovable(dwExStyle & LVS_EX_HEADERDRAGDROP);
    setSelectionBehavior(dwExStyle & LVS_EX_FULLROWSELECT ? SelectRows : SelectItems);
}

QMenu *CCommonListCtrl::BuildRowMenu()
{
    auto *menu = new QMenu(this);
    AddCommand(menu, "Write to Excel\tShift+E", IDM_WRITE_TO_EXCEL, m_bWriteToExcel);
    AddCommand(menu, "Read from Excel", IDM_READ_FROM_EXCEL, m_bReadFromExcel);
    AddCommand(menu, "Draw Grid Lines\tShift+G", IDM_DRAW_GRID_LINES);
    connect(menu, &QMenu::triggered, this,
            [this](QAction *action) { RunUserAction([=] { OnCommand(action->data().toInt()); }); });
    return menu;
}

QMenu *CCommonListCtrl::BuildHeaderMenu()
{
    auto *menu = new QMenu(this);
    if (m_bRepositionMenu) {
        AddCommand(menu, "Reposition Columns", IDM_REPOSITION_COLUMNS);
        AddCommand(menu, "Fit to Data", IDM_FIT_TO_DATA);
    } else {
        AddCommand(menu, "Fit To Data", IDM_FIT_TO_DATA);
    }
    AddCommand(menu, "Fit to Header Size", IDM_FIT_TO_HEADER);
    AddCommand(menu, "Fit to Window", IDM_FIT_TO_WINDOW);
    connect(menu, &QMenu::triggered, this,
            [this](QAction *action) { RunUserAction([=] { OnCommand(action->data().toInt()); }); });
    return menu;
}

bool CCommonListCtrl::PreTranslateKey(QKeyEvent *pEvent)
{
    return TranslateKey(pEvent) == KeyResult::Consumed;
}

CCommonListCtrl::KeyResult CCommonListCtrl::TranslateKey(QKeyEvent *pEvent)
{
    if (pEvent->type() != QEvent::KeyPress)
        return KeyResult::None;
    const bool bCtrl = pEvent->modifiers() & Qt::ControlModifier;
    const bool bShift = pEvent->modifiers() & Qt::ShiftModifier;
    switch (pEvent->key()) {
    case Qt::Key_A:
        if (!bCtrl)
            return KeyResult::None;
        selectAll();
        return KeyResult::Acted;
    case Qt::Key_C:
        if (!bCtrl)
            return KeyResult::None;
        RunUserAction([this] { CopySelection(); });
        return KeyResult::Acted;
    case Qt::Key_E:
        if (!bShift || bCtrl)
            return KeyResult::None;
        WriteToExcel();
        return KeyResult::Consumed;
    case Qt::Key_G:
        if (!bShift || bCtrl)
            return KeyResult::None;
        ToggleGridLines();
        // Not consumed: the letter goes on to the list's own type-ahead, as
        // any other letter does. Only Shift+E is swallowed.
        return KeyResult::None;
    case Qt::Key_Menu:
        TrackPopupMenu(BuildRowMenu());
        return KeyResult::Acted;
    default:
        return KeyResult::None;
    }
}

void CCommonListCtrl::OnColumnClick(int nCol)
{
    m_nSortCol = nCol;
    m_nSortDir = nCol == m_nPrevSortCol ? -m_nSortDir : -1;
    const int nPrev = m_nPrevSortCol;
    m_nPrevSortCol = nCol;
    const int d = DefinitionAt(nCol);
    m_nSortType = d >= 0 ? m_aColInfo.GetAt(d).nType : 0;

    m_pModel->SortRows(nCol, m_nSortType, m_nSortDir);
    if (m_nSortDir == -1) {
        if (nPrev != nCol && nPrev != -1)
            SetSortImage(nPrev, 2);
        SetSortImage(nCol, 0);
    } else {
        SetSortImage(nCol, 1);
    }
}

void CCommonListCtrl::SetSortImage(int nCol, int nImage)
{
    m_pModel->SetColumnImage(nCol, nImage);
}

int CCommonListCtrl::GetSortImage(int nCol) const
{
    return m_pModel->ColumnImage(nCol);
}

bool CCommonListCtrl::GetRowTipText(int nRow, CString &strText)
{
    return m_pfnTipText && nRow >= 0 && nRow < GetItemCount() && m_pfnTipText(nRow, strText, this);
}

void CCommonListCtrl::SetRepositionHandler(RepositionFn fn)
{
    RepositionHandler() = std::move(fn);
}

void CCommonListCtrl::SetListModel(CListModel *pModel)
{
    CListModel *pOld = m_pModel;
    m_pModel = pModel;
    pModel->setParent(this);
    pModel->SetRowTipProvider([this](int nRow, CString &strText) { return GetRowTipText(nRow, strText); });
    setModel(pModel);
    delete pOld;
}

void CCommonListCtrl::SetHeader(CListHeader *pHeader)
{
    setHorizontalHeader(pHeader);
    connect(pHeader, &QHeaderView::sectionClicked, this,
            [this](int nCol) { RunUserAction([=] { OnColumnClick(nCol); }); });
    connect(pHeader, &QWidget::customContextMenuRequested, this, [this] { TrackPopupMenu(BuildHeaderMenu()); });
    SetExtendedStyle(m_dwExStyle);
}

void CCommonListCtrl::TrackPopupMenu(QMenu *pMenu)
{
    pMenu->exec(QCursor::pos());
    delete pMenu;
}

void CCommonListCtrl::keyPressEvent(QKeyEvent *event)
{
    if (TranslateKey(event) == KeyResult::None)
        QTableView::keyPressEvent(event);
    else
        event->accept();
}

void CCommonListCtrl::contextMenuEvent(QContextMenuEvent *event)
{
    TrackPopupMenu(BuildRowMenu());
    event->accept();
}

void CCommonListCtrl::paintEvent(QPaintEvent *event)
{
    if (m_bCustomErase)
        EraseEmptyArea();
    QTableView::paintEvent(event);
}

void CCommonListCtrl::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        UpdateRowHeight();
}

void CCommonListCtrl::ApplyColours(COLORREF crBack, COLORREF crText)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, FromColorRef(crText));
    setPalette(pal);
    SetBkColor(crBack);
}

void CCommonListCtrl::UpdateRowHeight()
{
    const QFontMetrics fm(font());
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fm.height() + std::max(fm.leading(), 0) + 1);
}

// Black below the last row, right of the last column and in a 4-pixel strip
// at the left edge.
void CCommonListCtrl::EraseEmptyArea()
{
    const QRect client = viewport()->rect();
    const int nRows = GetItemCount();
    const int nCols = GetColumnCount();
    const int y = nRows > 0 ? rowViewportPosition(nRows - 1) + rowHeight(nRows - 1) : 0;
    int x = 0;
    for (int c = 0; c < nCols; ++c)
        x = std::max(x, columnViewportPosition(c) + columnWidth(c));
    QPainter painter(viewport());
    painter.fillRect(QRect(QPoint(client.left(), y), client.bottomRight()), Qt::black);
    painter.fillRect(QRect(QPoint(x, client.top()), QPoint(client.right(), y)), Qt::black);
    painter.fillRect(QRect(client.left(), client.top(), 4, y - client.top()), Qt::black);
}

int CCommonListCtrl::DefinitionAt(int nCol) const
{
    for (int d = 0; d < m_aColPos.GetSize(); ++d) {
        if (m_aColPos.GetAt(d) == nCol)
            return d;
    }
    return -1;
}
