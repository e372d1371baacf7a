// The record conversion: every line of a CSV file becomes one record of the
// current class, the values in the class's field order, each taken from the
// file column mapped to the field or from the field's constant.
#ifndef TARNIW_FILEVALUES_RECORDCONVERSION_H
#define TARNIW_FILEVALUES_RECORDCONVERSION_H

#include "filevalues/core/CsvReaders.h"
#include "filterlist/core/CReportRows.h"

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

// A skipped line, kept for the validation run.
void RememberSkippedLine(CConversionBookkeeping &keep, int nLine, std::string_view line);

// Bytes read so far and the file's size, every few thousand lines.
using ConversionProgress = std::function<void(long long bytesRead, long long fileSize)>;

// Converts the lines of an open reader into records. False when the
// conversion was abandoned, the user having been told why: a line is not
// CSV, or a constant is missing ("%s is not selected in Template"); records
// is then empty. Line problems go to the host, if any, at most one report
// per line; skipped lines are kept for the validation run.
bool ConvertRecordLines(CLineReader &reader, const CConversionInput &input, CImportHost *pHost,
                        CConversionBookkeeping &keep, CString &records, const ConversionProgress &progress = {});

#endif
