#include "filevalues/core/ValidationRows.h"

#include "filevalues/core/QuotedCsv.h"
#include "filevalues/core/ValidationRun.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
// Whether a byte ends a token: a comma, or the line's end. Most bytes of a
// line lie above all three, which one comparison tells.
bool EndsToken(char c)
{
    return static_cast<unsigned char>(c) <= ',' && (c == ',' || c == '\n' || c == '\0');
}

// The next non-empty comma token of a result line at p, which ends at a line
// break or a NUL; false at the line's end.
bool NextToken(const char *&p, std::string_view &token)
{
    for (;;) {
        const char *const pStart = p;
        while (!EndsToken(*p))
            ++p;
        token = std::string_view(pStart, size_t(p - pStart));
        if (*p == ',')
            ++p;
        else if (token.empty())
            return false;
        if (!token.empty())
            return true;
    }
}
}

namespace {
// A row's text turns black at an "OK" token and red at an "Error" token.
void NoteRowColour(std::string_view cell, COLORREF &crText)
{
    if (cell == "OK")
        crText = kValidRowColour;
    else if (cell == "Error")
        crText = kErrorRowColour;
}

// The cell of a result line at p in a column, noting the row's colour on
// the way when there is one to set.
std::string_view LineCell(const char *p, int nColumn, COLORREF *pTextColour)
{
    std::string_view cell;
    for (int i = 0; i <= nColumn; ++i) {
        if (!NextToken(p, cell))
            return " ";
        if (pTextColour)
            NoteRowColour(cell, *pTextColour);
    }
    return cell;
}
}

int RowText(std::uintptr_t dwData, int nColumn, CString *pText, COLORREF *pTextColour,
            COLORREF *pBackColour, int * /*pImage*/)
{
    if (!dwData)
        return 0;
    *pBackColour = kValidationBackColour;
    const std::string_view cell = LineCell(reinterpret_cast<const char *>(dwData), nColumn, pTextColour);
    pText->clear(); // then append: cheaper than assign for a short cell
    pText->append(cell.data(), cell.size());
    return 1;
}

std::string_view RowCell(std::uintptr_t dwData, int nColumn)
{
    return LineCell(reinterpret_cast<const char *>(dwData), nColumn, nullptr);
}

int QuotedRowText(std::uintptr_t dwData, int nColumn, CString *pText, COLORREF *pTextColour,
                  COLORREF *pBackColour, int * /*pImage*/)
{
    if (!dwData)
        return 0;
    *pBackColour = kValidationBackColour;
    const char *const p = reinterpret_cast<const char *>(dwData);
    CResultTokens tokens(std::string_view(p, QuotedRecordLength(p)), true);
    std::string cell;
    for (int i = 0; i <= nColumn; ++i) {
        if (!tokens.Next(cell)) {
            cell = " ";
            break;
        }
        NoteRowColour(cell, *pTextColour);
    }
    pText->assign(cell);
    return 1;
}

void FillRows(CFilterRows &rows, const CString &strRows, std::vector<std::uintptr_t> &&aLineStarts)
{
    std::vector<std::uintptr_t> aData = std::move(aLineStarts);
    if (aData.empty()) {
        std::string_view rest(strRows);
        std::string_view line;
        while (NextPiece(rest, '\n', line))
            aData.push_back(std::uintptr_t(line.data() - strRows.data()));
    }
    const auto base = reinterpret_cast<std::uintptr_t>(strRows.data());
    for (std::uintptr_t &data : aData)
        data += base;
    rows.AssignItemData(std::move(aData));
}

sCountLabels CountLabels(int nTotal, int nValid, int nError)
{
    sCountLabels labels;
    labels.strTotal.Format("Total No of Records = %d", nTotal);
    labels.strValid.Format("No of Valid Records = %d", nValid);
    labels.strError.Format("No of Error Records = %d", nError);
    return labels;
}

bool HandOverValidRecords(const CString &strRows, const CStringArray &arrColumns, CImportHost *pHost,
                          bool bQuoted)
{
    const auto firstField = arrColumns.begin() + std::min<size_t>(2, arrColumns.size());
    CRecordMap record;
    std::string_view rest(strRows);
    std::string_view piece;
    CString token;
    while (bQuoted ? NextQuotedRecord(rest, piece) : NextPiece(rest, '\n', piece)) {
        // Quoted values are taken as they stand, blanks at either end included.
        CString strLine(piece);
        if (!bQuoted)
            strLine.Trim();
        CResultTokens tokens(strLine, bQuoted);
        if (!tokens.Next(token) || token != "OK")
            continue;
        tokens.Next(token); // "Success"
        if (!tokens.More())
            continue;
        int nLine = 0;
        do {
            record.RemoveAll();
            for (auto field = firstField; field != arrColumns.end(); ++field) {
                tokens.Next(token);
                record[*field] = token;
            }
            tokens.Next(token);
            nLine = std::atoi(token.c_str());
        } while (tokens.More());
        if (!record.IsEmpty() && !(pHost && pHost->AcceptRecord(nLine, &record)))
            return false;
    }
    return true;
}
