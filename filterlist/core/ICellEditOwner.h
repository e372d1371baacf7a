// The owner of a list with in-place cell editors, and the result record of
// an edit.
//
// The list asks its owner for a cell's choices (the private message
// UWM_GETCELLCHOICES) before it opens an editor and hands it the result
// (UWM_CELLEDITDONE) once the editor has ended. Both carry the list's control
// id; the owner decides what, if anything, is stored. The two messages travel
// as the calls of ICellEditOwner.
#ifndef TARNIW_FILTERLIST_ICELLEDITOWNER_H
#define TARNIW_FILTERLIST_ICELLEDITOWNER_H

#include "tarniw/TarnTypes.h"

#include <cstdint>

// The private messages' numbers.
constexpr UINT UWM_GETCELLCHOICES = 20000;
constexpr UINT UWM_CELLEDITDONE = 20001;

// The end-of-label-edit notification code and the text flag of its item.
constexpr int LVN_ENDLABELEDIT = -106;
constexpr UINT LVIF_TEXT = 0x0001;

struct NMHDR
{
    const void *hwndFrom = nullptr; // the window the editor was opened in
    std::uintptr_t idFrom = 0;      // the editor's own control id
    int code = 0;
};

struct LVITEM
{
    UINT mask = 0;
    int iItem = -1;
    int iSubItem = -1;
    CString pszText;    // the result text, byte for byte
    int cchTextMax = 0; // its length
};

// The result of one cell edit. It lives only while it is being delivered;
// a receiver copies what it needs.
struct NMLVDISPINFO
{
    NMHDR hdr;
    LVITEM item;
};

// The owner of a list with in-place editors: the receiver of both messages.
class ICellEditOwner
{
public:
    virtual ~ICellEditOwner() = default;
    // UWM_GETCELLCHOICES: appends the choices of a cell of list nListId to
    // the empty array. Without choices the list opens a text editor.
    virtual void OnGetCellChoices(int nListId, CStringArray &choices) = 0;
    // UWM_CELLEDITDONE: the edit of cell (item.iItem, item.iSubItem) of list
    // nListId ended with item.pszText.
    virtual void OnCellEditDone(int nListId, const NMLVDISPINFO &info) = 0;
};

#endif
