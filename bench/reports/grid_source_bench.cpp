// The table viewer's grid over a large table: what one screen of the grid
// costs through TableGridSource, which reads the cells on demand from the
// open table, and the same after the user jumps to another row (the cursor
// moves, then the page around it is read). Neither should grow with the row
// count: the source keeps no copy of the table.
#include "reports/table_grid_source.h"
#include "tables/paradox_format.h"
#include "tables/table.h"
#include "tables/table_file.h"
#include "ui/scripted_dialogs.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

namespace {

using namespace verdalis;

constexpr int pageRows = 40;

// Writes a Paradox table of `rows` records once per row count.
const std::filesystem::path& tableWithRows(int64_t rows)
{
    static std::map<int64_t, std::filesystem::path> made;
    auto& path = made[rows];
    if (path.empty()) {
        path = std::filesystem::temp_directory_path() / ("verdalis-grid-bench-" + std::to_string(rows) + ".db");
        TableData data;
        data.format = TableFormat::Paradox;
        data.fields = paradoxFields({{"MUKey", FieldType::Text, 12},
                                     {"MUSYM", FieldType::Text, 8},
                                     {"Slope", FieldType::Float},
                                     {"MUName", FieldType::Text, 60}});
        data.paradox.tableName = path.stem().string();
        for (int64_t r = 0; r < rows; ++r) {
            data.appendRow({"MU" + std::to_string(r), "Ab" + std::to_string(r % 97), static_cast<double>(r % 25),
                            std::string("Clarion loam, 2 to 6 percent slopes")});
        }
        replaceFile(path, writeParadox(data));
    }
    return path;
}

void readPage(const reports::TableGridSource& source, int top)
{
    for (int row = top; row < top + pageRows && row < source.rowCount(); ++row) {
        for (int column = 0; column < source.columnCount(); ++column) {
            benchmark::DoNotOptimize(source.cellText(row, column));
        }
    }
}

// The viewer's table, opened read-only, and its grid source.
struct ViewedTable {
    explicit ViewedTable(int64_t rows)
    {
        const std::filesystem::path& path = tableWithRows(rows);
        table.setReadOnly(true);
        table.open(path.parent_path(), path.filename().string());
    }
    Table table;
    ui::ScriptedDialogs dialogs;
    reports::TableGridSource source{table, dialogs};
};

void BM_GridSourcePage(benchmark::State& state)
{
    ViewedTable viewed(state.range(0));
    int top = 0;
    for (auto _ : state) {
        top = (top + 7'777) % (viewed.source.rowCount() - pageRows);
        readPage(viewed.source, top);
    }
    state.counters["rows"] = static_cast<double>(state.range(0));
}

void BM_GridSourceJumpAndPage(benchmark::State& state)
{
    ViewedTable viewed(state.range(0));
    int row = 0;
    for (auto _ : state) {
        row = (row + 104'729) % viewed.source.rowCount();
        viewed.source.setCurrentRow(row);
        readPage(viewed.source, std::max(0, row - pageRows / 2));
    }
    state.counters["rows"] = static_cast<double>(state.range(0));
}

BENCHMARK(BM_GridSourcePage)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridSourceJumpAndPage)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
