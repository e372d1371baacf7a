// For Qt hosts: routes every event of the host's application through the
// module first, as TarnIWPreTranslateMessage asks of a host. Install it with
// qApp->installEventFilter(&filter).
#ifndef TARNIW_PRETRANSLATEFILTER_H
#define TARNIW_PRETRANSLATEFILTER_H

#include "tarniw/TarnIW.h"

#include <QObject>

class CPreTranslateFilter : public QObject
{
protected:
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override
    {
        MSG msg{pWatched, pEvent};
        return TarnIWPreTranslateMessage(&msg) != 0;
    }
};

#endif
