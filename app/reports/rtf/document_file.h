// Loading and saving documents as files: rich text boxes load .rtf files and
// plain text alike, and save either form.
#pragma once

#include "reports/rtf/document.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>

namespace verdalis::rtf {

// Raised when a document file cannot be opened, read or written; the message
// names the file.
class DocumentFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::uintmax_t maxDocumentFileBytes = 64u << 20;

// Reads a file as RTF when it begins like one, otherwise as plain text (UTF-8
// when it is valid UTF-8, else Windows-1252), one paragraph per line; the
// line end of the last line does not begin another.
// Raises DocumentFileError for a missing, unreadable or oversized file and
// RtfError for a malformed RTF file.
Document loadDocument(const std::filesystem::path& path);

// Both raise DocumentFileError when the file cannot be written.
void saveRtf(const std::filesystem::path& path, const Document& document);
void savePlainText(const std::filesystem::path& path, const Document& document);

} // namespace verdalis::rtf
