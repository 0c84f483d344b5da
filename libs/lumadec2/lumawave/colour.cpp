#include "colour.h"

#include <algorithm>

namespace lumawave {
namespace {

constexpr int kMaxSample = 255;

inline std::uint8_t clampToByte(std::int32_t value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, kMaxSample));
}

inline std::int32_t wrapAdd(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline std::int32_t wrapSub(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// Integer luma with the ITU-R BT.601 weights (77 + 150 + 29 = 256).
inline std::uint8_t luma(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    constexpr int kRedWeight = 77;
    constexpr int kGreenWeight = 150;
    constexpr int kBlueWeight = 29;
    constexpr int kWeightShift = 8;
    constexpr int kRounding = 128;
    return static_cast<std::uint8_t>((kRedWeight * r + kGreenWeight * g + kBlueWeight * b + kRounding) >> kWeightShift);
}

void storedToRgb(ColourScheme scheme, PlaneRow row, int count, std::uint8_t* rgb)
{
    const std::int32_t* p0 = row.plane[0];
    const std::int32_t* p1 = row.plane[1];
    const std::int32_t* p2 = row.plane[2];
    if (scheme == ColourScheme::YCoCg) {
        for (int i = 0; i < count; ++i) {
            const std::int32_t y = p0[i];
            const std::int32_t co = p1[i];
            const std::int32_t cg = p2[i];
            const std::int32_t t = wrapSub(y, cg >> 1);
            const std::int32_t g = wrapAdd(cg, t);
            const std::int32_t b = wrapSub(t, co >> 1);
            const std::int32_t r = wrapAdd(b, co);
            rgb[3 * i] = clampToByte(r);
            rgb[3 * i + 1] = clampToByte(g);
            rgb[3 * i + 2] = clampToByte(b);
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        rgb[3 * i] = clampToByte(p0[i]);
        rgb[3 * i + 1] = clampToByte(p1[i]);
        rgb[3 * i + 2] = clampToByte(p2[i]);
    }
}

} // namespace

int bytesPerPixel(PixelFormat format) { return format == PixelFormat::Grey8 ? 1 : 3; }

int samplesPerPixel(ColourScheme scheme) { return scheme == ColourScheme::Greyscale ? 1 : 3; }

const char* colourSchemeName(ColourScheme scheme)
{
    switch (scheme) {
    case ColourScheme::Greyscale: return "GREYSCALE";
    case ColourScheme::Rgb: return "RGB";
    case ColourScheme::YCoCg: return "YCOCG";
    }
    return "UNKNOWN";
}

void convertRow(ColourScheme scheme, PlaneRow row, int count, PixelFormat format, std::uint8_t* out)
{
    if (scheme == ColourScheme::Greyscale) {
        const std::int32_t* grey = row.plane[0];
        if (format == PixelFormat::Grey8) {
            for (int i = 0; i < count; ++i) {
                out[i] = clampToByte(grey[i]);
            }
        } else {
            for (int i = 0; i < count; ++i) {
                const std::uint8_t value = clampToByte(grey[i]);
                out[3 * i] = value;
                out[3 * i + 1] = value;
                out[3 * i + 2] = value;
            }
        }
        return;
    }
    if (format == PixelFormat::Rgb8) {
        storedToRgb(scheme, row, count, out);
        return;
    }
    constexpr int kChunk = 256;
    std::uint8_t rgb[3 * kChunk];
    for (int start = 0; start < count; start += kChunk) {
        const int n = std::min(kChunk, count - start);
        const PlaneRow part{{row.plane[0] + start, row.plane[1] + start, row.plane[2] + start}};
        storedToRgb(scheme, part, n, rgb);
        for (int i = 0; i < n; ++i) {
            out[start + i] = luma(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
        }
    }
}

void splitRow(ColourScheme scheme, const std::uint8_t* pixels, int count, std::int32_t* const planes[3])
{
    if (scheme == ColourScheme::Greyscale) {
        for (int i = 0; i < count; ++i) {
            planes[0][i] = pixels[i];
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        const std::int32_t r = pixels[3 * i];
        const std::int32_t g = pixels[3 * i + 1];
        const std::int32_t b = pixels[3 * i + 2];
        if (scheme == ColourScheme::YCoCg) {
            const std::int32_t co = r - b;
            const std::int32_t t = b + (co >> 1);
            const std::int32_t cg = g - t;
            planes[0][i] = t + (cg >> 1);
            planes[1][i] = co;
            planes[2][i] = cg;
        } else {
            planes[0][i] = r;
            planes[1][i] = g;
            planes[2][i] = b;
        }
    }
}

} // namespace lumawave
