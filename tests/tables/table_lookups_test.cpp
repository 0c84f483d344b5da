#include "tables/table.h"
#include "tables/table_lookups.h"
#include "tables/version_record.h"
#include "ui/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace verdalis {
namespace {

namespace fs = std::filesystem;
using ui::MessageKind;

// A program folder with TableLocations.ini and small tables made through
// the engine: the counties, the crops and a two-key yield table.
class LookupFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("verdalis-lookups-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        dirs_ = ProgramDirs::under(root_);
        for (const auto& dir : {dirs_.UserTablesDir, dirs_.CountyTablesDir, dirs_.CropTablesDir}) {
            fs::create_directories(dir);
        }
        writeLocations("\\CountyTables", "\\CropTables");
        makeTable(dirs_.CountyTablesDir, "County_Stations.db", {"County", "Province"},
                  {{"Alder", "CP"}, {"Birch", "M"}, {"Cedar", "P"}, {"Dogwood", "X"}});
        makeTable(dirs_.CropTablesDir, "Crops.db", {"Harlwig_Crop_Name", "Crop_Code", "NUE"},
                  {{"Wheat", "WHT", "65"}, {"Barley", "BAR", ""}});
        makeTable(dirs_.UserTablesDir, "Yields_And_N_Factors.db", {"LKey", "MUSYM", "Wheat"},
                  {{"A1", "CbA", "60"}, {"A1", "DoB", "72"}});
    }
    void TearDown() override { fs::remove_all(root_); }

    void writeLocations(const std::string& countyFolder, const std::string& cropFolder)
    {
        std::ofstream ini(dirs_.tableLocationsFile());
        ini << "[TableLocations]\r\n"
            << "County_Stations.db=" << countyFolder << "\r\n"
            << "Crops.db=" << cropFolder << "\r\n"
            << "Yields_And_N_Factors.DB=\\UserTables\r\n"
            << "[Version Changes]\r\nVersionNum=2.5\r\nVersionDate=3/14/2026\r\nVersionType=private\r\n";
    }

    static void makeTable(const fs::path& dir, const std::string& name, const std::vector<std::string>& columns,
                          const std::vector<std::vector<std::string>>& rows)
    {
        std::vector<FieldDef> fields;
        for (const auto& column : columns) {
            fields.push_back(FieldDef{column, FieldType::Text, 40});
        }
        Table::create(dir, name, TableType::ByExtension, fields);
        Table table;
        table.open(dir, name);
        for (const auto& row : rows) {
            table.append();
            for (size_t i = 0; i < row.size(); ++i) {
                table.field(columns[i]).setText(row[i]);
            }
            table.post();
        }
    }

    TableLookups lookups() { return TableLookups(dirs_, dialogs_, batch_); }

    fs::path root_;
    ProgramDirs dirs_;
    ui::ScriptedDialogs dialogs_;
    ui::BatchState batch_;
};

TEST_F(LookupFixture, TableLocationFollowsTheSettingsFileIgnoringCase)
{
    EXPECT_EQ(lookups().GetTableLocation("Yields_And_N_Factors.DB"),
              (dirs_.UserTablesDir / "Yields_And_N_Factors.db").string());
    EXPECT_TRUE(dialogs_.messages().empty());
}

TEST_F(LookupFixture, FolderWithoutLeadingSeparatorIsReportedMissing)
{
    writeLocations("\\CountyTables", "CropTables");
    EXPECT_EQ(lookups().GetTableLocation("Crops.db"), "error");
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(dialogs_.messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs_.messages()[0].text, "FUNCTION:  GetTableLocation -  \nError Locating Table:\nCrops.db\nin " +
                                               root_.string() + "CropTables");
}

TEST_F(LookupFixture, MissingSettingsFileIsSilentForLocationButReportedByValue)
{
    fs::remove(dirs_.tableLocationsFile());
    EXPECT_EQ(lookups().GetTableLocation("Crops.db"), "error");
    EXPECT_TRUE(dialogs_.messages().empty());
    EXPECT_EQ(lookups().GetTableValue("Crops.db", "NUE", "Crop_Code", "WHT"), "error");
    EXPECT_EQ(dialogs_.messageTexts(), std::vector<std::string>{"Cannot Locate\nTableLoactions.ini"});
}

TEST_F(LookupFixture, ValueOfTheFirstRecordMatchingOneOrTwoKeys)
{
    EXPECT_EQ(lookups().GetTableValue("Crops.db", "NUE", "Crop_Code", "wht"), "65");
    EXPECT_EQ(lookups().GetTableValue("Crops.db", "NUE", "Crop_Code", "BAR"), "");
    EXPECT_EQ(lookups().GetTableValue("Yields_And_N_Factors.DB", "Wheat", "LKey", "A1", "MUSYM", "DoB"), "72");
    EXPECT_TRUE(dialogs_.messages().empty());
}

TEST_F(LookupFixture, FailedLookupsNameWhatWasMissing)
{
    const auto l = lookups();
    EXPECT_EQ(l.GetTableValue("Crops.db", "Yield", "Crop_Code", "WHT"), "error");
    EXPECT_EQ(l.GetTableValue("Crops.db", "NUE", "Crop_Code", "OAT"), "error");
    EXPECT_EQ(l.GetTableValue("Yields_And_N_Factors.DB", "Wheat", "LKey", "A1", "MUSYM", "Zz"), "error");
    EXPECT_EQ(l.GetTableValue("Crops.db", "NUE", "Crop_Code", "OAT", "", "", "", "", false), "error");
    EXPECT_EQ(dialogs_.messageTexts(), (std::vector<std::string>{
                                           "The Column: Yield does not exist\nin this table",
                                           "Cannot Locate Crop_Code : OAT in Table",
                                           "Cannot Locate LKey;MUSYM : \nA1,Zz\n in Table",
                                       }));
}

