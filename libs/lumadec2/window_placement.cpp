#include "window_placement.h"

#include "lumawave/image.h"

#include <algorithm>
#include <cmath>

namespace lumadec2 {
namespace {

// Pixel positions are far inside this range for any image the format holds;
// map coordinates far outside an image are held to it before conversion.
constexpr double kPixelLimit = 1 << 30;

// trunc toward zero, as an int; NaN (from NaN bounds given by a host) gives 0.
int truncated(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::trunc(std::clamp(value, -kPixelLimit, kPixelLimit)));
}

struct PixelBounds {
    double col0;
    double row0;
    double col1;
    double row1;
};

PixelBounds clipToImage(const ImageGeometry& image, const MapRect& wanted, MapRect& clipped)
{
    const Georeference& geo = image.geo;
    const double k = 1.0 / geo.resolution;
    const double eastX = geo.originX + image.width * geo.resolution;
    const double southY = geo.originY - image.height * geo.resolution;
    clipped = wanted;
    PixelBounds bounds{};
    if (wanted.west <= geo.originX) {
        bounds.col0 = 0;
        clipped.west = geo.originX;
    } else {
        bounds.col0 = (wanted.west - geo.originX) * k;
    }
    if (wanted.north >= geo.originY) {
        bounds.row0 = 0;
        clipped.north = geo.originY;
    } else {
        bounds.row0 = (geo.originY - wanted.north) * k;
    }
    if (wanted.east >= eastX) {
        bounds.col1 = image.width;
        clipped.east = eastX;
    } else {
        bounds.col1 = (wanted.east - geo.originX) * k;
    }
    if (wanted.south <= southY) {
        bounds.row1 = image.height;
        clipped.south = southY;
    } else {
        bounds.row1 = (geo.originY - wanted.south) * k;
    }
    return bounds;
}

} // namespace

int chooseLevel(double resolution, int levels, double wantedRes)
{
    int level = 0;
    while (level < levels && resolution * std::ldexp(1.0, level) < wantedRes) {
        ++level;
    }
    return level;
}

Placement placeWindow(const ImageGeometry& image, double wantedRes, const MapRect& wanted)
{
    Placement placement;
    placement.level = chooseLevel(image.geo.resolution, image.levels, wantedRes);
    const int levelWidth = lumawave::levelSize(image.width, placement.level);
    const int levelHeight = lumawave::levelSize(image.height, placement.level);
    const PixelBounds bounds = clipToImage(image, wanted, placement.clipped);

    const double s = std::ldexp(1.0, -placement.level);
    double colL = std::trunc(bounds.col0 * s + 0.5);
    double colEnd = 0;
    if (bounds.col0 == 0 || bounds.col1 != image.width) {
        colEnd = bounds.col1 * s;
    } else {
        colEnd = levelWidth;
        if (truncated(levelWidth - colL) % 2 != 0) {
            colL += 1;
        }
    }
    const double rowL = bounds.row0 * s;
    const double rowEnd = bounds.row1 * s;

    lumawave::Window& window = placement.window;
    window.x = truncated(colL);
    window.y = truncated(rowL);
    double w = std::ceil(colEnd - colL);
    double h = rowEnd - rowL;
    if (w <= levelWidth && h <= levelHeight) {
        window.width = truncated(std::max(w, 1.0));
        window.height = truncated(std::max(h, 1.0));
    } else if (w >= levelWidth && h >= levelHeight) {
        window.width = truncated(levelWidth - colL);
        window.height = truncated(levelHeight - rowL);
    } else if (w >= levelWidth) {
        window.width = truncated(levelWidth - colL);
        window.height = truncated(h);
    } else {
        window.width = truncated(w);
        window.height = truncated(levelHeight - rowL);
    }

    window.x = std::clamp(window.x, 0, levelWidth - 1);
    window.y = std::clamp(window.y, 0, levelHeight - 1);
    window.width = std::clamp(window.width, 1, levelWidth - window.x);
    window.height = std::clamp(window.height, 1, levelHeight - window.y);
    return placement;
}

} // namespace lumadec2
