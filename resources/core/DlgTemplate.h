// Dialog templates: the layout of a dialog and its controls in dialog units.
// Dialog units follow the dialog's font, so a dialog keeps its proportions at
// any font size: a horizontal unit is a quarter of the font's average
// character width, a vertical unit an eighth of its height.
#ifndef TARNIW_RESOURCES_DLGTEMPLATE_H
#define TARNIW_RESOURCES_DLGTEMPLATE_H

#include <vector>

// A rectangle given by its top left corner and its size.
struct sRect
{
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

inline bool operator==(const sRect &a, const sRect &b)
{
    return a.x == b.x && a.y == b.y && a.cx == b.cx && a.cy == b.cy;
}

// Pixels per four horizontal and per eight vertical dialog units: the average
// character width and the height of the dialog font.
struct sDlgBaseUnits
{
    int cx = 0;
    int cy = 0;
};

enum class eDlgItem { PushButton, GroupBox, StaticText, ListBox, ListView, CheckBox };

// Style notes of a control.
enum : unsigned {
    DLGS_HIDDEN = 1u << 0,
    DLGS_DEFAULT = 1u << 1, // default push button, takes the Enter key
    DLGS_TABSTOP = 1u << 2,
    DLGS_BORDER = 1u << 3,
    DLGS_VSCROLL = 1u << 4,
    DLGS_SORTED = 1u << 5,
    DLGS_NOTIFY = 1u << 6,
    DLGS_EXTENDEDSEL = 1u << 7,
    DLGS_NOINTEGRALHEIGHT = 1u << 8,
    DLGS_REPORT = 1u << 9,
    DLGS_OWNERDATA = 1u << 10,
    DLGS_OWNERDRAWFIXED = 1u << 11,
};

// Window style notes of a dialog. A dialog without DLGW_CAPTION is a
// borderless popup.
enum : unsigned {
    DLGW_CAPTION = 1u << 0,
    DLGW_SYSMENU = 1u << 1, // close box
    DLGW_MINMAXBOX = 1u << 2,
    DLGW_RESIZABLE = 1u << 3,
    DLGW_MODALFRAME = 1u << 4,
    DLGW_CLIENTEDGE = 1u << 5,
    DLGW_VISIBLE = 1u << 6, // shown as soon as it is created
};

struct sDlgControl
{
    int nId;
    eDlgItem kind;
    const char *pszText;
    sRect rc; // dialog units
    unsigned nStyle;

    bool Has(unsigned nFlag) const { return (nStyle & nFlag) != 0; }
};

struct sDlgTemplate
{
    int nId;
    const char *pszCaption;
    int cx; // client size in dialog units
    int cy;
    const char *pszFont;
    int nPointSize;
    unsigned nStyle;
    std::vector<sDlgControl> controls;

    bool Has(unsigned nFlag) const { return (nStyle & nFlag) != 0; }
    // The first control with the id and, when pszText is given, that text:
    // several controls may share IDC_STATIC. nullptr when there is none.
    const sDlgControl *FindControl(int nCtrlId, const char *pszText = nullptr) const;
};

// The template of one of the module's dialogs; an unknown id raises
// CInvalidArgException.
const sDlgTemplate &GetDlgTemplate(int nIDTemplate);

// Dialog units to pixels. Each coordinate is scaled on its own and rounded to
// the nearest pixel, halves away from zero.
sRect MapDialogRect(const sRect &rcDlu, const sDlgBaseUnits &base);

#endif
