#include "image.h"

#include "colour.h"
#include "error.h"
#include "little_endian.h"
#include "tile_layout.h"
#include "wavelet53.h"

#include <algorithm>
#include <cassert>
#include <numeric>

namespace lumawave {
namespace {

constexpr const char* kNotLumawave = "Error: stream does not contain a bonafide Lumawave image.";

int tileCount(int pixels, int tileSize) { return (pixels + tileSize - 1) / tileSize; }

} // namespace

int ImageShape::samplesPerPixel() const { return lumawave::samplesPerPixel(colourScheme); }
int ImageShape::tilesAcross() const { return tileCount(width, tileSize()); }
int ImageShape::tilesDown() const { return tileCount(height, tileSize()); }

int levelSize(int n, int level)
{
    // trunc(n / 2^level + 0.5) in integers: add half of the divisor first.
    const std::int64_t divisor = std::int64_t{1} << level;
    return static_cast<int>((n + divisor / 2) / divisor);
}

int maxLevelsFor(int width, int height)
{
    int levels = 0;
    while (levels < kMaxLevels && levelSize(width, levels + 1) >= 1 && levelSize(height, levels + 1) >= 1) {
        ++levels;
    }
    return levels;
}

int tileSizeLog2For(int levels) { return std::max(kMinTileSizeLog2, levels); }

std::unique_ptr<Image> Image::open(const std::string& path) { return std::make_unique<Image>(openFileSource(path)); }

Image::Image(std::unique_ptr<ByteSource> source) : source_(std::move(source)) { readHeader(); }

void Image::fail(const std::string& what) const { throw Error("Error: " + name() + " " + what); }

void Image::readHeader()
{
    const std::uint64_t fileSize = source_->size();
    std::uint8_t header[kFixedHeaderSize] = {};
    if (fileSize < sizeof(kMagic)) {
        throw Error(kNotLumawave);
    }
    source_->read(0, std::span(header, std::min<std::uint64_t>(fileSize, kFixedHeaderSize)));
    if (!std::equal(std::begin(kMagic), std::end(kMagic), header + kOffsetMagic)) {
        throw Error(kNotLumawave);
    }
    if (fileSize < kFixedHeaderSize) {
        fail("is truncated: its header is incomplete.");
    }
    const auto version = readLittleEndian<std::uint16_t>(header + kOffsetVersion);
    if (version > kFormatVersion) {
        fail("is a Lumawave image of format version " + std::to_string(version)
             + ", newer than this decoder reads (up to version " + std::to_string(kFormatVersion) + ").");
    }
    if (version == 0) {
        fail("has an invalid format version 0.");
    }
    const auto transform = header[kOffsetTransform];
    const auto scheme = header[kOffsetColourScheme];
    const auto width = readLittleEndian<std::uint32_t>(header + kOffsetWidth);
    const auto height = readLittleEndian<std::uint32_t>(header + kOffsetHeight);
    if (transform > static_cast<std::uint8_t>(Transform::Quantised53)) {
        fail("uses an unknown transform " + std::to_string(transform) + ".");
    }
    if (scheme > static_cast<std::uint8_t>(ColourScheme::YCoCg)) {
        fail("uses an unknown colour scheme " + std::to_string(scheme) + ".");
    }
    if (width < 1 || height < 1 || width > kMaxDimension || height > kMaxDimension) {
        fail("has invalid dimensions " + std::to_string(width) + " x " + std::to_string(height) + ".");
    }
    shape_.width = static_cast<int>(width);
    shape_.height = static_cast<int>(height);
    shape_.transform = static_cast<Transform>(transform);
    shape_.colourScheme = static_cast<ColourScheme>(scheme);
    shape_.levels = header[kOffsetLevels];
    shape_.tileSizeLog2 = header[kOffsetTileSizeLog2];
    if (shape_.levels > maxLevelsFor(shape_.width, shape_.height)) {
        fail("has too many resolution levels (" + std::to_string(shape_.levels) + ") for its size.");
    }
    if (header[kOffsetSamples] != shape_.samplesPerPixel()) {
        fail("has " + std::to_string(header[kOffsetSamples]) + " samples per pixel, which its colour scheme "
             + colourSchemeName(shape_.colourScheme) + " does not have.");
    }
    if (shape_.tileSizeLog2 < tileSizeLog2For(shape_.levels) || shape_.tileSizeLog2 > kMaxTileSizeLog2) {
        fail("has an invalid tile size.");
    }

    const std::uint64_t stepsSize = kQuantStepSize * static_cast<std::uint64_t>(shape_.levels);
    const std::uint64_t metadataLength = readLittleEndian<std::uint32_t>(header + kOffsetMetadataLength);
    const std::uint64_t dataStart = kFixedHeaderSize + stepsSize + metadataLength;
    if (dataStart > fileSize) {
        fail("is truncated: its metadata is incomplete.");
    }
    std::vector<std::uint8_t> section(static_cast<std::size_t>(stepsSize + metadataLength));
    source_->read(kFixedHeaderSize, section);
    for (int level = 0; level < shape_.levels; ++level) {
        const auto step = readLittleEndian<std::uint16_t>(section.data() + kQuantStepSize * static_cast<std::size_t>(level));
        if (step == 0 || (shape_.transform == Transform::Reversible53 && step != 1)) {
            fail("has an invalid quantisation step.");
        }
        shape_.quantSteps.push_back(step);
    }
    auto metadata = Metadata::parse(std::span(section).subspan(static_cast<std::size_t>(stepsSize)));
    if (!metadata) {
        fail("has damaged metadata.");
    }
    metadata_ = std::move(*metadata);
    readIndex(readLittleEndian<std::uint64_t>(header + kOffsetIndexOffset), dataStart);
}

void Image::readIndex(std::uint64_t indexOffset, std::uint64_t dataStart)
{
    const std::uint64_t fileSize = source_->size();
    const std::uint64_t tiles = static_cast<std::uint64_t>(shape_.tilesAcross()) * static_cast<std::uint64_t>(shape_.tilesDown());
    const int perTile = blocksPerTile(shape_.levels);
    const std::uint64_t entrySize = kIndexTileOffsetSize + kIndexBlockSizeSize * static_cast<std::uint64_t>(perTile);
    if (indexOffset < dataStart || indexOffset > fileSize || fileSize - indexOffset != tiles * entrySize) {
        fail("is truncated or has a damaged block index.");
    }
    std::vector<std::uint8_t> index(static_cast<std::size_t>(fileSize - indexOffset));
    source_->read(indexOffset, index);
    tileOffsets_.resize(static_cast<std::size_t>(tiles));
    blockSizes_.resize(static_cast<std::size_t>(tiles) * static_cast<std::size_t>(perTile));
    const std::uint8_t* at = index.data();
    for (std::size_t tile = 0; tile < tileOffsets_.size(); ++tile) {
        const std::uint64_t offset = readLittleEndian<std::uint64_t>(at);
        at += kIndexTileOffsetSize;
        std::uint64_t total = 0;
        for (int block = 0; block < perTile; ++block) {
            const std::uint32_t size = readLittleEndian<std::uint32_t>(at);
            at += kIndexBlockSizeSize;
            blockSizes_[tile * static_cast<std::size_t>(perTile) + static_cast<std::size_t>(block)] = size;
            total += size;
        }
        // Every tile's blocks lie between the metadata and the index.
        if (offset < dataStart || offset > indexOffset || total > indexOffset - offset) {
            fail("has a damaged block index.");
        }
        tileOffsets_[tile] = offset;
    }
    assert(indexInvariantsHold(indexOffset, dataStart));
}

// Invariants of an opened image's block index, which decodeTile relies on:
//   1. there is one offset per tile and one size per block of every tile;
//   2. the blocks of each tile lie wholly between the data start and the index,
//      so every read of a prefix of them stays inside the file.
bool Image::indexInvariantsHold(std::uint64_t indexOffset, std::uint64_t dataStart) const
{
    const std::size_t tiles = static_cast<std::size_t>(shape_.tilesAcross()) * static_cast<std::size_t>(shape_.tilesDown());
    const std::size_t perTile = static_cast<std::size_t>(blocksPerTile(shape_.levels));
    if (tileOffsets_.size() != tiles || blockSizes_.size() != tiles * perTile) {
        return false;
    }
    for (std::size_t tile = 0; tile < tiles; ++tile) {
        const auto first = blockSizes_.begin() + static_cast<std::ptrdiff_t>(tile * perTile);
        const std::uint64_t total = std::accumulate(first, first + static_cast<std::ptrdiff_t>(perTile), std::uint64_t{0});
        if (tileOffsets_[tile] < dataStart || tileOffsets_[tile] + total > indexOffset) {
            return false;
        }
    }
    return true;
}

std::span<const std::uint32_t> Image::blockSizes(int tileX, int tileY) const
{
    const std::size_t perTile = static_cast<std::size_t>(blocksPerTile(shape_.levels));
    const std::size_t tile = static_cast<std::size_t>(tileY) * static_cast<std::size_t>(shape_.tilesAcross())
                             + static_cast<std::size_t>(tileX);
    return std::span(blockSizes_).subspan(tile * perTile, perTile);
}

void Image::decodeTile(int tileX, int tileY, int level, TileBuffer& tile)
{
    assert(tileX >= 0 && tileX < shape_.tilesAcross() && tileY >= 0 && tileY < shape_.tilesDown());
    assert(level >= 0 && level <= shape_.levels);
    const int tileSize = shape_.tileSize();
    const int samples = shape_.samplesPerPixel();
    tile.width = std::min(tileSize, shape_.width - tileX * tileSize);
    tile.height = std::min(tileSize, shape_.height - tileY * tileSize);
    tile.stride = tileSize;
    const std::size_t planeSize = static_cast<std::size_t>(tileSize) * static_cast<std::size_t>(tileSize);
    if (tile.coefficients.size() < planeSize * static_cast<std::size_t>(samples)) {
        tile.coefficients.resize(planeSize * static_cast<std::size_t>(samples));
    }

    const int needed = blocksForLevel(shape_.levels, level);
    const auto sizes = blockSizes(tileX, tileY).first(static_cast<std::size_t>(needed));
    const std::uint64_t total = std::accumulate(sizes.begin(), sizes.end(), std::uint64_t{0});
    tile.blocks.resize(static_cast<std::size_t>(total));
    const std::size_t tileIndex = static_cast<std::size_t>(tileY) * static_cast<std::size_t>(shape_.tilesAcross())
                                  + static_cast<std::size_t>(tileX);
    source_->read(tileOffsets_[tileIndex], tile.blocks);

    Planes planes{{nullptr, nullptr, nullptr}, samples, tileSize};
    for (int p = 0; p < samples; ++p) {
        planes.plane[p] = tile.coefficients.data() + planeSize * static_cast<std::size_t>(p);
    }
    std::size_t at = 0;
    for (int block = 0; block < needed; ++block) {
        const BandRect band = bandOfBlock(tile.width, tile.height, shape_.levels, block);
        const int step = band.level == 0 ? 1 : shape_.quantSteps[static_cast<std::size_t>(band.level - 1)];
        const auto bytes = std::span<const std::uint8_t>(tile.blocks).subspan(at, sizes[static_cast<std::size_t>(block)]);
        if (!blockDecoder_.decode(bytes, planes, band, step)) {
            fail("has a corrupt block (tile " + std::to_string(tileX) + ", " + std::to_string(tileY) + ", block "
                 + std::to_string(block) + ").");
        }
        at += bytes.size();
    }
    for (int p = 0; p < samples; ++p) {
        inverseWavelet(PlaneRef{planes.plane[p], tile.width, tile.height, tileSize}, shape_.levels, level, tile.scratch);
    }
}

} // namespace lumawave
