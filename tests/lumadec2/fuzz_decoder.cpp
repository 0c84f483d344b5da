// Fuzz target of the Lumawave decoder: opens the bytes as an image and decodes
// a few windows at every level. Refusals (lumawave::Error) are expected; any
// crash, hang or sanitizer report is a fault.
#include "lumawave/error.h"
#include "lumawave/image.h"
#include "lumawave/view.h"

#include <cstddef>
#include <cstdint>

namespace {

class DiscardingSink : public lumawave::ImageSink {
public:
    void writeStrip(const std::uint8_t*, int) override {}
};

// Windows are kept small so that a hostile header claiming a huge image
// costs no more than the tiles it really touches.
constexpr int kWindowSide = 64;

void decodeCorners(lumawave::Image& image, lumawave::View& view)
{
    DiscardingSink sink;
    const int width = std::min(kWindowSide, view.levelWidth());
    const int height = std::min(kWindowSide, view.levelHeight());
    const int level = view.level();
    for (const bool farCorner : {false, true}) {
        view.setLevel(level);
        view.moveUpperLeftTo(farCorner ? view.levelWidth() - width : 0, farCorner ? view.levelHeight() - height : 0);
        view.resizeFromUpperLeft(width, height);
        view.decode(sink, image.shape().samplesPerPixel() == 1 ? lumawave::PixelFormat::Grey8 : lumawave::PixelFormat::Rgb8);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        lumawave::Image image(lumawave::memorySource({data, size}, "fuzz.lmw"));
        lumawave::View view(image);
        for (int level = 0; level <= image.levels(); ++level) {
            view.setLevel(level);
            decodeCorners(image, view);
        }
    } catch (const lumawave::Error&) {
    }
    return 0;
}
