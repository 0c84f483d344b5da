// File lookups that behave like the Windows file system the program's
// settings and records were written for: "Yields_And_N_Factors.DB" and
// "yields_and_n_factors.db" name the same file.
#pragma once

#include <filesystem>
#include <string_view>

namespace verdalis {

// dir / name when that exists; otherwise the entry of dir whose name equals
// name without regard to case (the first in name order when several
// do); otherwise dir / name unchanged, so the caller's existence check fails
// as it would have.
std::filesystem::path resolveCaseInsensitive(const std::filesystem::path& dir, std::string_view name);

// The same, applied to every component of a path that does not exist as
// written ("/opt/Verdalis/croptables/CROPS.DB").
std::filesystem::path resolvePathCaseInsensitive(const std::filesystem::path& path);

} // namespace verdalis
