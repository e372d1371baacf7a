#include "listctrl/ui/CListHeader.h"

#include "listctrl/ui/CListModel.h"

#include <QPainter>

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
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (!model())
        return;
    const int nImage = model()->headerData(logicalIndex, Qt::Horizontal, CListModel::SortImageRole).toInt();
    if (nImage != 0 && nImage != 1)
        return;
    const QPoint at(rect.right() - kImageWidth - 4, rect.center().y() - kImageHeight / 2);
    painter->drawImage(at, SortImage(nImage, palette().color(QPalette::ButtonText)));
}
