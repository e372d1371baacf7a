// tarniw-demo: a small Qt host of the TarnIW module.
#include "CDemoWindow.h"
#include "tarniw/PreTranslateFilter.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
const char szUsage[] =
    "Usage: tarniw-demo [--help]\n"
    "\n"
    "A host application for the TarnIW import module. Pick a record class\n"
    "(Orders, Contacts or Customers), press InvokeTemplateDlg, Browse to a CSV\n"
    "file (samples/demo-orders.csv fits Orders), map its columns to the fields and\n"
    "press Continue. The log shows every callback of the module; \"Validate\n"
    "last records\" shows the host's verdicts in the module's Validation dialog.\n"
    "\n"
    "Templates and saved files go to Templates/ and FileValues/ beside the\n"
    "tarniw-demo executable.\n";

bool HasDisplay()
{
    for (const char *pszVariable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char *pszValue = std::getenv(pszVariable);
        if (pszValue && *pszValue)
            return true;
    }
    return false;
}
}

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const bool bHelp = !std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h");
        std::fputs(szUsage, bHelp ? stdout : stderr);
        return bHelp ? 0 : 2;
    }
    if (!HasDisplay()) {
        std::fputs("tarniw-demo: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Run it under a virtual display:\n"
                   "    xvfb-run tarniw-demo\n"
                   "or without any window on screen (for a smoke test):\n"
                   "    QT_QPA_PLATFORM=offscreen tarniw-demo\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    CPreTranslateFilter filter;
    app.installEventFilter(&filter);
    CDemoWindow window(QStringLiteral(TARNIW_SAMPLES_DIR));
    window.show();
    return app.exec();
}
