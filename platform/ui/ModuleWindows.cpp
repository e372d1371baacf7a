#include "platform/ui/ModuleWindows.h"

#include <QApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace {
const char kModuleWindow[] = "tarniwModuleWindow";

QWidget *HostWindow()
{
    QWidget *pActive = QApplication::activeWindow();
    if (pActive && !IsInModuleWindow(pActive))
        return pActive;
    for (QWidget *pWidget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = pWidget->windowType();
        if (pWidget->isVisible() && (type == Qt::Window || type == Qt::Dialog) && !IsInModuleWindow(pWidget))
            return pWidget;
    }
    return nullptr;
}
}

void PlaceAboveHostWindow(QWidget *pWindow)
{
    pWindow->setProperty(kModuleWindow, true);
    pWindow->setAttribute(Qt::WA_QuitOnClose, false);
    const QWidget *pHost = HostWindow();
    pWindow->winId(); // the native window, which takes the transient parent
    pWindow->windowHandle()->setTransientParent(pHost ? pHost->windowHandle() : nullptr);
}

bool IsInModuleWindow(const QWidget *pWidget)
{
    for (; pWidget; pWidget = pWidget->parentWidget()) {
        if (pWidget->property(kModuleWindow).toBool())
            return true;
    }
    return false;
}

void CloseModuleWindows()
{
    for (QWidget *pWidget : QApplication::topLevelWidgets()) {
        if (pWidget->property(kModuleWindow).toBool())
            pWidget->close();
    }
}

void CenterOnScreen(QWidget *pWindow)
{
    const QScreen *pScreen = pWindow->screen();
    if (!pScreen)
        return;
    // A window's position is that of its frame.
    QRect frame = pWindow->frameGeometry();
    frame.moveCenter(pScreen->availableGeometry().center());
    pWindow->move(frame.topLeft());
}
