// The global objects, defined in this one file so that they are constructed
// in this order when the module loads and destroyed in reverse when it
// unloads. Constructing them creates no windows.
#include "host/TarnIWGlobals.h"

#include "filevalues/ui/CValidationDlg.h"
#include "filterlist/ui/CFilterText.h"
#include "filterlist/ui/CReposition.h"
#include "listctrl/ui/CListRegistry.h"
#include "wizard/ui/CTemplateDialog.h"
#include "wizard/ui/CTemplateDlgWindow.h"

// 1. Framework state: the module needs none of its own so far.
// 2. The registry of live common lists.
CListRegistry theListRegistry;
// 3. The filter value popup of every filter list.
CFilterText theFilterText;
// 4. The application object.
CTarnIWApp theApp;
// 5. The column reposition dialog; it becomes what "Reposition Columns" of
//    every common list opens.
CReposition theReposition;
// 6. The Validation dialog.
CValidationDlg theValidationDlg;
// 7. The Template dialog object.
CTemplateDlg theTemplateDlg;
// Its window, built on the first show.
CTemplateDlgWindow theTemplateDlgWindow(theTemplateDlg);

std::vector<QWidget *> ModuleWindows()
{
    return {theTemplateDlgWindow.Dialog(), theValidationDlg.GetWindow(), theFilterText.GetWindow()};
}
