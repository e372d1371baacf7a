// For tests that drive the module only through its entries: its stores in
// a temporary folder, and its windows and controls found by caption and id.
#ifndef TARNIW_TESTS_TOPLEVELWINDOW_H
#define TARNIW_TESTS_TOPLEVELWINDOW_H

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

// The module keeps its stores beside the host's executable: this points it
// at a folder of the test's own, for the test's life.
class CModuleBase
{
public:
    CModuleBase() { qputenv("TARNIW_HOST_EXE", QFile::encodeName(m_dir.filePath("host"))); }
    ~CModuleBase() { qunsetenv("TARNIW_HOST_EXE"); }
    QString Path(const QString &rel) const { return m_dir.filePath(rel); }

private:
    QTemporaryDir m_dir;
};

inline QWidget *TopLevelWindow(const QString &caption)
{
    for (QWidget *pWidget : QApplication::topLevelWidgets()) {
        if (pWidget->windowTitle() == caption)
            return pWidget;
    }
    return nullptr;
}

// The control of that id in the window of that caption.
template <class T = QWidget>
T *WindowControl(const QString &caption, int nId)
{
    for (T *pControl : TopLevelWindow(caption)->findChildren<T *>()) {
        if (pControl->property("dlgId").toInt() == nId)
            return pControl;
    }
    return nullptr;
}

#endif
