// The cost of one generic lookup: open a reference table, locate a record by
// two key columns, read one column, close. Cold: the table cache is empty,
// so the file is parsed and the key index built. Warm: the file is unchanged
// since the last lookup, so only a stat, an index probe and a read remain;
// its cost should not grow with the row count.
//
// Also: a grid page (40 rows of every column at a random record number) on
// an open table, and one post, which rewrites the whole file.
#include "tables/paradox_format.h"
#include "tables/table.h"
#include "tables/table_cache.h"
#include "tables/table_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

namespace {

using namespace verdalis;

std::string keyOf(int64_t row) { return "L" + std::to_string(row * 7919 % 1'000'003); }

// Writes a Paradox table of `rows` records once per row count.
const std::filesystem::path& tableWithRows(int64_t rows)
{
    static std::map<int64_t, std::filesystem::path> made;
    auto& path = made[rows];
    if (path.empty()) {
        path = std::filesystem::temp_directory_path() / ("verdalis-bench-" + std::to_string(rows) + ".db");
        TableData data;
        data.format = TableFormat::Paradox;
        data.fields = paradoxFields({{"LKey", FieldType::Text, 12},
                                     {"MUSYM", FieldType::Text, 8},
                                     {"Value", FieldType::Float},
                                     {"Note", FieldType::Text, 40}});
        data.paradox.tableName = path.stem().string();
        for (int64_t r = 0; r < rows; ++r) {
            data.appendRow({keyOf(r), std::string("Ab") + std::to_string(r % 97), static_cast<double>(r) / 8,
                            std::string("reference row")});
        }
        replaceFile(path, writeParadox(data));
    }
    return path;
}

void lookup(benchmark::State& state, bool warm)
{
    const std::filesystem::path& path = tableWithRows(state.range(0));
    int64_t row = 0;
    Table table;
    for (auto _ : state) {
        if (!warm) {
            TableCache::instance().clear();
        }
        row = (row + 104'729) % state.range(0);
        table.open(path.parent_path(), path.filename().string());
        const bool found = table.locate("LKey;MUSYM", {keyOf(row), "ab" + std::to_string(row % 97)});
        benchmark::DoNotOptimize(found ? table.field("Value").asText() : std::string());
        table.close();
    }
    state.counters["rows"] = static_cast<double>(state.range(0));
}

void BM_LookupCold(benchmark::State& state) { lookup(state, false); }
void BM_LookupWarm(benchmark::State& state) { lookup(state, true); }

void BM_GridPage(benchmark::State& state)
{
    const std::filesystem::path& path = tableWithRows(state.range(0));
    Table table;
    table.open(path.parent_path(), path.filename().string());
    constexpr size_t kPageRows = 40;
    size_t top = 0;
    for (auto _ : state) {
        top = (top + 7'777) % (table.recordCount() - kPageRows);
        for (size_t row = top; row < top + kPageRows; ++row) {
            for (size_t column = 0; column < table.fieldCount(); ++column) {
                benchmark::DoNotOptimize(table.textAt(row, column));
            }
        }
    }
    state.counters["rows"] = static_cast<double>(state.range(0));
}

void BM_PostOneEdit(benchmark::State& state)
{
    const std::filesystem::path& original = tableWithRows(state.range(0));
    const std::filesystem::path path = original.parent_path() / ("edited-" + original.filename().string());
    std::filesystem::copy_file(original, path, std::filesystem::copy_options::overwrite_existing);
    Table table;
    table.open(path.parent_path(), path.filename().string());
    double value = 0;
    for (auto _ : state) {
        table.edit();
        table.field("Value").setFloat(++value);
        table.post();
    }
    state.counters["rows"] = static_cast<double>(state.range(0));
}

BENCHMARK(BM_LookupCold)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookupWarm)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridPage)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PostOneEdit)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
