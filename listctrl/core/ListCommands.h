// The numbers shared by the list family: the commands of the lists' menus
// and the private notice to the owning dialog.
#ifndef TARNIW_LISTCTRL_LISTCOMMANDS_H
#define TARNIW_LISTCTRL_LISTCOMMANDS_H

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
