#include "window_extraction.h"

#include "bmp_writer.h"
#include "lumawave/image.h"
#include "lumawave/error.h"
#include "lumawave/view.h"

#include <filesystem>

namespace lumadec2 {

ImageSize lumawaveImageSize(const std::string& imagePath)
{
    const auto image = lumawave::Image::open(imagePath);
    const lumawave::View view(*image);
    return {static_cast<double>(view.levelWidth()), static_cast<double>(view.levelHeight())};
}

void extractLumawaveWindow(double wantedRes, MapRect& rect, const std::string& imagePath, const std::string& bmpPath)
{
    // Writing the BMP over the image would destroy the image before it is read.
    std::error_code error;
    if (std::filesystem::equivalent(imagePath, bmpPath, error)) {
        throw lumawave::Error("Error: the BMP file " + bmpPath + " is the image itself.");
    }
    const auto image = lumawave::Image::open(imagePath);
    lumawave::View view(*image);
    const ImageGeometry geometry{image->width(), image->height(), image->levels(), georeferenceOf(*image, imagePath)};
    const Placement placement = placeWindow(geometry, wantedRes, rect);
    rect = placement.clipped;

    view.setLevel(placement.level);
    view.moveUpperLeftTo(placement.window.x, placement.window.y);
    view.resizeFromUpperLeft(placement.window.width, placement.window.height);

    const auto format = image->shape().colourScheme == lumawave::ColourScheme::Greyscale ? lumawave::PixelFormat::Grey8
                                                                                         : lumawave::PixelFormat::Rgb8;
    BmpWriter writer(bmpPath, placement.window.width, placement.window.height, format);
    view.decode(writer, format);
    writer.close();
}

} // namespace lumadec2
