// Finds a window of the module by its caption, for tests that drive the
// module only through its entries.
#ifndef TARNIW_TESTS_TOPLEVELWINDOW_H
#define TARNIW_TESTS_TOPLEVELWINDOW_H

#include <QApplication>
#include <QWidget>

inline QWidget *TopLevelWindow(const QString &caption)
{
    for (QWidget *pWidget : QApplication::topLevelWidgets()) {
        if (pWidget->windowTitle() == caption)
            return pWidget;
    }
    return nullptr;
}

#endif
