#include "test_support.h"

#include "bmp_layout.h"
#include "lumawave/colour.h"
#include "lumawave/little_endian.h"
#include "photo_like_image.h"

#include <fstream>
#include <iterator>
#include <random>

#include <unistd.h>

namespace lumawave::testing {

Raster Raster::crop(int x, int y, int w, int h) const
{
    Raster out{w, h, samples, {}};
    for (int row = 0; row < h; ++row) {
        const std::uint8_t* from = at(x, y + row);
        out.pixels.insert(out.pixels.end(), from, from + static_cast<std::size_t>(w) * static_cast<std::size_t>(samples));
    }
    return out;
}

Raster makeRaster(int width, int height, int samples, std::uint32_t seed)
{
    Raster raster{width, height, samples, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * samples)};
    tools::PhotoLikeImage image(width, height, samples, seed);
    for (int y = 0; y < height; ++y) {
        image.row(y, raster.pixels.data() + static_cast<std::size_t>(y) * width * samples);
    }
    // Salt with extreme values so that clamping and byte widths are exercised.
    std::mt19937 random(seed);
    for (std::size_t i = 0; i < raster.pixels.size(); i += 1 + random() % 97) {
        raster.pixels[i] = random() % 2 == 0 ? 0 : 255;
    }
    return raster;
}

void ScratchFolder::SetUp()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    folder_ = std::filesystem::temp_directory_path() / ("lumadec2-tests-" + std::to_string(::getpid())) / name;
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
}

void ScratchFolder::TearDown() { std::filesystem::remove_all(folder_.parent_path()); }

void encodeRaster(const Raster& raster, const std::string& path, int levels, ColourScheme scheme, int quality,
                  const Metadata& metadata)
{
    EncoderSettings settings;
    settings.width = raster.width;
    settings.height = raster.height;
    settings.levels = levels;
    settings.colourScheme = raster.samples == 1 ? ColourScheme::Greyscale : scheme;
    settings.quality = quality;
    settings.metadata = metadata;
    Encoder encoder(path, settings);
    // Uneven strips, to show that the encoder does not depend on them.
    constexpr int kRowsPerCall = 37;
    for (int y = 0; y < raster.height; y += kRowsPerCall) {
        encoder.writeRows(raster.at(0, y), std::min(kRowsPerCall, raster.height - y));
    }
    encoder.finish();
}

void writePnm(const Raster& raster, const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    out << (raster.samples == 1 ? "P5" : "P6") << "\n# made by a test\n"
        << raster.width << " " << raster.height << "\n255\n";
    out.write(reinterpret_cast<const char*>(raster.pixels.data()), static_cast<std::streamsize>(raster.pixels.size()));
}

std::vector<std::uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

BmpFile readBmp(const std::string& path)
{
    BmpFile bmp;
    bmp.bytes = readBytes(path);
    if (bmp.bytes.size() < lumadec2::bmp::kHeaderSize || bmp.bytes[0] != 'B' || bmp.bytes[1] != 'M') {
        ADD_FAILURE() << path << " is not a BMP file";
        return bmp;
    }
    const std::uint8_t* b = bmp.bytes.data();
    namespace bmpField = lumadec2::bmp;
    bmp.fileSize = readLittleEndian<std::uint32_t>(b + bmpField::kOffsetFileSize);
    bmp.pixelOffset = readLittleEndian<std::uint32_t>(b + bmpField::kOffsetPixelOffset);
    bmp.width = readLittleEndian<std::int32_t>(b + bmpField::kOffsetWidth);
    bmp.height = readLittleEndian<std::int32_t>(b + bmpField::kOffsetHeight);
    bmp.bitsPerPixel = readLittleEndian<std::uint16_t>(b + bmpField::kOffsetBitsPerPixel);
    bmp.imageSize = readLittleEndian<std::uint32_t>(b + bmpField::kOffsetImageSize);
    return bmp;
}

Raster BmpFile::raster() const
{
    const int samples = bitsPerPixel / 8;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * samples + 3) / 4 * 4;
    Raster out{width, height, samples, {}};
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = bytes.data() + pixelOffset + static_cast<std::size_t>(height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            if (samples == 1) {
                out.pixels.push_back(row[x]);
            } else {
                out.pixels.insert(out.pixels.end(), {row[3 * x + 2], row[3 * x + 1], row[3 * x]});
            }
        }
    }
    return out;
}

} // namespace lumawave::testing
