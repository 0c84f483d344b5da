// The version record: section "Version Changes" of a settings file
// (TableLocations.ini), which the caption shows and the update check compares.
#pragma once

#include "tables/program_dirs.h"
#include "ui/dialogs.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace verdalis {

// The key of "Version Changes", or "error" when the file or the key is missing.
std::string GetVersionValue(const std::filesystem::path& iniPath, std::string_view key);
// Writes the key into "Version Changes", creating the file when missing.
void SetVersionValue(const std::filesystem::path& iniPath, std::string_view key, std::string_view value);

// True when TableLocations.ini marks this release "Private" (any case).
bool IsPrivateRelease(const ProgramDirs& dirs);

struct VersionInfo {
    float VersionNumber = 0;
    std::string VersionNumberText;  // "#.00": 2.5 shows as "2.50", 0 as ".00"
    std::string VersionDateText;    // as stored, "error" when missing
};

// Reads the version record of TableLocations.ini. A version number that is
// missing or not a number shows "Error getting version number" and counts as 0.
VersionInfo LoadVersionInfo(const ProgramDirs& dirs, ui::Dialogs& dialogs);

} // namespace verdalis
