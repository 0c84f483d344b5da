// The "name=value" lines of the BMP lists (description=BMP_ID,
// description=BMP_Type, description=width), split at the first "=".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verdalis::phosphorus {

inline std::string_view lineName(std::string_view line)
{
    return line.substr(0, line.find('='));
}

inline std::string_view lineValue(std::string_view line)
{
    const size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);
}

// The value of the list's line at index; empty past the list's end.
inline std::string_view listValue(const std::vector<std::string>& lines, size_t index)
{
    return index < lines.size() ? lineValue(lines[index]) : std::string_view{};
}

} // namespace verdalis::phosphorus
