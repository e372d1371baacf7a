// Reading the data lines of a CSV file for an operation that hands them on,
// and the direct load: every CSV line's values handed to the host in file
// order.
#ifndef TARNIW_FILEVALUES_CSVREADERS_H
#define TARNIW_FILEVALUES_CSVREADERS_H

#include "filevalues/core/CsvLine.h"
#include "platform/core/FileSystem.h"
#include "tarniw/ImportHost.h"

// A line problem for the host, if there is one.
void ReportLine(CImportHost *pHost, int nLine, std::string_view line, const char *message);
// A line that is not CSV, for the host and, in a message box, the user.
void ReportNotCsv(CImportHost *pHost, int nLine, std::string_view line);

enum class eCsvLine
{
    Values,     // a CSV line: its values and trimmed text
    TooLong,    // a line too long to read, reported: the trimmed start of it
    NotCsv,     // a line without a comma, reported: reading ends here
    End,        // the end of the file
    ReadFailed, // a read error: reading ends, and the operation with it
};

// Reads and numbers the next line. A line too long to read goes to the host
// with kLineTooLong; a line that is not CSV goes to the host and to the
// user, in a message box, with kNotCsvFormat. pHost may be null (a
// template's lines concern no host).
eCsvLine ReadCsvLine(CLineReader &reader, CImportHost *pHost, CCsvLine &line);

// Reads to the end, to the first line that is not CSV, or until the host
// answers zero. A line with commas but no value, or too long to read, is
// passed over. The whole file is read before the first line goes to the
// host: false, and nothing handed over, when a read fails.
bool HandLineValuesToHost(CLineReader &reader, CImportHost &host);

#endif
