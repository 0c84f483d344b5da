// The grid search finds exactly the knots of the plain sweep over the sorted ends,
// knot by knot and end by end, on data that stresses each of its shortcuts.
#include "knot_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace {

using strandel::EndPosition;
using strandel::KnotEnds;

struct Found {
    std::vector<std::vector<uint32_t>> knots;  // first, joined..., then the end beyond the limit (negated - 1)
    std::vector<uint8_t> used;
};

template <typename Search>
Found run(Search search, const std::vector<EndPosition>& ends, float toleranceSquared, std::vector<uint8_t> used)
{
    Found found;
    search(ends, toleranceSquared, used, [&](const KnotEnds& knot) {
        std::vector<uint32_t> members{knot.first};
        members.insert(members.end(), knot.joined.begin(), knot.joined.begin() + knot.joinedCount);
        if (knot.beyondLimit) {
            members.push_back(~*knot.beyondLimit);
        }
        found.knots.push_back(members);
        return true;
    });
    found.used = used;
    return found;
}

void sortByX(std::vector<EndPosition>& ends)
{
    std::stable_sort(ends.begin(), ends.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
}

void expectSameKnots(const std::vector<EndPosition>& ends, float tolerance, const std::vector<uint8_t>& used)
{
    const float toleranceSquared = tolerance * tolerance;
    const Found sweep = run(strandel::findKnotsBySweep, ends, toleranceSquared, used);
    const Found grid = run(strandel::findKnots, ends, toleranceSquared, used);
    EXPECT_EQ(grid.knots, sweep.knots);
    EXPECT_EQ(grid.used, sweep.used);
}

std::vector<EndPosition> randomEnds(std::mt19937& random, size_t count, float extent, float step)
{
    std::uniform_real_distribution<float> coordinate(-extent, extent);
    std::vector<EndPosition> ends(count);
    for (EndPosition& end : ends) {
        // Coordinates on a coarse lattice share x values and meet exactly.
        end = {std::round(coordinate(random) / step) * step, std::round(coordinate(random) / step) * step};
    }
    sortByX(ends);
    return ends;
}

TEST(KnotSearch, GridFindsTheSweepsKnotsOnRandomData)
{
    std::mt19937 random(7);
    for (const float tolerance : {0.0F, 0.05F, 0.5F, 1.0F, 3.0F, 50.0F}) {
        for (const float step : {0.01F, 0.25F, 1.0F}) {
            SCOPED_TRACE(::testing::Message() << "tolerance " << tolerance << " step " << step);
            const auto ends = randomEnds(random, 3000, 20.0F, step);
            std::vector<uint8_t> used(ends.size(), 0);
            for (size_t i = 0; i < used.size(); i += 17) {
                used[i] = 1;  // ends left out from the start
            }
            expectSameKnots(ends, tolerance, used);
        }
    }
}

TEST(KnotSearch, GridFindsTheSweepsKnotsOnAStreetGrid)
{
    // Axis-aligned streets: four ends at every crossing, long columns of equal x,
    // and crossings slightly off so that some ends lie right at the tolerance.
    std::vector<EndPosition> ends;
    std::mt19937 random(11);
    std::uniform_int_distribution<int> jitter(-2, 2);
    for (int column = 0; column < 40; ++column) {
        for (int row = 0; row < 40; ++row) {
            for (int arm = 0; arm < 4; ++arm) {
                ends.push_back({column * 10.0F + jitter(random) * 0.25F, row * 10.0F + jitter(random) * 0.25F});
            }
        }
    }
    sortByX(ends);
    for (const float tolerance : {0.25F, 0.5F, 1.0F, 10.0F}) {
        SCOPED_TRACE(tolerance);
        expectSameKnots(ends, tolerance, std::vector<uint8_t>(ends.size(), 0));
    }
}

TEST(KnotSearch, CrowdedPointsFillKnotsOfTwelveAndReportTheThirteenth)
{
    const std::vector<EndPosition> ends(40, EndPosition{5.0F, 5.0F});
    const Found grid = run(strandel::findKnots, ends, 1.0F, std::vector<uint8_t>(ends.size(), 0));
    ASSERT_EQ(grid.knots.size(), 4U);  // 13 + 13 + 13 ends taken, then the last one alone
    EXPECT_EQ(grid.knots[0].size(), 13U);
    EXPECT_EQ(grid.knots[0].back(), ~12U);
    EXPECT_EQ(grid.knots[3], std::vector<uint32_t>{39});
    expectSameKnots(ends, 1.0F, std::vector<uint8_t>(ends.size(), 0));
}

TEST(KnotSearch, CoordinatesThatAreNotNumbersGiveTheSweepsResult)
{
    std::mt19937 random(3);
    auto ends = randomEnds(random, 200, 5.0F, 0.5F);
    ends[50].y = std::numeric_limits<float>::quiet_NaN();
    ends[120].x = std::numeric_limits<float>::infinity();
    expectSameKnots(ends, 1.0F, std::vector<uint8_t>(ends.size(), 0));
    expectSameKnots(randomEnds(random, 200, 5.0F, 0.5F), std::numeric_limits<float>::infinity(),
                    std::vector<uint8_t>(200, 0));
}

TEST(KnotSearch, VisitorCanStopTheSearch)
{
    const std::vector<EndPosition> ends{{0, 0}, {5, 0}, {10, 0}};
    std::vector<uint8_t> used(ends.size(), 0);
    int visited = 0;
    EXPECT_FALSE(strandel::findKnots(ends, 1.0F, used, [&](const KnotEnds&) { return ++visited < 2; }));
    EXPECT_EQ(visited, 2);
}

} // namespace
