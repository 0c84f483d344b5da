// The in-place 5/3 lifting against the textbook formulas, and its exact
// reversibility, on the line and plane lengths that have edge cases: 1, 2,
// odd, even, and tile-sized.
#include "lumawave/wavelet53.h"
#include "reference_transform.h"

#include <gtest/gtest.h>

#include <random>

namespace lumawave {
namespace {

std::vector<std::int32_t> randomPlane(int height, int stride, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<std::int32_t> plane(static_cast<std::size_t>(stride) * height);
    for (auto& v : plane) {
        v = static_cast<std::int32_t>(random() % 511) - 255;
    }
    return plane;
}

TEST(Wavelet53, OneLevelOfALineMatchesTheTextbookLifting)
{
    for (const int n : {1, 2, 3, 4, 5, 8, 9, 31, 256}) {
        auto plane = randomPlane(1, n, static_cast<std::uint32_t>(n));
        std::vector<long> line(plane.begin(), plane.end());
        std::vector<std::int32_t> scratch;
        forwardWavelet(PlaneRef{plane.data(), n, 1, n}, 1, scratch);
        // A single row is transformed horizontally only; the vertical pass
        // of one row leaves it unchanged.
        const auto expected = testing::referenceForward(line);
        EXPECT_EQ(std::vector<long>(plane.begin(), plane.end()), expected) << "length " << n;
    }
}

TEST(Wavelet53, InverseRestoresEveryPlaneExactly)
{
    struct Case {
        int width, height, levels;
    };
    for (const Case c : {Case{1, 1, 0}, Case{1, 1, 3}, Case{2, 2, 1}, Case{7, 3, 2}, Case{97, 61, 5},
                         Case{256, 256, 8}, Case{255, 130, 4}}) {
        const int stride = c.width + 3;  // padding that must stay untouched
        const auto original = randomPlane(c.height, stride, 42);
        auto plane = original;
        std::vector<std::int32_t> scratch;
        forwardWavelet(PlaneRef{plane.data(), c.width, c.height, stride}, c.levels, scratch);
        inverseWavelet(PlaneRef{plane.data(), c.width, c.height, stride}, c.levels, 0, scratch);
        EXPECT_EQ(plane, original) << c.width << " x " << c.height << ", " << c.levels << " levels";
    }
}

TEST(Wavelet53, LowPassLengthHalvesRoundingUp)
{
    EXPECT_EQ(lowPassLength(600, 0), 600);
    EXPECT_EQ(lowPassLength(600, 3), 75);
    EXPECT_EQ(lowPassLength(97, 1), 49);
    EXPECT_EQ(lowPassLength(97, 7), 1);
    EXPECT_EQ(lowPassLength(1, 4), 1);
}

} // namespace
} // namespace lumawave
