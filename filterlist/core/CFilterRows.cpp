#include "filterlist/core/CFilterRows.h"

#include "filterlist/core/MatchFilter.h"
#include "listctrl/core/TarnColInfo.h"
#include "platform/core/CNumberReading.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <string_view>
#include <utility>

namespace {

template <class... Args, class... Values>
void Notify(IRowsObserver *pObserver, void (IRowsObserver::*fn)(Args...), Values... values)
{
    if (pObserver)
        (pObserver->*fn)(values...);
}

template <class T>
bool Less(const T &a, const T &b)
{
    return a < b;
}

// atof can give NaN ("nan"); it sorts below every number so that the order
// stays total.
bool Less(double a, double b)
{
    return std::isnan(a) ? !std::isnan(b) : a < b;
}

template <class T>
int Order(const T &a, const T &b)
{
    return Less(a, b) ? -1 : (Less(b, a) ? 1 : 0);
}

// The sort keys by type code: 1 atoi, 4 atol, 2 and 5 atof, 3 and 6 the
// bytes (unsigned, case-sensitive).
struct IntKey
{
    using Type = int;
    static Type Of(const CString &s) { return std::atoi(s.c_str()); }
};
struct LongKey
{
    using Type = long;
    static Type Of(const CString &s) { return std::atol(s.c_str()); }
};
struct DoubleKey
{
    using Type = double;
    static Type Of(const CString &s) { return CNumberReading::Strtod(s.c_str(), nullptr); }
};
struct TextKey
{
    using Type = CString;
    static const Type &Of(const CString &s) { return s; }
};

bool IsSortType(int nType)
{
    return nType >= kSortInteger && nType <= kSortTextToo;
}

// Calls fn with the key of a sort type code; IsSortType(nType) must hold.
template <class Fn>
auto WithKey(int nType, Fn &&fn)
{
    switch (nType) {
    case kSortInteger:
        return fn(IntKey());
    case kSortLongInteger:
        return fn(LongKey());
    case kSortDecimal:
    case kSortDecimalToo:
        return fn(DoubleKey());
    default:
        return fn(TextKey());
    }
}

// A text of the text sort: its first eight bytes as one number (in byte
// order; or the complement, for a descending sort), and its place among the
// texts read.
struct sTextItem
{
    std::uint64_t nPrefix;
    std::uint32_t nIndex;
};

// Sorts the items by prefix, keeping the order of equal ones: a pass per
// byte from the last, each a counting sort, passes over a byte that all
// items share left out.
void RadixSortByPrefix(std::vector<sTextItem> &items)
{
    if (items.empty())
        return;
    std::array<std::array<size_t, 256>, 8> counts{};
    for (const sTextItem &item : items) {
        for (unsigned b = 0; b < 8; ++b)
            ++counts[b][(item.nPrefix >> (8 * b)) & 0xFF];
    }
    std::vector<sTextItem> sorted(items.size());
    for (unsigned b = 0; b < 8; ++b) {
        std::array<size_t, 256> &count = counts[b];
        if (count[(items[0].nPrefix >> (8 * b)) & 0xFF] == items.size())
            continue;
        size_t nStart = 0;
        for (size_t &n : count)
            nStart += std::exchange(n, nStart);
        for (const sTextItem &item : items)
            sorted[count[(item.nPrefix >> (8 * b)) & 0xFF]++] = item;
        items.swap(sorted);
    }
}

// Runs of texts that share their first eight bytes are mostly short (equal
// texts): sorted in place, without the buffer a stable sort takes.
constexpr std::ptrdiff_t kInsertionRun = 16;

template <class It, class Before>
void InsertionSort(It first, It last, const Before &before)
{
    for (It i = first + (first != last); i < last; ++i) {
        const auto item = *i;
        It j = i;
        for (; j != first && before(item, *(j - 1)); --j)
            *j = *(j - 1);
        *j = item;
    }
}

std::uint64_t Prefix(std::string_view text)
{
    std::uint64_t nPrefix = 0;
    for (size_t i = 0; i < 8; ++i)
        nPrefix = (nPrefix << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return nPrefix;
}

// The rows in key order (nDir -1 ascending, +1 descending); rows with equal
// keys keep their order.
template <class K>
CArray<int> RowsInKeyOrder(std::vector<std::pair<K, int>> &items, int nDir)
{
    std::stable_sort(items.begin(), items.end(), [nDir](const auto &a, const auto &b) {
        return nDir < 0 ? Less(a.first, b.first) : nDir > 0 && Less(b.first, a.first);
    });
    CArray<int> aRows;
    aRows.reserve(items.size());
    for (const auto &item : items)
        aRows.push_back(item.second);
    return aRows;
}

// Sorting reads each row's text once and turns it into its key.
// Calls read(i, nRow) for the row shown at each position i, in the order
// the rows are stored, whatever their order shown: their data mostly lie in
// memory in that order, which a sorted list no longer follows.
template <class Read>
void ForEachShownInStoredOrder(const CArray<int> &aRows, size_t nStored, const Read &read)
{
    std::vector<int> aPos(nStored, -1);
    for (size_t i = 0; i < aRows.size(); ++i)
        aPos[size_t(aRows[i])] = int(i);
    for (size_t nRow = 0; nRow < nStored; ++nRow) {
        if (aPos[nRow] >= 0)
            read(size_t(aPos[nRow]), int(nRow));
    }
}

template <class Key, class ReadText>
CArray<int> SortedRows(Key, const CArray<int> &aRows, size_t nStored, int nDir, const ReadText &readText)
{
    std::vector<std::pair<typename Key::Type, int>> items(aRows.size());
    CString strText;
    ForEachShownInStoredOrder(aRows, nStored, [&](size_t i, int nRow) {
        readText(nRow, strText);
        items[i] = {Key::Of(strText), nRow};
    });
    return RowsInKeyOrder(items, nDir);
}

// Texts are kept one after another in one block while they are sorted.
template <class ReadText>
CArray<int> SortedRows(TextKey, const CArray<int> &aRows, size_t nStored, int nDir, const ReadText &readText)
{
    std::string block;
    std::vector<std::pair<size_t, size_t>> aTexts(aRows.size()); // start and length in the block
    CString strText;
    ForEachShownInStoredOrder(aRows, nStored, [&](size_t i, int nRow) {
        readText(nRow, strText);
        aTexts[i] = {block.size(), strText.size()};
        block += strText;
    });
    const auto textAt = [&](size_t i) { return std::string_view(block.data() + aTexts[i].first, aTexts[i].second); };
    // Bytes that every text begins with decide nothing; the keys start after.
    const std::string_view first = aRows.empty() ? std::string_view() : textAt(0);
    size_t nCommon = first.size();
    for (size_t i = 1; i < aRows.size() && nCommon > 0; ++i) {
        const std::string_view text = textAt(i).substr(0, nCommon);
        nCommon = size_t(std::mismatch(text.begin(), text.end(), first.begin()).first - text.begin());
    }
    if (nDir == 0)
        return aRows;
    // The first eight bytes after those decide most of the order: the texts
    // are sorted by them as numbers, a byte at a time, and only texts that
    // share them are compared whole.
    std::vector<sTextItem> items;
    items.reserve(aRows.size());
    for (size_t i = 0; i < aRows.size(); ++i) {
        const std::uint64_t nPrefix = Prefix(textAt(i).substr(nCommon));
        items.push_back({nDir < 0 ? nPrefix : ~nPrefix, std::uint32_t(i)});
    }
    RadixSortByPrefix(items);
    const auto before = [&](const sTextItem &a, const sTextItem &b) {
        const std::string_view textA = textAt(a.nIndex), textB = textAt(b.nIndex);
        return nDir < 0 ? textA < textB : textB < textA;
    };
    for (auto run = items.begin(); run != items.end();) {
        auto runEnd = run + 1;
        while (runEnd != items.end() && runEnd->nPrefix == run->nPrefix)
            ++runEnd;
        if (runEnd - run > kInsertionRun)
            std::stable_sort(run, runEnd, before);
        else
            InsertionSort(run, runEnd, before);
        run = runEnd;
    }
    CArray<int> aSorted;
    aSorted.reserve(items.size());
    for (const sTextItem &item : items)
        aSorted.push_back(aRows[item.nIndex]);
    return aSorted;
}

} // namespace

int CFilterRows::InsertItem(int nPos)
{
    if (!m_pfnDescriptor)
        return 0;
    const int n = GetItemCount();
    if (nPos < 0 || (nPos > 0 && nPos < n && nPos > m_nVisible))
        throw CInvalidArgException();

    if (nPos == 0 || nPos >= n) {
        Notify(m_pObserver, &IRowsObserver::RowAboutToBeInserted, m_nVisible);
        m_aData.push_back(0);
        m_aVisible.Add(n);
        ++m_nVisible;
        Notify(m_pObserver, &IRowsObserver::RowInserted, m_nVisible - 1);
        return n;
    }

    // A row in the middle: shown rows at or after it move up by one.
    Notify(m_pObserver, &IRowsObserver::RowAboutToBeInserted, nPos);
    m_aData.insert(m_aData.begin() + nPos, 0);
    if (size_t(nPos) < m_aChecked.size())
        m_aChecked.insert(m_aChecked.begin() + nPos, false);
    for (int &nRow : m_aVisible) {
        if (nRow >= nPos)
            ++nRow;
    }
    m_aVisible.InsertAt(nPos, nPos);
    ++m_nVisible;
    Notify(m_pObserver, &IRowsObserver::RowInserted, nPos);
    return nPos;
}

BOOL CFilterRows::SetItemData(int nPos, std::uintptr_t dwData)
{
    if (!m_pfnDescriptor)
        return FALSE;
    int nShown = (nPos == 0 || nPos >= m_nVisible) ? m_nVisible - 1 : nPos;
    int nRow = RowAt(nShown);
    if (nRow < 0)
        return FALSE;
    if (m_aData[size_t(nRow)] != 0) {
        // The newest row has its data already: the position counts as given.
        if (nPos >= m_nVisible)
            return FALSE;
        nShown = nPos;
        nRow = RowAt(nShown);
        if (nRow < 0)
            return FALSE;
    }
    m_aData[size_t(nRow)] = dwData;

    if (RowPassesFilters(dwData)) {
        Notify(m_pObserver, &IRowsObserver::RowChanged, nShown, -1);
        return TRUE;
    }
    Notify(m_pObserver, &IRowsObserver::RowAboutToBeRemoved, nShown);
    m_aVisible.RemoveAt(nShown);
    --m_nVisible;
    Notify(m_pObserver, &IRowsObserver::RowRemoved, nShown);
    return FALSE;
}

std::uintptr_t CFilterRows::GetItemData(int nPos) const
{
    const int nRow = RowAt(nPos);
    return nRow < 0 ? 0 : m_aData[size_t(nRow)];
}

void CFilterRows::AssignItemData(std::vector<std::uintptr_t> &&aData)
{
    BeginReset();
    m_aData = std::move(aData);
    m_aChecked.clear();
    m_aVisible.clear();
    if (!m_bFiltersActive) {
        m_aVisible.resize(m_aData.size());
        std::iota(m_aVisible.begin(), m_aVisible.end(), 0);
    }
    for (size_t nRow = 0; m_bFiltersActive && nRow < m_aData.size(); ++nRow) {
        if (RowPassesFilters(m_aData[nRow]))
            m_aVisible.push_back(int(nRow));
    }
    m_nVisible = m_aVisible.GetSize();
    EndReset();
}

BOOL CFilterRows::GetCheck(int nPos) const
{
    const int nRow = RowAt(nPos);
    return nRow >= 0 && size_t(nRow) < m_aChecked.size() && m_aChecked[size_t(nRow)] ? TRUE : FALSE;
}

BOOL CFilterRows::SetCheck(int nPos, BOOL bCheck)
{
    const int nRow = RowAt(nPos);
    if (nRow < 0)
        return FALSE;
    if (m_aChecked.size() < m_aData.size())
        m_aChecked.resize(m_aData.size());
    m_aChecked[size_t(nRow)] = bCheck != FALSE;
    Notify(m_pObserver, &IRowsObserver::RowChanged, nPos, -1);
    return TRUE;
}

BOOL CFilterRows::DeleteAllItems()
{
    BeginReset();
    m_nVisible = 0;
    m_aVisible.RemoveAll();
    m_aData.clear();
    m_aChecked.clear();
    EndReset();
    return TRUE;
}

int CFilterRows::RowAt(int nPos) const
{
    return (nPos < 0 || nPos >= m_aVisible.GetSize()) ? -1 : m_aVisible[size_t(nPos)];
}

CString CFilterRows::GetItemText(int nPos, int nColumn) const
{
    const int nRow = RowAt(nPos);
    if (nRow < 0)
        return CString();
    if (!m_pfnDescriptor)
        return CString("no data descriptor initialised");
    return CellText(m_aData[size_t(nRow)], DefinitionAt(nColumn));
}

void CFilterRows::ApplyFilters(const CStringArray &aFilterTexts)
{
    if (!m_pfnDescriptor || aFilterTexts.IsEmpty())
        return;
    BeginReset();
    m_aVisible.RemoveAll();
    m_nVisible = 0;
    m_aFilterCols.RemoveAll();
    m_aFilterTexts.RemoveAll();
    m_aFilterPatterns.clear();
    for (int nColumn = 0; nColumn < aFilterTexts.GetSize(); ++nColumn) {
        if (aFilterTexts[size_t(nColumn)].IsEmpty())
            continue;
        // A column without definition keeps its display position.
        const int nDef = DefinitionAt(nColumn);
        m_aFilterCols.Add(nDef < 0 ? nColumn : nDef);
        m_aFilterTexts.Add(aFilterTexts[size_t(nColumn)]);
        m_aFilterPatterns.emplace_back(aFilterTexts[size_t(nColumn)]);
    }
    m_bFiltersActive = !m_aFilterCols.IsEmpty();

    // A filter on a column that was never built tests the text of the
    // filter before it in the row, as the cell text is carried along. Each
    // filter knows before the run whether it asks for texts.
    struct sFilter
    {
        int nDef;
        bool bFetch;
        const CFilterPattern *pPattern;
    };
    std::vector<sFilter> aFilters;
    const int nDefs = ColumnDefinitionCount();
    for (size_t i = 0; i < m_aFilterCols.size(); ++i)
        aFilters.push_back({m_aFilterCols[i], m_aFilterCols[i] <= nDefs - 1, &m_aFilterPatterns[i]});
    m_aVisible.reserve(m_aData.size());
    const auto run = [this, &aFilters](auto fetch) {
        const size_t nRows = m_aData.size();
        for (size_t nRow = 0; nRow < nRows; ++nRow) {
            const std::uintptr_t dwData = m_aData[nRow];
            std::string_view text;
            bool bPass = true;
            for (auto filter = aFilters.cbegin(); bPass && filter != aFilters.cend(); ++filter) {
                if (dwData && filter->bFetch)
                    text = fetch(dwData, filter->nDef);
                bPass = filter->pPattern->Matches(text);
            }
            if (bPass)
                m_aVisible.push_back(int(nRow));
        }
    };
    if (m_pfnCellView) {
        run(m_pfnCellView);
    } else {
        CString strText;
        run([pfnDescriptor = m_pfnDescriptor, &strText](std::uintptr_t dwData, int nDef) {
            COLORREF crText = CLR_DEFAULT_CELL, crBack = CLR_DEFAULT_CELL;
            int nImage = -1;
            strText.clear();
            pfnDescriptor(dwData, nDef, &strText, &crText, &crBack, &nImage);
            return std::string_view(strText);
        });
    }
    m_nVisible = m_aVisible.GetSize();
    EndReset();
}

bool CFilterRows::RowPassesFilters(std::uintptr_t dwData) const
{
    if (!m_bFiltersActive || !m_pfnDescriptor)
        return true;
    CString strText;
    for (size_t i = 0; i < m_aFilterCols.size(); ++i) {
        strText.clear();
        FetchText(dwData, m_aFilterCols[i], strText);
        if (!m_aFilterPatterns[i].Matches(strText))
            return false;
    }
    return true;
}

std::vector<sHeaderImage> CFilterRows::PrepareColumnSort(int nColumn)
{
    std::vector<sHeaderImage> aImages;
    if (m_nVisible == 0)
        return aImages;
    const int nPrev = m_sort.nPrevSortCol;
    m_sort.nSortCol = nColumn;
    m_sort.nSortDir = nColumn == nPrev ? -m_sort.nSortDir : -1;
    if (m_sort.nSortDir == 1 && nColumn == nPrev) {
        aImages.push_back({nColumn, 1});
    } else {
        if (nPrev != nColumn && nPrev != -1)
            aImages.push_back({nPrev, 2});
        aImages.push_back({nColumn, 0});
    }
    const int nDef = DefinitionAt(nColumn);
    if (nDef >= 0)
        m_nSortDef = nDef;
    m_sort.nPrevSortCol = nColumn;
    return aImages;
}

void CFilterRows::SortShownRows()
{
    if (!m_pLayout || m_nSortDef < 0)
        throw CInvalidArgException();
    m_sort.nSortType = m_pLayout->ColumnType(m_nSortDef);
    if (!IsSortType(m_sort.nSortType))
        return;
    // FetchText, with what it checks for every row checked once.
    const bool bFetch = m_pfnDescriptor && m_nSortDef <= ColumnDefinitionCount() - 1;
    const auto readText = [this, bFetch](int nRow, CString &strText) {
        strText.clear();
        const std::uintptr_t dwData = m_aData[size_t(nRow)];
        COLORREF crText = CLR_DEFAULT_CELL, crBack = CLR_DEFAULT_CELL;
        int nImage = -1;
        if (bFetch && dwData)
            m_pfnDescriptor(dwData, m_nSortDef, &strText, &crText, &crBack, &nImage);
    };
    BeginReset();
    m_aVisible = WithKey(m_sort.nSortType, [&](auto key) {
        return SortedRows(key, m_aVisible, m_aData.size(), m_sort.nSortDir, readText);
    });
    EndReset();
}

int CFilterRows::CompareVisibleRows(int nRowA, int nRowB) const
{
    if (m_nSortDef < 0 || !IsSortType(m_sort.nSortType))
        return 0;
    CString strA;
    CString strB;
    FetchText(m_aData.at(size_t(nRowA)), m_nSortDef, strA);
    FetchText(m_aData.at(size_t(nRowB)), m_nSortDef, strB);
    return m_sort.nSortDir * WithKey(m_sort.nSortType, [&](auto key) {
        using Key = decltype(key);
        return Order(Key::Of(strB), Key::Of(strA));
    });
}

int CFilterRows::DefinitionAt(int nColumn) const
{
    if (!m_pLayout)
        return -1;
    const CArray<int> &aColPos = m_pLayout->ColumnPositions();
    const auto it = std::find(aColPos.begin(), aColPos.end(), nColumn);
    return it == aColPos.end() ? -1 : int(it - aColPos.begin());
}

CString CFilterRows::CellText(std::uintptr_t dwData, int nDef) const
{
    CString strText;
    FetchText(dwData, nDef, strText);
    return strText;
}

void CFilterRows::FetchText(std::uintptr_t dwData, int nDef, CString &strText) const
{
    if (!m_pfnDescriptor || dwData == 0 || nDef > ColumnDefinitionCount() - 1)
        return;
    COLORREF crText = CLR_DEFAULT_CELL;
    COLORREF crBack = CLR_DEFAULT_CELL;
    int nImage = -1;
    m_pfnDescriptor(dwData, nDef, &strText, &crText, &crBack, &nImage);
}

int CFilterRows::ColumnDefinitionCount() const
{
    return m_pLayout ? m_pLayout->ColumnDefinitionCount() : 0;
}

void CFilterRows::BeginReset()
{
    Notify(m_pObserver, &IRowsObserver::RowsAboutToReset);
}

void CFilterRows::EndReset()
{
    Notify(m_pObserver, &IRowsObserver::RowsReset);
}
