// Routes every event of the host's application through the module first,
// as the module's message pre-translation asks of a host.
#ifndef TARNIW_DEMO_CPRETRANSLATEFILTER_H
#define TARNIW_DEMO_CPRETRANSLATEFILTER_H

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
