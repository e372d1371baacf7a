#include "filterlist/core/DragDropMath.h"

#include <algorithm>

namespace {

// Scroll interval when the pointer is just outside the box.
const int nBaseInterval = 250;

bool InClient(const sListBoxGeometry &geo, int x, int y)
{
    return x >= 0 && x < geo.nClientWidth && y >= 0 && y < geo.nClientHeight;
}

int Interval(int nDistance, int nItemHeight)
{
    return nBaseInterval / (nDistance / std::max(nItemHeight, 1) + 1);
}

} // namespace

sItemHit ItemFromPoint(const sListBoxGeometry &geo, int x, int y)
{
    if (geo.nCount == 0)
        return {-1, true};
    bool bOutside = !InClient(geo, x, y);
    y = std::clamp(y, 0, std::max(geo.nClientHeight - 1, 0));
    int nIndex = geo.nTopIndex + y / std::max(geo.nItemHeight, 1);
    if (nIndex >= geo.nCount) {
        nIndex = geo.nCount - 1;
        bOutside = true;
    }
    return {nIndex, bOutside};
}

sMarkLine InsertionMark(const sListBoxGeometry &geo, int nIndex)
{
    if (nIndex < -1 || nIndex >= geo.nCount || geo.nCount == 0)
        return {false, 0, 0, 0};
    const int y = nIndex == -1 ? (geo.nCount - geo.nTopIndex) * geo.nItemHeight
                               : (nIndex - geo.nTopIndex) * geo.nItemHeight + 1;
    return {InClient(geo, 0, y), 0, geo.nClientWidth - 1, y};
}

sAutoScroll AutoScroll(int y, int nClientHeight, int nItemHeight)
{
    if (y > nClientHeight)
        return {eScrollDir::Down, Interval(y - nClientHeight, nItemHeight)};
    if (y < 0)
        return {eScrollDir::Up, Interval(-y, nItemHeight)};
    return {eScrollDir::None, 0};
}

sDropMove PlanDrop(int nCount, int nDrag, int nDrop)
{
    if (nDrag < 0 || nDrag >= nCount)
        return {false, false, nDrag, nDrag};
    if (nDrag == nDrop)
        return {true, false, nDrag, nDrag};
    int t = nDrop;
    if (t == -1 || t > nCount)
        t = nCount;
    else if (t < -1)
        t = 0;
    // Taking the item out first shifts the places below it up by one.
    return {true, true, nDrag, nDrag < t ? t - 1 : t};
}
