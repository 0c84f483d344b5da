#include "wavelet53.h"

#include <algorithm>
#include <cstring>

namespace lumawave {
namespace {

inline std::int32_t wrapAdd(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline std::int32_t wrapSub(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// The predict step: the odd sample is predicted by the mean of its even
// neighbours; the update step: the even sample is smoothed by a quarter of its
// detail neighbours (with the rounding offset of the reversible filter).
inline std::int32_t prediction(std::int32_t left, std::int32_t right) { return wrapAdd(left, right) >> 1; }
inline std::int32_t update(std::int32_t left, std::int32_t right) { return wrapAdd(wrapAdd(left, right), 2) >> 2; }

// One lifting step applied to a line of `width` samples at once: a whole row
// for the vertical pass (so the loop runs along memory and vectorises), a
// single sample for the horizontal pass.
inline void addPrediction(std::int32_t* out, const std::int32_t* base, const std::int32_t* left,
                          const std::int32_t* right, int width, int sign)
{
    for (int j = 0; j < width; ++j) {
        const std::int32_t p = prediction(left[j], right[j]);
        out[j] = sign > 0 ? wrapAdd(base[j], p) : wrapSub(base[j], p);
    }
}

inline void addUpdate(std::int32_t* out, const std::int32_t* base, const std::int32_t* left,
                      const std::int32_t* right, int width, int sign)
{
    for (int j = 0; j < width; ++j) {
        const std::int32_t u = update(left[j], right[j]);
        out[j] = sign > 0 ? wrapAdd(base[j], u) : wrapSub(base[j], u);
    }
}

// The lifting structure of n samples, independent of how a sample is laid
// out. `Lines` gives the interleaved samples (sample(k)), the low-pass part
// (low(i)) and the high-pass part (high(i)) as pointers to `width` values.
template <typename Lines>
void forwardLifting(const Lines& lines, int n, int width)
{
    if (n == 1) {
        std::memcpy(lines.low(0), lines.sample(0), sizeof(std::int32_t) * static_cast<std::size_t>(width));
        return;
    }
    const int lowCount = (n + 1) / 2;
    const int highCount = n / 2;
    const bool even = n % 2 == 0;
    const int interiorHigh = even ? highCount - 1 : highCount;
    for (int i = 0; i < interiorHigh; ++i) {
        addPrediction(lines.high(i), lines.sample(2 * i + 1), lines.sample(2 * i), lines.sample(2 * i + 2), width, -1);
    }
    if (even) {
        const int i = highCount - 1;
        addPrediction(lines.high(i), lines.sample(2 * i + 1), lines.sample(2 * i), lines.sample(2 * i), width, -1);
    }
    addUpdate(lines.low(0), lines.sample(0), lines.high(0), lines.high(0), width, +1);
    for (int i = 1; i < highCount; ++i) {
        addUpdate(lines.low(i), lines.sample(2 * i), lines.high(i - 1), lines.high(i), width, +1);
    }
    if (lowCount > highCount) {
        const int i = lowCount - 1;
        addUpdate(lines.low(i), lines.sample(2 * i), lines.high(i - 1), lines.high(i - 1), width, +1);
    }
}

template <typename Lines>
void inverseLifting(const Lines& lines, int n, int width)
{
    if (n == 1) {
        std::memcpy(lines.sample(0), lines.low(0), sizeof(std::int32_t) * static_cast<std::size_t>(width));
        return;
    }
    const int lowCount = (n + 1) / 2;
    const int highCount = n / 2;
    const bool even = n % 2 == 0;
    addUpdate(lines.sample(0), lines.low(0), lines.high(0), lines.high(0), width, -1);
    for (int i = 1; i < highCount; ++i) {
        addUpdate(lines.sample(2 * i), lines.low(i), lines.high(i - 1), lines.high(i), width, -1);
    }
    if (lowCount > highCount) {
        const int i = lowCount - 1;
        addUpdate(lines.sample(2 * i), lines.low(i), lines.high(i - 1), lines.high(i - 1), width, -1);
    }
    const int interiorHigh = even ? highCount - 1 : highCount;
    for (int i = 0; i < interiorHigh; ++i) {
        addPrediction(lines.sample(2 * i + 1), lines.high(i), lines.sample(2 * i), lines.sample(2 * i + 2), width, +1);
    }
    if (even) {
        const int i = highCount - 1;
        addPrediction(lines.sample(2 * i + 1), lines.high(i), lines.sample(2 * i), lines.sample(2 * i), width, +1);
    }
}

// Samples of one row: interleaved in `interleaved`, split in `split`.
struct RowLines {
    std::int32_t* interleaved;
    std::int32_t* split;
    int lowCount;
    std::int32_t* sample(int k) const { return interleaved + k; }
    std::int32_t* low(int i) const { return split + i; }
    std::int32_t* high(int i) const { return split + lowCount + i; }
};

// Rows of a region: interleaved rows in `interleaved` (packed), split rows in
// the plane itself.
struct ColumnLines {
    std::int32_t* interleaved;
    int interleavedStride;
    std::int32_t* split;
    int splitStride;
    int lowCount;
    std::int32_t* sample(int k) const { return interleaved + static_cast<std::ptrdiff_t>(k) * interleavedStride; }
    std::int32_t* low(int i) const { return split + static_cast<std::ptrdiff_t>(i) * splitStride; }
    std::int32_t* high(int i) const { return low(lowCount + i); }
};

std::int32_t* rowOf(PlaneRef plane, int y) { return plane.data + static_cast<std::ptrdiff_t>(y) * plane.stride; }

void copyRows(std::int32_t* to, int toStride, const std::int32_t* from, int fromStride, int width, int rows)
{
    for (int y = 0; y < rows; ++y) {
        std::memcpy(to + static_cast<std::ptrdiff_t>(y) * toStride, from + static_cast<std::ptrdiff_t>(y) * fromStride,
                    sizeof(std::int32_t) * static_cast<std::size_t>(width));
    }
}

void forwardHorizontal(PlaneRef plane, int width, int height, std::vector<std::int32_t>& scratch)
{
    scratch.resize(static_cast<std::size_t>(width));
    const RowLines lines{scratch.data(), nullptr, (width + 1) / 2};
    for (int y = 0; y < height; ++y) {
        std::int32_t* row = rowOf(plane, y);
        std::memcpy(scratch.data(), row, sizeof(std::int32_t) * static_cast<std::size_t>(width));
        RowLines rowLines = lines;
        rowLines.split = row;
        forwardLifting(rowLines, width, 1);
    }
}

void inverseHorizontal(PlaneRef plane, int width, int height, std::vector<std::int32_t>& scratch)
{
    scratch.resize(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        std::int32_t* row = rowOf(plane, y);
        inverseLifting(RowLines{scratch.data(), row, (width + 1) / 2}, width, 1);
        std::memcpy(row, scratch.data(), sizeof(std::int32_t) * static_cast<std::size_t>(width));
    }
}

void forwardVertical(PlaneRef plane, int width, int height, std::vector<std::int32_t>& scratch)
{
    scratch.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    copyRows(scratch.data(), width, plane.data, plane.stride, width, height);
    forwardLifting(ColumnLines{scratch.data(), width, plane.data, plane.stride, (height + 1) / 2}, height, width);
}

void inverseVertical(PlaneRef plane, int width, int height, std::vector<std::int32_t>& scratch)
{
    scratch.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    inverseLifting(ColumnLines{scratch.data(), width, plane.data, plane.stride, (height + 1) / 2}, height, width);
    copyRows(plane.data, plane.stride, scratch.data(), width, width, height);
}

} // namespace

int lowPassLength(int n, int level)
{
    for (int l = 0; l < level; ++l) {
        n = (n + 1) / 2;
    }
    return n;
}

void forwardWavelet(PlaneRef plane, int levels, std::vector<std::int32_t>& scratch)
{
    for (int level = 0; level < levels; ++level) {
        const int width = lowPassLength(plane.width, level);
        const int height = lowPassLength(plane.height, level);
        forwardHorizontal(plane, width, height, scratch);
        forwardVertical(plane, width, height, scratch);
    }
}

void inverseWavelet(PlaneRef plane, int levels, int toLevel, std::vector<std::int32_t>& scratch)
{
    for (int level = levels - 1; level >= toLevel; --level) {
        const int width = lowPassLength(plane.width, level);
        const int height = lowPassLength(plane.height, level);
        inverseVertical(plane, width, height, scratch);
        inverseHorizontal(plane, width, height, scratch);
    }
}

} // namespace lumawave
