// The template file of a class: line 1 names the field of each CSV column
// ("NA" for none), line 2 lists the constant fields as "name~value"; every
// entry is followed by ",". Read by the CSV line rule.
#ifndef TARNIW_WIZARD_TEMPLATEFILE_H
#define TARNIW_WIZARD_TEMPLATEFILE_H

#include "filterlist/core/CReportRows.h"
#include "platform/core/FileSystem.h"

extern const char *const kNoField; // "NA"

// The file of a template in a class's template folder.
CString TemplatePath(const CString &folder, const CString &templateName);

// Whether a line-1 entry names the field of its column: not "NA" and not
// blank. A blank field (empty or white space only) is written as "NA", since
// the line rule would drop it and move every later column to the left.
bool IsColumnField(const CString &entry);

// Line 1 only, without line break: column i feeds field i.
std::string FieldListTemplateText(const CStringArray &fields);

// Line 1 from column 1 of the file-value rows (a cell that names no field is
// "NA"), a line break, then line 2 from the constant rows.
std::string MappingTemplateText(const CReportRows &fileValues, const CReportRows &constants);

// Every entry of every line, in order. False, after a message box, when a
// line without a comma or one too long to read ended the reading, or a read
// failed (the box then shows pszReadFailed).
bool ReadTemplateEntries(CLineReader &reader, CStringArray &entries, const char *pszReadFailed);

// A template read for a direct import.
struct sSavedTemplate
{
    CStringArray arrColumns;    // field of each column, " " for none
    CStringArray arrFieldOrder; // fields of the columns in column order, then constant fields
    CStringArray arrConstNames;
    CStringArray arrConstValues;
};

// Line 1 gives the columns; each further line holding a "~" adds constants;
// the first further line without one ends the reading. False, after a
// message box, when a line without a comma or one too long to read ended
// it, or a read failed (the box then shows pszReadFailed).
bool ReadSavedTemplate(CLineReader &reader, sSavedTemplate &tpl, const char *pszReadFailed);

#endif
