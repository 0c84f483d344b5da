// The exported interface: names, the validation before constants are
// derived, the statuses and outputs of the transformations, the slots the
// constants routines rewrite, the convergence output and the fault guard.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <string>

#include "params.h"
#include "reference_cases.h"
#include "vantor32.h"

namespace vantor_test {
namespace {

constexpr const char* kNames[VANTOR32_PROJECTION_COUNT] = {
    "Transverse Mercator/Gauss-Kruger",
    "Mercator",
    "Hotine Oblique Mercator (2 pts)",
    "RSO/Hotine Oblique Mercator (1 pt & az)",
    "Lambert Conformal Conic (2 parallel)",
    "Lambert Conformal Conic (1 parallel)",
    "Albers Equal Area Conic",
    "Azimuthal Equal Area",
    "Polar Azimuthal Equal-Area",
    "Azimuthal Equidistant",
    "Polar Azimuthal Equidistant",
    "Bonne",
    "Cassini",
    "Equal-Area Cylindrical",
    "Equidistant Conic",
    "Equidistant Cylindrical",
    "IMW Polyconic",
    "Miller Cylindrical",
    "Mollweide",
    "Orthographic",
    "Polyconic",
    "Robinson",
    "Sinusoidal",
    "Space Oblique Mercator",
    "Stereographic",
    "Polar Stereographic",
    "Stereographic 70",
    "Gnomic",
    "Van der Grinten 1",
    "Double Stereographic",
    "Two Point Fit",
    "European Stereographic",
};

TEST(ProjectionNames, EveryNumberHasItsNameInBothLookups) {
  for (int32_t number = 0; number < VANTOR32_PROJECTION_COUNT; ++number) {
    char buffer[64];
    ASSERT_EQ(proj_name(number, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, kNames[number]);
    EXPECT_STREQ(GetOldProjectionName(number), kNames[number]);
  }
}

TEST(ProjectionNames, UnknownNumbersFailAndLeaveTheBuffer) {
  for (int32_t number : {-1, 32, 99}) {
    char buffer[8] = "keepme";
    EXPECT_EQ(proj_name(number, buffer, sizeof buffer), 1);
    EXPECT_STREQ(buffer, "keepme");
    EXPECT_STREQ(GetOldProjectionName(number), "Unknown Projection");
  }
}

TEST(ProjectionNames, ShortBufferKeepsLengthMinusOneCharactersAndZeroFills) {
  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(proj_name(0, buffer, 9), 0);
  EXPECT_STREQ(buffer, "Transver");
  EXPECT_EQ(buffer[9], 'x');  // nothing past the given length
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(proj_name(11, buffer, 12), 0);  // "Bonne" and zeros up to the length
  for (int i = 5; i < 12; ++i) EXPECT_EQ(buffer[i], '\0');
  EXPECT_EQ(buffer[12], 'x');
}

TEST(Wep, ReturnsOne) { EXPECT_EQ(WEP(0), 1); }

// proj_consts: each check in its order, and the neighbouring case that passes.
struct ValidationCase {
  const char* what;
  int32_t projection;
  Parameters parameters;
  int16_t status;
};

TEST(ProjConsts, ValidatesTheInputSlotsInOrder) {
  const Parameters nothing{};
  const ValidationCase cases[] = {
      {"number out of range", 32, make_parameters(kWgs84, {}), 1},
      {"no ellipsoid and no sphere", VANTOR32_MERCATOR, nothing, 1},
      {"only a sphere radius", VANTOR32_MILLER, [] { Parameters p{}; p[11] = 1; return p; }(), 0},
      {"transverse mercator without scale factor", VANTOR32_TRANSVERSE_MERCATOR, make_parameters(kWgs84, {}), 1},
      {"transverse mercator with scale factor", VANTOR32_TRANSVERSE_MERCATOR, make_parameters(kWgs84, {{10, 1}}), 0},
      {"stereographic without scale factor", VANTOR32_STEREOGRAPHIC, make_parameters(kWgs84, {{4, 0.5}}), 1},
      {"space oblique mercator without orbit eccentricity", VANTOR32_SPACE_OBLIQUE_MERCATOR,
       make_parameters(kWgs84, {{20, 7e6}, {22, 1440}, {23, 99}, {24, 1.7}}), 1},
      {"one-parallel lambert on the equator", VANTOR32_LAMBERT_ONE_PARALLEL, make_parameters(kWgs84, {{10, 1}}), 1},
      {"one-parallel lambert off the equator", VANTOR32_LAMBERT_ONE_PARALLEL,
       make_parameters(kWgs84, {{10, 1}, {4, 0.5}}), 0},
      {"bonne on the equator", VANTOR32_BONNE, make_parameters(kWgs84, {}), 1},
      {"lambert with all three latitudes equal", VANTOR32_LAMBERT_TWO_PARALLEL,
       make_parameters(kWgs84, {{2, 0.6}, {3, 0.6}, {4, 0.6}}), 1},
      {"lambert with equal parallels and another origin", VANTOR32_LAMBERT_TWO_PARALLEL,
       make_parameters(kWgs84, {{2, 0.6}, {3, 0.6}, {4, 0.5}}), 0},
      {"two point fit with coinciding targets", VANTOR32_TWO_POINT_FIT,
       make_parameters(kWgs84, {{2, 0.8}, {3, 0.81}, {12, 0.1}, {13, 0.12}, {14, 5}, {15, 6}, {16, 5}, {17, 6}}), 1},
      {"two point fit with coinciding points", VANTOR32_TWO_POINT_FIT,
       make_parameters(kWgs84, {{2, 0.8}, {3, 0.8}, {12, 0.1}, {13, 0.1}, {14, 5}, {15, 6}, {16, 50}, {17, 60}}), 1},
  };
  for (const ValidationCase& c : cases) {
    Parameters p = c.parameters;
    EXPECT_EQ(proj_consts(c.projection, p.data()), c.status) << c.what;
  }
}

TEST(ProjConsts, NoFigureOfTheEarthFailsForEveryProjection) {
  for (int32_t number = 0; number < VANTOR32_PROJECTION_COUNT; ++number) {
    Parameters p{};
    p[VANTOR32_SCALE_FACTOR] = 1;
    EXPECT_EQ(proj_consts(number, p.data()), 1) << kNames[number];
  }
}

TEST(ProjConsts, RewritesTheDocumentedInputSlots) {
  Parameters one = make_parameters(kWgs84, {{4, 0.5}, {10, 0.9}});
  ASSERT_EQ(proj_consts(VANTOR32_LAMBERT_ONE_PARALLEL, one.data()), 0);
  EXPECT_EQ(one[2], 0.5);
  EXPECT_EQ(one[3], 0.5);
  EXPECT_EQ(one[10], 0.9);

  Parameters two = make_parameters(kWgs84, {{2, 0.5}, {3, 0.7}, {10, 0.9}});
  ASSERT_EQ(proj_consts(VANTOR32_LAMBERT_TWO_PARALLEL, two.data()), 0);
  EXPECT_EQ(two[10], 1.0);
  Parameters equal = make_parameters(kWgs84, {{2, 0.6}, {3, 0.6}, {4, 0.5}, {10, 0.9}});
  ASSERT_EQ(proj_consts(VANTOR32_LAMBERT_TWO_PARALLEL, equal.data()), 0);
  EXPECT_EQ(equal[10], 0.9);
  EXPECT_DOUBLE_EQ(equal[29], std::sin(0.6));

  Parameters hotine =
      make_parameters(kWgs84, {{4, deg(40)}, {2, deg(45)}, {12, deg(170)}, {3, deg(35)}, {13, deg(-170)}, {10, 1}});
  ASSERT_EQ(proj_consts(VANTOR32_HOTINE_TWO_POINT, hotine.data()), 0);
  EXPECT_NEAR(hotine[13], deg(190), 1e-12);

  Parameters fit = make_parameters(kWgs84, {{2, deg(47)}, {12, deg(8)}, {3, deg(46)}, {13, deg(10)}, {14, 250000},
                                            {15, 600000}, {16, 140000}, {17, 752000}, {8, 7}, {9, 8}, {10, 3}});
  ASSERT_EQ(proj_consts(VANTOR32_TWO_POINT_FIT, fit.data()), 0);
  EXPECT_EQ(fit[4], 0);
  EXPECT_EQ(fit[8], 0);
  EXPECT_EQ(fit[9], 0);
  EXPECT_EQ(fit[10], 1.0);
  EXPECT_NEAR(fit[5], deg(9), 1e-15);
}

TEST(ProjForward, UnknownNumberWritesOnlyZeroConvergenceAndScale) {
  Parameters p = make_parameters(kWgs84, {});
  double northing = 5, easting = 6, convergence = 7, scale = 8;
  EXPECT_EQ(proj_forward(32, p.data(), 0.1, 0.2, &northing, &easting, &convergence, &scale), 1);
  EXPECT_EQ(northing, 5);
  EXPECT_EQ(easting, 6);
  EXPECT_EQ(convergence, 0);
  EXPECT_EQ(scale, 0);
  EXPECT_EQ(proj_inverse(-1, p.data(), 0.1, 0.2, &northing, &easting, &convergence, &scale), 1);
}

TEST(ProjForward, NullConvergenceAndScaleAreValidForEveryProjection) {
  for (const ReferenceCase& c : reference_cases()) {
    Parameters p = c.parameters;
    ASSERT_EQ(proj_consts(c.projection, p.data()), 0) << c.label;
    const GeographicPoint point = grid_points(c.grid)[0];
    double northing = 0, easting = 0, latitude = 0, longitude = 0;
    EXPECT_EQ(proj_forward(c.projection, p.data(), deg(point.latitude), deg(point.longitude), &northing, &easting,
                           nullptr, nullptr),
              0)
        << c.label;
    EXPECT_EQ(proj_inverse(c.projection, p.data(), northing, easting, &latitude, &longitude, nullptr, nullptr), 0)
        << c.label;
  }
}

TEST(ProjForward, NullCoordinateOutputFailsAndZeroesTheOthers) {
  Parameters p = make_parameters(kWgs84, {{10, 1}});
  ASSERT_EQ(proj_consts(VANTOR32_TRANSVERSE_MERCATOR, p.data()), 0);
  double easting = 5, convergence = 6, scale = 7;
  EXPECT_EQ(proj_forward(VANTOR32_TRANSVERSE_MERCATOR, p.data(), 0.1, 0.1, nullptr, &easting, &convergence, &scale),
            1);
  EXPECT_EQ(easting, 0);
  EXPECT_EQ(convergence, 0);
  EXPECT_EQ(scale, 0);
  double latitude = 5;
  EXPECT_EQ(proj_inverse(VANTOR32_TRANSVERSE_MERCATOR, p.data(), 0, 0, &latitude, nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(latitude, 0);
  EXPECT_EQ(proj_consts(VANTOR32_TRANSVERSE_MERCATOR, nullptr), 1);
}

TEST(Convergence, SourceAndSignFollowTheProjection) {
  Parameters merc = make_parameters(kWgs84, {{5, 0.1}});
  ASSERT_EQ(proj_consts(VANTOR32_MERCATOR, merc.data()), 0);
  double n = 0, e = 0, convergence = 1, scale = 0;
  ASSERT_EQ(proj_forward(VANTOR32_MERCATOR, merc.data(), 0.7, 0.5, &n, &e, &convergence, &scale), 0);
  EXPECT_EQ(convergence, 0);

  Parameters tm = make_parameters(kWgs84, {{5, deg(9)}, {10, 0.9996}});
  ASSERT_EQ(proj_consts(VANTOR32_TRANSVERSE_MERCATOR, tm.data()), 0);
  ASSERT_EQ(proj_forward(VANTOR32_TRANSVERSE_MERCATOR, tm.data(), deg(50), deg(9), &n, &e, &convergence, &scale), 0);
  EXPECT_NEAR(convergence, 0, 1e-12);
  ASSERT_EQ(proj_forward(VANTOR32_TRANSVERSE_MERCATOR, tm.data(), deg(50), deg(11), &n, &e, &convergence, &scale), 0);
  EXPECT_GT(convergence, 0);
  // The inverse measures from its own input point: the same angle, up to
  // the inverse's own latitude error.
  double latitude = 0, longitude = 0, inverse_convergence = 0;
  ASSERT_EQ(proj_inverse(VANTOR32_TRANSVERSE_MERCATOR, tm.data(), n, e, &latitude, &longitude, &inverse_convergence,
                         nullptr),
            0);
  EXPECT_NEAR(inverse_convergence, convergence, 1e-7);

  // The conics give their cone angle n·(λ − λ0) both ways.
  Parameters lcc = make_parameters(kWgs84, {{2, deg(33)}, {3, deg(45)}, {4, deg(23)}, {5, deg(-96)}});
  ASSERT_EQ(proj_consts(VANTOR32_LAMBERT_TWO_PARALLEL, lcc.data()), 0);
  ASSERT_EQ(proj_forward(VANTOR32_LAMBERT_TWO_PARALLEL, lcc.data(), deg(35), deg(-75), &n, &e, &convergence, &scale),
            0);
  EXPECT_DOUBLE_EQ(convergence, lcc[29] * deg(21));
  ASSERT_EQ(proj_inverse(VANTOR32_LAMBERT_TWO_PARALLEL, lcc.data(), n, e, &latitude, &longitude, &inverse_convergence,
                         &scale),
            0);
  EXPECT_NEAR(inverse_convergence, convergence, 1e-12);
}

// Enables the fault traps for its lifetime and restores the environment.
class TrapsEnabled {
 public:
  TrapsEnabled() {
    std::fegetenv(&saved_);
    std::feclearexcept(FE_ALL_EXCEPT);
    feenableexcept(kTraps);
  }
  ~TrapsEnabled() { std::fesetenv(&saved_); }
  TrapsEnabled(const TrapsEnabled&) = delete;
  TrapsEnabled& operator=(const TrapsEnabled&) = delete;
  static constexpr int kTraps = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

 private:
  std::fenv_t saved_;
};

struct FaultOutcome {
  int16_t status;
  double first, second, convergence, scale;
  int traps_after;
};

TEST(FaultGuard, WithTrapsEnabledAFaultFailsZeroesAndRestoresTheEnvironment) {
  Parameters merc = make_parameters(kWgs84, {});
  ASSERT_EQ(proj_consts(VANTOR32_MERCATOR, merc.data()), 0);
  Parameters ortho = make_sphere_parameters(1, {});
  FaultOutcome pole{}, far_side{}, fine{};
  int constants_status = 0;
  {
    const TrapsEnabled traps;
    // Just past the pole tan(π/4 + φ/2) turns negative: its logarithm is invalid.
    pole.status = proj_forward(VANTOR32_MERCATOR, merc.data(), deg(90) + 1e-9, 0.3, &pole.first, &pole.second,
                               &pole.convergence, &pole.scale);
    pole.traps_after = fegetexcept();
    // asin of a value above 1: invalid.
    far_side.status = proj_inverse(VANTOR32_ORTHOGRAPHIC, ortho.data(), 3, 3, &far_side.first, &far_side.second,
                                   &far_side.convergence, &far_side.scale);
    fine.status = proj_forward(VANTOR32_MERCATOR, merc.data(), 0.5, 0.3, &fine.first, &fine.second,
                               &fine.convergence, &fine.scale);
    fine.traps_after = fegetexcept();
    // Equal-area cylindrical divides by 2e: a sphere (e = 0) faults.
    Parameters cea = make_sphere_parameters(1, {});
    constants_status = proj_consts(VANTOR32_EQUAL_AREA_CYLINDRICAL, cea.data());
  }
  EXPECT_EQ(pole.status, 1);
  EXPECT_EQ(pole.first, 0);
  EXPECT_EQ(pole.second, 0);
  EXPECT_EQ(pole.scale, 0);
  EXPECT_EQ(pole.traps_after, TrapsEnabled::kTraps);
  EXPECT_EQ(far_side.status, 1);
  EXPECT_EQ(far_side.first, 0);
  EXPECT_EQ(fine.status, 0);
  EXPECT_GT(fine.first, 0);
  EXPECT_EQ(fine.traps_after, TrapsEnabled::kTraps);
  EXPECT_EQ(constants_status, 1);
}

TEST(FaultGuard, WithTrapsMaskedOutOfDomainPointsGiveInfinityOrNanAndSucceed) {
  Parameters merc = make_parameters(kWgs84, {});
  ASSERT_EQ(proj_consts(VANTOR32_MERCATOR, merc.data()), 0);
  double northing = 0, easting = 0;
  EXPECT_EQ(proj_forward(VANTOR32_MERCATOR, merc.data(), deg(90) + 1e-9, 0.3, &northing, &easting, nullptr, nullptr),
            0);
  EXPECT_FALSE(std::isfinite(northing));
  Parameters ortho = make_sphere_parameters(1, {});
  double latitude = 0, longitude = 0;
  EXPECT_EQ(proj_inverse(VANTOR32_ORTHOGRAPHIC, ortho.data(), 3, 3, &latitude, &longitude, nullptr, nullptr), 0);
  EXPECT_TRUE(std::isnan(latitude));
}

}  // namespace
}  // namespace vantor_test
