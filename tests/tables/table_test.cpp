#include "util/case_insensitive_path.h"
#include "tables/table.h"
#include "tables/table_cache.h"
#include "tables/table_error.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace verdalis {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;
using testing::TempDir;

struct CropRow {
    const char* code;
    const char* name;
    const char* yield;
    const char* province;
};

const CropRow kCrops[] = {
    {"12", "Corn, grain", "150.5", "CP"}, {"7", "Soybeans", "45", "P"},   {"3", "Wheat", "70.25", "CP"},
    {"12", "Corn, silage", "20", "M"},    {"40", "Barley", "", "cp"},      {"5", "Oats", "80", "P"},
};

class TableTest : public ::testing::TestWithParam<TableType> {
protected:
    void SetUp() override
    {
        fileName_ = GetParam() == TableType::Paradox ? "Crops.db" : "Crops.dbf";
        Table::create(dir_.path(), fileName_, GetParam(),
                      {{"Crop_Code", FieldType::Integer},
                       {"Name", FieldType::Text, 30},
                       {"Yield", FieldType::Float},
                       {"Province", FieldType::Text, 4}});
        Table table;
        table.open(dir_.path(), fileName_);
        for (const CropRow& row : kCrops) {
            table.append();
            table.field("Crop_Code").setText(row.code);
            table.field("Name").setText(row.name);
            table.field("Yield").setText(row.yield);
            table.field("Province").setText(row.province);
            table.post();
        }
    }

    void openCrops(Table& table) { table.open(dir_.path(), fileName_); }

    std::vector<std::string> names(Table& table)
    {
        std::vector<std::string> result;
        table.first();
        for (size_t i = 0; i < table.recordCount(); ++i, table.next()) {
            result.push_back(table.field("Name").asText());
        }
        return result;
    }

    TempDir dir_;
    std::string fileName_;
};

TEST_P(TableTest, WalksRecordsWithEofAndBof)
{
    Table table;
    openCrops(table);
    EXPECT_EQ(table.recordCount(), 6u);
    EXPECT_TRUE(table.bof());
    EXPECT_FALSE(table.eof());
    EXPECT_EQ(table.field("Name").asText(), "Corn, grain");
    table.moveBy(4);
    EXPECT_EQ(table.recordNumber(), 5u);
    table.next();
    table.next();
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.field("Name").asText(), "Oats");
    table.moveBy(-10);
    EXPECT_TRUE(table.bof());
    table.moveBy(INT64_MAX);
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.recordNumber(), 6u);
    table.moveBy(INT64_MIN);
    EXPECT_TRUE(table.bof());
    EXPECT_EQ(table.recordNumber(), 1u);
    table.last();
    EXPECT_EQ(table.field("Name").asText(), "Oats");
    table.prior();
    EXPECT_EQ(table.field("Name").asText(), "Barley");
    EXPECT_EQ(table.textAt(2, 1), "Wheat");
    EXPECT_EQ(table.recordNumber(), 5u);
}

TEST_P(TableTest, ReadsColumnsByNameAndPosition)
{
    Table table;
    openCrops(table);
    ASSERT_EQ(table.fieldCount(), 4u);
    EXPECT_EQ(table.fieldDef(2).name, "Yield");
    EXPECT_TRUE(table.hasField("province"));
    EXPECT_FALSE(table.hasField("Harlwig_Crop_Name"));
    EXPECT_THAT([&] { table.field("Harlwig_Crop_Name"); },
                ThrowsMessage<TableError>(AllOf(HasSubstr(fileName_), HasSubstr("Harlwig_Crop_Name"))));
    EXPECT_THAT([&] { table.field(size_t{4}); }, ::testing::Throws<TableError>());
    EXPECT_EQ(table.field("crop_code").asInteger(), 12);
    EXPECT_EQ(table.field("crop_code").asText(), "12");
    EXPECT_DOUBLE_EQ(table.field(2).asFloat(), 150.5);
    EXPECT_EQ(table.field(2).asText(), "150.5");
    table.moveTo(5);
    EXPECT_TRUE(table.field("Yield").isNull());
    EXPECT_EQ(table.field("Yield").asText(), "");
    EXPECT_EQ(table.field("Yield").asFloat(), 0.0);
}

