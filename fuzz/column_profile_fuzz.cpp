// Column profiles: any stored text gives a layout that shows each definition
// at most once at consecutive positions, and a layout saved and read again
// is the same layout.
#include "FuzzSupport.h"

#include "listctrl/core/ColumnProfile.h"

namespace {
void CheckLayout(const sColumnLayout &layout, const CArray<tsTarnColInfoWiz> &aColInfo)
{
    FUZZ_CHECK(layout.aColPos.size() == aColInfo.size());
    int nShown = 0;
    for (int p : layout.aColPos) {
        FUZZ_CHECK(p >= -1 && p < int(aColInfo.size()));
        nShown += p != -1;
    }
    FUZZ_CHECK(size_t(nShown) == layout.aColumns.size());
    for (size_t p = 0; p < layout.aColumns.size(); ++p) {
        const sColumnSpec &column = layout.aColumns[p];
        FUZZ_CHECK(column.nDef >= 0 && column.nDef < int(aColInfo.size()));
        FUZZ_CHECK(layout.aColPos[size_t(column.nDef)] == int(p));
        FUZZ_CHECK(column.strHeading == aColInfo[size_t(column.nDef)].szName);
    }
    FUZZ_CHECK(layout.aColumns.empty() || layout.nFirstColDef == layout.aColumns.front().nDef);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CFuzzParts parts(data, size);
    const unsigned n = parts.NextByte() % 12;
    const CString profile = parts.Next();
    CArray<int> aDefaultColPos;
    for (char c : parts.Next())
        aDefaultColPos.Add(static_cast<signed char>(c) % 16);
    const bool bProfile = parts.NextByte() % 2 == 0;

    CArray<tsTarnColInfoWiz> aColInfo;
    for (unsigned d = 0; d < n; ++d)
        aColInfo.Add(MakeColInfo("C" + std::to_string(d), int(d) * 10 + 5));
    try {
        CheckLayout(ComputeColumnLayout(aColInfo, aDefaultColPos, bProfile ? &profile : nullptr), aColInfo);
    } catch (const CInvalidArgException &) {
        // A negative index or a position below -1: the caller falls back.
    }
    const sColumnLayout layout = BuildColumnLayout(aColInfo, aDefaultColPos, bProfile ? &profile : nullptr);
    CheckLayout(layout, aColInfo);

    std::vector<std::pair<CString, int>> header;
    for (const sColumnSpec &column : layout.aColumns)
        header.emplace_back(column.strHeading, column.nWidth);
    const CString saved = BuildColumnProfileText(aColInfo, layout.aColPos, header);
    const sColumnLayout again = BuildColumnLayout(aColInfo, CArray<int>(), &saved);
    FUZZ_CHECK(again.aColPos == layout.aColPos);
    FUZZ_CHECK(again.aColumns.size() == layout.aColumns.size());
    for (size_t p = 0; p < again.aColumns.size(); ++p)
        FUZZ_CHECK(again.aColumns[p].nWidth == layout.aColumns[p].nWidth);
    return 0;
}
