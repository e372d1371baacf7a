// The module's application object. The module's windows run on the host's
// QApplication; a host without one (a host that has no Qt of its own) gets
// one made by the module the first time a window or file dialog is needed.
// It never has a main window. The module's windows close with the host's
// last window and keep no host from quitting.
//
// Host messages: a Qt host routes every event through
// TarnIWPreTranslateMessage (an application event filter does it) so that
// the keys typed in the module's windows stay with them. A host without its
// own Qt event loop calls TarnIWPreTranslateMessage(NULL) often (from its
// idle time or a timer); each such call lets the module's windows handle
// what is pending for them.
#ifndef TARNIW_HOST_CTARNIWAPP_H
#define TARNIW_HOST_CTARNIWAPP_H

#include "tarniw/TarnIW.h"

#include <QCoreApplication>
#include <QPointer>

#include <vector>

class QApplication;
class QWidget;

class CTarnIWApp
{
public:
    CTarnIWApp() = default;
    ~CTarnIWApp();
    CTarnIWApp(const CTarnIWApp &) = delete;
    CTarnIWApp &operator=(const CTarnIWApp &) = delete;

    // Makes sure a QApplication serves the module's windows. False when
    // there is none and none can be made (no display to show windows on).
    bool InitInstance();

    // TRUE when one of moduleWindows (or a popup of theirs) took the
    // message: the module has then delivered it, and the host must not.
    // A null message runs the module's pending events when the module owns
    // the event loop.
    BOOL PreTranslateMessage(MSG *pMsg, const std::vector<QWidget *> &moduleWindows);

private:
    int m_argc = 1;
    char m_szAppName[8] = "tarniw";
    char *m_argv[2] = {m_szAppName, nullptr};
    QApplication *m_pApp = nullptr;
    QPointer<QCoreApplication> m_pFollowed; // whose last window closes the module's
    bool m_bDelivering = false;
};

#endif
