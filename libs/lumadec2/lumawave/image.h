// A Lumawave image opened for reading: its header, metadata and block index,
// checked against each other and against the file size when it is opened,
// and the decoding of single tiles at a chosen level.
#pragma once

#include "byte_source.h"
#include "block_codec.h"
#include "colour.h"
#include "format.h"
#include "metadata.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lumawave {

struct ImageShape {
    int width = 0;
    int height = 0;
    int levels = 0;  // decompositions; levels 0..levels can be decoded
    ColourScheme colourScheme = ColourScheme::Greyscale;
    Transform transform = Transform::Reversible53;
    int tileSizeLog2 = kMinTileSizeLog2;
    std::vector<std::uint16_t> quantSteps;  // one per decomposition level, finest first

    int samplesPerPixel() const;
    int tileSize() const { return 1 << tileSizeLog2; }
    int tilesAcross() const;
    int tilesDown() const;
};

// Size of level `level` of an image side of n pixels: n / 2^level, rounded
// half up. (The low-pass image of a level has n / 2^level samples rounded up;
// the last of them is dropped where the two differ.)
int levelSize(int n, int level);

// The largest number of levels whose every level is at least one pixel in
// both directions.
int maxLevelsFor(int width, int height);

// The storage tile side (log2) for an image of `levels` levels: the tile must
// halve `levels` times and still hold at least one sample.
int tileSizeLog2For(int levels);

// The coefficient planes of one decoded tile, with the scratch memory of the
// inverse transform; reused from tile to tile.
struct TileBuffer {
    std::vector<std::int32_t> coefficients;
    std::vector<std::int32_t> scratch;
    std::vector<std::uint8_t> blocks;
    int width = 0;   // of the tile at level 0
    int height = 0;
    int stride = 0;
    const std::int32_t* plane(int p) const
    {
        return coefficients.data() + static_cast<std::size_t>(p) * static_cast<std::size_t>(stride) * stride;
    }
    // The samples from (x, y) on in each of `planes` planes; a greyscale
    // tile's single plane stands in for the missing ones.
    PlaneRow rowAt(int x, int y, int planes) const
    {
        const std::size_t offset = static_cast<std::size_t>(y) * static_cast<std::size_t>(stride) + static_cast<std::size_t>(x);
        return {{plane(0) + offset, plane(std::min(1, planes - 1)) + offset, plane(std::min(2, planes - 1)) + offset}};
    }
};

class Image {
public:
    // Opens and checks an image; raises Error with a message naming the file.
    static std::unique_ptr<Image> open(const std::string& path);
    explicit Image(std::unique_ptr<ByteSource> source);

    const ImageShape& shape() const { return shape_; }
    const Metadata& metadata() const { return metadata_; }
    const std::string& name() const { return source_->name(); }
    int width() const { return shape_.width; }
    int height() const { return shape_.height; }
    int levels() const { return shape_.levels; }
    int levelWidth(int level) const { return levelSize(shape_.width, level); }
    int levelHeight(int level) const { return levelSize(shape_.height, level); }

    // Compressed size of every block of tile (tileX, tileY), in storage order.
    std::span<const std::uint32_t> blockSizes(int tileX, int tileY) const;

    // Decodes tile (tileX, tileY) down to `level`: afterwards its planes hold
    // the low-pass image of that level in their upper-left corner.
    void decodeTile(int tileX, int tileY, int level, TileBuffer& tile);

private:
    void readHeader();
    void readIndex(std::uint64_t indexOffset, std::uint64_t dataStart);
    bool indexInvariantsHold(std::uint64_t indexOffset, std::uint64_t dataStart) const;
    [[noreturn]] void fail(const std::string& what) const;

    std::unique_ptr<ByteSource> source_;
    ImageShape shape_;
    Metadata metadata_;
    std::vector<std::uint64_t> tileOffsets_;
    std::vector<std::uint32_t> blockSizes_;
    BlockDecoder blockDecoder_;
};

} // namespace lumawave
