// A synthetic aerial-photo-like image, made row by row so that images far
// larger than memory can be written: smooth terrain at several scales, field
// parcels with hard edges, a road grid, and fine grain. The same seed and size
// always give the same pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumawave::tools {

class PhotoLikeImage {
public:
    PhotoLikeImage(int width, int height, int samplesPerPixel, std::uint32_t seed);
    int width() const { return width_; }
    int height() const { return height_; }
    int samplesPerPixel() const { return samples_; }
    // Fills `out` with row y: width x samples interleaved 8-bit samples.
    void row(int y, std::uint8_t* out);

private:
    int width_;
    int height_;
    int samples_;
    std::uint32_t seed_;
    std::vector<float> terrain_;
    std::vector<float> lattice_;
};

// Writes the image as a binary PGM (1 sample) or PPM (3 samples).
void writePhotoLikePnm(const std::string& path, int width, int height, int samplesPerPixel, std::uint32_t seed);

} // namespace lumawave::tools
