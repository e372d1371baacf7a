// The end-of-label-edit notification that an in-place editor sends to the
// window it was opened in, carrying the edit's result record.
#ifndef TARNIW_FILTERLIST_CENDLABELEDITEVENT_H
#define TARNIW_FILTERLIST_CENDLABELEDITEVENT_H

#include "filterlist/core/ICellEditOwner.h"

#include <QEvent>

class CEndLabelEditEvent : public QEvent
{
public:
    explicit CEndLabelEditEvent(const NMLVDISPINFO &info)
        : QEvent(EventType())
        , m_info(info)
    {
    }

    static QEvent::Type EventType()
    {
        static const auto type = QEvent::Type(QEvent::registerEventType());
        return type;
    }

    const NMLVDISPINFO &Info() const { return m_info; }

private:
    const NMLVDISPINFO &m_info;
};

#endif
