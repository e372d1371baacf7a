// The arithmetic behind keeping dialog controls anchored to the right and
// bottom edges, and behind the width-fitting commands of the lists.
#ifndef TARNIW_LISTCTRL_CONTROLANCHOR_H
#define TARNIW_LISTCTRL_CONTROLANCHOR_H

#include "tarniw/TarnTypes.h"

constexpr DWORD CP_MOVE_X = 1; // left and right edges follow the width change
constexpr DWORD CP_MOVE_Y = 2; // top and bottom edges follow the height change
constexpr DWORD CP_SIZE_X = 4; // right edge follows the width change
constexpr DWORD CP_SIZE_Y = 8; // bottom edge follows the height change

struct sAnchorRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const sAnchorRect &o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// How far anchored edges move when the parent's client size goes from
// (oldW, oldH) to (newW, newH). Unless bNoMinimum, both sizes are first
// raised to the attach-time size (minW, minH), so shrinking below it never
// pushes controls further than where they started.
struct sAnchorDelta
{
    int dx = 0;
    int dy = 0;
};
sAnchorDelta AnchorDelta(int oldW, int oldH, int newW, int newH, int minW, int minH, bool bNoMinimum);

// The control's rectangle after the move; the flags' effects add up.
sAnchorRect AnchorRect(const sAnchorRect &rect, DWORD dwFlags, const sAnchorDelta &delta);

// Width a fit command gives a column: "Fit to Data" and "Fit to Header Size"
// take the measured width (data width nData or header width nHeader) but
// never less than 50; "Fit to Window" shares the client width nClient among
// nColumns columns, 50 when there is no client width.
constexpr int kFitMinWidth = 50;
int FitColumnWidth(int nCommand, int nData, int nHeader, int nClient, int nColumns);

#endif