TEST_P(TableTest, FiltersIgnoringCaseAndCountsFilteredRecords)
{
    Table table;
    table.setFilter("Province = 'cp'");
    openCrops(table);
    EXPECT_EQ(table.recordCount(), 3u);
    EXPECT_EQ(names(table), (std::vector<std::string>{"Corn, grain", "Wheat", "Barley"}));
    table.close();
    table.setFilter("Crop_Code = '12' AND Province = 'M'");
    openCrops(table);
    EXPECT_EQ(names(table), (std::vector<std::string>{"Corn, silage"}));
    EXPECT_FALSE(table.locate("Name", "Wheat"));
    table.close();
    table.setFilter("");
    openCrops(table);
    EXPECT_EQ(table.recordCount(), 6u);
}

TEST_P(TableTest, RejectsMalformedFilters)
{
    Table table;
    for (const char* filter : {"Province = cp", "Province 'cp'", "= 'x'", "Province = 'cp", "A = 'x' or B = 'y'",
                               "A = 'x' and"}) {
        EXPECT_THAT([&] { table.setFilter(filter); }, ::testing::Throws<TableError>()) << filter;
    }
    table.setFilter("Missing = 'x'");
    EXPECT_THAT([&] { openCrops(table); }, ThrowsMessage<TableError>(HasSubstr("Missing")));
    table.setFilter("Name = 'O''Brien'");
    openCrops(table);
    EXPECT_EQ(table.recordCount(), 0u);
    EXPECT_TRUE(table.eof());
}

struct LocateCase {
    const char* keys;
    std::vector<std::string> values;
    bool partial;
    const char* expectedName; // nullptr: not found
};

TEST_P(TableTest, LocatesOnOneOrSeveralKeyColumns)
{
    const LocateCase cases[] = {
        {"Name", {"wheat"}, false, "Wheat"},
        {"Name", {"WHEAT "}, false, nullptr},
        {"Crop_Code", {"12"}, false, "Corn, grain"},
        {"Crop_Code", {" 12.0"}, false, "Corn, grain"},
        {"Crop_Code;Province", {"12", "m"}, false, "Corn, silage"},
        {"crop_code;PROVINCE", {"12", "P"}, false, nullptr},
        {"Yield", {"70.25"}, false, "Wheat"},
        {"Yield", {""}, false, "Barley"},
        {"Crop_Code", {"twelve"}, false, nullptr},
        {"Crop_Code", {"12", "M"}, false, nullptr},
        {"NoSuchColumn", {"x"}, false, nullptr},
        {"Name", {"corn"}, true, "Corn, grain"},
        {"Name;Province", {"corn", "M"}, true, "Corn, silage"},
        {"Name", {"corn"}, false, nullptr},
        {"Name", {"soy"}, true, "Soybeans"},
    };
    Table table;
    openCrops(table);
    for (const LocateCase& c : cases) {
        table.moveTo(6);
        const bool found = table.locate(c.keys, c.values, LocateOptions{c.partial});
        EXPECT_EQ(found, c.expectedName != nullptr) << c.keys << " " << c.values[0];
        if (found && c.expectedName) {
            EXPECT_EQ(table.field("Name").asText(), c.expectedName) << c.keys;
        }
    }
}

TEST_P(TableTest, EditsPostsCancelsAndDeletes)
{
    Table table;
    openCrops(table);
    ASSERT_TRUE(table.locate("Name", "Wheat"));
    table.edit();
    table.field("Yield").setFloat(71.5);
    table.field("Crop_Code").setInteger(33);
    EXPECT_EQ(table.field("Yield").asText(), "71.5");
    table.post();
    table.edit();
    table.field("Name").setText("Rye");
    table.cancel();
    EXPECT_EQ(table.field("Name").asText(), "Wheat");
    EXPECT_THAT([&] { table.field("Name").setText("x"); }, ::testing::Throws<TableError>());

    table.append();
    table.field("Name").setText("Sorghum");
    table.field("Yield").setNull();
    table.next(); // moving posts
    EXPECT_EQ(table.recordCount(), 7u);

    ASSERT_TRUE(table.locate("Name", "soybeans"));
    EXPECT_TRUE(table.deleteRecord());
    EXPECT_EQ(table.field("Name").asText(), "Wheat");
    table.close();

    TableCache::instance().clear();
    openCrops(table);
    EXPECT_EQ(names(table),
              (std::vector<std::string>{"Corn, grain", "Wheat", "Corn, silage", "Barley", "Oats", "Sorghum"}));
    ASSERT_TRUE(table.locate("Name", "Wheat"));
    EXPECT_EQ(table.field("Crop_Code").asInteger(), 33);
    EXPECT_DOUBLE_EQ(table.field("Yield").asFloat(), 71.5);
}

