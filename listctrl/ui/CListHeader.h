// The header of a common list: draws each column's sort image (0 descending,
// 1 ascending, 2 not sorted; 9 x 5 pixels) on the right of its heading, which
// ends before the image and is elided (an ellipsis at its end) where it does
// not fit.
#ifndef TARNIW_LISTCTRL_CLISTHEADER_H
#define TARNIW_LISTCTRL_CLISTHEADER_H

#include <QHeaderView>
#include <QImage>

class CListHeader : public QHeaderView
{
    Q_OBJECT
public:
    static constexpr int kImageWidth = 9;
    static constexpr int kImageHeight = 5;
    static constexpr int kImageMargin = 4; // right of the image and left of it

    explicit CListHeader(QWidget *parent = nullptr);

    // The sort image nImage drawn in colour; transparent for "not sorted"
    // and unknown images.
    static QImage SortImage(int nImage, const QColor &colour);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
};

#endif
