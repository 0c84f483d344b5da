#include "encoder.h"

#include "colour.h"
#include "error.h"
#include "image.h"
#include "little_endian.h"
#include "tile_layout.h"
#include "wavelet53.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace lumawave {
namespace {

// Step of the finest detail at the lowest quality; coarser levels get
// proportionally finer steps, as their coefficients spread over more pixels.
constexpr double kStepPerQualityPoint = 0.4;

std::vector<std::uint8_t> fixedHeader(const EncoderSettings& settings, int tileSizeLog2, std::uint32_t metadataLength)
{
    std::vector<std::uint8_t> header(kFixedHeaderSize, 0);
    std::copy(std::begin(kMagic), std::end(kMagic), header.begin() + kOffsetMagic);
    writeLittleEndian(header.data() + kOffsetVersion, kFormatVersion);
    header[kOffsetTransform] = static_cast<std::uint8_t>(
        settings.quality == kLosslessQuality ? Transform::Reversible53 : Transform::Quantised53);
    writeLittleEndian(header.data() + kOffsetWidth, static_cast<std::uint32_t>(settings.width));
    writeLittleEndian(header.data() + kOffsetHeight, static_cast<std::uint32_t>(settings.height));
    header[kOffsetLevels] = static_cast<std::uint8_t>(settings.levels);
    header[kOffsetSamples] = static_cast<std::uint8_t>(samplesPerPixel(settings.colourScheme));
    header[kOffsetColourScheme] = static_cast<std::uint8_t>(settings.colourScheme);
    header[kOffsetTileSizeLog2] = static_cast<std::uint8_t>(tileSizeLog2);
    writeLittleEndian(header.data() + kOffsetMetadataLength, metadataLength);
    return header;
}

void checkSettings(const EncoderSettings& settings)
{
    if (settings.width < 1 || settings.height < 1 || static_cast<std::uint32_t>(settings.width) > kMaxDimension
        || static_cast<std::uint32_t>(settings.height) > kMaxDimension) {
        throw Error("Error: cannot encode an image of " + std::to_string(settings.width) + " x "
                    + std::to_string(settings.height) + " pixels.");
    }
    const int maxLevels = maxLevelsFor(settings.width, settings.height);
    if (settings.levels < 0 || settings.levels > maxLevels) {
        throw Error("Error: an image of " + std::to_string(settings.width) + " x " + std::to_string(settings.height)
                    + " pixels can have 0 to " + std::to_string(maxLevels) + " levels, not "
                    + std::to_string(settings.levels) + ".");
    }
    if (settings.quality != kLosslessQuality && (settings.quality < kMinQuality || settings.quality > kMaxQuality)) {
        throw Error("Error: the quality must be 1 to 100, not " + std::to_string(settings.quality) + ".");
    }
}

} // namespace

std::vector<std::uint16_t> quantisationSteps(int levels, int quality)
{
    std::vector<std::uint16_t> steps(static_cast<std::size_t>(levels), 1);
    if (quality == kLosslessQuality) {
        return steps;
    }
    const double finest = 1.0 + kStepPerQualityPoint * (kMaxQuality - quality);
    for (int level = 1; level <= levels; ++level) {
        steps[static_cast<std::size_t>(level - 1)] =
            static_cast<std::uint16_t>(std::max(1L, std::lround(finest / level)));
    }
    return steps;
}

Encoder::Encoder(const std::string& path, const EncoderSettings& settings)
    : path_(path), partialPath_(path + ".partial"), settings_(settings)
{
    checkSettings(settings_);
    steps_ = quantisationSteps(settings_.levels, settings_.quality);
    const int tileSizeLog2 = tileSizeLog2For(settings_.levels);
    tileSize_ = 1 << tileSizeLog2;
    samples_ = samplesPerPixel(settings_.colourScheme);
    strip_.resize(static_cast<std::size_t>(tileSize_) * static_cast<std::size_t>(settings_.width)
                  * static_cast<std::size_t>(samples_));
    coefficients_.resize(static_cast<std::size_t>(tileSize_) * static_cast<std::size_t>(tileSize_)
                         * static_cast<std::size_t>(samples_));

    file_.reset(std::fopen(partialPath_.c_str(), "wb"));
    if (!file_) {
        throw Error("Error: cannot create " + path_ + ".");
    }
    const std::vector<std::uint8_t> metadata = settings_.metadata.serialise();
    const std::vector<std::uint8_t> header = fixedHeader(settings_, tileSizeLog2, static_cast<std::uint32_t>(metadata.size()));
    writeBytes(header.data(), header.size());
    for (const std::uint16_t step : steps_) {
        std::uint8_t bytes[kQuantStepSize];
        writeLittleEndian(bytes, step);
        writeBytes(bytes, sizeof(bytes));
    }
    writeBytes(metadata.data(), metadata.size());
}

