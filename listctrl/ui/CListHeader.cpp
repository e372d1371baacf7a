#include "listctrl/ui/CListHeader.h"

#include "listctrl/ui/CListModel.h"

#include <QPainter>
#include <QStyleOptionHeaderV2>

CListHeader::CListHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setSortIndicatorShown(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

QImage CListHeader::SortImage(int nImage, const QColor &colour)
{
    QImage image(kImageWidth, kImageHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (nImage != 0 && nImage != 1)
        return image;
    // A triangle: 9 pixels wide at its base, 1 at its tip.
    for (int row = 0; row < kImageHeight; ++row) {
        const int inset = nImage == 0 ? row : kImageHeight - 1 - row;
        for (int x = inset; x < kImageWidth - inset; ++x)
            image.setPixelColor(x, row, colour);
    }
    return image;
}

void CListHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    const int nImage = model() ? model()->headerData(logicalIndex, Qt::Horizontal, CListModel::SortImageRole).toInt() : 2;
    const bool bImage = nImage == 0 || nImage == 1;
    const QPoint at(rect.right() - kImageWidth - kImageMargin, rect.center().y() - kImageHeight / 2);

    QStyleOptionHeaderV2 option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    painter->save();
    painter->setClipRect(rect);
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    // The heading ends before the sort image and is elided where it does
    // not fit.
    QStyleOptionHeaderV2 label = option;
    label.rect = style()->subElementRect(QStyle::SE_HeaderLabel, &option, this);
    if (bImage)
        label.rect.setRight(std::min(label.rect.right(), at.x() - kImageMargin));
    label.text = label.fontMetrics.elidedText(option.text, Qt::ElideRight, label.rect.width());
    if (label.rect.width() > 0)
        style()->drawControl(QStyle::CE_HeaderLabel, &label, painter, this);
    if (bImage)
        painter->drawImage(at, SortImage(nImage, palette().color(QPalette::ButtonText)));
    painter->restore();
}