TEST_P(TableTest, KeepsTheChangeInTheEditBufferWhenThePostCannotWrite)
{
    Table table;
    openCrops(table);
    table.edit();
    table.field("Name").setText("Maize");
    // A directory in the table's place makes the rename fail.
    std::filesystem::remove(dir_ / fileName_);
    std::filesystem::create_directories(dir_ / fileName_ / "occupied");
    EXPECT_THAT([&] { table.post(); }, ThrowsMessage<TableError>(HasSubstr(fileName_)));
    EXPECT_EQ(table.state(), Table::State::Edit);
    EXPECT_EQ(table.field("Name").asText(), "Maize");
    std::filesystem::remove_all(dir_ / fileName_);
    table.post();
    table.close();
    TableCache::instance().clear();
    openCrops(table);
    EXPECT_EQ(table.field("Name").asText(), "Maize");
    EXPECT_EQ(table.recordCount(), 6u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);
}

TEST_P(TableTest, KeepsTheChangesOfTwoTablesOnOneFile)
{
    Table grid;
    Table viewer;
    openCrops(grid);
    openCrops(viewer);
    ASSERT_TRUE(viewer.locate("Name", "Oats"));
    viewer.edit();
    viewer.field("Yield").setFloat(81);
    viewer.post();
    grid.edit(); // on a copy read before the viewer's post
    grid.field("Name").setText("Maize");
    grid.post();
    viewer.append();
    viewer.field("Name").setText("Rye");
    viewer.post();
    ASSERT_TRUE(grid.deleteRecord());
    grid.refresh();
    EXPECT_EQ(names(grid),
              (std::vector<std::string>{"Soybeans", "Wheat", "Corn, silage", "Barley", "Oats", "Rye"}));
    ASSERT_TRUE(grid.locate("Name", "Oats"));
    EXPECT_EQ(grid.field("Yield").asText(), "81");

    // Another program rewrites the file: our record ids mean nothing there.
    TableCache::instance().clear();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    Table other;
    openCrops(other);
    other.edit();
    other.field("Name").setText("Spelt");
    other.post();
    viewer.edit();
    viewer.field("Name").setText("Millet");
    EXPECT_THAT([&] { viewer.post(); }, ThrowsMessage<TableError>(HasSubstr("another program")));
    viewer.cancel();
    viewer.refresh();
    viewer.first();
    EXPECT_EQ(viewer.field("Name").asText(), "Spelt");
}

TEST_P(TableTest, RunsEventHandlersAndLetsBeforeDeleteRefuse)
{
    Table table;
    int scrolls = 0;
    std::vector<std::string> asked;
    table.setAfterScroll([&](Table&) { ++scrolls; });
    table.setBeforeDelete([&](Table& t) {
        asked.push_back(t.field("Name").asText());
        return t.field("Name").asText() != "Oats";
    });
    openCrops(table);
    EXPECT_EQ(scrolls, 1);
    table.next();
    table.last();
    table.next(); // already at the end: no scroll
    EXPECT_EQ(scrolls, 3);
    EXPECT_TRUE(table.locate("Name", "Oats"));
    EXPECT_TRUE(table.locate("Name", "Oats")); // the current record again
    EXPECT_EQ(scrolls, 5);
    EXPECT_FALSE(table.locate("Name", "Rice"));
    EXPECT_EQ(scrolls, 5);
    EXPECT_FALSE(table.deleteRecord());
    EXPECT_EQ(table.recordCount(), 6u);
    table.first();
    EXPECT_TRUE(table.deleteRecord());
    EXPECT_EQ(asked, (std::vector<std::string>{"Oats", "Corn, grain"}));
    EXPECT_EQ(table.recordCount(), 5u);
}

TEST_P(TableTest, ReturnsToBookmarks)
{
    Table table;
    openCrops(table);
    table.moveTo(3);
    const Table::Bookmark wheat = table.bookmark();
    table.moveTo(2);
    const Table::Bookmark soy = table.bookmark();
    table.first();
    ASSERT_TRUE(table.deleteRecord());
    ASSERT_TRUE(table.gotoBookmark(wheat));
    EXPECT_EQ(table.field("Name").asText(), "Wheat");
    EXPECT_EQ(table.recordNumber(), 2u);
    table.first();
    ASSERT_TRUE(table.deleteRecord());
    EXPECT_FALSE(table.gotoBookmark(soy));
}

