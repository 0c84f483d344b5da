#include "util/case_insensitive_path.h"
#include "util/path_text.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

namespace verdalis {
namespace {

using testing::TempFolder;
using testing::writeFile;

TEST(CaseInsensitivePath, PrefersTheExactNameThenAnyCaseThenLeavesTheNameAsGiven)
{
    const TempFolder folder;
    std::filesystem::create_directory(folder / "CropTables");
    writeFile(folder / "CropTables" / "Yields_And_N_Factors.DB", "");
    writeFile(folder / "CropTables" / "crops.db", "");
    writeFile(folder / "CropTables" / "Crops.db", "");

    const auto crops = folder / "CropTables";
    EXPECT_EQ(resolveCaseInsensitive(crops, "Crops.db"), crops / "Crops.db");
    EXPECT_EQ(resolveCaseInsensitive(crops, "Yields_And_N_Factors.db"), crops / "Yields_And_N_Factors.DB");
    EXPECT_EQ(resolveCaseInsensitive(crops, "Tillage.db"), crops / "Tillage.db");
    EXPECT_EQ(resolveCaseInsensitive(folder / "Missing", "Crops.db"), folder / "Missing" / "Crops.db");
}

TEST(CaseInsensitivePath, ResolvesEveryComponentOfAPath)
{
    const TempFolder folder;
    std::filesystem::create_directory(folder / "CropTables");
    writeFile(folder / "CropTables" / "Yields_And_N_Factors.DB", "");
    EXPECT_EQ(resolvePathCaseInsensitive(folder / "croptables" / "YIELDS_AND_N_FACTORS.db"),
              folder / "CropTables" / "Yields_And_N_Factors.DB");
    EXPECT_EQ(resolvePathCaseInsensitive(folder / "croptables" / "Missing.db"), folder / "CropTables" / "Missing.db");
}

TEST(PathText, ConvertsStoredPathsAndFindsTheFileName)
{
    EXPECT_EQ(toSlashPath("\\CropTables"), "/CropTables");
    EXPECT_EQ(toSlashPath("Tamb\\AutoUpdate\\"), "Tamb/AutoUpdate/");
    EXPECT_EQ(fileNamePart("C:\\Maps\\KartvaneV2.exe"), "KartvaneV2.exe");
    EXPECT_EQ(fileNamePart("/opt/Verdalis/Verdalis"), "Verdalis");
    EXPECT_EQ(fileNamePart("Verdalis"), "Verdalis");
    EXPECT_EQ(fileNamePart("folder/"), "");
}

} // namespace
} // namespace verdalis
