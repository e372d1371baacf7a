// The header of a filter list: below the headings a filter bar with one
// filter box per column, a line edit and a filter button that follow their
// section when it is resized, moved or scrolled. The boxes hold the filter
// texts; the header reports a change of any of them once the change delay
// has passed without a further change.
#ifndef TARNIW_FILTERLIST_CFILTERHEADER_H
#define TARNIW_FILTERLIST_CFILTERHEADER_H

#include "listctrl/ui/CListHeader.h"
#include "tarniw/TarnTypes.h"

#include <QTimer>

#include <vector>

class QLineEdit;
class QToolButton;

class CFilterHeader : public CListHeader
{
    Q_OBJECT
public:
    // Longest filter text a box holds, in bytes.
    static constexpr int kMaxFilterText = 1023;

    explicit CFilterHeader(QWidget *parent = nullptr);

    // Filter boxes exist only while the bar is enabled; disabling it drops
    // every filter text.
    void SetFilterBarEnabled(bool bEnabled);
    void SetFilterBarShown(bool bShown);
    bool IsFilterBarShown() const { return m_bShown; }
    void SetFilterChangeDelay(int nMilliseconds) { m_changeTimer.setInterval(nMilliseconds); }
    // Reports a change still waiting for its delay now.
    void ReportPendingChange();

    // The filter text of a column; empty for no filter or no such column.
    CString FilterText(int nColumn) const;
    // Cut to kMaxFilterText; false for no such column.
    bool SetFilterText(int nColumn, const CString &strText);
    void ClearAllFilters();

    // The box of a column, or nullptr.
    QLineEdit *FilterBox(int nColumn) const;
    // The column whose box (or one of its parts) pWidget is; -1 for none.
    int FilterBoxColumn(const QObject *pWidget) const;
    // Every filter box sends its events to pFilter first.
    void SetBoxEventFilter(QObject *pFilter);

    QSize sizeHint() const override;

public Q_SLOTS:
    void LayoutFilterBoxes();

Q_SIGNALS:
    // A filter text changed and then stayed for the change delay.
    void filterChanged();
    void filterButtonClicked(int nColumn);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct sFilterBox
    {
        QLineEdit *pEdit;
        QToolButton *pButton;
        CString strBytes; // the text last set, so that its bytes come back
    };

    void SyncBoxes();
    sFilterBox CreateBox();
    int BarHeight() const;

    std::vector<sFilterBox> m_aBoxes;
    QTimer m_changeTimer;
    QObject *m_pBoxEventFilter = nullptr;
    bool m_bEnabled = false;
    bool m_bShown = false;
};

#endif
