// A Windows-style initialisation file on disk (TableLocations.ini,
// AutoCheckSettings.ini ...). Every call reads the file afresh, so changes
// made by another program or another SettingsFile are seen at once. The file
// name is found without regard to case when the exact name does not exist.
#pragma once

#include "util/settings_text.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

// What a missing file, section or key reads as.
inline constexpr std::string_view kMissingSetting = "error";

class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path);

    // The path as it resolves now (its on-disk spelling when it exists).
    std::filesystem::path resolvedPath() const;
    bool exists() const;

    // Reading never fails: an unreadable or missing file reads as empty.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue = kMissingSetting) const;
    bool sectionExists(std::string_view section) const;
    bool keyExists(std::string_view section, std::string_view key) const;
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> sectionKeys(std::string_view section) const;
    std::vector<std::string> sectionEntries(std::string_view section) const;

    // Writes the key, creating the file or the section when missing. The
    // file is replaced atomically. Raises SettingsError for names the file
    // cannot hold and FileWriteError when the file cannot be written; the
    // file is unchanged in both cases.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key when present (the file is rewritten only then).
    void deleteKey(std::string_view section, std::string_view key);

    // The whole file as it stands now.
    SettingsText load() const;

private:
    std::filesystem::path path_;
};

} // namespace verdalis
