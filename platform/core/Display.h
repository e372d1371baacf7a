// Whether the process can show windows at all: making a QApplication where
// it cannot would end the host process.
#ifndef TARNIW_PLATFORM_DISPLAY_H
#define TARNIW_PLATFORM_DISPLAY_H

// On POSIX systems: one of QT_QPA_PLATFORM, DISPLAY or WAYLAND_DISPLAY is
// set. On Windows: QT_QPA_PLATFORM is set, or the process runs on a window
// station that shows its windows (not in a service's).
bool HasDisplay();

#endif
