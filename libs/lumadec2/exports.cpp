// The C entry points. No exception leaves them: every failure is reported on
// the standard error stream and returned as LUMADEC2_FAILURE.
#include "lumadec2.h"

#include "window_extraction.h"

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

namespace {

void reportFailure(const char* message) { std::fprintf(stderr, "lumadec2: %s\n", message); }

// A path passed by reference: the address of a pointer to the path.
std::string pathArgument(const char* const* path, const char* what)
{
    if (path == nullptr || *path == nullptr) {
        throw std::invalid_argument(std::string("Error: no ") + what + " path was given.");
    }
    return *path;
}

template <typename Operation>
int32_t guarded(Operation operation)
{
    try {
        operation();
        return LUMADEC2_SUCCESS;
    } catch (const std::exception& error) {
        reportFailure(error.what());
    } catch (...) {
        reportFailure("Error: unknown failure.");
    }
    return LUMADEC2_FAILURE;
}

} // namespace

extern "C" LUMADEC2_EXPORT int32_t LUMADEC2_CALL GetLumawaveTab(double* width, double* height,
                                                                const char* const* imagePath)
{
    return guarded([&] {
        if (width == nullptr || height == nullptr) {
            throw std::invalid_argument("Error: no place for the image size was given.");
        }
        const lumadec2::ImageSize size = lumadec2::lumawaveImageSize(pathArgument(imagePath, "image"));
        *width = size.width;
        *height = size.height;
    });
}

extern "C" LUMADEC2_EXPORT int32_t LUMADEC2_CALL GetLumawave(double wantedRes, double* west, double* north,
                                                             double* east, double* south,
                                                             const char* const* imagePath,
                                                             const char* const* bmpPath)
{
    return guarded([&] {
        if (west == nullptr || north == nullptr || east == nullptr || south == nullptr) {
            throw std::invalid_argument("Error: no rectangle was given.");
        }
        lumadec2::MapRect rect{*west, *north, *east, *south};
        const std::string image = pathArgument(imagePath, "image");
        const std::string bmp = pathArgument(bmpPath, "BMP");
        lumadec2::extractLumawaveWindow(wantedRes, rect, image, bmp);
        *west = rect.west;
        *north = rect.north;
        *east = rect.east;
        *south = rect.south;
    });
}
