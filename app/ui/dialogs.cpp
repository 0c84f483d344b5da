#include "ui/dialogs.h"

#include <filesystem>

namespace verdalis::ui {

std::string withDefaultExtension(std::string path, std::string_view defaultExt)
{
    if (defaultExt.empty() || path.empty() || std::filesystem::path(path).has_extension()) {
        return path;
    }
    return path + "." + std::string(defaultExt);
}

} // namespace verdalis::ui
