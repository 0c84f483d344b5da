// Reads dBASE files written by our engine back with GDAL, an independent
// reader, and compares every value.
#include "tables/csv_reader.h"
#include "tables/table.h"
#include "table_rows.h"
#include "temp_dir.h"
#include "util/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>

namespace verdalis {
namespace {

using testing::TempDir;

// ogr2ogr's CSV output of the table, or nothing when GDAL is not installed.
std::optional<std::string> readWithGdal(const std::filesystem::path& file)
{
    const std::string command = "ogr2ogr -f CSV /vsistdout/ '" + file.string() + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) {
        return std::nullopt;
    }
    std::string output;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        output.append(buffer, n);
    }
    if (::pclose(pipe.release()) != 0) {
        return std::nullopt;
    }
    return output;
}

// How GDAL shows what our engine reads as `ours`.
std::string gdalForm(FieldType type, const std::string& ours)
{
    switch (type) {
    case FieldType::Logical: return ours.empty() ? "?" : ours.substr(0, 1);
    case FieldType::Date: {
        std::string date = ours;
        std::replace(date.begin(), date.end(), '-', '/');
        return date;
    }
    default: return ours;
    }
}

TEST(GdalInterop, ReadsEveryValueOfEveryColumnTypeAsWeWroteIt)
{
    if (std::system("ogr2ogr --version >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "GDAL's ogr2ogr is not installed";
    }
    const std::vector<FieldDef> fields = {{"NAME", FieldType::Text, 40},
                                          {"CODE", FieldType::Integer},
                                          {"AMOUNT", FieldType::Float},
                                          {"ACTIVE", FieldType::Logical},
                                          {"SAMPLED", FieldType::Date}};
    const std::vector<std::vector<std::string>> rows = {
        {"Corn, grain", "12", "150.5", "True", "2024-02-29"},
        {"R\u00E9sum\u00E9 \u20AC \u0160 \u201Cquoted\u201D", "-2147483648", "-1e-07", "False", "1901-01-01"},
        {"", "", "", "", ""},
        {"O'Brien \"x\"", "2147483647", "123456789.125", "", "9999-12-31"},
        {"two words", "0", "0", "True", "2000-01-01"},
    };
    TempDir dir;
    Table::create(dir.path(), "interop.dbf", TableType::Dbase, fields);
    Table table;
    table.open(dir.path(), "interop.dbf");
    testing::appendTextRows(table, rows);
    const auto output = readWithGdal(dir / "interop.dbf");
    ASSERT_TRUE(output.has_value());
    CsvReader reader(*output, "ogr2ogr output");
    std::vector<std::string> cells;
    ASSERT_TRUE(reader.next(cells));
    EXPECT_EQ(cells, (std::vector<std::string>{"NAME", "CODE", "AMOUNT", "ACTIVE", "SAMPLED"}));
    for (size_t r = 0; r < rows.size(); ++r) {
        ASSERT_TRUE(reader.next(cells)) << "row " << r;
        ASSERT_EQ(cells.size(), fields.size());
        table.moveTo(r + 1);
        for (size_t i = 0; i < fields.size(); ++i) {
            const std::string ours = table.field(i).asText();
            EXPECT_EQ(ours, rows[r][i]) << "row " << r << " column " << fields[i].name;
            if (fields[i].type == FieldType::Float && !ours.empty()) {
                EXPECT_NEAR(textToNumber(cells[i]), textToNumber(ours), std::fabs(textToNumber(ours)) * 1e-12)
                    << "row " << r;
            } else {
                EXPECT_EQ(cells[i], gdalForm(fields[i].type, ours)) << "row " << r << " column " << fields[i].name;
            }
        }
    }
    EXPECT_FALSE(reader.next(cells));
}

} // namespace
} // namespace verdalis
