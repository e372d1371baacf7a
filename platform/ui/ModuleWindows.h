// The module's own top-level windows among the host's. Each stays above the
// host's window while it is open, keeps no host application from quitting
// when the host's last window closes, and closes then itself.
#ifndef TARNIW_PLATFORM_MODULEWINDOWS_H
#define TARNIW_PLATFORM_MODULEWINDOWS_H

class QWidget;

// Marks a window as the module's and, before it shows, makes it a
// transient child of the host's window: the active one, or else the first
// visible one that is not the module's.
void PlaceAboveHostWindow(QWidget *pWindow);

// Moves a window so that its frame is centred on the available area of its
// screen.
void CenterOnScreen(QWidget *pWindow);

// Whether the widget lies in one of the module's windows.
bool IsInModuleWindow(const QWidget *pWidget);

// Closes every window of the module; for the host's last window closing.
void CloseModuleWindows();

#endif
