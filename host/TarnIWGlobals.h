// The module's global objects, one of each for the module's lifetime.
#ifndef TARNIW_HOST_TARNIWGLOBALS_H
#define TARNIW_HOST_TARNIWGLOBALS_H

#include "wizard/core/CTemplateDlg.h"

extern CTemplateDlg theTemplateDlg;

#endif
