// The module's global objects, one of each for the module's lifetime.
#ifndef TARNIW_HOST_TARNIWGLOBALS_H
#define TARNIW_HOST_TARNIWGLOBALS_H

#include "host/CTarnIWApp.h"
#include "wizard/core/CTemplateDlg.h"

#include <vector>

class CFilterText;
class CReposition;
class CValidationDlg;
class QWidget;

extern CFilterText theFilterText;
extern CTarnIWApp theApp;
extern CReposition theReposition;
extern CValidationDlg theValidationDlg;
extern CTemplateDlg theTemplateDlg;

// The module's top-level windows that exist so far.
std::vector<QWidget *> ModuleWindows();

#endif
