#include "filterlist/ui/CFilterItemDelegate.h"

#include "filterlist/ui/CFilterListModel.h"
#include "listctrl/ui/CCommonListCtrl.h"
#include "platform/ui/DisplayText.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kTextInset = 3;

} // namespace

CFilterItemDelegate::CFilterItemDelegate(const CFilterListModel &model, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_model(model)
{
}

void CFilterItemDelegate::SetOptions(sFilterPaintOptions options)
{
    m_options = std::move(options);
    ++m_nPass;
}

bool CFilterItemDelegate::IsRowDrawn(int nRow) const
{
    return PaintsRows() && RowLook(nRow).bDrawn;
}

bool CFilterItemDelegate::PaintsRows() const
{
    return m_model.IsOwnerData() && m_model.FilterRows().DataDescriptor();
}

void CFilterItemDelegate::paint(QPainter *pPainter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    if (!PaintsRows()) {
        QStyledItemDelegate::paint(pPainter, option, index);
        return;
    }
    const sRowLook &look = RowLook(index.row());
    if (!look.bDrawn)
        return;

    const bool bSelected = option.state & QStyle::State_Selected;
    const bool bFocusRow = m_options.nCurrentRow == index.row();
    QColor back = FromColorRef(look.crBack);
    if (bSelected)
        back = FromColorRef(m_options.bListFocus ? m_options.crSelectedFocus : m_options.crSelected);
    pPainter->fillRect(option.rect, back);

    const std::vector<int> &aColPos = m_options.aColPos;
    const auto it = std::find(aColPos.begin(), aColPos.end(), index.column());
    const int nDef = it == aColPos.end() ? -1 : int(it - aColPos.begin());
    if (nDef < 0 || nDef >= look.nEndDef)
        return;

    // A selected row has white text; on the focus row the text keeps the
    // row's colour, its focus rectangle marks it.
    pPainter->save();
    pPainter->setPen(bSelected && !bFocusRow ? QColor(Qt::white) : FromColorRef(look.crText));
    pPainter->setFont(option.font);
    const QRect rcText = option.rect.adjusted(kTextInset, 0, -kTextInset, 0);
    const QString strShown = option.fontMetrics.elidedText(ToDisplay(look.aTexts[size_t(nDef)]), Qt::ElideRight,
                                                           rcText.width(), Qt::TextSingleLine);
    pPainter->drawText(rcText, int(AlignmentOf(m_options.aFormats[size_t(nDef)])) | Qt::TextSingleLine, strShown);
    pPainter->restore();
}

const CFilterItemDelegate::sRowLook &CFilterItemDelegate::RowLook(int nRow) const
{
    if (m_rowLook.nRow == nRow && m_rowLook.nPass == m_nPass)
        return m_rowLook;
    sRowLook &look = m_rowLook;
    look = sRowLook();
    look.nRow = nRow;
    look.nPass = m_nPass;
    const CFilterRows &rows = m_model.FilterRows();
    const std::uintptr_t dwData = rows.GetItemData(nRow);
    const std::vector<int> &aColPos = m_options.aColPos;
    const int nDefs = int(aColPos.size());
    const int nFirst = m_options.nFirstColDef;
    const bool bFirstAtStart = nFirst >= 0 && nFirst < nDefs && aColPos[size_t(nFirst)] == 0;
    if (dwData == 0 || !bFirstAtStart)
        return look;

    // Definition 0 is always asked: it gives the row its colours.
    look.aTexts.resize(size_t(nDefs));
    look.nEndDef = nDefs;
    for (int d = 0; d < nDefs; ++d) {
        if (d != 0 && aColPos[size_t(d)] == -1)
            continue;
        int nImage = -1;
        if (!rows.DataDescriptor()(dwData, d, &look.aTexts[size_t(d)], &look.crText, &look.crBack, &nImage)) {
            look.nEndDef = d;
            break;
        }
        if (d == 0) {
            look.crText = look.crText == CLR_DEFAULT_CELL ? m_options.crText : look.crText;
            look.crBack = look.crBack == CLR_DEFAULT_CELL ? m_options.crBack : look.crBack;
            look.bDrawn = true;
        }
    }
    return look;
}
