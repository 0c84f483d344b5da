#include "reference_transform.h"

#include <algorithm>
#include <cmath>

namespace lumawave::testing {
namespace {

using Plane = std::vector<std::vector<long>>;  // [row][column]

long floorDiv(long a, long b) { return static_cast<long>(std::floor(static_cast<double>(a) / static_cast<double>(b))); }

// Whole-sample symmetric extension: ... x2 x1 | x0 x1 ... x(n-1) | x(n-2) ...
int mirror(int i, int n)
{
    if (n == 1) {
        return 0;
    }
    while (i < 0 || i >= n) {
        i = i < 0 ? -i : 2 * (n - 1) - i;
    }
    return i;
}

std::vector<long> lowPart(const std::vector<long>& x)
{
    const auto both = referenceForward(x);
    return {both.begin(), both.begin() + static_cast<long>((x.size() + 1) / 2)};
}

Plane lowPass2d(const Plane& in)
{
    Plane rows;
    for (const auto& row : in) {
        rows.push_back(lowPart(row));
    }
    Plane out(( rows.size() + 1) / 2, std::vector<long>(rows.front().size()));
    for (std::size_t c = 0; c < rows.front().size(); ++c) {
        std::vector<long> column;
        for (const auto& row : rows) {
            column.push_back(row[c]);
        }
        const auto low = lowPart(column);
        for (std::size_t r = 0; r < low.size(); ++r) {
            out[r][c] = low[r];
        }
    }
    return out;
}

std::uint8_t toByte(long v) { return static_cast<std::uint8_t>(std::clamp(v, 0L, 255L)); }

} // namespace

std::vector<long> referenceForward(const std::vector<long>& x)
{
    const int n = static_cast<int>(x.size());
    if (n == 1) {
        return x;
    }
    auto sample = [&](int i) { return x[static_cast<std::size_t>(mirror(i, n))]; };
    // Detail at odd positions k, extended symmetrically like the samples.
    auto detail = [&](int k) {
        const int odd = mirror(k, n);
        return sample(odd) - floorDiv(sample(odd - 1) + sample(odd + 1), 2);
    };
    std::vector<long> low;
    std::vector<long> high;
    for (int k = 0; k < n; k += 2) {
        low.push_back(sample(k) + floorDiv(detail(k - 1) + detail(k + 1) + 2, 4));
    }
    for (int k = 1; k < n; k += 2) {
        high.push_back(detail(k));
    }
    low.insert(low.end(), high.begin(), high.end());
    return low;
}

Raster referenceLevel(const Raster& raster, ColourScheme scheme, int tileSize, int level, int levelWidth,
                      int levelHeight)
{
    const int planes = raster.samples;
    // Stored planes of the whole image, then each tile low-passed alone.
    std::vector<Plane> stored(static_cast<std::size_t>(planes), Plane(static_cast<std::size_t>(raster.height)));
    for (int y = 0; y < raster.height; ++y) {
        for (int x = 0; x < raster.width; ++x) {
            const std::uint8_t* p = raster.at(x, y);
            long values[3] = {p[0], 0, 0};
            if (planes == 3) {
                const long r = p[0], g = p[1], b = p[2];
                if (scheme == ColourScheme::YCoCg) {
                    const long co = r - b;
                    const long t = b + floorDiv(co, 2);
                    const long cg = g - t;
                    values[0] = t + floorDiv(cg, 2);
                    values[1] = co;
                    values[2] = cg;
                } else {
                    values[1] = g;
                    values[2] = b;
                }
            }
            for (int c = 0; c < planes; ++c) {
                stored[static_cast<std::size_t>(c)][static_cast<std::size_t>(y)].push_back(values[c]);
            }
        }
    }
    const int side = tileSize >> level;
    std::vector<Plane> levelPlanes(static_cast<std::size_t>(planes),
                                   Plane(static_cast<std::size_t>(levelHeight), std::vector<long>(static_cast<std::size_t>(levelWidth))));
    for (int top = 0; top < raster.height; top += tileSize) {
        for (int left = 0; left < raster.width; left += tileSize) {
            for (int c = 0; c < planes; ++c) {
                Plane tile;
                for (int y = top; y < std::min(top + tileSize, raster.height); ++y) {
                    const auto& row = stored[static_cast<std::size_t>(c)][static_cast<std::size_t>(y)];
                    tile.emplace_back(row.begin() + left, row.begin() + std::min(left + tileSize, raster.width));
                }
                for (int l = 0; l < level; ++l) {
                    tile = lowPass2d(tile);
                }
                for (std::size_t r = 0; r < tile.size(); ++r) {
                    for (std::size_t q = 0; q < tile[r].size(); ++q) {
                        const int y = top / tileSize * side + static_cast<int>(r);
                        const int x = left / tileSize * side + static_cast<int>(q);
                        if (x < levelWidth && y < levelHeight) {
                            levelPlanes[static_cast<std::size_t>(c)][static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = tile[r][q];
                        }
                    }
                }
            }
        }
    }
    Raster out{levelWidth, levelHeight, planes, {}};
    for (int y = 0; y < levelHeight; ++y) {
        for (int x = 0; x < levelWidth; ++x) {
            long v[3] = {};
            for (int c = 0; c < planes; ++c) {
                v[c] = levelPlanes[static_cast<std::size_t>(c)][static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            }
            if (planes == 1) {
                out.pixels.push_back(toByte(v[0]));
            } else if (scheme == ColourScheme::YCoCg) {
                const long t = v[0] - floorDiv(v[2], 2);
                const long g = v[2] + t;
                const long b = t - floorDiv(v[1], 2);
                const long r = b + v[1];
                out.pixels.insert(out.pixels.end(), {toByte(r), toByte(g), toByte(b)});
            } else {
                out.pixels.insert(out.pixels.end(), {toByte(v[0]), toByte(v[1]), toByte(v[2])});
            }
        }
    }
    return out;
}

} // namespace lumawave::testing
