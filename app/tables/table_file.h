// Reading a table file whole and replacing it so that a crash at any moment
// leaves either the old or the new content.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace verdalis {

// What identifies one version of a file for the table cache.
struct FileStamp {
    uintmax_t size = 0;
    int64_t modifiedNanoseconds = 0;
    // Every replacement is a new file, so this tells apart two versions
    // written within one tick of the file system's clock.
    uintmax_t inode = 0;
    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> fileStamp(const std::filesystem::path& path);

// Raises TableError naming the file when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

// Writes `bytes` to a new file beside `path`, flushes it to the disk, renames
// it over `path` and flushes the directory. On failure `path` is untouched,
// the new file is removed and TableError names the file. New files that
// writers killed before their rename left behind are removed first.
void replaceFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace verdalis
