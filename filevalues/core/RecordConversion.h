// The record conversion: every line of a CSV file becomes one record of the
// current class, the values in the class's field order, each taken from the
// file column mapped to the field or from the field's constant.
#ifndef TARNIW_FILEVALUES_RECORDCONVERSION_H
#define TARNIW_FILEVALUES_RECORDCONVERSION_H

#include "filterlist/core/CReportRows.h"
#include "platform/core/FileSystem.h"
#include "tarniw/ImportHost.h"

#include <functional>

extern const char *const kValuesLesser;        // fewer values than fields
extern const char *const kValuesMore;          // more values than fields
extern const char *const kValuesLesserMapped;  // a mapped column beyond the line's values
extern const char *const kNotSelectedFormat;   // "%s is not selected in Template"

// What the conversion reads: the field of each file column, the constant
// rows (field name, value) and the fields in record order.
struct CConversionInput
{
    const CStringArray &arrColumnFields;
    const CReportRows &lstConstants;
    const CStringArray &arrFields;
    bool bWithLineNumbers = false;
};

// What it keeps for the validation run: the skipped lines, their texts (one
// per line), and the number of the last converted line (left alone when no
// line converts).
struct CConversionBookkeeping
{
    CString &strErrors;
    CArray<int> &arrErrorLines;
    int &nLastLine;
};

// A line problem for the host, if there is one (the line as trimmed).
void ReportLine(CImportHost *pHost, int nLine, std::string_view line, const char *message);
// A skipped line, kept for the validation run.
void RememberSkippedLine(CConversionBookkeeping &keep, int nLine, std::string_view line);

// Bytes read so far and the file's size, every few thousand lines.
using ConversionProgress = std::function<void(long long bytesRead, long long fileSize)>;

// Converts the lines of an open reader. Returns the records text, or an
// empty text when a line is not CSV or a constant is missing (after showing
// "%s is not selected in Template"). Line problems go to the host, if any.
CString ConvertRecordLines(CLineReader &reader, const CConversionInput &input, CImportHost *pHost,
                           CConversionBookkeeping &keep, const ConversionProgress &progress = {});

#endif
