#include "filterlist/ui/CReposition.h"

#include "filterlist/ui/CDragDropListCtrl.h"
#include "filterlist/ui/CRepositionDialog.h"
#include "listctrl/ui/CCommonListCtrl.h"
#include "platform/core/Prompts.h"
#include "platform/core/UserAction.h"
#include "platform/ui/DisplayText.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The header is read through a 256-byte text buffer.
const int nMaxHeaderText = 255;

// Items keep their bytes in Qt::UserRole and show them converted.
CString ItemText(const QListWidget &box, int i)
{
    return CString(box.item(i)->data(Qt::UserRole).toByteArray().toStdString());
}

CStringArray Items(const QListWidget &box)
{
    CStringArray aItems;
    for (int i = 0; i < box.count(); ++i)
        aItems.Add(ItemText(box, i));
    return aItems;
}

// The selected items in ascending index order.
CStringArray SelectedItems(const QListWidget &box)
{
    CStringArray aItems;
    for (int i = 0; i < box.count(); ++i) {
        if (box.item(i)->isSelected())
            aItems.Add(ItemText(box, i));
    }
    return aItems;
}

// nIndex -1 appends.
void InsertString(QListWidget &box, int nIndex, const CString &strText)
{
    auto *pItem = new QListWidgetItem(ToDisplay(strText));
    pItem->setData(Qt::UserRole, QByteArray(strText.data(), strText.GetLength()));
    box.insertItem(nIndex < 0 ? box.count() : nIndex, pItem);
}

// The hidden box is sorted by this rather than by Qt, which would compare
// with regard to case.
void AddSorted(QListWidget &box, const CString &strText)
{
    InsertString(box, SortedInsertIndex(Items(box), strText), strText);
}

void DeleteString(QListWidget &box, int nIndex)
{
    if (nIndex >= 0 && nIndex < box.count())
        delete box.takeItem(nIndex);
}

int FindString(const QListWidget &box, const CString &strText)
{
    return FindStringPrefix(Items(box), strText);
}

void FillBox(QListWidget &box, const CStringArray &aItems)
{
    box.clear();
    for (const CString &strText : aItems)
        InsertString(box, -1, strText);
}

CString FormatMessage(const char *pszFormat, const CString &strName)
{
    CString strMsg;
    strMsg.Format(pszFormat, strName.c_str());
    return strMsg;
}

} // namespace

CReposition::CReposition()
{
    CCommonListCtrl::SetRepositionHandler([this](CCommonListCtrl *pList) { Open(pList); });
}

CReposition::~CReposition()
{
    CCommonListCtrl::SetRepositionHandler(nullptr);
    QObject::disconnect(m_listGone);
    if (QCoreApplication::instance())
        delete m_pDlg.data();
}

void CReposition::Open(CCommonListCtrl *pList)
{
    if (!m_pDlg)
        Create(pList);
    AttachTo(pList);
    m_pDlg->show();
    m_pDlg->raise();
    m_pDlg->activateWindow();
    LoadFromList(pList);
}

void CReposition::Create(QWidget *pParent)
{
    m_pDlg = new CRepositionDialog(pParent);
    QObject::connect(m_pDlg, &CRepositionDialog::toVisibleClicked, m_pDlg, [this] { OnToVisible(); });
    QObject::connect(m_pDlg, &CRepositionDialog::toHiddenClicked, m_pDlg, [this] { OnToHidden(); });
    QObject::connect(m_pDlg, &CRepositionDialog::saveClicked, m_pDlg, [this] { OnSave(); });
    QObject::connect(m_pDlg, &CRepositionDialog::hiddenDoubleClicked, m_pDlg, [this] { OnDblClkHidden(); });
    QObject::connect(m_pDlg, &CRepositionDialog::visibleDoubleClicked, m_pDlg, [this] { OnDblClkVisible(); });
}

// The window stays a child of the list that opened it last, and lets go of
// the list when it is destroyed.
void CReposition::AttachTo(CCommonListCtrl *pList)
{
    if (m_pDlg->parentWidget() != pList)
        m_pDlg->setParent(pList, m_pDlg->windowFlags());
    QObject::disconnect(m_listGone);
    m_listGone = QObject::connect(pList, &QObject::destroyed, m_pDlg, [this] { OnListDestroyed(); });
}