TEST_P(TableTest, RefusesChangesWhenReadOnly)
{
    Table table;
    table.setReadOnly(true);
    openCrops(table);
    EXPECT_THAT([&] { table.edit(); }, ThrowsMessage<TableError>(HasSubstr("read-only")));
    EXPECT_THAT([&] { table.append(); }, ::testing::Throws<TableError>());
    EXPECT_THAT([&] { table.deleteRecord(); }, ::testing::Throws<TableError>());
    table.setReadOnly(false);
    table.edit();
    EXPECT_EQ(table.state(), Table::State::Edit);
}

TEST_P(TableTest, SharesParsedTablesUntilTheFileChanges)
{
    TableCache::instance().clear();
    const size_t parses = TableCache::instance().parseCount();
    Table first;
    Table second;
    openCrops(first);
    openCrops(second);
    EXPECT_EQ(TableCache::instance().parseCount(), parses + 1);
    first.edit();
    first.field("Name").setText("Maize");
    first.post();
    second.close();
    openCrops(second); // our own write refreshed the cache entry
    EXPECT_EQ(TableCache::instance().parseCount(), parses + 1);
    EXPECT_EQ(second.field("Name").asText(), "Maize");

    // Another program rewrites the file: the size and time differ.
    second.close();
    std::filesystem::copy_file(dir_ / fileName_, dir_ / "copy", std::filesystem::copy_options::overwrite_existing);
    Table other;
    other.open(dir_.path(), fileName_);
    other.edit();
    other.field("Name").setText("Corn");
    other.post();
    const auto changedTime = std::filesystem::last_write_time(dir_ / fileName_);
    std::filesystem::rename(dir_ / "copy", dir_ / fileName_);
    std::filesystem::last_write_time(dir_ / fileName_, changedTime + std::chrono::seconds(5));
    openCrops(second);
    EXPECT_EQ(second.field("Name").asText(), "Maize");
    EXPECT_EQ(TableCache::instance().parseCount(), parses + 2);
}

INSTANTIATE_TEST_SUITE_P(BothFormats, TableTest, ::testing::Values(TableType::Dbase, TableType::Paradox),
                         [](const auto& info) { return info.param == TableType::Paradox ? "Paradox" : "Dbase"; });

TEST(FileLookup, FindsNamesIgnoringCaseWhenTheExactNameIsMissing)
{
    TempDir dir;
    dir.write("Yields_And_N_Factors.db", "x");
    dir.write("exact.DBF", "x");
    dir.write("EXACT.dbf", "x");
    EXPECT_EQ(resolveCaseInsensitive(dir.path(), "Yields_And_N_Factors.DB"), dir / "Yields_And_N_Factors.db");
    EXPECT_EQ(resolveCaseInsensitive(dir.path(), "EXACT.dbf"), dir / "EXACT.dbf");
    EXPECT_EQ(resolveCaseInsensitive(dir.path(), "Exact.Dbf"), dir / "EXACT.dbf");
    EXPECT_EQ(resolveCaseInsensitive(dir.path(), "missing.db"), dir / "missing.db");
    EXPECT_EQ(resolveCaseInsensitive(dir / "no-such-dir", "a.db"), dir / "no-such-dir" / "a.db");
}

TEST(TableOpen, GivesNamesWithoutExtensionTheExtensionOfTheType)
{
    TempDir dir;
    Table::create(dir.path(), "UserInputs", TableType::Dbase, {{"RecordName", FieldType::Text, 80}});
    EXPECT_TRUE(std::filesystem::exists(dir / "UserInputs.dbf"));
    Table table;
    table.open(dir.path(), "userinputs", TableType::Dbase);
    EXPECT_EQ(table.path(), dir / "UserInputs.dbf");
    EXPECT_THAT([&] { table.open(dir.path(), "UserInputs", TableType::ByExtension); },
                ThrowsMessage<TableError>(HasSubstr("extension")));
}

TEST(TableOpen, ReportsMissingFilesAndUnknownExtensions)
{
    TempDir dir;
    Table table;
    EXPECT_THAT([&] { table.open(dir.path(), "Crops.db"); }, ThrowsMessage<TableError>(HasSubstr("Crops.db")));
    EXPECT_THAT([&] { table.open(dir.path(), "Crops.txt"); }, ThrowsMessage<TableError>(HasSubstr("extension")));
    EXPECT_FALSE(table.isOpen());
    EXPECT_EQ(table.recordCount(), 0u);
    EXPECT_THAT([&] { table.first(); }, ::testing::Throws<TableError>());
}

} // namespace
} // namespace verdalis
