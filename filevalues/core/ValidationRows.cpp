#include "filevalues/core/ValidationRows.h"

#include "filevalues/core/ValidationRun.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

bool HasPiece(std::string_view rest, char cSep)
{
    return rest.find_first_not_of(cSep) != std::string_view::npos;
}

std::string_view TakeToken(std::string_view &rest)
{
    std::string_view token;
    return NextPiece(rest, ',', token) ? token : std::string_view();
}

} // namespace

int RowText(std::uintptr_t dwData, int nColumn, CString *pText, COLORREF *pTextColour,
            COLORREF *pBackColour, int * /*pImage*/)
{
    if (!dwData)
        return 0;
    *pBackColour = kValidationBackColour;
    std::string_view rest(reinterpret_cast<const char *>(dwData));
    std::string_view cell;
    for (int i = 0; i <= nColumn; ++i) {
        if (!NextPiece(rest, ',', cell)) {
            cell = " ";
            break;
        }
        if (cell == "OK")
            *pTextColour = kValidRowColour;
        else if (cell == "Error")
            *pTextColour = kErrorRowColour;
    }
    pText->assign(cell);
    return 1;
}

void FillRows(CFilterRows &rows, sRowCopies &copies, const CString &strRows)
{
    rows.DeleteAllItems();
    copies.aData.clear();
    copies.pBlock.reset(new char[strRows.size() + 1]);
    char *pBlock = copies.pBlock.get();
    std::memcpy(pBlock, strRows.c_str(), strRows.size() + 1);
    std::replace(pBlock, pBlock + strRows.size(), '\n', '\0');

    std::string_view rest(strRows);
    std::string_view line;
    while (NextPiece(rest, '\n', line)) {
        const auto dwData = reinterpret_cast<std::uintptr_t>(pBlock + (line.data() - strRows.data()));
        copies.aData.push_back(dwData);
        const int n = rows.GetItemCount();
        rows.InsertItem(n);
        rows.SetItemData(n, dwData);
    }
}

sCountLabels CountLabels(int nTotal, int nValid, int nError)
{
    sCountLabels labels;
    labels.strTotal.Format("Total No of Records = %d", nTotal);
    labels.strValid.Format("No of Valid Records = %d", nValid);
    labels.strError.Format("No of Error Records = %d", nError);
    return labels;
}

bool HandOverValidRecords(const CString &strRows, const CStringArray &arrColumns, CImportHost *pHost)
{
    const auto firstField = arrColumns.begin() + std::min<size_t>(2, arrColumns.size());
    CRecordMap record;
    std::string_view rest(strRows);
    std::string_view piece;
    while (NextPiece(rest, '\n', piece)) {
        CString strLine(piece);
        strLine.Trim();
        std::string_view tokens(strLine);
        if (TakeToken(tokens) != "OK")
            continue;
        TakeToken(tokens); // "Success"
        if (!HasPiece(tokens, ','))
            continue;
        int nLine = 0;
        do {
            record.RemoveAll();
            for (auto field = firstField; field != arrColumns.end(); ++field)
                record[*field] = CString(TakeToken(tokens));
            nLine = std::atoi(CString(TakeToken(tokens)).c_str());
        } while (HasPiece(tokens, ','));
        if (!record.IsEmpty() && !(pHost && pHost->AcceptRecord(nLine, &record)))
            return false;
    }
    return true;
}
