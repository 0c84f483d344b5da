// lumawave-info: prints what a Lumawave file holds: size, levels, colour
// scheme, coding, metadata and block statistics.
#include "lumawave/colour.h"
#include "lumawave/error.h"
#include "lumawave/image.h"
#include "lumawave/tile_layout.h"

#include <cstdio>
#include <exception>
#include <vector>

namespace {

void printShape(const lumawave::Image& image)
{
    const lumawave::ImageShape& shape = image.shape();
    std::printf("file: %s\n", image.name().c_str());
    std::printf("size: %d x %d pixels\n", shape.width, shape.height);
    std::printf("levels: %d (", shape.levels);
    for (int level = 0; level <= shape.levels; ++level) {
        std::printf("%s%d: %d x %d", level == 0 ? "" : ", ", level, image.levelWidth(level), image.levelHeight(level));
    }
    std::printf(")\n");
    std::printf("colour scheme: %s, %d sample(s) per pixel\n", lumawave::colourSchemeName(shape.colourScheme),
                shape.samplesPerPixel());
    if (shape.transform == lumawave::Transform::Reversible53) {
        std::printf("coding: lossless (reversible 5/3 wavelet)\n");
    } else {
        std::printf("coding: lossy (quantised 5/3 wavelet), steps by level:");
        for (const auto step : shape.quantSteps) {
            std::printf(" %u", static_cast<unsigned>(step));
        }
        std::printf("\n");
    }
    std::printf("tiles: %d x %d of %d pixels\n", shape.tilesAcross(), shape.tilesDown(), shape.tileSize());
}

void printMetadata(const lumawave::Image& image)
{
    std::printf("metadata: %zu entries\n", image.metadata().entries().size());
    for (const auto& [key, value] : image.metadata().entries()) {
        std::printf("  %s = %s\n", key.c_str(), value.c_str());
    }
}

void printBlockStatistics(const lumawave::Image& image)
{
    const lumawave::ImageShape& shape = image.shape();
    const int perTile = lumawave::blocksPerTile(shape.levels);
    // Bytes by decomposition level; index 0 holds the low-pass blocks.
    std::vector<std::uint64_t> bytesByLevel(static_cast<std::size_t>(shape.levels) + 1, 0);
    std::uint64_t blocks = 0;
    std::uint64_t total = 0;
    for (int tileY = 0; tileY < shape.tilesDown(); ++tileY) {
        for (int tileX = 0; tileX < shape.tilesAcross(); ++tileX) {
            const auto sizes = image.blockSizes(tileX, tileY);
            for (int block = 0; block < perTile; ++block) {
                const int level = lumawave::bandOfBlock(shape.tileSize(), shape.tileSize(), shape.levels, block).level;
                bytesByLevel[static_cast<std::size_t>(level)] += sizes[static_cast<std::size_t>(block)];
                total += sizes[static_cast<std::size_t>(block)];
                ++blocks;
            }
        }
    }
    const double pixels = static_cast<double>(shape.width) * shape.height;
    std::printf("blocks: %llu (%d per tile), %llu compressed bytes, %.3f bits per pixel\n",
                static_cast<unsigned long long>(blocks), perTile, static_cast<unsigned long long>(total),
                8.0 * static_cast<double>(total) / pixels);
    std::printf("  low-pass (level %d): %llu bytes\n", shape.levels, static_cast<unsigned long long>(bytesByLevel[0]));
    for (int level = shape.levels; level >= 1; --level) {
        std::printf("  detail from level %d to %d: %llu bytes\n", level, level - 1,
                    static_cast<unsigned long long>(bytesByLevel[static_cast<std::size_t>(level)]));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumawave-info FILE\n");
        return 2;
    }
    try {
        const auto image = lumawave::Image::open(argv[1]);
        printShape(*image);
        printMetadata(*image);
        printBlockStatistics(*image);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lumawave-info: %s\n", error.what());
        return 1;
    }
}
