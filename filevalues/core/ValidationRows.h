// The Validation dialog's rows without its window: the cells of a result
// line, the copies of the lines that the list rows point at, the count
// labels and the hand-over of the valid records to the host.
#ifndef TARNIW_FILEVALUES_VALIDATIONROWS_H
#define TARNIW_FILEVALUES_VALIDATIONROWS_H

#include "filterlist/core/CFilterRows.h"
#include "tarniw/ImportHost.h"


constexpr COLORREF kValidationBackColour = 0xF0FFFF; // RGB(255, 255, 240)
constexpr COLORREF kValidRowColour = 0x000000;
constexpr COLORREF kErrorRowColour = 0x0000FF;      // red

// The list's data descriptor. The data points at a result line, which ends
// at a line break or a NUL; column c shows its comma token c + 1 (empty
// tokens skipped), or one space past the last token. The text turns black at
// an "OK" token and red at an "Error" token on the way. Cells are not cut to
// any length.
int RowText(std::uintptr_t dwData, int nColumn, CString *pText, COLORREF *pTextColour,
            COLORREF *pBackColour, int *pImage);
// The text RowText gives a cell, as a view into the result line.
std::string_view RowCell(std::uintptr_t dwData, int nColumn);

// The same for result lines of the quoted format: a line ends at a line
// break that is not inside quotes, and every value is a cell, empty ones
// included, shown without its quotes.
int QuotedRowText(std::uintptr_t dwData, int nColumn, CString *pText, COLORREF *pTextColour,
                  COLORREF *pBackColour, int *pImage);

// Replaces the rows by one row per non-empty line of the result text, in
// order, each pointing at its line: the text is the rows' own copy of the
// lines, and must outlive them unchanged. Where the lines begin may be
// given (offsets into the text, turned into the rows' data in place).
void FillRows(CFilterRows &rows, const CString &strRows, std::vector<std::uintptr_t> &&aLineStarts = {});

struct sCountLabels
{
    CString strTotal; // "Total No of Records = %d"
    CString strValid; // "No of Valid Records = %d"
    CString strError; // "No of Error Records = %d"
};
sCountLabels CountLabels(int nTotal, int nValid, int nError);

// Continue: every "OK" line with values goes to the host as a map from field
// name (the columns after the first two) to value, with the line number that
// follows the values. Surplus tokens are read as further records of which
// the last one counts. Returns false when the host refused a record (or
// there is no host to take one): the dialog then stays open. Lines of the
// quoted format are read by its rule, so each field gets its whole value.
bool HandOverValidRecords(const CString &strRows, const CStringArray &arrColumns, CImportHost *pHost,
                          bool bQuoted = false);

#endif
