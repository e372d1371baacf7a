#include "listctrl/core/ControlAnchor.h"

#include "listctrl/core/ListCommands.h"

#include <algorithm>

sAnchorDelta AnchorDelta(int oldW, int oldH, int newW, int newH, int minW, int minH, bool bNoMinimum)
{
    if (bNoMinimum)
        return {newW - oldW, newH - oldH};
    return {std::max(newW, minW) - std::max(oldW, minW), std::max(newH, minH) - std::max(oldH, minH)};
}

sAnchorRect AnchorRect(const sAnchorRect &rect, DWORD dwFlags, const sAnchorDelta &delta)
{
    sAnchorRect r = rect;
    if (dwFlags & CP_SIZE_Y)
        r.bottom += delta.dy;
    if (dwFlags & CP_SIZE_X)
        r.right += delta.dx;
    if (dwFlags & CP_MOVE_Y) {
        r.top += delta.dy;
        r.bottom += delta.dy;
    }
    if (dwFlags & CP_MOVE_X) {
        r.left += delta.dx;
        r.right += delta.dx;
    }
    return r;
}

int FitColumnWidth(int nCommand, int nData, int nHeader, int nClient, int nColumns)
{
    switch (nCommand) {
    case IDM_FIT_TO_DATA:
        return std::max(nData, kFitMinWidth);
    case IDM_FIT_TO_HEADER:
        return std::max(nHeader, kFitMinWidth);
    default:
        return nClient > 0 && nColumns > 0 ? nClient / nColumns : kFitMinWidth;
    }
}
