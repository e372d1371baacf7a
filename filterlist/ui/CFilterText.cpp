#include "filterlist/ui/CFilterText.h"

#include "filterlist/core/FilterValues.h"
#include "filterlist/ui/CFilterListCtrl.h"
#include "resources/ui/DlgCtrlId.h"
#include "platform/ui/DisplayText.h"
#include "resources/core/Resource.h"
#include "resources/ui/DlgLayout.h"

#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace {

// The bytes of an entry, kept beside its shown text.
constexpr int kBytesRole = Qt::UserRole;

// The top left corner at pos, moved just enough to keep the window on the
// screen under pos.
QPoint PlaceOnScreen(const QPoint &pos, const QSize &size)
{
    const QScreen *pScreen = QGuiApplication::screenAt(pos);
    if (!pScreen)
        return pos;
    const QRect rcScreen = pScreen->availableGeometry();
    return QPoint(std::max(rcScreen.left(), std::min(pos.x(), rcScreen.right() + 1 - size.width())),
                  std::max(rcScreen.top(), std::min(pos.y(), rcScreen.bottom() + 1 - size.height())));
}

} // namespace

CFilterText::CFilterText()
{
    CFilterListCtrl::SetFilterPopupHandler([this](CFilterListCtrl *pList, int nColumn) { Open(pList, nColumn); });
}

CFilterText::~CFilterText()
{
    CFilterListCtrl::SetFilterPopupHandler(nullptr);
    if (QCoreApplication::instance())
        delete m_pWnd;
}

void CFilterText::Open(CFilterListCtrl *pList, int nColumn)
{
    if (!m_pWnd)
        Create();
    m_pWnd->move(PlaceOnScreen(QCursor::pos(), m_pWnd->size()));
    m_pWnd->show();
    m_pWnd->raise();
    FillValues(*pList, nColumn);
    SetTarget(pList, nColumn);
    m_pValues->setFocus();
}

void CFilterText::SetTarget(CFilterListCtrl *pList, int nColumn)
{
    m_pList = pList;
    m_nColumn = nColumn;
}

void CFilterText::ApplyChoice()
{
    if (!m_pList || !m_pValues)
        return;
    CStringArray aChosen;
    for (int i = 0; i < m_pValues->count(); ++i) {
        const QListWidgetItem *pItem = m_pValues->item(i);
        if (pItem->isSelected())
            aChosen.Add(CString(pItem->data(kBytesRole).toByteArray().toStdString()));
    }
    m_pList->SetFilterText(m_nColumn, JoinFilterValues(aChosen));
}

bool CFilterText::eventFilter(QObject *pWatched, QEvent *pEvent)
{
    // The event type first: while the list is being destroyed its events
    // still pass here, and m_pValues may not be looked at as a list then.
    if (pEvent->type() == QEvent::KeyPress && pWatched == m_pValues) {
        const int nKey = static_cast<QKeyEvent *>(pEvent)->key();
        if (nKey == Qt::Key_Return || nKey == Qt::Key_Enter) {
            ApplyChoice();
            m_pWnd->accept();
            return true;
        }
    }
    return QObject::eventFilter(pWatched, pEvent);
}

void CFilterText::Create()
{
    m_pWnd = new QDialog;
    m_pValues = new QListWidget(m_pWnd);
    SetDlgCtrlID(m_pValues, IDC_FILTER_VALUES);
    m_pValues->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pValues->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pValues->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pValues->installEventFilter(this);
    // The cancel command: hidden, it closes the popup like Escape.
    auto *pCancel = new QPushButton(QStringLiteral("Cancel"), m_pWnd);
    SetDlgCtrlID(pCancel, IDCANCEL);
    pCancel->setAutoDefault(false);
    QObject::connect(pCancel, &QPushButton::clicked, m_pWnd, &QDialog::reject);
    ApplyDlgTemplate(m_pWnd, GetDlgTemplate(IDD_FILTERTEXT));

    // Applying the choice moves the activation to the list's header, which
    // closes the popup, as any click outside it does.
    QObject::connect(m_pValues, &QListWidget::itemDoubleClicked, m_pWnd, [this] {
        ApplyChoice();
        m_pWnd->accept();
    });
}

void CFilterText::FillValues(const CFilterListCtrl &list, int nColumn)
{
    m_pValues->clear();
    const int nHeight = m_pValues->fontMetrics().height() + 2;
    // The values come sorted ignoring case and told apart ignoring case.
    for (const CString &strValue : CollectFilterValues(list.FilterRows(), nColumn)) {
        auto *pItem = new QListWidgetItem(ToDisplay(strValue), m_pValues);
        pItem->setData(kBytesRole, QByteArray(strValue.data(), strValue.GetLength()));
        pItem->setSizeHint(QSize(kHorizontalExtent, nHeight));
    }
}
