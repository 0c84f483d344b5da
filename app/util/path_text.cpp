#include "util/path_text.h"

#include <algorithm>

namespace verdalis {

std::string toSlashPath(std::string_view storedPath)
{
    std::string path(storedPath);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string_view fileNamePart(std::string_view path)
{
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

} // namespace verdalis
