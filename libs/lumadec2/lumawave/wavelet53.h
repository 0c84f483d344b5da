// The reversible integer 5/3 lifting wavelet (whole-sample symmetric
// extension at both ends) in two dimensions, applied in place to a plane of
// 32-bit coefficients. After `levels` decompositions the plane holds the
// bands in the usual nested layout: the low-pass image of each level in the
// upper-left corner, its horizontal detail (HL) to the right, the vertical
// detail (LH) below and the diagonal detail (HH) diagonally below right.
//
// Arithmetic wraps on overflow, so that corrupt coefficients give wrong pixels
// and never undefined behaviour; coefficients of real images never come near
// the limits.
#pragma once

#include <cstdint>
#include <vector>

namespace lumawave {

// Length of the low-pass part of n samples after `level` decompositions
// (n halved `level` times, rounding up).
int lowPassLength(int n, int level);

struct PlaneRef {
    std::int32_t* data;
    int width;
    int height;
    int stride;
};

// Decomposes the plane `levels` times.
void forwardWavelet(PlaneRef plane, int levels, std::vector<std::int32_t>& scratch);

// Reverses decompositions `levels` down to `toLevel` + 1, leaving the
// low-pass image of level `toLevel` in the upper-left corner.
void inverseWavelet(PlaneRef plane, int levels, int toLevel, std::vector<std::int32_t>& scratch);

} // namespace lumawave
