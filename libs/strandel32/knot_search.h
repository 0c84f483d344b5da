// Which ends form which knot, over the ends in x-sorted order.
//
// The ends are visited in sorted order; each end not yet used starts a knot at its
// own position and takes, in sorted order, every later unused end whose squared
// distance from that position does not exceed tol². A knot holds at most 12 ends;
// the 13th end that would join is marked used and reported, and the knot's scan ends
// there. The result depends on the sorted order (ends of equal x in heapsort order):
//
//     a(0,0)  b(0.9,0)  c(1.8,0)      tol = 1:  knots {a, b} and {c}, not {a} and {b, c}
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace strandel {

struct EndPosition {
    float x;
    float y;
};

struct KnotEnds {
    uint32_t first;                                // the end whose position is the knot's
    std::array<uint32_t, 11> joined;               // further ends, in sorted order
    uint32_t joinedCount;
    std::optional<uint32_t> beyondLimit;           // the 13th end, when there was one
};

// Called for each knot as its scan ends; returning false stops the search.
using KnotVisitor = std::function<bool(const KnotEnds&)>;

// The plain scan of the sorted ends: each knot's scan stops at the first unused end
// farther than the tolerance in x. Quadratic when many ends share x values.
// used: in, ends to leave out; out, every end taken. False: the visitor stopped.
bool findKnotsBySweep(std::span<const EndPosition> ends, float toleranceSquared, std::vector<uint8_t>& used,
                      const KnotVisitor& visit);

// The same knots, found through a grid of cells at least the tolerance wide. Falls
// back to the sweep where coordinates or the tolerance are not finite numbers.
bool findKnots(std::span<const EndPosition> ends, float toleranceSquared, std::vector<uint8_t>& used,
               const KnotVisitor& visit);

} // namespace strandel
