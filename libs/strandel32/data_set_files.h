// Names of a data set's files. Names may use "\" or "/" between folders; files are
// opened with "/" and, where the exact spelling does not exist, by a file of the same
// name in another letter case (the data sets come from a case-insensitive file system).
#pragma once

#include <string>
#include <string_view>

namespace strandel {

// The name with every "\" turned into "/".
std::string toSystemPath(std::string_view name);

// The name cut at the last "." of its final component, followed by extension.
std::string withExtension(std::string_view name, std::string_view extension);

// The directory, one separator and the final component of name, with doubled
// separators reduced to one.
std::string placeIntoDirectory(std::string_view name, std::string_view directory);

// The file to open for path: path itself when it exists, else an existing file in
// the same folder whose name differs only in letter case, else path.
std::string resolveFile(const std::string& path);

} // namespace strandel
