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

// How the template's data files are read: values in quotes, and a first
// line of column names. A template of the plain format has neither.
struct sFileFormat
{
    bool bQuoted = false;
    bool bHeaderLine = false;
};

// Line 1 from column 1 of the file-value rows (a cell that names no field is
// "NA"), a line break, then line 2 from the constant rows. When a switch of
// the format is on, a last line names it: "#format," then "quoted," and/or
// "header,". It holds no "~", so a reader that does not know it takes it
// for no constants (and an older Load for columns past the file's).
std::string MappingTemplateText(const CReportRows &fileValues, const CReportRows &constants,
                                const sFileFormat &format = {});

// Every entry of every line, in order, but for the format line, which goes
// into pFormat when given. False, after a message box, when a line without
// a comma or one too long to read ended the reading, or a read failed (the
// box then shows pszReadFailed).
bool ReadTemplateEntries(CLineReader &reader, CStringArray &entries, const char *pszReadFailed,
                         sFileFormat *pFormat = nullptr);

// A template read for a direct import.
struct sSavedTemplate
{
    CStringArray arrColumns;    // field of each column, " " for none
    CStringArray arrFieldOrder; // fields of the columns in column order, then constant fields
    CStringArray arrConstNames;
    CStringArray arrConstValues;
    sFileFormat format;
};

// Line 1 gives the columns; each further line holding a "~" adds constants;
// the format line gives the format; the first further line without a "~"
// ends the reading. False, after a
// message box, when a line without a comma or one too long to read ended
// it, or a read failed (the box then shows pszReadFailed).
bool ReadSavedTemplate(CLineReader &reader, sSavedTemplate &tpl, const char *pszReadFailed);

#endif
