// The arithmetic of reordering a list box by dragging: which item a point
// hits, where the insertion mark lies, how fast the box scrolls while the
// pointer is above or below it, and where a dropped item lands. All in client
// coordinates of a box whose rows share one height.
#ifndef TARNIW_FILTERLIST_DRAGDROPMATH_H
#define TARNIW_FILTERLIST_DRAGDROPMATH_H

#include <utility>
#include <vector>

struct sListBoxGeometry
{
    int nCount = 0;
    int nTopIndex = 0; // first item shown
    int nItemHeight = 0;
    int nClientWidth = 0;
    int nClientHeight = 0;
};

struct sItemHit
{
    int nIndex;    // the nearest item; -1 in an empty box
    bool bOutside; // the point is not on that item
};

// The item nearest to (x, y). A point outside the client area is first
// pulled onto its edge; a point below the last item gives the last item.
// Either way the outside flag is set.
sItemHit ItemFromPoint(const sListBoxGeometry &geo, int x, int y);

struct sMarkLine
{
    bool bVisible;
    int x1; // first and last pixel of the line
    int x2;
    int y;
};

// The insertion mark before item nIndex (-1: after the last item): on the
// row y = top of the item + 1, or the bottom edge of the last item, across
// the item's width. A line starting outside the client area is not shown.
sMarkLine InsertionMark(const sListBoxGeometry &geo, int nIndex);

enum class eScrollDir { None, Down, Up };

struct sAutoScroll
{
    eScrollDir dir;
    int nInterval; // milliseconds; 0 when not scrolling
};

// Scrolling while the pointer is at client height y above or below the box:
// every item height farther away shortens the interval (250 ms, 125 ms,
// 83 ms, ...). Beside the box it does not scroll.
sAutoScroll AutoScroll(int y, int nClientHeight, int nItemHeight);

struct sDropMove
{
    bool bNotify; // the drop completed: tell the owner the selection changed
    bool bMoves;  // the item is taken out and put in again at nTo
    int nFrom;
    int nTo;      // its index afterwards, also the one to select
};

// Dropping item nDrag of nCount with the mark before item nDrop (-1: at the
// end). The item lands just before the item that carried the mark. A mark
// beyond the last item (where scrolling can carry it) counts as the end, one
// above the first item as the start.
sDropMove PlanDrop(int nCount, int nDrag, int nDrop);

// The order of items after the drop.
template <class T>
std::vector<T> DropOrder(std::vector<T> items, const sDropMove &move)
{
    if (move.bMoves) {
        T item = std::move(items[move.nFrom]);
        items.erase(items.begin() + move.nFrom);
        items.insert(items.begin() + move.nTo, std::move(item));
    }
    return items;
}

#endif
