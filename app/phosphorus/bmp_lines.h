// The BMP lists of the dialog and of the input record hold one line per
// selected BMP: its description, an equals sign and a value (its identifier,
// type or width). The description ends at the first equals sign.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verdalis::phosphorus {

inline constexpr char bmpValueSeparator = '=';

inline std::string bmpLine(std::string_view description, std::string_view value)
{
    return std::string(description) + bmpValueSeparator + std::string(value);
}

inline std::string bmpLineName(std::string_view line)
{
    return std::string(line.substr(0, line.find(bmpValueSeparator)));
}

// The value of the line; empty when the line has no equals sign.
inline std::string bmpLineValue(std::string_view line)
{
    const size_t separator = line.find(bmpValueSeparator);
    return separator == std::string_view::npos ? std::string{} : std::string(line.substr(separator + 1));
}

} // namespace verdalis::phosphorus
