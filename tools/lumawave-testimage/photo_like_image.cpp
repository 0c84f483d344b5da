#include "photo_like_image.h"

#include "lumawave/error.h"
#include "lumawave/file_handle.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace lumawave::tools {
namespace {

struct Octave {
    int cell;      // lattice spacing in pixels
    float weight;  // contribution to the terrain
};
// Coarse shapes dominate as in real landscapes; finer detail adds texture.
constexpr Octave kOctaves[] = {{512, 0.45f}, {128, 0.25f}, {32, 0.15f}, {8, 0.08f}};
constexpr int kParcelSize = 300;
constexpr float kParcelContrast = 0.12f;
constexpr int kRoadSpacing = 1000;
constexpr int kRoadWidth = 6;
constexpr float kRoadBrightness = 0.85f;
constexpr float kGrain = 0.03f;
constexpr float kMaxSample = 255.0f;

// Well-mixed 32-bit hash (lowbias32) of a lattice point.
std::uint32_t hash(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float unitHash(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    constexpr float kScale = 1.0f / 4294967296.0f;
    return static_cast<float>(hash(a, b, c)) * kScale;
}

float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

} // namespace

PhotoLikeImage::PhotoLikeImage(int width, int height, int samplesPerPixel, std::uint32_t seed)
    : width_(width), height_(height), samples_(samplesPerPixel), seed_(seed), terrain_(static_cast<std::size_t>(width))
{
}


void PhotoLikeImage::row(int y, std::uint8_t* out)
{
    // One terrain for all channels, as the channels of a photograph are
    // strongly correlated; parcels and grain give each channel its own tint.
    std::fill(terrain_.begin(), terrain_.end(), 0.0f);
    int octaveIndex = 0;
    for (const Octave& octave : kOctaves) {
        const std::uint32_t salt = seed_ * 131u + static_cast<std::uint32_t>(octaveIndex++);
        const int cellY = y / octave.cell;
        const float fy = smooth(static_cast<float>(y % octave.cell) / static_cast<float>(octave.cell));
        const int cells = width_ / octave.cell + 2;
        lattice_.resize(static_cast<std::size_t>(cells));
        for (int cx = 0; cx < cells; ++cx) {
            const float top = unitHash(static_cast<std::uint32_t>(cx), static_cast<std::uint32_t>(cellY), salt);
            const float bottom = unitHash(static_cast<std::uint32_t>(cx), static_cast<std::uint32_t>(cellY + 1), salt);
            lattice_[static_cast<std::size_t>(cx)] = top + (bottom - top) * fy;
        }
        for (int x = 0; x < width_; ++x) {
            const int cx = x / octave.cell;
            const float fx = smooth(static_cast<float>(x % octave.cell) / static_cast<float>(octave.cell));
            const float left = lattice_[static_cast<std::size_t>(cx)];
            const float right = lattice_[static_cast<std::size_t>(cx + 1)];
            terrain_[static_cast<std::size_t>(x)] += octave.weight * (left + (right - left) * fx);
        }
    }
    const bool roadRow = y % kRoadSpacing < kRoadWidth;
    for (int x = 0; x < width_; ++x) {
        const bool road = roadRow || x % kRoadSpacing < kRoadWidth;
        for (int channel = 0; channel < samples_; ++channel) {
            const auto c = static_cast<std::uint32_t>(channel);
            const float parcel = unitHash(static_cast<std::uint32_t>(x / kParcelSize),
                                          static_cast<std::uint32_t>(y / kParcelSize), seed_ + c);
            const float grain = unitHash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed_ ^ (0xA5A5u + c)) - 0.5f;
            const float value = road ? kRoadBrightness
                                     : terrain_[static_cast<std::size_t>(x)] + kParcelContrast * (parcel - 0.5f) + kGrain * grain;
            out[static_cast<std::size_t>(x) * static_cast<std::size_t>(samples_) + c] =
                static_cast<std::uint8_t>(std::clamp(value * kMaxSample, 0.0f, kMaxSample));
        }
    }
}

void writePhotoLikePnm(const std::string& path, int width, int height, int samplesPerPixel, std::uint32_t seed)
{
    FileHandle file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        throw Error("Error: cannot create " + path + ".");
    }
    std::fprintf(file.get(), "P%c\n%d %d\n255\n", samplesPerPixel == 1 ? '5' : '6', width, height);
    PhotoLikeImage image(width, height, samplesPerPixel, seed);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * static_cast<std::size_t>(samplesPerPixel));
    for (int y = 0; y < height; ++y) {
        image.row(y, row.data());
        if (std::fwrite(row.data(), 1, row.size(), file.get()) != row.size()) {
            throw Error("Error: cannot write " + path + ".");
        }
    }
    if (std::fclose(file.release()) != 0) {
        throw Error("Error: cannot write " + path + ".");
    }
}

} // namespace lumawave::tools
