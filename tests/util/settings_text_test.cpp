#include "util/settings_text.h"

#include <gtest/gtest.h>

namespace verdalis {
namespace {

constexpr const char* kTableLocations =
    "; reference table folders\n"
    "Stray=before any section\n"
    "[TableLocations]\n"
    "Crops.db = \\CropTables\n"
    "  Yields_And_N_Factors.DB=\\CropTables   \n"
    "\n"
    "[Version Changes]\n"
    "VersionNum=2.5\n"
    "VersionDate=\"March 3, 2024\"\n"
    "Quoted='x'\n"
    "HalfQuoted=\"x\n"
    "Empty=\n"
    "Equation=a=b\n"
    "C:\\Updates\\Tables.exe\n"
    "; a comment=that is no key\n"
    "[version changes]\n"
    "VersionNum=9\n"
    "Later=only here\n";

struct ReadCase {
    const char* section;
    const char* key;
    std::optional<std::string> value;
};

TEST(SettingsText, ReadsKeysWithoutRegardToCaseTrimmedAndUnquoted)
{
    const SettingsText text(kTableLocations);
    const ReadCase cases[] = {
        {"TableLocations", "Crops.db", "\\CropTables"},
        {"tablelocations", "CROPS.DB", "\\CropTables"},
        {"TableLocations", "yields_and_n_factors.db", "\\CropTables"},
        {" Version Changes ", "VersionNum", "2.5"},
        {"Version Changes", "VersionDate", "March 3, 2024"},
        {"Version Changes", "Quoted", "x"},
        {"Version Changes", "HalfQuoted", "\"x"},
        {"Version Changes", "Empty", ""},
        {"Version Changes", "Equation", "a=b"},
        {"Version Changes", "C:\\Updates\\Tables.exe", ""},
        // The first section of a name wins, as Windows reads it.
        {"Version Changes", "Later", std::nullopt},
        {"Version Changes", "; a comment", std::nullopt},
        {"TableLocations", "Stray", std::nullopt},
        {"TableLocations", "Missing.db", std::nullopt},
        {"No Such Section", "VersionNum", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text.value(c.section, c.key), c.value) << "[" << c.section << "] " << c.key;
    }
}

TEST(SettingsText, ListsSectionsKeysAndEntries)
{
    const SettingsText text(kTableLocations);
    EXPECT_EQ(text.sectionNames(),
              (std::vector<std::string>{"TableLocations", "Version Changes", "version changes"}));
    EXPECT_EQ(text.keys("TABLELOCATIONS"), (std::vector<std::string>{"Crops.db", "Yields_And_N_Factors.DB"}));
    EXPECT_EQ(text.entries("TableLocations"),
              (std::vector<std::string>{"Crops.db = \\CropTables", "Yields_And_N_Factors.DB=\\CropTables"}));
    EXPECT_TRUE(text.hasSection("version CHANGES"));
    EXPECT_FALSE(text.hasSection("Download Settings"));
    EXPECT_TRUE(text.hasKey("Version Changes", "empty"));
    EXPECT_FALSE(text.hasKey("Version Changes", "Later"));
    EXPECT_TRUE(text.keys("Download Settings").empty());
}

TEST(SettingsText, UnchangedTextIsReproducedByteForByte)
{
    for (const char* content : {kTableLocations, "[A]\r\nx=1\r\n\r\n; note\r\n", "\xEF\xBB\xBF[A]\nx=1", "", "\n\n",
                                "no newline at end"}) {
        EXPECT_EQ(SettingsText(content).text(), content);
    }
}

TEST(SettingsText, ByteOrderMarkIsNotPartOfTheFirstSection)
{
    const SettingsText text("\xEF\xBB\xBF[Download Settings]\nFTPAddress=host\n");
    EXPECT_EQ(text.value("Download Settings", "FTPAddress"), "host");
}

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

TEST(SettingsText, WritingAKeyChangesOnlyItsOwnLine)
{
    const WriteCase cases[] = {
        {"existing key keeps its spelling and everything else",
         "; top\n[Version Changes]\n  lastautocheckdate = 1/01/2000\nVersionNum=2.5\n\n[Other]\nA=1\n",
         "VERSION CHANGES", "LastAutoCheckDate", "3/15/2026",
         "; top\n[Version Changes]\nlastautocheckdate=3/15/2026\nVersionNum=2.5\n\n[Other]\nA=1\n"},
        {"new key goes after the section's last entry, before its blank lines and comments",
         "[Version Changes]\nVersionNum=2.5\n\n; next\n[Other]\nA=1\n", "Version Changes", "VersionDate", "x",
         "[Version Changes]\nVersionNum=2.5\nVersionDate=x\n\n; next\n[Other]\nA=1\n"},
        {"new key in an empty last section without a final line break", "[A]\nx=1\n[B]", "B", "y", "2",
         "[A]\nx=1\n[B]\ny=2\n"},
        {"missing section is appended after a blank line", "[A]\nx=1", "Download Settings", "SubFiles", "a,b",
         "[A]\nx=1\n\n[Download Settings]\nSubFiles=a,b\n"},
        {"appending keeps the file's Windows line breaks", "[A]\r\nx=1\r\n", "B", "y", "2",
         "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
        {"a new text gets Windows line breaks", "", "Download Settings", "AutoCheckForUpdates", "false",
         "[Download Settings]\r\nAutoCheckForUpdates=false\r\n"},
        {"a later section of the same name is left alone", "[A]\nx=1\n[a]\nx=2\n", "a", "x", "3",
         "[A]\nx=3\n[a]\nx=2\n"},
    };
    for (const auto& c : cases) {
        SettingsText text(c.before);
        text.setValue(c.section, c.key, c.value);
        EXPECT_EQ(text.text(), c.after) << c.name;
        EXPECT_EQ(text.value(c.section, c.key), c.value) << c.name;
    }
}

TEST(SettingsText, RefusesNamesAndValuesTheFileCannotHoldAndChangesNothing)
{
    const std::string before = "[A]\nx=1\n";
    SettingsText text(before);
    EXPECT_THROW(text.setValue("A]B", "x", "1"), SettingsError);
    EXPECT_THROW(text.setValue("  ", "x", "1"), SettingsError);
    EXPECT_THROW(text.setValue("A\nB", "x", "1"), SettingsError);
    EXPECT_THROW(text.setValue("A", "a=b", "1"), SettingsError);
    EXPECT_THROW(text.setValue("A", ";x", "1"), SettingsError);
    EXPECT_THROW(text.setValue("A", "", "1"), SettingsError);
    EXPECT_THROW(text.setValue("A", "x", "1\r\n[B]"), SettingsError);
    EXPECT_EQ(text.text(), before);
}

TEST(SettingsText, RemovesOnlyTheKeyLine)
{
    SettingsText text("[Download Settings]\nDirOnServer=Tamb\\AutoUpdate\nFTPAddress=host\n");
    EXPECT_TRUE(text.removeKey("download settings", "DIRONSERVER"));
    EXPECT_FALSE(text.removeKey("Download Settings", "DirOnServer"));
    EXPECT_FALSE(text.removeKey("Missing", "FTPAddress"));
    EXPECT_EQ(text.text(), "[Download Settings]\nFTPAddress=host\n");
}

} // namespace
} // namespace verdalis
