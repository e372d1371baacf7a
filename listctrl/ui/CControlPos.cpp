#include "listctrl/ui/CControlPos.h"

#include "resources/ui/DlgCtrlId.h"

CControlPos::CControlPos(QWidget *pParent)
    : m_pParent(pParent)
{
}

CControlPos::~CControlPos()
{
    RemoveAll();
}

void CControlPos::SetParent(QWidget *pParent)
{
    m_pParent = pParent;
    if (pParent) {
        m_nMinWidth = pParent->width();
        m_nMinHeight = pParent->height();
    }
    UpdateSize();
}

BOOL CControlPos::AddControl(int nID, DWORD dwFlags)
{
    QWidget *pControl = GetDlgItem(m_pParent, nID);
    if (!pControl)
        return FALSE;
    m_aEntries.push_back({pControl, dwFlags});
    return TRUE;
}

void CControlPos::MoveControls()
{
    if (!m_pParent)
        return;
    const sAnchorDelta delta = AnchorDelta(m_nWidth, m_nHeight, m_pParent->width(), m_pParent->height(),
                                           m_nMinWidth, m_nMinHeight, m_bNoMinimum);
    for (const Entry &entry : m_aEntries) {
        if (!entry.pControl)
            continue;
        const QRect g = entry.pControl->geometry();
        const sAnchorRect r = AnchorRect({g.left(), g.top(), g.left() + g.width(), g.top() + g.height()},
                                         entry.dwFlags, delta);
        entry.pControl->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    UpdateSize();
    m_pParent->update();
}

void CControlPos::UpdateSize()
{
    if (!m_pParent)
        return;
    m_nWidth = m_pParent->width();
    m_nHeight = m_pParent->height();
}

void CControlPos::RemoveAll()
{
    m_aEntries.clear();
}
