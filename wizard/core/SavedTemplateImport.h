// Importing a data file through a saved template of the class, without the
// Template dialog: the template is picked by its title in the file-type list
// of the open dialog.
#ifndef TARNIW_WIZARD_SAVEDTEMPLATEIMPORT_H
#define TARNIW_WIZARD_SAVEDTEMPLATEIMPORT_H

#include "filevalues/core/RecordConversion.h"
#include "wizard/core/TemplateFile.h"

// Titles of the "*.csv" files of the class's template folder, in listing
// order, leaving out titles holding "|" (it would split the open dialog's
// file-type list); none for a class name that cannot be a folder.
CStringArray ListTemplateTitles(const CString &className);

// Whether a template title is offered under exactly the name it has: no "|",
// no control character (tab, line break, ...), no blank at either end and no
// two blanks in a row, all of which a file dialog would not show as they are.
bool IsPlainTemplateTitle(const CString &title);
// Shown when a template is to be saved under a name that is not plain.
extern const char *const kTemplateNameRefused;

// "Title|*.csv|" for each title, joined.
CString TemplateTitlesFilter(const CStringArray &titles);

// A record per data line: the values of the template's mapped columns in
// column order, then its constants, then the line number; a line should
// hold a value per column.
CRecordPlan PlanTemplateRecords(const sSavedTemplate &tpl);

#endif
