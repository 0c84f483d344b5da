// Writes a Lumawave image from rows handed over top first, holding only one
// strip of tiles in memory at a time, so that images far larger than memory
// can be encoded. The file is written under a temporary name and renamed into
// place when finished; an encoder dropped before finish() removes it.
#pragma once

#include "block_codec.h"
#include "file_handle.h"
#include "format.h"
#include "metadata.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace lumawave {

inline constexpr int kLosslessQuality = 0;
inline constexpr int kMinQuality = 1;
inline constexpr int kMaxQuality = 100;

struct EncoderSettings {
    int width = 0;
    int height = 0;
    int levels = 0;
    ColourScheme colourScheme = ColourScheme::Greyscale;
    int quality = kLosslessQuality;  // kLosslessQuality, or 1 (smallest) .. 100 (best)
    Metadata metadata;
};

// The quantisation step of each decomposition level (finest first) for a
// quality; all 1 for lossless.
std::vector<std::uint16_t> quantisationSteps(int levels, int quality);

class Encoder {
public:
    // Checks the settings and starts the file; raises Error.
    Encoder(const std::string& path, const EncoderSettings& settings);
    ~Encoder();
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    // Appends `rows` rows of interleaved 8-bit pixels (1 sample for
    // greyscale, 3 for RGB), top row first.
    void writeRows(const std::uint8_t* pixels, int rows);
    // Writes the index after the last row; raises Error unless every row was
    // given.
    void finish();

    int rowsWritten() const { return rowsWritten_; }

private:
    void encodeStrip();
    void writeBytes(const void* bytes, std::size_t size);

    std::string path_;
    std::string partialPath_;
    FileHandle file_;
    EncoderSettings settings_;
    std::vector<std::uint16_t> steps_;
    int tileSize_ = 0;
    int samples_ = 0;
    int rowsWritten_ = 0;
    int stripRows_ = 0;
    bool finished_ = false;
    std::uint64_t fileOffset_ = 0;
    std::vector<std::uint8_t> strip_;
    std::vector<std::int32_t> coefficients_;
    std::vector<std::int32_t> scratch_;
    std::vector<std::uint8_t> index_;
    BlockEncoder blockEncoder_;
};

} // namespace lumawave
