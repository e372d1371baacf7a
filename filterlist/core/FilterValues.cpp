#include "filterlist/core/FilterValues.h"

#include <algorithm>
#include <unordered_set>

namespace {

char Fold(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

std::string Folded(const CString &s)
{
    std::string folded(s);
    std::transform(folded.begin(), folded.end(), folded.begin(), Fold);
    return folded;
}

bool LessIgnoringCase(const CString &a, const CString &b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Fold(x)) < static_cast<unsigned char>(Fold(y));
    });
}

} // namespace

CStringArray CollectFilterValues(const CFilterRows &rows, int nColumn)
{
    const int nDef = rows.DefinitionAt(nColumn);
    CStringArray aValues;
    std::unordered_set<std::string> seen;
    for (int nPos = 0; nPos < rows.GetVisibleCount(); ++nPos) {
        CString strText = rows.CellText(rows.GetItemData(nPos), nDef);
        if (!strText.IsEmpty() && seen.insert(Folded(strText)).second)
            aValues.push_back(std::move(strText));
    }
    std::sort(aValues.begin(), aValues.end(), LessIgnoringCase);
    return aValues;
}

CString JoinFilterValues(const CStringArray &aChosen)
{
    CString strFilter;
    for (const CString &strEntry : aChosen) {
        if (strFilter.IsEmpty())
            strFilter = strEntry;
        else if (strFilter.Find(strEntry.c_str()) < 0)
            strFilter += "~" + strEntry;
    }
    return strFilter;
}
