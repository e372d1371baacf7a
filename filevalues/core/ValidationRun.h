// The validation run: joins the lines the conversion skipped as short, the
// host's verdict per record and the records text into one result line per
// converted file line, and counts them.
#ifndef TARNIW_FILEVALUES_VALIDATIONRUN_H
#define TARNIW_FILEVALUES_VALIDATIONRUN_H

#include "filevalues/core/CsvLine.h"
#include "tarniw/TarnTypes.h"

#include <cstdint>
#include <string_view>
#include <vector>

// What the last conversion left for the run.
struct sConversionState
{
    int nLastLine;                    // number of the last converted file line
    const CArray<int> &arrErrorLines; // numbers of the lines skipped as short
    const CString &strErrors;         // their texts, one line each, same order
    const CStringArray &arrFields;    // the class's field names
    bool bQuoted = false;             // records and skipped lines in the quoted format
    // The lines that gave records, ascending, when not every line up to
    // nLastLine is a record or a short line; null when every one is.
    const CArray<int> *pRecordLines = nullptr;
};

// What the Validation dialog shows.
struct sValidationResult
{
    CStringArray m_arrColumns; // "Validation", "Success/Error", the fields
    CString m_strRows;         // result lines, each ended by "\n"
    std::vector<std::uintptr_t> m_aRowStarts; // where each line begins in m_strRows
    int m_nTotal = 0;
    int m_nValid = 0;
    int m_nError = 0;
    bool m_bQuoted = false; // the lines read by the quoted format's rule
};

// Rows 1 .. nLastLine (of them only the short lines and the record lines
// when these are given): a short line gives "Error,No of FileValues lesser,"
// and its text; any other row takes the next record number, whose verdict
// (a missing or empty one is valid) gives "OK,Success," or "Error,<text>,",
// followed by the record of that number among the records' non-empty lines
// (the last one when there are fewer). A null verdict map counts as empty.
// In the quoted format records and skipped lines end at a line break that
// is not inside quotes.
sValidationResult ValidateRecords(const CString &strRecords, const CVerdictMap *pVerdicts,
                                  const sConversionState &state);

#endif
