// Sorting a common list by a text and by a decimal column, and building
// columns from a profile of many definitions.
#include "listctrl/core/CListRows.h"
#include "listctrl/core/ColumnProfile.h"
#include "listctrl/core/ListCompare.h"
#include "listctrl/ui/CCommonListCtrl.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kRows = 100000;

QApplication &App()
{
    static int argc = 1;
    static char name[] = "listctrl_bench";
    static char *argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }();
    return *app;
}

CString TextCell(int r)
{
    CString s;
    s.Format("Item %05d-%c", (r * 7919) % kRows, 'A' + r % 26);
    return s;
}

CString DecimalCell(int r)
{
    CString s;
    s.Format("%.3f", ((r * 104729LL) % 1000003) / 7.0 - 5000);
    return s;
}

void FillList(CCommonListCtrl &list)
{
    list.m_aColInfo.Add(MakeColInfo("Name", 100, LVCFMT_LEFT, kSortText));
    list.m_aColInfo.Add(MakeColInfo("Amount", 100, LVCFMT_RIGHT, kSortDecimal));
    list.BuildColumns();
    for (int r = 0; r < kRows; ++r) {
        list.InsertItem(r, TextCell(r));
        list.SetItemText(r, 1, DecimalCell(r));
    }
}

// One header click on a list of 100,000 rows (sort, rows and item data
// reordered, selection kept).
void BM_ListColumnClick(benchmark::State &state)
{
    App();
    CCommonListCtrl list;
    FillList(list);
    const int nCol = int(state.range(0));
    for (auto _ : state)
        list.OnColumnClick(nCol);
    state.SetLabel(nCol == 0 ? "text" : "decimal");
}
BENCHMARK(BM_ListColumnClick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The sort order alone over the row store.
void BM_SortedRowOrder(benchmark::State &state)
{
    CListRows rows;
    for (int r = 0; r < kRows; ++r) {
        rows.InsertItem(r, TextCell(r));
        rows.SetItemText(r, 1, DecimalCell(r));
    }
    const int nCol = int(state.range(0));
    const int nType = nCol == 0 ? 3 : 2;
    int nDir = 1;
    for (auto _ : state) {
        nDir = -nDir;
        benchmark::DoNotOptimize(
            SortedRowOrder(kRows, nType, nDir, [&](int r) { return rows.GetItemText(r, nCol); }));
    }
    state.SetLabel(nCol == 0 ? "text" : "decimal");
}
BENCHMARK(BM_SortedRowOrder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The layout from a stored profile of 200 definitions, shown in reverse.
void BM_BuildColumnLayout(benchmark::State &state)
{
    constexpr int n = 200;
    CArray<tsTarnColInfoWiz> defs;
    CString profile;
    for (int i = 0; i < n; ++i) {
        CString name, triplet;
        name.Format("Column %d", i);
        defs.Add(MakeColInfo(name, 80));
        triplet.Format(i ? ",%d,%d,%d" : "%d,%d,%d", i, i % 5 == 0 ? -1 : n - 1 - i, 60 + i);
        profile += triplet;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildColumnLayout(defs, {}, &profile));
}
BENCHMARK(BM_BuildColumnLayout)->Unit(benchmark::kMicrosecond);

// The same through a list: the profile read from the INI file and the
// columns inserted into the header.
void BM_ListBuildColumns(benchmark::State &state)
{
    App();
    constexpr int n = 200;
    for (auto _ : state) {
        CCommonListCtrl list;
        for (int i = 0; i < n; ++i) {
            CString name;
            name.Format("Column %d", i);
            list.m_aColInfo.Add(MakeColInfo(name, 80));
        }
        list.BuildColumns();
        benchmark::DoNotOptimize(list.GetColumnCount());
    }
}
BENCHMARK(BM_ListBuildColumns)->Unit(benchmark::kMillisecond);

} // namespace
