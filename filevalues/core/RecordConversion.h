// The record conversion: every line of a CSV file becomes one record of the
// current class, its values taken from the file columns or constants that a
// plan names. The Template dialog's conversion and the import through a
// saved template differ only in how they make the plan.
#ifndef TARNIW_FILEVALUES_RECORDCONVERSION_H
#define TARNIW_FILEVALUES_RECORDCONVERSION_H

#include "filevalues/core/CsvReaders.h"
#include "filterlist/core/CReportRows.h"

#include <functional>

extern const char *const kValuesLesser;        // fewer values than fields
extern const char *const kValuesMore;          // more values than fields
extern const char *const kValuesLesserMapped;  // a mapped column beyond the line's values
extern const char *const kNotSelectedFormat;   // "%s is not selected in Template"

// What every record of a file is made of, worked out once.
struct CRecordPlan
{
    // A value of the line followed by "," (no column: none), then fixed
    // text: the constants that follow it, each followed by ",".
    struct sPiece
    {
        int nColumn = -1;
        CString strAfter;
    };
    std::vector<sPiece> pieces;
    // Fewer values make a line short (skipped), more are reported.
    size_t nExpected = 0;
    // The rightmost column a record takes: a line that does not reach it is
    // skipped as short too.
    int nHighestColumn = -1;
    bool bLineNumbers = false;
    // The file's format: quoted values (the records text quotes the values
    // that need it, constants included), and a first line of column names,
    // which gives no record.
    bool bQuoted = false;
    bool bHeaderLine = false;
    // Set when a field would need this constant's value, which is empty: the
    // first line to convert abandons the conversion.
    CString strMissingConstant;
    bool bMissingConstant = false;

    void AddColumn(int nColumn);
    void AddConstant(const CString &value);
};

// What the Template dialog's conversion reads: the field of each file
// column, the constant rows (field name, value) and the fields in record
// order.
struct sConversionInput
{
    const CStringArray &arrColumnFields;
    const CReportRows &lstConstants;
    const CStringArray &arrFields;
    bool bWithLineNumbers = false;
    bool bQuoted = false;
    bool bHeaderLine = false;
};

// Each field in order from the first column that names it, else from the
// first constant row of its name, else left out; a line should hold a value
// per field.
CRecordPlan PlanFieldRecords(const sConversionInput &input);

// What it keeps for the validation run: the skipped lines, their texts (one
// per line), and the number of the last converted line (left alone when no
// line converts). Where not every line up to it is a record or skipped (a
// header line, a quoted record over several lines, blank lines of the
// quoted format), pRecordLines receives the line of each record.
struct sConversionBookkeeping
{
    CString &strErrors;
    CArray<int> &arrErrorLines;
    int &nLastLine;
    CArray<int> *pRecordLines = nullptr;
};

// A skipped line, kept for the validation run.
void RememberSkippedLine(sConversionBookkeeping &keep, int nLine, std::string_view line);

// Bytes read so far and the file's size, every few thousand lines.
using ConversionProgress = std::function<void(long long bytesRead, long long fileSize)>;

enum class eConversion
{
    Converted,
    Abandoned,  // the user has been told why: a line is not CSV, or a constant is missing
    ReadFailed, // the file could not be read to its end; nobody has been told yet
};

// Converts the lines of an open reader into records (records is empty
// unless Converted). Line problems go to the host, if any, at most one
// report per line: a short line, or one too long to read, is skipped and
// kept for the validation run; a longer line is converted.
eConversion ConvertRecordLines(CLineReader &reader, const CRecordPlan &plan, CImportHost *pHost,
                               sConversionBookkeeping &keep, CString &records, const ConversionProgress &progress = {});

#endif
