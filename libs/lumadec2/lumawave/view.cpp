#include "view.h"

#include "error.h"

#include <algorithm>
#include <vector>

namespace lumawave {

View::View(Image& image) : image_(image) { setLevel(0); }

void View::setLevel(int level)
{
    if (level < 0 || level > image_.levels()) {
        throw Error("Error: " + image_.name() + " has no resolution level " + std::to_string(level) + ".");
    }
    level_ = level;
    window_ = {0, 0, levelWidth(), levelHeight()};
}

void View::moveUpperLeftTo(int x, int y)
{
    window_.x = x;
    window_.y = y;
}

void View::resizeFromUpperLeft(int width, int height)
{
    window_.width = width;
    window_.height = height;
}

void View::decode(ImageSink& sink, PixelFormat format)
{
    const Window w = window_;
    if (w.width < 1 || w.height < 1 || w.x < 0 || w.y < 0 || w.x > levelWidth() - w.width
        || w.y > levelHeight() - w.height) {
        throw Error("Error: the window " + std::to_string(w.width) + " x " + std::to_string(w.height) + " at ("
                    + std::to_string(w.x) + ", " + std::to_string(w.y) + ") is not inside level "
                    + std::to_string(level_) + " of " + image_.name() + ".");
    }
    const ImageShape& shape = image_.shape();
    // Tiles are aligned to the level: a tile of T pixels covers T / 2^level.
    const int tileSide = shape.tileSize() >> level_;
    const int firstTileX = w.x / tileSide;
    const int lastTileX = (w.x + w.width - 1) / tileSide;
    const int firstTileY = w.y / tileSide;
    const int lastTileY = (w.y + w.height - 1) / tileSide;
    const std::size_t rowBytes = static_cast<std::size_t>(w.width) * static_cast<std::size_t>(bytesPerPixel(format));
    std::vector<std::uint8_t> strip(rowBytes * static_cast<std::size_t>(std::min(tileSide, w.height)));

    for (int tileY = firstTileY; tileY <= lastTileY; ++tileY) {
        const int top = std::max(w.y, tileY * tileSide);
        const int bottom = std::min(w.y + w.height, (tileY + 1) * tileSide);
        for (int tileX = firstTileX; tileX <= lastTileX; ++tileX) {
            image_.decodeTile(tileX, tileY, level_, tile_);
            const int left = std::max(w.x, tileX * tileSide);
            const int right = std::min(w.x + w.width, (tileX + 1) * tileSide);
            for (int row = top; row < bottom; ++row) {
                const PlaneRow planes = tile_.rowAt(left - tileX * tileSide, row - tileY * tileSide, shape.samplesPerPixel());
                std::uint8_t* out = strip.data() + static_cast<std::size_t>(row - top) * rowBytes
                                    + static_cast<std::size_t>(left - w.x) * static_cast<std::size_t>(bytesPerPixel(format));
                convertRow(shape.colourScheme, planes, right - left, format, out);
            }
        }
        sink.writeStrip(strip.data(), bottom - top);
    }
}

} // namespace lumawave
