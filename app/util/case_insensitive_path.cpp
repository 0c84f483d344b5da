#include "util/case_insensitive_path.h"

#include "util/text_case.h"

#include <optional>
#include <system_error>

namespace verdalis {

namespace fs = std::filesystem;

fs::path resolveCaseInsensitive(const fs::path& dir, std::string_view name)
{
    const fs::path exact = dir / fs::path(name);
    std::error_code error;
    if (name.empty() || fs::exists(exact, error)) {
        return exact;
    }
    // Several entries may differ only in case: take the first in name order,
    // so the answer does not depend on the order the directory lists them.
    std::optional<std::string> match;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, error), end; !error && it != end;
         it.increment(error)) {
        std::string entryName = it->path().filename().string();
        if (equalsIgnoringCase(entryName, name) && (!match || entryName < *match)) {
            match = std::move(entryName);
        }
    }
    return match ? dir / *match : exact;
}

fs::path resolvePathCaseInsensitive(const fs::path& path)
{
    std::error_code error;
    if (fs::exists(path, error)) {
        return path;
    }
    fs::path resolved = path.root_path();
    for (const fs::path& component : path.relative_path()) {
        const std::string name = component.string();
        resolved = (name == "." || name == "..") ? resolved / component : resolveCaseInsensitive(resolved, name);
    }
    return resolved;
}

} // namespace verdalis
