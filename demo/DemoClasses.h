// The record classes of the demo host: what a real host knows about the
// kinds of records it imports, and its own rules for judging them.
#ifndef TARNIW_DEMO_DEMOCLASSES_H
#define TARNIW_DEMO_DEMOCLASSES_H

#include "tarniw/TarnTypes.h"

#include <vector>

enum class eFieldRule { Any, Number, Email };

struct sDemoField
{
    const char *pszName;
    eFieldRule rule;
};

struct sDemoClass
{
    const char *pszName;
    std::vector<sDemoField> fields;
    // Its files come from spreadsheets: its templates read quoted values,
    // and the records text quotes the values that hold commas, quotes or
    // line breaks.
    bool bQuotedRecords = false;

    CStringArray FieldNames() const;
};

const std::vector<sDemoClass> &DemoClasses();

// The values of each record of a records text; with bQuoted, read as
// RFC 4180 text (a value in quotes may hold commas, quotes doubled and line
// breaks).
std::vector<std::vector<CString>> ReadRecords(const CString &records, bool bQuoted);

// The host's verdicts on a records text, one line per record in the class's
// field order: record number (from 1) to error text, valid records left out.
CVerdictMap JudgeRecords(const CString &records, const sDemoClass &cls);

#endif
