#include "reports/password_sets.h"

#include "util/settings_file.h"

#include <algorithm>
#include <array>

namespace verdalis::reports {

namespace {

constexpr std::array<std::string_view, 3> reportViewPasswords = {masterPassword, "QFen", "tresko"};

} // namespace

bool isReportViewPassword(std::string_view entry)
{
    return std::ranges::find(reportViewPasswords, entry) != reportViewPasswords.end();
}

std::vector<std::string> readEditLockPasswords(const std::filesystem::path& editLockFile)
{
    const SettingsFile settings(editLockFile);
    std::vector<std::string> passwords;
    for (int number = 1; number <= editLockFilePasswordCount; ++number) {
        const std::string key = std::string(editLockKeyPrefix) + std::to_string(number);
        // A missing key must not read as the text "error", which would then
        // open the lock.
        std::string password = settings.readString(editLockSection, key, "");
        if (!password.empty()) {
            passwords.push_back(std::move(password));
        }
    }
    return passwords;
}

bool isEditLockPassword(const std::filesystem::path& programDir, std::string_view entry)
{
    if (entry == masterPassword) {
        return true;
    }
    if (entry.empty()) {
        return false;
    }
    const std::vector<std::string> further = readEditLockPasswords(programDir / editLockFileName);
    return std::ranges::find(further, entry) != further.end();
}

} // namespace verdalis::reports