// A widget announces its destruction before it deletes its children, so the
// window can still leave it here. Were the window gone with it, the guarded
// pointers would be null and the next opening would build a new one.
void CReposition::OnListDestroyed()
{
    m_pList = nullptr;
    m_pDlg->hide();
    m_pDlg->setParent(nullptr, m_pDlg->windowFlags());
}

void CReposition::LoadFromList(CCommonListCtrl *pList)
{
    m_pList = pList;
    std::vector<sHeaderItem> aHeader;
    for (int c = 0; c < pList->GetColumnCount(); ++c)
        aHeader.push_back({pList->GetColumnHeading(c).Left(nMaxHeaderText), pList->GetColumnWidth(c),
                           pList->GetColumnOrder(c)});
    sColumnLists lists = LoadColumnLists(pList->m_aColInfo, aHeader);
    m_mapColInfo = std::move(lists.mapColInfo);
    FillBox(*HiddenBox(), lists.aHidden);
    FillBox(*VisibleBox(), lists.aVisible);
}

void CReposition::OnToVisible()
{
    const CStringArray aMoved = SelectedItems(*HiddenBox());
    for (const CString &strName : aMoved)
        InsertString(*VisibleBox(), -1, strName);
    for (const CString &strName : aMoved)
        DeleteString(*HiddenBox(), FindString(*HiddenBox(), strName));
}

void CReposition::OnToHidden()
{
    CStringArray aMoved;
    for (const CString &strName : SelectedItems(*VisibleBox())) {
        if (IsFixed(strName)) {
            AfxMessageBox(FormatMessage("Can not hide %s", strName));
            // The message box runs the event loop; the window may have gone.
            if (!m_pDlg)
                return;
            continue;
        }
        AddSorted(*HiddenBox(), strName);
        aMoved.Add(strName);
    }
    for (const CString &strName : aMoved)
        DeleteString(*VisibleBox(), FindString(*VisibleBox(), strName));
}

void CReposition::OnDblClkHidden()
{
    const int i = HiddenBox()->currentRow();
    if (i < 0)
        return;
    const CString strName = ItemText(*HiddenBox(), i);
    DeleteString(*HiddenBox(), i);
    InsertString(*VisibleBox(), -1, strName);
}

void CReposition::OnDblClkVisible()
{
    const int i = VisibleBox()->currentRow();
    if (i < 0)
        return;
    const CString strName = ItemText(*VisibleBox(), i);
    if (IsFixed(strName)) {
        AfxMessageBox(FormatMessage("Cant not Hide %s", strName));
        return;
    }
    DeleteString(*VisibleBox(), i);
    AddSorted(*HiddenBox(), strName);
}

void CReposition::OnSave()
{
    const bool bDone = !m_pList || RunUserAction([this] {
        CArray<int> aDefs;
        CArray<int> aWidths;
        BuildRepositionLayout(Items(*VisibleBox()), m_pList->m_mapColIndex, m_mapColInfo, aDefs, aWidths);
        // Takes every column away first, then inserts the new ones.
        m_pList->ApplyColumnLayout(aDefs, aWidths);
        m_pList->SaveColumnProfile();
    });
    if (!bDone)
        return; // abandoned: the dialog stays open
    // A failed save showed a message box, during which the list may have gone.
    if (m_pDlg)
        m_pDlg->accept();
}

CRepositionDialog *CReposition::GetDialog() const
{
    return m_pDlg;
}

CDragDropListCtrl *CReposition::HiddenBox() const
{
    return m_pDlg ? m_pDlg->HiddenBox() : nullptr;
}

CDragDropListCtrl *CReposition::VisibleBox() const
{
    return m_pDlg ? m_pDlg->VisibleBox() : nullptr;
}

CCommonListCtrl *CReposition::GetList() const
{
    return m_pList;
}

bool CReposition::IsFixed(const CString &strName) const
{
    if (!m_pList)
        return false;
    const CStringArray &aFixed = m_pList->m_aFixedCols;
    return std::find(aFixed.begin(), aFixed.end(), strName) != aFixed.end();
}
