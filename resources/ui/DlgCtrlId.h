// Dialog control ids on Qt widgets. A control's id is kept as the dynamic
// property "dlgId", so any widget of a dialog can carry one, the dialog
// layout places it by its template and helpers such as CControlPos find a
// control by it.
#ifndef TARNIW_RESOURCES_DLGCTRLID_H
#define TARNIW_RESOURCES_DLGCTRLID_H

class QWidget;

constexpr const char *kDlgIdProperty = "dlgId";

void SetDlgCtrlID(QWidget *pWidget, int nID);
// 0 for a widget without an id.
int GetDlgCtrlID(const QWidget *pWidget);
// The first descendant of pParent with that id, or nullptr.
QWidget *GetDlgItem(const QWidget *pParent, int nID);

#endif
