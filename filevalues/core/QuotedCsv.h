// The quoted file format, which a template may switch on for files from
// spreadsheets and other systems: a value may be enclosed in double quotes,
// and inside quotes a comma, a line break and a doubled quote ("") belong to
// the value. Every comma separates (empty cells are empty values), nothing
// is trimmed, a line without a comma is a record of one value, blank lines
// are passed over. A record may run over several lines of the file; it is
// numbered by the line where it starts.
//
// The records text of this format quotes exactly the values that hold a
// comma, a quote, CR or LF, so that such values travel whole; the result
// lines of a validation run read it by the same rule.
#ifndef TARNIW_FILEVALUES_QUOTEDCSV_H
#define TARNIW_FILEVALUES_QUOTEDCSV_H

#include "filevalues/core/CsvReaders.h"

#include <string>
#include <string_view>
#include <vector>

// Error text for a file that ends inside a quoted value; the record that
// began it is skipped.
extern const char *const kUnterminatedQuote;

// Takes one value off the front of rest, its quotes taken off and doubled
// quotes halved, and appends it to value. A quote opens a quoted value only
// as its first byte; whatever follows the closing quote up to the next comma
// is kept as written. True when a comma ended the value (it is taken off too).
bool TakeQuotedValue(std::string_view &rest, std::string &value);

// The length of the record at the front of text: up to the first '\n' that
// is not inside quotes (not counted), or the whole text.
size_t QuotedRecordLength(std::string_view text);
// The same for a text that ends at a NUL, which ends a record anywhere.
size_t QuotedRecordLength(const char *pText);

// Takes the next non-empty record (by QuotedRecordLength) off the front of
// rest; false when none is left.
bool NextQuotedRecord(std::string_view &rest, std::string_view &record);

// Appends a value as the records text writes it: in quotes, its quotes
// doubled, when it holds a comma, a quote, CR or LF; else as it is.
void AppendQuotedValue(std::string &text, std::string_view value);

// One record as the quoted reader takes it, read after read.
class CQuotedRecord
{
public:
    int nLine = 0;           // the file line where the record starts
    std::string_view text;   // the record as written, without its line end (a skipped one's start)
    CCsvValues values;       // its values, valid until the next read
    const char *pszSkipped = nullptr; // why a skipped record was skipped

    // Cuts a record (without line end) into values.
    void Cut(std::string_view record);

private:
    friend eCsvLine ReadQuotedRecord(CLineReader &reader, CImportHost *pHost, CQuotedRecord &record);
    int m_nLinesRead = 0;
    std::string m_text;   // a record of several lines
    std::string m_values; // the values, one after the other
};

// Reads the next record that is not blank. A record too long to read
// (kLineTooLong) or one the file ends in without closing its quote
// (kUnterminatedQuote) goes to the host and comes back as TooLong, with
// pszSkipped saying which. Never NotCsv.
eCsvLine ReadQuotedRecord(CLineReader &reader, CImportHost *pHost, CQuotedRecord &record);

// Reads the comma tokens of a result line in either format: plain, where
// empty tokens are skipped, or quoted, where every value is a token (the
// empty piece after the line's last comma is none).
class CResultTokens
{
public:
    CResultTokens(std::string_view line, bool bQuoted) : m_rest(line), m_bQuoted(bQuoted) {}
    // The next token; false when none is left.
    bool Next(std::string &token);
    // Whether a token is left.
    bool More() const;

private:
    std::string_view m_rest;
    bool m_bQuoted;
};

#endif
