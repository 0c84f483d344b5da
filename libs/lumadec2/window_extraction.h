// The two operations of the library, in C++: they raise lumawave::Error (or
// a standard exception such as std::bad_alloc); the C entry points catch.
#pragma once

#include "window_placement.h"

#include <string>

namespace lumadec2 {

struct ImageSize {
    double width;
    double height;
};

// The level-0 size of the image.
ImageSize lumawaveImageSize(const std::string& imagePath);

// Decodes the part of the image inside `rect` at the level fitting wantedRes
// and writes it to bmpPath; `rect` is clipped to the image.
void extractLumawaveWindow(double wantedRes, MapRect& rect, const std::string& imagePath, const std::string& bmpPath);

} // namespace lumadec2
