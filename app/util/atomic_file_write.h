// Replacing a file's contents so that a crash at any moment leaves either
// the old or the new contents on disk, never a mixture.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace verdalis {

// Raised when a file cannot be written; the message names the file and the
// cause. The file keeps its old contents.
class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes contents to a temporary file beside path, flushes it to disk and
// renames it over path. An existing file keeps its permission bits.
void writeFileAtomically(const std::filesystem::path& path, std::string_view contents);

} // namespace verdalis
