// Column definitions of the common lists and the numbers shared by the list
// family: column formats, menu commands and the private notice to the owner.
#ifndef TARNIW_LISTCTRL_TARNCOLINFO_H
#define TARNIW_LISTCTRL_TARNCOLINFO_H

#include "tarniw/TarnTypes.h"

// One column definition, filled by the list's owner. szName is the heading
// and the key by which the column is found; nType chooses the sort order.
struct tsTarnColInfoWiz
{
    char szName[64];
    int nWidth;
    int nFormat;
    int nType;
};

// Fills a definition; the name is cut to what szName holds.
tsTarnColInfoWiz MakeColInfo(const CString &strName, int nWidth, int nFormat = 0, int nType = 0);

// Column alignment.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;

// Menu commands of the lists.
constexpr int IDM_REPOSITION_COLUMNS = 1224;
constexpr int IDM_FIT_TO_DATA = 1226;
constexpr int IDM_FIT_TO_HEADER = 1227;
constexpr int IDM_FIT_TO_WINDOW = 1228;
constexpr int IDM_WRITE_TO_EXCEL = 1229;
constexpr int IDM_READ_FROM_EXCEL = 1230;
constexpr int IDM_DRAW_GRID_LINES = 2222;

// Sent to the owning dialog after the columns were laid out again.
constexpr int UWM_COLUMNSREPOSITIONED = 1231;

#endif
