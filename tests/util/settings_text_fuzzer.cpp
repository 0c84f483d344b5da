// Any bytes as a settings file: reading, listing and writing a key never
// fail, an unchanged text comes back byte for byte, and a written key reads
// back with its new value.
#include "util/settings_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using verdalis::SettingsText;
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    SettingsText text(content);
    if (text.text() != content) {
        std::abort();
    }
    for (const std::string& section : text.sectionNames()) {
        for (const std::string& key : text.keys(section)) {
            (void)text.value(section, key);
        }
        (void)text.entries(section);
    }
    text.setValue("Version Changes", "LastAutoCheckDate", "3/15/2026");
    text.setValue("Download Settings", "SubFiles", "a.exe,b.exe");
    const SettingsText reread(text.text());
    if (reread.value("version changes", "lastautocheckdate") != "3/15/2026"
        || reread.value("DOWNLOAD SETTINGS", "SUBFILES") != "a.exe,b.exe") {
        std::abort();
    }
    return 0;
}
