#include "listctrl/core/ColumnReposition.h"

#include <algorithm>
#include <cctype>

namespace {

int FoldCase(char c)
{
    return std::tolower(static_cast<unsigned char>(c));
}

bool StartsWithNoCase(const CString &strItem, const CString &strPrefix)
{
    if (strPrefix.size() > strItem.size())
        return false;
    for (size_t i = 0; i < strPrefix.size(); ++i) {
        if (FoldCase(strItem[i]) != FoldCase(strPrefix[i]))
            return false;
    }
    return true;
}

int CompareNoCase(const CString &a, const CString &b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int d = FoldCase(a[i]) - FoldCase(b[i]);
        if (d != 0)
            return d;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// The header item shown at display position p, as the platform looks it up.
const sHeaderItem *ItemAtOrder(const std::vector<sHeaderItem> &aHeader, int p)
{
    for (const sHeaderItem &item : aHeader) {
        if (item.nOrder == p)
            return &item;
    }
    return nullptr;
}

} // namespace

int FindStringPrefix(const CStringArray &aItems, const CString &strText)
{
    for (int i = 0; i < aItems.GetSize(); ++i) {
        if (StartsWithNoCase(aItems.GetAt(i), strText))
            return i;
    }
    return -1;
}

int SortedInsertIndex(const CStringArray &aItems, const CString &strText)
{
    for (int i = 0; i < aItems.GetSize(); ++i) {
        if (CompareNoCase(aItems.GetAt(i), strText) > 0)
            return i;
    }
    return aItems.GetSize();
}

sColumnLists LoadColumnLists(const CArray<tsTarnColInfoWiz> &aColInfo, const std::vector<sHeaderItem> &aHeader)
{
    sColumnLists lists;
    for (const tsTarnColInfoWiz &info : aColInfo)
        lists.mapColInfo[info.szName] = info;

    for (int p = 0; p < int(aHeader.size()); ++p) {
        const sHeaderItem *pItem = ItemAtOrder(aHeader, p);
        if (!pItem || FindStringPrefix(lists.aVisible, pItem->strText) != -1)
            continue;
        lists.aVisible.Add(pItem->strText);
        const auto it = lists.mapColInfo.find(pItem->strText);
        if (it != lists.mapColInfo.end())
            it->second.nWidth = pItem->nWidth;
    }

    for (const tsTarnColInfoWiz &info : aColInfo) {
        const CString strName(info.szName);
        if (FindStringPrefix(lists.aHidden, strName) == -1 && FindStringPrefix(lists.aVisible, strName) == -1)
            lists.aHidden.InsertAt(SortedInsertIndex(lists.aHidden, strName), strName);
    }
    return lists;
}

void BuildRepositionLayout(const CStringArray &aVisible, const CMap<CString, int> &mapColIndex,
                           const CMap<CString, tsTarnColInfoWiz> &mapColInfo, CArray<int> &aDefs,
                           CArray<int> &aWidths)
{
    aDefs.RemoveAll();
    aWidths.RemoveAll();
    for (const CString &strName : aVisible) {
        int nDef = 0;
        if (mapColIndex.Lookup(strName, nDef))
            aDefs.Add(nDef);
        tsTarnColInfoWiz info{};
        aWidths.Add(mapColInfo.Lookup(strName, info) ? info.nWidth : kUnknownColumnWidth);
    }
}
