#include "util/settings_file.h"

#include "util/atomic_file_write.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace verdalis {
namespace {

using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

TEST(SettingsFile, MissingFileReadsAsErrorOrTheGivenDefault)
{
    const TempFolder folder;
    const SettingsFile settings(folder / "AutoCheckSettings.ini");
    EXPECT_FALSE(settings.exists());
    EXPECT_EQ(settings.readString("Download Settings", "AutoCheckForUpdates"), "error");
    EXPECT_EQ(settings.readString("Download Settings", "RunProgramAfterDownload", "false"), "false");
    EXPECT_FALSE(settings.sectionExists("Download Settings"));
}

TEST(SettingsFile, WritingCreatesTheFile)
{
    const TempFolder folder;
    SettingsFile settings(folder / "AutoCheckSettings.ini");
    settings.writeString("Download Settings", "AutoCheckForUpdates", "false");
    EXPECT_EQ(readFile(folder / "AutoCheckSettings.ini"), "[Download Settings]\r\nAutoCheckForUpdates=false\r\n");
    EXPECT_EQ(settings.readString("download settings", "autocheckforupdates"), "false");
}

TEST(SettingsFile, WritingKeepsTheRestOfTheFileAndLeavesNoTemporaryFile)
{
    const TempFolder folder;
    const std::string before = "; maintained by hand\n[TableLocations]\nCrops.db=\\CropTables\n\n"
                               "[Version Changes]\nVersionNum = 2.5\nLastAutoCheckDate=1/01/2000\n";
    writeFile(folder / "TableLocations.ini", before);
    SettingsFile settings(folder / "TableLocations.ini");
    settings.writeString("Version Changes", "LastAutoCheckDate", "3/15/2026");
    settings.deleteKey("TableLocations", "Crops.db");
    EXPECT_EQ(readFile(folder / "TableLocations.ini"),
              "; maintained by hand\n[TableLocations]\n\n"
              "[Version Changes]\nVersionNum = 2.5\nLastAutoCheckDate=3/15/2026\n");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(SettingsFile, FindsTheFileWithoutRegardToCaseAndWritesThatFile)
{
    const TempFolder folder;
    writeFile(folder / "TABLELOCATIONS.INI", "[TableLocations]\nCrops.db=\\CropTables\n");
    SettingsFile settings(folder / "TableLocations.ini");
    EXPECT_TRUE(settings.exists());
    EXPECT_EQ(settings.readString("TableLocations", "Crops.db"), "\\CropTables");
    settings.writeString("TableLocations", "Tillage.db", "\\UserTables");
    EXPECT_FALSE(std::filesystem::exists(folder / "TableLocations.ini"));
    EXPECT_EQ(readFile(folder / "TABLELOCATIONS.INI"),
              "[TableLocations]\nCrops.db=\\CropTables\nTillage.db=\\UserTables\n");
}

TEST(SettingsFile, SeesChangesMadeThroughAnotherObject)
{
    const TempFolder folder;
    const SettingsFile reader(folder / "TempVersionDateFile.ini");
    SettingsFile writer(folder / "TempVersionDateFile.ini");
    writer.writeString("Version Changes", "LastAutoCheckDate", "1/01/2000");
    EXPECT_EQ(reader.readString("Version Changes", "LastAutoCheckDate"), "1/01/2000");
    EXPECT_EQ(reader.sectionEntries("Version Changes"), std::vector<std::string>{"LastAutoCheckDate=1/01/2000"});
}

TEST(SettingsFile, AFailedWriteRaisesAndLeavesTheFileAsItWas)
{
    const TempFolder folder;
    SettingsFile inMissingFolder(folder / "NoSuchFolder" / "TableLocations.ini");
    EXPECT_THROW(inMissingFolder.writeString("A", "x", "1"), FileWriteError);
    EXPECT_FALSE(std::filesystem::exists(folder / "NoSuchFolder"));

    writeFile(folder / "TableLocations.ini", "[A]\nx=1\n");
    SettingsFile settings(folder / "TableLocations.ini");
    EXPECT_THROW(settings.writeString("A", "x", "two\nlines"), SettingsError);
    EXPECT_EQ(readFile(folder / "TableLocations.ini"), "[A]\nx=1\n");
}

} // namespace
} // namespace verdalis
