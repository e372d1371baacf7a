#include "filterlist/ui/CInPlaceCombo.h"

#include "platform/ui/DisplayText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace
{
bool LessIgnoringCase(const CString &a, const CString &b)
{
    return QString::compare(ToDisplay(a), ToDisplay(b), Qt::CaseInsensitive) < 0;
}
}

CInPlaceCombo &CInPlaceCombo::Instance()
{
    static auto *pInstance = new CInPlaceCombo;
    return *pInstance;
}

void CInPlaceCombo::Open(const QRect &rect, QWidget *pParent, int nItem, int nSubItem, const CStringArray &choices,
                         const CString &strText)
{
    BeginEdit(nItem, nSubItem, strText);
    m_choices = choices;
    if (!Combo())
        CreateComboWindow(rect, pParent);
    if (!strText.IsEmpty() && strText != " " && FindStringExact(strText) < 0)
        AddString(strText);
    if (strText.IsEmpty())
        Combo()->setCurrentIndex(0);
    else
        SelectString(0, strText);
}

int CInPlaceCombo::SelectString(int nStartAfter, const CString &str)
{
    const int nCount = int(m_entries.size());
    if (!Combo() || nCount == 0)
        return -1;
    const QString strPrefix = ToDisplay(str);
    const int nFrom = qMax(nStartAfter, -1);
    for (int k = 1; k <= nCount; ++k) {
        const int i = (nFrom + k) % nCount;
        if (ToDisplay(m_entries[size_t(i)]).startsWith(strPrefix, Qt::CaseInsensitive)) {
            Combo()->setCurrentIndex(i);
            return i;
        }
    }
    return -1;
}

CString CInPlaceCombo::GetWindowText() const
{
    const int nSel = Combo() ? Combo()->currentIndex() : -1;
    return nSel >= 0 && nSel < int(m_entries.size()) ? m_entries[size_t(nSel)] : CString();
}

bool CInPlaceCombo::eventFilter(QObject *pWatched, QEvent *pEvent)
{
    // The drop-down list closed, picked or dismissed. A picked entry becomes
    // the selection only after the list has hidden, so the edit ends a moment
    // later, if it is still going on in this window.
    if (pEvent->type() == QEvent::Hide && Combo() && pWatched == Combo()->view()->parentWidget()) {
        QComboBox *pCombo = Combo();
        QTimer::singleShot(0, pCombo, [this, pCombo] {
            if (pCombo->hasFocus())
                EndToParent();
        });
        return false;
    }
    return CInPlaceEditor::eventFilter(pWatched, pEvent);
}

QComboBox *CInPlaceCombo::Combo() const
{
    return static_cast<QComboBox *>(GetWindow());
}

void CInPlaceCombo::CreateComboWindow(const QRect &rect, QWidget *pParent)
{
    auto *pCombo = new QComboBox(pParent);
    AttachWindow(pCombo);
    pCombo->view()->parentWidget()->installEventFilter(this);
    m_rcDropDown = rect;
    m_entries.clear();
    for (const CString &strChoice : m_choices)
        AddString(strChoice);
    pCombo->setCurrentIndex(-1);

    // The field keeps its natural height; the rest of the rectangle is the
    // drop-down list's room, counted in fields.
    const int nFieldHeight = pCombo->sizeHint().height();
    pCombo->setGeometry(rect.x(), rect.y(), rect.width(), nFieldHeight);
    pCombo->setMaxVisibleItems(qMax(1, rect.height() / nFieldHeight - 1));
    pCombo->show();
    pCombo->setFocus(Qt::OtherFocusReason);
}

void CInPlaceCombo::AddString(const CString &str)
{
    const auto it = std::upper_bound(m_entries.begin(), m_entries.end(), str, LessIgnoringCase);
    Combo()->insertItem(int(it - m_entries.begin()), ToDisplay(str));
    m_entries.insert(it, str);
}

int CInPlaceCombo::FindStringExact(const CString &str) const
{
    const QString strShown = ToDisplay(str);
    const auto it = std::find_if(m_entries.begin(), m_entries.end(), [&strShown](const CString &entry) {
        return QString::compare(ToDisplay(entry), strShown, Qt::CaseInsensitive) == 0;
    });
    return it == m_entries.end() ? -1 : int(it - m_entries.begin());
}
