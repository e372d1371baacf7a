#include "filterlist/ui/CFilterHeader.h"

#include "platform/ui/DisplayText.h"

#include <QApplication>
#include <QLineEdit>
#include <QToolButton>

CFilterHeader::CFilterHeader(QWidget *parent)
    : CListHeader(parent)
{
    m_changeTimer.setSingleShot(true);
    connect(&m_changeTimer, &QTimer::timeout, this, &CFilterHeader::filterChanged);
    connect(this, &QHeaderView::sectionCountChanged, this, &CFilterHeader::SyncBoxes);
    connect(this, &QHeaderView::sectionResized, this, &CFilterHeader::LayoutFilterBoxes);
    connect(this, &QHeaderView::sectionMoved, this, &CFilterHeader::LayoutFilterBoxes);
    connect(this, &QHeaderView::geometriesChanged, this, &CFilterHeader::LayoutFilterBoxes);
}

void CFilterHeader::SetFilterBarEnabled(bool bEnabled)
{
    if (!bEnabled)
        SetFilterBarShown(false);
    m_bEnabled = bEnabled;
    SyncBoxes();
}

void CFilterHeader::SetFilterBarShown(bool bShown)
{
    m_bShown = bShown && m_bEnabled;
    setViewportMargins(0, 0, 0, m_bShown ? BarHeight() : 0);
    updateGeometry();
    // The list lays its header and rows out again on this signal.
    emit geometriesChanged();
}

CString CFilterHeader::FilterText(int nColumn) const
{
    if (nColumn < 0 || nColumn >= int(m_aBoxes.size()))
        return CString();
    const sFilterBox &box = m_aBoxes[size_t(nColumn)];
    return FromDisplay(box.pEdit->text(), box.strBytes).Left(kMaxFilterText);
}

void CFilterHeader::ReportPendingChange()
{
    if (m_changeTimer.isActive()) {
        m_changeTimer.stop();
        emit filterChanged();
    }
}

bool CFilterHeader::SetFilterText(int nColumn, const CString &strText)
{
    if (nColumn < 0 || nColumn >= int(m_aBoxes.size()))
        return false;
    sFilterBox &box = m_aBoxes[size_t(nColumn)];
    box.strBytes = strText.Left(kMaxFilterText);
    box.pEdit->setText(ToDisplay(box.strBytes));
    // Setting a text reports a change even when the text stays the same.
    m_changeTimer.start();
    return true;
}

void CFilterHeader::ClearAllFilters()
{
    for (int c = 0; c < int(m_aBoxes.size()); ++c)
        SetFilterText(c, CString());
}

QLineEdit *CFilterHeader::FilterBox(int nColumn) const
{
    return nColumn >= 0 && nColumn < int(m_aBoxes.size()) ? m_aBoxes[size_t(nColumn)].pEdit : nullptr;
}

int CFilterHeader::FilterBoxColumn(const QObject *pWidget) const
{
    for (size_t c = 0; c < m_aBoxes.size(); ++c) {
        if (m_aBoxes[c].pEdit == pWidget || m_aBoxes[c].pButton == pWidget)
            return int(c);
    }
    return -1;
}

void CFilterHeader::SetBoxEventFilter(QObject *pFilter)
{
    for (const sFilterBox &box : m_aBoxes) {
        if (m_pBoxEventFilter) {
            box.pEdit->removeEventFilter(m_pBoxEventFilter);
            box.pButton->removeEventFilter(m_pBoxEventFilter);
        }
        box.pEdit->installEventFilter(pFilter);
        box.pButton->installEventFilter(pFilter);
    }
    m_pBoxEventFilter = pFilter;
}

QSize CFilterHeader::sizeHint() const
{
    QSize size = CListHeader::sizeHint();
    if (m_bShown)
        size.rheight() += BarHeight();
    return size;
}

void CFilterHeader::LayoutFilterBoxes()
{
    const int nBar = BarHeight();
    const int y = height() - nBar;
    for (int c = 0; c < int(m_aBoxes.size()); ++c) {
        const sFilterBox &box = m_aBoxes[size_t(c)];
        const bool bVisible = m_bShown && !isSectionHidden(c);
        box.pEdit->setVisible(bVisible);
        box.pButton->setVisible(bVisible);
        if (!bVisible)
            continue;
        const int x = sectionViewportPosition(c);
        const int w = sectionSize(c);
        const int nButton = std::min(nBar, w / 2);
        box.pEdit->setGeometry(x, y, w - nButton, nBar);
        box.pButton->setGeometry(x + w - nButton, y, nButton, nBar);
    }
}

void CFilterHeader::resizeEvent(QResizeEvent *event)
{
    CListHeader::resizeEvent(event);
    LayoutFilterBoxes();
}

void CFilterHeader::SyncBoxes()
{
    const size_t n = m_bEnabled ? size_t(count()) : 0;
    while (m_aBoxes.size() > n) {
        delete m_aBoxes.back().pEdit;
        delete m_aBoxes.back().pButton;
        m_aBoxes.pop_back();
    }
    while (m_aBoxes.size() < n)
        m_aBoxes.push_back(CreateBox());
    LayoutFilterBoxes();
}

CFilterHeader::sFilterBox CFilterHeader::CreateBox()
{
    const int nColumn = int(m_aBoxes.size());
    auto *pEdit = new QLineEdit(this);
    pEdit->setMaxLength(kMaxFilterText);
    // The boxes stay out of the dialog's Tab order; Tab inside the bar walks
    // the boxes (see the list's keys). A right click gives the header menu.
    pEdit->setFocusPolicy(Qt::ClickFocus);
    pEdit->setContextMenuPolicy(Qt::NoContextMenu);
    pEdit->setFrame(false);
    // The list's own colours (green on black, or rows on a tint) are for its
    // rows; a box shows its text as an ordinary field does.
    const QPalette standard = QApplication::palette(pEdit);
    QPalette palette = pEdit->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Text, QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(role, standard.color(role));
    pEdit->setPalette(palette);
    connect(pEdit, &QLineEdit::textChanged, &m_changeTimer, qOverload<>(&QTimer::start));

    auto *pButton = new QToolButton(this);
    pButton->setArrowType(Qt::DownArrow);
    pButton->setAutoRaise(true);
    pButton->setFocusPolicy(Qt::NoFocus);
    pButton->setContextMenuPolicy(Qt::NoContextMenu);
    connect(pButton, &QToolButton::clicked, this, [this, nColumn] { emit filterButtonClicked(nColumn); });

    if (m_pBoxEventFilter) {
        pEdit->installEventFilter(m_pBoxEventFilter);
        pButton->installEventFilter(m_pBoxEventFilter);
    }
    return {pEdit, pButton, CString()};
}

int CFilterHeader::BarHeight() const
{
    return fontMetrics().height() + 6;
}
