// Every projection that PROJ offers in an equivalent form, checked against
// PROJ's `proj` tool over a grid of points inside the projection's domain:
// our forward against PROJ's plane coordinates (and its scale factor where we
// compute one), and our inverse of PROJ's plane coordinates against the
// grid point. Each row says why its tolerances are what they are.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "reference_cases.h"
#include "vantor32.h"

namespace vantor_test {
namespace {

class AgainstProj : public ::testing::TestWithParam<ReferenceCase> {};

// The largest difference seen and the grid point where it occurred.
class WorstCase {
 public:
  void record(double difference, const GeographicPoint& at) {
    if (!(std::fabs(difference) <= worst_)) {  // NaN counts as worst
      worst_ = std::isnan(difference) ? INFINITY : std::fabs(difference);
      at_ = at;
    }
  }
  double worst() const { return worst_; }
  std::string where() const {
    return "worst at latitude " + std::to_string(at_.latitude) + ", longitude " + std::to_string(at_.longitude);
  }

 private:
  double worst_ = 0;
  GeographicPoint at_{0, 0};
};

TEST_P(AgainstProj, ForwardAndInverseMatchWithinTheFormulasTolerance) {
  const ReferenceCase& c = GetParam();
  const std::vector<GeographicPoint> points = grid_points(c.grid);
  const std::vector<ProjReference> references = run_proj_forward(c.proj + " " + c.figure, points);
  Parameters p = c.parameters;
  ASSERT_EQ(proj_consts(c.projection, p.data()), 0);
  if (c.fit_to_proj) {
    c.fit_to_proj(p);
    ASSERT_EQ(proj_consts(c.projection, p.data()), 0);
  }
  WorstCase linear, scale_error, angular;
  for (size_t i = 0; i < points.size(); ++i) {
    const GeographicPoint& point = points[i];
    const ProjReference& reference = references[i];
    ASSERT_TRUE(std::isfinite(reference.easting)) << "PROJ rejected " << point.latitude << " " << point.longitude;
    double northing = 0, easting = 0, scale = 0;
    ASSERT_EQ(proj_forward(c.projection, p.data(), deg(point.latitude), deg(point.longitude), &northing, &easting,
                           nullptr, &scale),
              0);
    linear.record(std::hypot(easting - reference.easting, northing - reference.northing), point);
    scale_error.record((scale - reference.scale) / reference.scale, point);

    double latitude = 0, longitude = 0;
    ASSERT_EQ(proj_inverse(c.projection, p.data(), reference.northing, reference.easting, &latitude, &longitude,
                           nullptr, nullptr),
              0);
    angular.record(angular_difference(to_deg(latitude), to_deg(longitude), point.latitude, point.longitude), point);
  }
  EXPECT_LE(linear.worst(), c.linear_tolerance) << c.label << ": forward, " << linear.where();
  EXPECT_LE(angular.worst(), c.angular_tolerance) << c.label << ": inverse, " << angular.where();
  if (c.scale_tolerance > 0) {
    EXPECT_LE(scale_error.worst(), c.scale_tolerance) << c.label << ": scale, " << scale_error.where();
  }
}

INSTANTIATE_TEST_SUITE_P(Projections, AgainstProj, ::testing::ValuesIn(reference_cases()),
                         [](const auto& info) {
                           std::string name = info.param.label;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           return name;
                         });

// The convergence of the numerical step against PROJ's meridian convergence.
struct ConvergenceCase {
  const char* label;
  int projection;
  Parameters parameters;
  std::string proj;
  GeographicPoint point;
};

TEST(ConvergenceAgainstProj, NumericalStepAndConeAngleMatchProj) {
  const ConvergenceCase cases[] = {
      {"transverse mercator", VANTOR32_TRANSVERSE_MERCATOR,
       make_parameters(kWgs84, {{4, 0}, {5, deg(9)}, {10, 0.9996}}),
       "+proj=tmerc +lat_0=0 +lon_0=9 +k_0=0.9996 " + figure_of(kWgs84), {45, 11}},
      {"lambert", VANTOR32_LAMBERT_TWO_PARALLEL,
       make_parameters(kClarke1866, {{2, deg(33)}, {3, deg(45)}, {4, deg(23)}, {5, deg(-96)}}),
       "+proj=lcc +lat_1=33 +lat_2=45 +lat_0=23 +lon_0=-96 " + figure_of(kClarke1866), {35, -75}},
      {"stereographic", VANTOR32_STEREOGRAPHIC,
       make_parameters(kClarke1866, {{4, deg(40)}, {5, deg(-100)}, {10, 0.9999}}),
       "+proj=stere +lat_0=40 +lon_0=-100 +k_0=0.9999 " + figure_of(kClarke1866), {30, -90}},
  };
  for (const ConvergenceCase& c : cases) {
    SCOPED_TRACE(c.label);
    Parameters p = c.parameters;
    ASSERT_EQ(proj_consts(c.projection, p.data()), 0);
    double northing = 0, easting = 0, convergence = 0;
    ASSERT_EQ(proj_forward(c.projection, p.data(), deg(c.point.latitude), deg(c.point.longitude), &northing,
                           &easting, &convergence, nullptr),
              0);
    // The step of 1e-4 rad (about 11 km) measures the chord of the meridian,
    // not its tangent; the chord leans by up to a few 1e-4°.
    EXPECT_NEAR(to_deg(convergence), run_proj_convergence(c.proj, c.point), 5e-4);
  }
}

}  // namespace
}  // namespace vantor_test
