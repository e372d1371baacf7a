// The Validation dialog's list with a million result lines: filter runs
// through its own cell provider, the column-click sort, and, for scale, the
// same filtering by Qt's proxy model over a plain table model.
#include "filevalues/core/ValidationRows.h"

#include <QAbstractTableModel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <numeric>
#include <random>

namespace {

constexpr int kRows = 1000000;
constexpr int kColumns = 6; // Validation, Success/Error, Name, Count, Amount, line

// "OK,Success,Name<n>,<count>,<amount>,<line>," with one row in ten an error.
CString ResultLines()
{
    std::mt19937 random(7);
    CString rows;
    rows.reserve(size_t(kRows) * 40);
    char line[128];
    for (int i = 1; i <= kRows; ++i) {
        const bool bError = random() % 10 == 0;
        std::snprintf(line, sizeof(line), "%s,Name%06u,%u,%u.%u,%d,\n", bError ? "Error,Bad amount" : "OK,Success",
                      unsigned(random() % 1000000), unsigned(random() % 1000), unsigned(random() % 1000),
                      unsigned(random() % 10), i);
        rows += line;
    }
    return rows;
}

struct CAllColumns : IFilterColumnLayout
{
    CAllColumns() : aColPos(kColumns) { std::iota(aColPos.begin(), aColPos.end(), 0); }
    const CArray<int> &ColumnPositions() const override { return aColPos; }
    int ColumnDefinitionCount() const override { return kColumns; }
    int ColumnType(int) const override { return 3; }
    CArray<int> aColPos;
};

// The dialog's list, filled once for all benchmarks.
struct CValidationList
{
    CValidationList()
    {
        rows.SetDataDescriptor(RowText);
        rows.SetCellView(RowCell);
        rows.SetColumnLayout(&layout);
        FillRows(rows, strRows);
    }
    CString strRows = ResultLines();
    CAllColumns layout;
    CFilterRows rows;
};

CValidationList &List()
{
    static CValidationList list;
    return list;
}

void RunFilters(benchmark::State &state, const CStringArray &aFilters)
{
    CFilterRows &rows = List().rows;
    for (auto _ : state)
        rows.ApplyFilters(aFilters);
    state.counters["shown"] = rows.GetVisibleCount();
    rows.ApplyFilters({""});
}

void BM_ApplyFiltersOneColumn(benchmark::State &state)
{
    RunFilters(state, {"", "", "*42*"});
}
BENCHMARK(BM_ApplyFiltersOneColumn)->Unit(benchmark::kMillisecond);

void BM_ApplyFiltersThreeColumns(benchmark::State &state)
{
    RunFilters(state, {"ok", "", "*4*", ">100"});
}
BENCHMARK(BM_ApplyFiltersThreeColumns)->Unit(benchmark::kMillisecond);

// Each click on the name column flips the direction, so every iteration
// sorts rows that are in the opposite order.
void BM_SortShownRows(benchmark::State &state)
{
    CFilterRows &rows = List().rows;
    rows.ApplyFilters({""});
    for (auto _ : state) {
        rows.PrepareColumnSort(2);
        rows.SortShownRows();
    }
    state.counters["shown"] = rows.GetVisibleCount();
}
BENCHMARK(BM_SortShownRows)->Unit(benchmark::kMillisecond);

void BM_SortShuffledRows(benchmark::State &state)
{
    CFilterRows &rows = List().rows;
    for (auto _ : state) {
        state.PauseTiming();
        rows.ApplyFilters({""}); // back to storage order
        state.ResumeTiming();
        rows.PrepareColumnSort(2);
        rows.SortShownRows();
    }
}
BENCHMARK(BM_SortShuffledRows)->Unit(benchmark::kMillisecond);

// The same cells, split once, in a plain table model.
class CPlainTable : public QAbstractTableModel
{
public:
    explicit CPlainTable(const CString &strRows)
    {
        for (const QByteArray &line : QByteArray::fromStdString(strRows).split('\n')) {
            if (line.isEmpty())
                continue;
            QStringList cells;
            for (const QByteArray &cell : line.split(','))
                if (!cell.isEmpty())
                    cells << QString::fromLatin1(cell);
            m_rows.push_back(cells);
        }
    }
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : kColumns; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        const QStringList &cells = m_rows[size_t(index.row())];
        return index.column() < cells.size() ? cells[index.column()] : QStringLiteral(" ");
    }

private:
    std::vector<QStringList> m_rows;
};

void BM_QtProxyFilterOneColumn(benchmark::State &state)
{
    static CPlainTable table(List().strRows);
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(QStringLiteral("*42*")),
                                     QRegularExpression::CaseInsensitiveOption);
    int nShown = 0;
    for (auto _ : state) {
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(&table);
        proxy.setFilterKeyColumn(2);
        proxy.setFilterRegularExpression(pattern);
        nShown = proxy.rowCount();
    }
    state.counters["shown"] = nShown;
}
BENCHMARK(BM_QtProxyFilterOneColumn)->Unit(benchmark::kMillisecond);

} // namespace
