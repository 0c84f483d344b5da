#include "tables/version_record.h"

#include "util/number_format.h"
#include "util/number_text.h"
#include "util/settings_file.h"
#include "util/text_case.h"

namespace verdalis {
namespace {

constexpr std::string_view kVersionSection = "Version Changes";

} // namespace

std::string GetVersionValue(const std::filesystem::path& iniPath, std::string_view key)
{
    return SettingsFile(iniPath).readString(kVersionSection, key);
}

void SetVersionValue(const std::filesystem::path& iniPath, std::string_view key, std::string_view value)
{
    SettingsFile(iniPath).writeString(kVersionSection, key, value);
}

bool IsPrivateRelease(const ProgramDirs& dirs)
{
    return equalsIgnoringCase(GetVersionValue(dirs.tableLocationsFile(), "VersionType"), "Private");
}

VersionInfo LoadVersionInfo(const ProgramDirs& dirs, ui::Dialogs& dialogs)
{
    VersionInfo info;
    info.VersionDateText = GetVersionValue(dirs.tableLocationsFile(), "VersionDate");
    double number = 0;
    if (tryTextToNumber(GetVersionValue(dirs.tableLocationsFile(), "VersionNum"), number)) {
        info.VersionNumber = static_cast<float>(number);
    } else {
        dialogs.error("Error getting version number");
    }
    info.VersionNumberText = formatNumber("#.00", info.VersionNumber);
    return info;
}

} // namespace verdalis
