#include "encode_file.h"

#include "lumawave/error.h"
#include "lumawave/image.h"
#include "lumawave/metadata.h"
#include "raster_reader.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <vector>

namespace lumawave::tools {
namespace {

constexpr int kCoarsestLevelSide = 512;
constexpr int kRowsPerRead = 256;

std::string numberText(double value)
{
    std::ostringstream text;
    text.precision(17);
    text << value;
    return text.str();
}

Metadata metadataFor(const EncodeOptions& options, bool grey)
{
    Metadata metadata;
    metadata.set(keys::kColorScheme, grey ? "GREYSCALE" : "RGB");
    metadata.set(keys::kBitsPerSample, "8");
    metadata.set(keys::kDataType, "UINT8");
    if (options.originX && options.originY) {
        metadata.set(keys::kXyOrigin, numberText(*options.originX) + " " + numberText(*options.originY));
    }
    if (options.resolution) {
        metadata.set(keys::kXResolution, numberText(*options.resolution));
        metadata.set(keys::kYResolution, numberText(*options.resolution));
    }
    return metadata;
}

} // namespace

int defaultLevels(int width, int height)
{
    int levels = 0;
    while (std::max(levelSize(width, levels), levelSize(height, levels)) > kCoarsestLevelSide) {
        ++levels;
    }
    return std::min(levels, maxLevelsFor(width, height));
}

void encodeFile(const std::string& input, const std::string& output, const EncodeOptions& options)
{
    std::error_code error;
    if (std::filesystem::equivalent(input, output, error)) {
        throw Error("Error: the output " + output + " would replace the input image.");
    }
    const auto reader = openRaster(input);
    const bool grey = reader->samplesPerPixel() == 1;
    EncoderSettings settings;
    settings.width = reader->width();
    settings.height = reader->height();
    settings.levels = options.levels.value_or(defaultLevels(settings.width, settings.height));
    settings.colourScheme = grey ? ColourScheme::Greyscale : options.colourStorage;
    settings.quality = options.quality;
    settings.metadata = metadataFor(options, grey);

    Encoder encoder(output, settings);
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(kRowsPerRead) * static_cast<std::size_t>(settings.width)
                                   * static_cast<std::size_t>(reader->samplesPerPixel()));
    while (encoder.rowsWritten() < settings.height) {
        const int count = std::min(kRowsPerRead, settings.height - encoder.rowsWritten());
        reader->readRows(rows.data(), count);
        encoder.writeRows(rows.data(), count);
    }
    encoder.finish();
}

} // namespace lumawave::tools
