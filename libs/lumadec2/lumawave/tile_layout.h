// Where each block of a tile lies in the tile's coefficient planes. A tile is
// decomposed on its own; its blocks are stored coarse to fine so that the
// blocks a level needs are a prefix of the tile's blocks:
//   LL(n), HL(n), LH(n), HH(n), HL(n-1), LH(n-1), HH(n-1), ..., HL(1), LH(1), HH(1)
// where n is the number of levels and level 1 is the finest detail.
#pragma once

#include <cstdint>

namespace lumawave {

struct BandRect {
    int x;
    int y;
    int width;
    int height;
    int level;  // decomposition level of a detail band, 0 for the low-pass band
    std::int64_t area() const { return static_cast<std::int64_t>(width) * height; }
};

int blocksPerTile(int levels);

// Blocks needed to reconstruct the low-pass image of `level`.
int blocksForLevel(int levels, int level);

// The band of block `block` of a tile of tileWidth x tileHeight samples.
BandRect bandOfBlock(int tileWidth, int tileHeight, int levels, int block);

} // namespace lumawave
