#include "listctrl/core/ListCompare.h"
#include "listctrl/core/TarnColInfo.h"
#include "platform/core/CNumberReading.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numeric>

namespace {

enum class KeyKind { Integer, Decimal, Text, None };

KeyKind KindOf(int nType)
{
    switch (nType) {
    case kSortInteger:
    case kSortLongInteger:
        return KeyKind::Integer;
    case kSortDecimal:
    case kSortDecimalToo:
    case kSortDecimalCommon:
        return KeyKind::Decimal;
    case kSortText:
    case kSortTextToo:
    case kSortTextCommon:
        return KeyKind::Text;
    default:
        return KeyKind::None;
    }
}

// Leading whole number; values beyond the range are held at its ends.
long long IntegerKey(const CString &t)
{
    return std::strtoll(t.c_str(), nullptr, 10);
}

// Leading decimal; "-" and "NA" stand for -1. A text that reads as "nan"
// counts as 0 so that the order stays well defined.
double DecimalKey(const CString &t)
{
    if (t == "-" || t == "NA")
        return -1.0;
    const double d = CNumberReading::Strtod(t.c_str(), nullptr);
    return std::isnan(d) ? 0.0 : d;
}

int TextCompare(const CString &a, const CString &b)
{
    const int c = std::strcmp(a.c_str(), b.c_str());
    return (c > 0) - (c < 0);
}

template <class T>
int Sign(const T &a, const T &b)
{
    return (a > b) - (a < b);
}

template <class Key>
std::vector<int> SortByKeys(const std::vector<Key> &keys, int nSortDir, int (*compare)(const Key &, const Key &))
{
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return compare(keys[size_t(a)], keys[size_t(b)]) * nSortDir < 0;
    });
    return order;
}

template <class Key>
std::vector<Key> ReadKeys(int nRows, const std::function<CString(int)> &cellText, Key (*toKey)(const CString &))
{
    std::vector<Key> keys;
    keys.reserve(size_t(nRows));
    for (int r = 0; r < nRows; ++r)
        keys.push_back(toKey(cellText(r)));
    return keys;
}

CString TextKey(const CString &t)
{
    return t;
}

} // namespace

int CompareCellTexts(int nType, const CString &t1, const CString &t2, int nSortDir)
{
    switch (KindOf(nType)) {
    case KeyKind::Integer:
        return Sign(IntegerKey(t1), IntegerKey(t2)) * nSortDir;
    case KeyKind::Decimal:
        return Sign(DecimalKey(t1), DecimalKey(t2)) * nSortDir;
    case KeyKind::Text:
        return TextCompare(t1, t2) * nSortDir;
    case KeyKind::None:
        break;
    }
    return 0;
}

std::vector<int> SortedRowOrder(int nRows, int nType, int nSortDir, const std::function<CString(int)> &cellText)
{
    nRows = std::max(nRows, 0);
    switch (KindOf(nType)) {
    case KeyKind::Integer:
        return SortByKeys(ReadKeys(nRows, cellText, IntegerKey), nSortDir, Sign<long long>);
    case KeyKind::Decimal:
        return SortByKeys(ReadKeys(nRows, cellText, DecimalKey), nSortDir, Sign<double>);
    case KeyKind::Text:
        return SortByKeys(ReadKeys(nRows, cellText, TextKey), nSortDir, TextCompare);
    case KeyKind::None:
        break;
    }
    std::vector<int> order(static_cast<size_t>(nRows));
    std::iota(order.begin(), order.end(), 0);
    return order;
}
