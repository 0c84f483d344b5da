// Paths as settings files and stored records hold them: written for
// Windows, so with "\" separators, and compared without regard to case.
#pragma once

#include <string>
#include <string_view>

namespace verdalis {

// The stored path in "/" form ("\CropTables" gives "/CropTables").
std::string toSlashPath(std::string_view storedPath);

// The part after the last "/" or "\" ("C:\Maps\KartvaneV2.exe" gives
// "KartvaneV2.exe"); the whole text when it has no separator.
std::string_view fileNamePart(std::string_view path);

} // namespace verdalis