Encoder::~Encoder()
{
    if (!finished_) {
        file_.reset();
        std::remove(partialPath_.c_str());
    }
}

void Encoder::writeBytes(const void* bytes, std::size_t size)
{
    if (size > 0 && std::fwrite(bytes, 1, size, file_.get()) != size) {
        throw Error("Error: cannot write " + path_ + ".");
    }
    fileOffset_ += size;
}

void Encoder::writeRows(const std::uint8_t* pixels, int rows)
{
    if (rows < 0 || rows > settings_.height - rowsWritten_) {
        throw Error("Error: more rows than the image's " + std::to_string(settings_.height) + " were given.");
    }
    const std::size_t rowBytes = static_cast<std::size_t>(settings_.width) * static_cast<std::size_t>(samples_);
    while (rows > 0) {
        const int take = std::min(rows, tileSize_ - stripRows_);
        std::memcpy(strip_.data() + static_cast<std::size_t>(stripRows_) * rowBytes, pixels,
                    static_cast<std::size_t>(take) * rowBytes);
        pixels += static_cast<std::size_t>(take) * rowBytes;
        rows -= take;
        stripRows_ += take;
        rowsWritten_ += take;
        if (stripRows_ == tileSize_ || rowsWritten_ == settings_.height) {
            encodeStrip();
        }
    }
}

void Encoder::encodeStrip()
{
    const std::size_t rowBytes = static_cast<std::size_t>(settings_.width) * static_cast<std::size_t>(samples_);
    const std::size_t planeSize = static_cast<std::size_t>(tileSize_) * static_cast<std::size_t>(tileSize_);
    Planes planes{{nullptr, nullptr, nullptr}, samples_, tileSize_};
    for (int p = 0; p < samples_; ++p) {
        planes.plane[p] = coefficients_.data() + planeSize * static_cast<std::size_t>(p);
    }
    const int perTile = blocksPerTile(settings_.levels);
    for (int left = 0; left < settings_.width; left += tileSize_) {
        const int tileWidth = std::min(tileSize_, settings_.width - left);
        for (int row = 0; row < stripRows_; ++row) {
            std::int32_t* const rowPlanes[3] = {
                planes.plane[0] + static_cast<std::size_t>(row) * static_cast<std::size_t>(tileSize_),
                planes.plane[std::min(1, samples_ - 1)] + static_cast<std::size_t>(row) * static_cast<std::size_t>(tileSize_),
                planes.plane[std::min(2, samples_ - 1)] + static_cast<std::size_t>(row) * static_cast<std::size_t>(tileSize_)};
            splitRow(settings_.colourScheme,
                     strip_.data() + static_cast<std::size_t>(row) * rowBytes + static_cast<std::size_t>(left) * static_cast<std::size_t>(samples_),
                     tileWidth, rowPlanes);
        }
        for (int p = 0; p < samples_; ++p) {
            forwardWavelet(PlaneRef{planes.plane[p], tileWidth, stripRows_, tileSize_}, settings_.levels, scratch_);
        }
        appendLittleEndian(index_, fileOffset_);
        for (int block = 0; block < perTile; ++block) {
            const BandRect band = bandOfBlock(tileWidth, stripRows_, settings_.levels, block);
            const int step = band.level == 0 ? 1 : steps_[static_cast<std::size_t>(band.level - 1)];
            const std::vector<std::uint8_t>& compressed = blockEncoder_.encode(planes, band, step);
            writeBytes(compressed.data(), compressed.size());
            appendLittleEndian(index_, static_cast<std::uint32_t>(compressed.size()));
        }
    }
    stripRows_ = 0;
}

void Encoder::finish()
{
    if (rowsWritten_ != settings_.height) {
        throw Error("Error: " + path_ + " is incomplete: " + std::to_string(rowsWritten_) + " of "
                    + std::to_string(settings_.height) + " rows were given.");
    }
    const std::uint64_t indexOffset = fileOffset_;
    writeBytes(index_.data(), index_.size());
    std::uint8_t offsetBytes[sizeof(std::uint64_t)];
    writeLittleEndian(offsetBytes, indexOffset);
    if (std::fseek(file_.get(), static_cast<long>(kOffsetIndexOffset), SEEK_SET) != 0
        || std::fwrite(offsetBytes, 1, sizeof(offsetBytes), file_.get()) != sizeof(offsetBytes)
        || std::fclose(file_.release()) != 0) {
        throw Error("Error: cannot write " + path_ + ".");
    }
    if (std::rename(partialPath_.c_str(), path_.c_str()) != 0) {
        throw Error("Error: cannot create " + path_ + ".");
    }
    finished_ = true;
}

} // namespace lumawave
