#include "util/settings_file.h"

#include "util/atomic_file_write.h"
#include "util/case_insensitive_path.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace verdalis {

namespace fs = std::filesystem;

SettingsFile::SettingsFile(fs::path path) : path_(std::move(path)) {}

fs::path SettingsFile::resolvedPath() const { return resolvePathCaseInsensitive(path_); }

bool SettingsFile::exists() const
{
    std::error_code error;
    return fs::is_regular_file(resolvedPath(), error);
}

SettingsText SettingsFile::load() const
{
    std::ifstream file(resolvedPath(), std::ios::binary);
    return SettingsText(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}

std::string SettingsFile::readString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const
{
    return load().value(section, key).value_or(std::string(defaultValue));
}

bool SettingsFile::sectionExists(std::string_view section) const { return load().hasSection(section); }

bool SettingsFile::keyExists(std::string_view section, std::string_view key) const
{
    return load().hasKey(section, key);
}

std::vector<std::string> SettingsFile::sectionNames() const { return load().sectionNames(); }

std::vector<std::string> SettingsFile::sectionKeys(std::string_view section) const
{
    return load().keys(section);
}

std::vector<std::string> SettingsFile::sectionEntries(std::string_view section) const
{
    return load().entries(section);
}

void SettingsFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    SettingsText text = load();
    text.setValue(section, key, value);
    writeFileAtomically(resolvedPath(), text.text());
}

void SettingsFile::deleteKey(std::string_view section, std::string_view key)
{
    SettingsText text = load();
    if (text.removeKey(section, key)) {
        writeFileAtomically(resolvedPath(), text.text());
    }
}

} // namespace verdalis
