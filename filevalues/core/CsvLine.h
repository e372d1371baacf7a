// The one line rule of every reader: a line (a whole physical line, as
// CLineReader gives it) without any comma is not CSV; otherwise it is
// trimmed of white space at both ends and cut at commas, runs of commas
// counting as one separator, so that no value is ever empty. No quoting.
#ifndef TARNIW_FILEVALUES_CSVLINE_H
#define TARNIW_FILEVALUES_CSVLINE_H

#include "filevalues/core/CsvSplit.h"
#include "tarniw/TarnTypes.h"

#include <string_view>
#include <vector>

// Values as views into the line, for the loops that read whole files.
using CCsvValues = std::vector<std::string_view>;

// The line without white space (space, \t, \n, \v, \f, \r) at its ends.
std::string_view TrimCsvLine(std::string_view line);

// False when the line is not CSV. The values are replaced either way.
bool SplitCsvLine(std::string_view line, CCsvValues &values);
BOOL SplitCsvLine(const CString &line, CStringArray &values);

// The line rule for a line already trimmed, keeping its first nKeep values
// in values (all of them by default). Returns how many values the line
// holds, or kNoComma when it is not CSV.
size_t CutCsvValues(std::string_view trimmed, CCsvValues &values, size_t nKeep = size_t(-1));

// Copies views into an array of strings, replacing its contents.
void AssignValues(CStringArray &values, const CCsvValues &views);

// Error text of the readers for a line that is not CSV.
extern const char *const kNotCsvFormat;
// Error text for a line longer than CLineReader::kMaxLineLength, which is
// skipped; a report shows its first kLongLineShown bytes.
extern const char *const kLineTooLong;
constexpr size_t kLongLineShown = 1024;

#endif
