// Forward then inverse returns the point, for every projection: the grids and
// inverse tolerances of the PROJ reference cases (which hold the reasons for
// each tolerance), plus Two Point Fit, which PROJ does not offer.
#include <gtest/gtest.h>

#include <set>

#include "reference_cases.h"
#include "vantor32.h"

namespace vantor_test {
namespace {

struct RoundTripCase {
  std::string label;
  int projection;
  Parameters parameters;
  Grid grid;
  double tolerance;  // degrees of arc
};

std::vector<RoundTripCase> round_trip_cases() {
  std::vector<RoundTripCase> cases;
  for (const ReferenceCase& c : reference_cases()) {
    cases.push_back({c.label, c.projection, c.parameters, c.grid, c.angular_tolerance});
  }
  // Two Point Fit: a Transverse Mercator on the mid-meridian of two control
  // points, scaled and turned onto their targets; its inverse is the
  // Transverse Mercator series inverse (5e-9° within ±3° of that meridian).
  cases.push_back({"two point fit", VANTOR32_TWO_POINT_FIT,
                   make_parameters(kWgs84, {{2, deg(47)}, {12, deg(8)}, {3, deg(46)}, {13, deg(10)},
                                            {14, 250000}, {15, 600000}, {16, 140000}, {17, 752000}}),
                   {44, 49, 6, 12, 6, 7}, 5e-9});
  return cases;
}

TEST(RoundTrip, EveryProjectionHasACase) {
  std::set<int> covered;
  for (const RoundTripCase& c : round_trip_cases()) covered.insert(c.projection);
  EXPECT_EQ(covered.size(), static_cast<size_t>(VANTOR32_PROJECTION_COUNT));
}

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, InverseOfForwardReturnsThePoint) {
  const RoundTripCase& c = GetParam();
  Parameters p = c.parameters;
  ASSERT_EQ(proj_consts(c.projection, p.data()), 0);
  for (const GeographicPoint& point : grid_points(c.grid)) {
    double northing = 0, easting = 0, latitude = 0, longitude = 0;
    ASSERT_EQ(proj_forward(c.projection, p.data(), deg(point.latitude), deg(point.longitude), &northing, &easting,
                           nullptr, nullptr),
              0);
    ASSERT_EQ(proj_inverse(c.projection, p.data(), northing, easting, &latitude, &longitude, nullptr, nullptr), 0);
    EXPECT_LE(angular_difference(to_deg(latitude), to_deg(longitude), point.latitude, point.longitude), c.tolerance)
        << c.label << " at " << point.latitude << ", " << point.longitude;
  }
}

INSTANTIATE_TEST_SUITE_P(Projections, RoundTripTest, ::testing::ValuesIn(round_trip_cases()),
                         [](const auto& info) {
                           std::string name = info.param.label;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           return name;
                         });

}  // namespace
}  // namespace vantor_test
