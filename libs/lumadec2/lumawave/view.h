// A view (navigator) over an image: a resolution level and a pixel window in
// that level's coordinates. The window is moved and resized with its
// upper-left corner as the anchor; decoding reads and inverts only the tiles
// the window touches, and only the blocks of the levels it needs.
#pragma once

#include "colour.h"
#include "image.h"
#include "image_sink.h"

namespace lumawave {

struct Window {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class View {
public:
    // A view of the whole image at level 0.
    explicit View(Image& image);

    // Selects a level (0 .. levels) and makes the window the whole level;
    // raises Error for a level the image does not have.
    void setLevel(int level);
    int level() const { return level_; }
    int levelWidth() const { return image_.levelWidth(level_); }
    int levelHeight() const { return image_.levelHeight(level_); }

    // Moves the window so that its upper-left corner is at (x, y); the size is
    // kept. Resizes the window keeping its upper-left corner in place.
    void moveUpperLeftTo(int x, int y);
    void resizeFromUpperLeft(int width, int height);
    const Window& window() const { return window_; }

    // Decodes the window into `sink` in strips, top first. Raises Error when
    // the window is empty or not wholly inside the level.
    void decode(ImageSink& sink, PixelFormat format);

private:
    Image& image_;
    int level_ = 0;
    Window window_;
    TileBuffer tile_;
};

} // namespace lumawave
