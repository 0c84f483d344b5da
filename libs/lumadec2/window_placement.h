// The window arithmetic of an extraction: from a map rectangle and a wanted
// ground resolution to a resolution level, the rectangle clipped to the image
// and the pixel window of that level that is decoded.
#pragma once

#include "georeference.h"
#include "lumawave/view.h"

namespace lumadec2 {

struct MapRect {
    double west = 0;
    double north = 0;
    double east = 0;
    double south = 0;
};

struct ImageGeometry {
    int width = 0;   // level 0, pixels
    int height = 0;
    int levels = 0;  // levels 0 .. levels exist
    Georeference geo;
};

struct Placement {
    int level = 0;
    MapRect clipped;         // the rectangle clipped to the image, in map units
    lumawave::Window window; // in pixels of the chosen level, always inside it
};

// The coarsest level whose pixels are still at least as fine as wantedRes:
// level L has pixels of resolution * 2^L; the search stops at `levels`.
int chooseLevel(double resolution, int levels, double wantedRes);

// Clips `wanted` to the image and places the window at the chosen level.
//
// Columns are rounded (the start half up, the end up) and rows truncated, and
// a window that starts inside the image and reaches its east edge gets an
// even width (its start moves one column east when needed). The window is
// then kept inside the level: a window that would start beyond the last
// column or row (a one-pixel window at the east edge, a rectangle wholly
// outside the image) is moved onto the last column or row, and each side is
// at least one pixel and reaches no further than the level's edge.
Placement placeWindow(const ImageGeometry& image, double wantedRes, const MapRect& wanted);

} // namespace lumadec2
