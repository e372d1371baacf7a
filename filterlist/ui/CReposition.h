// The column reposition dialog: the user chooses which columns of a common
// list are shown and in which order, and Save lays the list out anew, stores
// the layout as the list's column profile and tells its owning dialog.
//
// One object serves every list. It installs itself as what "Reposition
// Columns" opens; its window (CRepositionDialog) is created on the first opening with the list as
// parent, moves to the list that opens it next, and is afterwards only shown
// and hidden. When the list it belongs to goes away while it is open, the
// window closes and lets go of the list.
#ifndef TARNIW_FILTERLIST_CREPOSITION_H
#define TARNIW_FILTERLIST_CREPOSITION_H

#include "filterlist/ui/CRepositionDialog.h"
#include "listctrl/core/ColumnReposition.h"

#include <QMetaObject>
#include <QPointer>

class CCommonListCtrl;
class CDragDropListCtrl;
class QWidget;

class CReposition
{
public:
    CReposition();
    ~CReposition();
    CReposition(const CReposition &) = delete;
    CReposition &operator=(const CReposition &) = delete;

    // "Reposition Columns" of pList: create or re-parent the window, show and
    // raise it, and load it from the list.
    void Open(CCommonListCtrl *pList);
    // Fills both boxes from the list's definitions and its header.
    void LoadFromList(CCommonListCtrl *pList);

    // The window's commands.
    void OnToVisible();
    void OnToHidden();
    void OnDblClkHidden();
    void OnDblClkVisible();
    void OnSave();

    // The window (nullptr before the first opening) and what it works on.
    CRepositionDialog *GetDialog() const;
    CDragDropListCtrl *HiddenBox() const;
    CDragDropListCtrl *VisibleBox() const;
    CCommonListCtrl *GetList() const;

private:
    void Create(QWidget *pParent);
    void AttachTo(CCommonListCtrl *pList);
    void OnListDestroyed();
    bool IsFixed(const CString &strName) const;

    QPointer<CRepositionDialog> m_pDlg;
    QPointer<CCommonListCtrl> m_pList;
    CMap<CString, tsTarnColInfoWiz> m_mapColInfo; // definitions by name, shown widths as loaded
    QMetaObject::Connection m_listGone;
};

#endif
