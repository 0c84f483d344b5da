// The receiver of decoded pixels: the decoder hands it the window strip by
// strip, top strip first, each strip a run of whole rows.
#pragma once

#include <cstdint>

namespace lumawave {

class ImageSink {
public:
    virtual ~ImageSink() = default;
    // `rows` rows of the window, top row first, tightly packed (each row the
    // window's width times the bytes of a pixel of the requested format).
    virtual void writeStrip(const std::uint8_t* pixels, int rows) = 0;
};

} // namespace lumawave
