// lumawave-testimage: writes a synthetic photo-like PGM or PPM image of any
// size, row by row, for tests of the encoder and benchmarks.
#include "photo_like_image.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    const bool grey = argc == 5 && std::string(argv[1]) == "--grey";
    if (argc != 4 && !grey) {
        std::fprintf(stderr, "usage: lumawave-testimage [--grey] WIDTH HEIGHT OUTPUT.(ppm|pgm)\n");
        return 2;
    }
    const int first = grey ? 2 : 1;
    const int width = std::atoi(argv[first]);
    const int height = std::atoi(argv[first + 1]);
    if (width < 1 || height < 1) {
        std::fprintf(stderr, "lumawave-testimage: WIDTH and HEIGHT must be positive whole numbers\n");
        return 2;
    }
    try {
        lumawave::tools::writePhotoLikePnm(argv[first + 2], width, height, grey ? 1 : 3, 1);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lumawave-testimage: %s\n", error.what());
        return 1;
    }
}
