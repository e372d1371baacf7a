// Keeps chosen controls of a resizable dialog anchored to its right and
// bottom edges. Attach it once the dialog exists (SetParent), register the
// controls by their dialog control id (see DlgCtrlId.h) and call
// MoveControls from the dialog's resizeEvent.
#ifndef TARNIW_LISTCTRL_CCONTROLPOS_H
#define TARNIW_LISTCTRL_CCONTROLPOS_H

#include "listctrl/core/ControlAnchor.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class CControlPos
{
public:
    explicit CControlPos(QWidget *pParent = nullptr);
    virtual ~CControlPos();
    CControlPos(const CControlPos &) = delete;
    CControlPos &operator=(const CControlPos &) = delete;

    // Attaches to pParent; its current size becomes the minimum from which
    // changes are measured (unless m_bNoMinimum).
    void SetParent(QWidget *pParent);
    // FALSE without a parent or when no control of the parent has the id.
    BOOL AddControl(int nID, DWORD dwFlags);
    // Moves and stretches the registered controls by the parent's change of
    // size since the last layout.
    virtual void MoveControls();
    virtual void UpdateSize();
    void RemoveAll();

    BOOL m_bNoMinimum = FALSE;

private:
    struct Entry
    {
        QPointer<QWidget> pControl;
        DWORD dwFlags;
    };

    QPointer<QWidget> m_pParent;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nMinWidth = 0;
    int m_nMinHeight = 0;
    std::vector<Entry> m_aEntries;
};

#endif
