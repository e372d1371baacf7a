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

// One line as a reader takes it, read after read: its number, its text and
// its values (views into the line), or as many of them as the reader needs.
class CCsvLine
{
public:
    int nLine = 0;             // its number: every line read counts
    std::string_view text;     // the line trimmed (of a line too long, its start)
    size_t nValues = 0;        // how many values it holds
    size_t nKeep = size_t(-1); // how many values the reader needs; all by default

    // Cuts the line that begins at p and ends at its first '\n' (or pEnd)
    // by the line rule into text, nValues and the values kept.
    sCsvCut Cut(const char *p, const char *pEnd);
    // No values (the line is not CSV, or none was cut).
    void ClearValues() { nValues = 0; }

    // The values kept: the first nKeep of the line's.
    size_t size() const { return nValues < nKeep ? nValues : nKeep; }
    bool empty() const { return size() == 0; }
    const std::string_view *begin() const { return m_room.data(); }
    const std::string_view *end() const { return m_room.data() + size(); }
    const std::string_view &operator[](size_t i) const { return m_room[i]; }

private:
    CCsvValues m_room; // at least size() views; it only grows
};

// Copies views into an array of strings, replacing its contents (emptied
// and appended to, which is cheaper than assigning a short string).
template <class Views>
void AssignValues(CStringArray &values, const Views &views)
{
    values.resize(size_t(views.end() - views.begin()));
    size_t i = 0;
    for (const std::string_view view : views) {
        values[i].clear();
        values[i++].append(view.data(), view.size());
    }
}

// Error text of the readers for a line that is not CSV.
extern const char *const kNotCsvFormat;
// Error text for a line longer than CLineReader::kMaxLineLength, which is
// skipped; a report shows its first kLongLineShown bytes.
extern const char *const kLineTooLong;
constexpr size_t kLongLineShown = 1024;

// Takes the next non-empty piece between separators off the front of rest;
// false when none is left. Result lines and their comma tokens are read so.
bool NextPiece(std::string_view &rest, char cSep, std::string_view &piece);

#endif