TEST_F(LookupFixture, MissingTableIsShownEvenInABatch)
{
    fs::remove(dirs_.CropTablesDir / "Crops.db");
    batch_.BatchRunning = true;
    EXPECT_EQ(lookups().GetTableValue("Crops.db", "NUE", "Crop_Code", "WHT", "", "", "", "", false), "error");
    EXPECT_EQ(dialogs_.messageTexts(),
              std::vector<std::string>{"Crops.db does not exist or is in the wrong\nDirectory.  Please place the "
                                       "file in\n" +
                                       dirs_.CropTablesDir.string()});
}

TEST_F(LookupFixture, BatchRunKeepsOnlyTheLastFailureWithCrLf)
{
    batch_.BatchRunning = true;
    const auto l = lookups();
    l.GetTableValue("Crops.db", "NUE", "Crop_Code", "OAT", "", "", "", "", false);
    l.GetTableValue("Yields_And_N_Factors.DB", "Wheat", "LKey", "A1", "MUSYM", "Zz");
    EXPECT_TRUE(dialogs_.messages().empty());
    EXPECT_TRUE(batch_.BatchMessagePending);
    EXPECT_EQ(batch_.BatchMessage, "Cannot Locate LKey;MUSYM : \r\nA1,Zz\r\n in Table");
}

TEST_F(LookupFixture, VersionRecord)
{
    const VersionInfo info = LoadVersionInfo(dirs_, dialogs_);
    EXPECT_FLOAT_EQ(info.VersionNumber, 2.5f);
    EXPECT_EQ(info.VersionNumberText, "2.50");
    EXPECT_EQ(info.VersionDateText, "3/14/2026");
    EXPECT_TRUE(IsPrivateRelease(dirs_));

    SetVersionValue(dirs_.tableLocationsFile(), "VersionNum", "two");
    SetVersionValue(dirs_.tableLocationsFile(), "VersionType", "Public");
    const VersionInfo bad = LoadVersionInfo(dirs_, dialogs_);
    EXPECT_EQ(bad.VersionNumber, 0.0f);
    EXPECT_EQ(bad.VersionNumberText, ".00");
    EXPECT_EQ(dialogs_.messageTexts(), std::vector<std::string>{"Error getting version number"});
    EXPECT_FALSE(IsPrivateRelease(dirs_));
    EXPECT_EQ(GetVersionValue(dirs_.tableLocationsFile(), "LastAutoCheckDate"), "error");
}

struct NueCase {
    const char* crop;
    const char* group;
    const char* county;
    const char* tillage;
    const char* cropCode;
    float nue;
    const char* warning;  // expected warning text, or nullptr for none
};

TEST_F(LookupFixture, CropNue)
{
    const NueCase cases[] = {
        {"Corn Grain", "27", "Alder", "0", "", 0.4f, nullptr},
        {"Corn Grain", "4", "Alder", "0", "", 0.55f, nullptr},
        {"Corn Grain", "", "Alder", "0", "", 0.55f, nullptr},
        {"Sweet CORN", "4", "Birch", "0", "", 0.5f, nullptr},
        {"Popcorn", "4", "Cedar", "1", "", 0.4f, nullptr},
        {"Popcorn", "4", "Cedar", "2", "", 0.55f, nullptr},
        {"Corn Silage", "4", "Dogwood", "1", "", 0.55f, nullptr},
        {"Wheat", "4", "Alder", "0", "WHT", 0.65f, nullptr},
        {"Wheat", "4", "Alder", "0", "", 0.0f, nullptr},
        {"Oats", "4", "Alder", "0", "OAT", 0.0f,
         "Crop: Oats  Zorv Crop ID: OAT\n not found in NUE table.\nA Default Value of 0.0 will be used."},
        {"Barley", "4", "Alder", "0", "BAR", 0.0f,
         "There is no NUE for this Crop.\nA Default Value of 0.0 will be used."},
    };
    for (const auto& c : cases) {
        dialogs_.clearRecords();
        EXPECT_FLOAT_EQ(lookups().GetCropNUE(c.crop, c.group, c.county, c.tillage, c.cropCode), c.nue) << c.crop;
        if (c.warning) {
            ASSERT_EQ(dialogs_.messages().size(), 1u) << c.crop;
            EXPECT_EQ(dialogs_.messages()[0].kind, MessageKind::Warning);
            EXPECT_EQ(dialogs_.messages()[0].text, c.warning);
        } else {
            EXPECT_TRUE(dialogs_.messages().empty()) << c.crop;
        }
    }
}

TEST_F(LookupFixture, CropNueWarnsWhenTheCropTableIsMissing)
{
    fs::remove(dirs_.CropTablesDir / "Crops.db");
    batch_.BatchRunning = true;
    EXPECT_EQ(lookups().GetCropNUE("Wheat", "4", "Alder", "0", "WHT"), 0.0f);
    ASSERT_EQ(dialogs_.messages().size(), 2u);
    EXPECT_EQ(dialogs_.messages()[1].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs_.messages()[1].text, "No NUE table found.\nA Default Value of 0.0 will be used.");
}

} // namespace
} // namespace verdalis
