#include "util/case_insensitive_path.h"

#include "util/text_case.h"

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
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, error), end; !error && it != end;
         it.increment(error)) {
        const std::string entryName = it->path().filename().string();
        if (equalsIgnoringCase(entryName, name)) {
            return dir / entryName;
        }
    }
    return exact;
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
