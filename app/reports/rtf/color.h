// A screen and document colour, and the named colours the program uses for
// report lines, labels and highlighted text.
#pragma once

#include <cstdint>

namespace verdalis {

struct Color {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color black{0, 0, 0};
inline constexpr Color maroon{128, 0, 0};
inline constexpr Color green{0, 128, 0};
inline constexpr Color navy{0, 0, 128};
inline constexpr Color red{255, 0, 0};
inline constexpr Color blue{0, 0, 255};
inline constexpr Color white{255, 255, 255};
} // namespace colors

} // namespace verdalis
