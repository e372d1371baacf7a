#include "host/ModulePrompts.h"

#include "platform/ui/CQtPrompts.h"

#include <QApplication>

void InstallModulePrompts()
{
    static CQtPrompts prompts;
    if (!InstalledPrompts() && qobject_cast<QApplication *>(QCoreApplication::instance()))
        SetPrompts(&prompts);
}
