// File names from settings files and stored records were written for a file
// system that ignores letter case; ours does not.
#pragma once

#include <filesystem>
#include <string_view>

namespace verdalis {

// `dir / name` when that exists; otherwise the entry of `dir` whose name
// equals `name` ignoring case (the first in name order when several do);
// otherwise `dir / name` unchanged, which then does not exist.
std::filesystem::path resolveCaseInsensitive(const std::filesystem::path& dir, std::string_view name);

} // namespace verdalis
