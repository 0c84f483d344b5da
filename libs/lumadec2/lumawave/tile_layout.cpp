#include "tile_layout.h"

#include "wavelet53.h"

namespace lumawave {
namespace {

constexpr int kDetailBandsPerLevel = 3;

} // namespace

int blocksPerTile(int levels) { return 1 + kDetailBandsPerLevel * levels; }

int blocksForLevel(int levels, int level) { return 1 + kDetailBandsPerLevel * (levels - level); }

BandRect bandOfBlock(int tileWidth, int tileHeight, int levels, int block)
{
    if (block == 0) {
        return {0, 0, lowPassLength(tileWidth, levels), lowPassLength(tileHeight, levels), 0};
    }
    const int level = levels - (block - 1) / kDetailBandsPerLevel;
    const int band = (block - 1) % kDetailBandsPerLevel;
    const int lowWidth = lowPassLength(tileWidth, level);
    const int lowHeight = lowPassLength(tileHeight, level);
    const int highWidth = lowPassLength(tileWidth, level - 1) - lowWidth;
    const int highHeight = lowPassLength(tileHeight, level - 1) - lowHeight;
    switch (band) {
    case 0: return {lowWidth, 0, highWidth, lowHeight, level};
    case 1: return {0, lowHeight, lowWidth, highHeight, level};
    default: return {lowWidth, lowHeight, highWidth, highHeight, level};
    }
}

} // namespace lumawave
