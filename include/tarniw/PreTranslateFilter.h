/// @file
/// For Qt hosts: routes every event of the host's application through the
/// module first, as TarnIWPreTranslateMessage asks of a host.
#ifndef TARNIW_PRETRANSLATEFILTER_H
#define TARNIW_PRETRANSLATEFILTER_H

#include "tarniw/TarnIW.h"

#include <QObject>

namespace tarniw {

/// An application event filter that hands each event to
/// TarnIWPreTranslateMessage and drops the events the module's windows took.
/// Install it once, for as long as the module is in use:
/// `qApp->installEventFilter(&filter)`.
class CPreTranslateFilter : public QObject
{
protected:
    /// Routes @p pEvent for @p pWatched through the module; true when one of
    /// the module's windows took it.
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override
    {
        MSG msg{pWatched, pEvent};
        return TarnIWPreTranslateMessage(&msg) != 0;
    }
};

} // namespace tarniw

#if defined(TARNIW_GLOBAL_NAMES)
using tarniw::CPreTranslateFilter;
#endif

#endif
