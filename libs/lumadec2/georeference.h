// Where an image lies on the map: the upper-left (north-west) corner and the
// ground size of a full-resolution pixel (square pixels; map Y grows north).
#pragma once

#include "lumawave/image.h"

#include <optional>
#include <string>

namespace lumadec2 {

struct Georeference {
    double originX = 0;
    double originY = 0;
    double resolution = 1;
};

// The world file beside an image: same name, extension "QRW" (or "qrw").
std::string worldFilePath(const std::string& imagePath);

// Reads a world file: six lines (x pixel size, two rotation terms, y pixel
// size, x and y of the upper-left). Returns nothing when there is no such
// file; raises lumawave::Error when it cannot be read or a line is not a
// number.
std::optional<Georeference> readWorldFile(const std::string& path);

// The image's georeference: its metadata ("IMAGE::XY_ORIGIN",
// "IMAGE::X_RESOLUTION"), overridden by its world file. Without either the
// image is in pixel units: resolution 1, upper-left at (0, height).
// Raises lumawave::Error for unreadable values and a resolution that is not
// positive.
Georeference georeferenceOf(const lumawave::Image& image, const std::string& imagePath);

} // namespace lumadec2
