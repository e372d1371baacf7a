#include "host/CTarnIWApp.h"

#include "platform/core/Display.h"
#include "platform/ui/ModuleWindows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QWidget>

namespace
{
bool IsKeyMessage(const QEvent *pEvent)
{
    switch (pEvent->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return false;
    }
}

// The widget, or the widget that a popup of its window belongs to, lies in
// one of the windows.
bool IsInWindows(const QObject *pReceiver, const std::vector<QWidget *> &windows)
{
    for (const QWidget *pWidget = qobject_cast<const QWidget *>(pReceiver); pWidget;
         pWidget = pWidget->parentWidget()) {
        for (const QWidget *pWindow : windows) {
            if (pWindow && pWidget == pWindow)
                return true;
        }
    }
    return false;
}
}

CTarnIWApp::~CTarnIWApp()
{
    delete m_pApp;
}

bool CTarnIWApp::InitInstance()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        if (QCoreApplication::instance() || !HasDisplay())
            return false;
        m_pApp = new QApplication(m_argc, m_argv);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    // The module's windows go with the host's last one.
    if (m_pFollowed != QCoreApplication::instance()) {
        m_pFollowed = QCoreApplication::instance();
        QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, &CloseModuleWindows);
    }
    return true;
}

BOOL CTarnIWApp::PreTranslateMessage(MSG *pMsg, const std::vector<QWidget *> &moduleWindows)
{
    if (!pMsg) {
        if (m_pApp) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        return FALSE;
    }
    // While the module delivers a message itself, the host's filter sees it
    // again on its way: that time it passes.
    if (m_bDelivering || !pMsg->hwnd || !pMsg->message || !IsKeyMessage(pMsg->message)
        || !IsInWindows(pMsg->hwnd, moduleWindows))
        return FALSE;
    const QScopedValueRollback<bool> delivering(m_bDelivering, true);
    // notify() keeps the event as it came: sendEvent() would make a key
    // press look synthetic and offer it to the shortcuts once more.
    QCoreApplication::instance()->notify(pMsg->hwnd, pMsg->message);
    // Delivered: neither the host's shortcuts nor the receiver's parents
    // outside the module see it again.
    pMsg->message->accept();
    return TRUE;
}
