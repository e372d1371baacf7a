// The column reposition window: the hidden columns (sorted) and the visible
// ones (in display order) in two drag-and-drop boxes, the buttons that move
// the selected columns between them, Save and Cancel, placed by the
// dialog's layout. It reports what the user asked for through signals;
// Cancel only hides it.
#ifndef TARNIW_FILTERLIST_CREPOSITIONDIALOG_H
#define TARNIW_FILTERLIST_CREPOSITIONDIALOG_H

#include <QDialog>

class CDragDropListCtrl;

class CRepositionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CRepositionDialog(QWidget *pParent);

    CDragDropListCtrl *HiddenBox() const { return m_lstHidden; }
    CDragDropListCtrl *VisibleBox() const { return m_lstVisible; }

signals:
    void toVisibleClicked();
    void toHiddenClicked();
    void saveClicked();
    void hiddenDoubleClicked();
    void visibleDoubleClicked();

private:
    CDragDropListCtrl *m_lstHidden;  // 1009: columns not shown, sorted
    CDragDropListCtrl *m_lstVisible; // 1007: columns shown, in display order
};

#endif
