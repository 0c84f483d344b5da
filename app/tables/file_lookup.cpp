#include "tables/file_lookup.h"

#include "tables/text_fold.h"

#include <optional>
#include <system_error>

namespace verdalis {

std::filesystem::path resolveCaseInsensitive(const std::filesystem::path& dir, std::string_view name)
{
    const std::filesystem::path exact = dir / std::filesystem::path(name);
    std::error_code error;
    if (std::filesystem::exists(exact, error)) {
        return exact;
    }
    const std::string wanted = foldCase(name);
    std::optional<std::filesystem::path> match;
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        const std::filesystem::path candidate = it->path();
        if (foldCase(candidate.filename().string()) == wanted && (!match || candidate < *match)) {
            match = candidate;
        }
    }
    return match.value_or(exact);
}

} // namespace verdalis
