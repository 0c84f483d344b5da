// Behaviour that no outside reference shows: the choices made where the
// formulas leave a point open (documented in vantor32.h), the faults of the
// formula sets that we mend, and the edge cases of single projections.
#include <gtest/gtest.h>

#include <cmath>

#include "params.h"
#include "vantor32.h"

namespace vantor_test {
namespace {

struct PlanePoint {
  double northing, easting;
};
struct Geographic {
  double latitude, longitude;  // radians
};

PlanePoint forward(int projection, Parameters& p, double latitude, double longitude, double* scale = nullptr) {
  PlanePoint point{};
  EXPECT_EQ(proj_forward(projection, p.data(), latitude, longitude, &point.northing, &point.easting, nullptr, scale),
            0);
  return point;
}

Geographic inverse(int projection, Parameters& p, PlanePoint point) {
  Geographic geographic{};
  EXPECT_EQ(proj_inverse(projection, p.data(), point.northing, point.easting, &geographic.latitude,
                         &geographic.longitude, nullptr, nullptr),
            0);
  return geographic;
}

Parameters prepared(int projection, Parameters p) {
  EXPECT_EQ(proj_consts(projection, p.data()), 0);
  return p;
}

// The Borneo grid with its centre at ±4°.
Parameters rso_with_centre(double centre_latitude) {
  return prepared(VANTOR32_HOTINE_AZIMUTH,
                  make_parameters(kEverest1967, {{4, deg(centre_latitude)}, {5, deg(115)}, {6, deg(53.31582047222222)},
                                                 {7, deg(53.13010236111111)}, {10, 0.99984}}));
}

TEST(MendedFaults, RsoCentreSouthOfTheEquatorIsTheMirrorOfTheNorthernOne) {
  Parameters north = rso_with_centre(4), south = rso_with_centre(-4);
  const PlanePoint north_centre = forward(VANTOR32_HOTINE_AZIMUTH, north, deg(4), deg(115));
  const PlanePoint south_centre = forward(VANTOR32_HOTINE_AZIMUTH, south, deg(-4), deg(115));
  EXPECT_NEAR(north_centre.easting, 590476.87, 0.5);  // EPSG's centre of the northern grid
  EXPECT_NEAR(north_centre.northing, 442857.65, 0.5);
  EXPECT_NEAR(south_centre.easting, -north_centre.easting, 1e-6);
  EXPECT_NEAR(south_centre.northing, -north_centre.northing, 1e-6);
  const Geographic back = inverse(VANTOR32_HOTINE_AZIMUTH, south, south_centre);
  EXPECT_NEAR(back.latitude, deg(-4), 1e-12);
  EXPECT_NEAR(back.longitude, deg(115), 1e-12);
}

TEST(MendedFaults, ImwPolyconicInverseOnTheCentralMeridianReturnsIt) {
  Parameters p = prepared(VANTOR32_IMW_POLYCONIC, make_parameters(kInternational, {{2, deg(64)}, {3, deg(60)},
                                                                                   {5, deg(-150)}, {12, deg(-148)},
                                                                                   {8, 500000}, {9, 1000}}));
  // 60° is the southern parallel, whose central point (Y = Yb) made the
  // ratio φ − φb = (φ − φb)·(y − Yb)/(Y − Yb) of the classic iteration 0/0.
  for (double latitude : {59.5, 60.0, 62.0, 64.5}) {
    const PlanePoint point = forward(VANTOR32_IMW_POLYCONIC, p, deg(latitude), deg(-150));
    EXPECT_DOUBLE_EQ(point.easting, 500000);
    const Geographic back = inverse(VANTOR32_IMW_POLYCONIC, p, point);
    EXPECT_EQ(back.longitude, deg(-150));
    EXPECT_NEAR(back.latitude, deg(latitude), 1e-10);
  }
}

// An orbit whose perigee puts λ′ − ω = π right at the descending node, where
// the ground track crosses the equator.
Parameters eccentric_orbit() {
  return prepared(VANTOR32_SPACE_OBLIQUE_MERCATOR,
                  make_parameters(kWgs84, {{18, deg(128.87)}, {19, 0}, {20, 7285438}, {21, 0.05}, {22, 1440},
                                           {23, 103.2669323}, {24, deg(99.092)}}));
}

TEST(MendedFaults, SpaceObliqueMercatorIsContinuousAcrossTheHalfTurnFromPerigee) {
  Parameters p = eccentric_orbit();
  // Find the track's equator crossing: the inverse of a point on the
  // central line half an orbit along.
  const double along_track = kPi * p[69] * p[0];
  const Geographic node = inverse(VANTOR32_SPACE_OBLIQUE_MERCATOR, p, {0, along_track});
  ASSERT_NEAR(node.latitude, 0, deg(5));
  // Two points 0.02° apart either side of the node land about 2 km apart.
  const PlanePoint before = forward(VANTOR32_SPACE_OBLIQUE_MERCATOR, p, node.latitude + deg(0.01), node.longitude);
  const PlanePoint after = forward(VANTOR32_SPACE_OBLIQUE_MERCATOR, p, node.latitude - deg(0.01), node.longitude);
  EXPECT_LT(std::hypot(before.easting - after.easting, before.northing - after.northing), 5000);
  // The inverse stops on a change of 1e-7 rad in the orbit longitude: 0.6 m.
  for (const PlanePoint& point : {before, after}) {
    const Geographic back = inverse(VANTOR32_SPACE_OBLIQUE_MERCATOR, p, point);
    const PlanePoint again = forward(VANTOR32_SPACE_OBLIQUE_MERCATOR, p, back.latitude, back.longitude);
    EXPECT_NEAR(again.easting, point.easting, 1.0);
    EXPECT_NEAR(again.northing, point.northing, 1.0);
  }
}

// The point scale factor along the parallel, measured on the grid.
double parallel_scale(int projection, Parameters& p, double latitude, double longitude, const Ellipsoid& figure) {
  constexpr double kStep = 1e-7;
  const PlanePoint west = forward(projection, p, latitude, longitude - kStep);
  const PlanePoint east = forward(projection, p, latitude, longitude + kStep);
  const double s = std::sin(latitude);
  const double parallel_radius = figure.a * std::cos(latitude) / std::sqrt(1 - figure.e * figure.e * s * s);
  return std::hypot(east.easting - west.easting, east.northing - west.northing) / (2 * kStep * parallel_radius);
}

TEST(OpenPoints, PolarStereographicHasTrueScaleOnItsParallelOrTheScaleFactorAtThePole) {
  for (double parallel : {71.0, -71.0}) {
    Parameters p = prepared(VANTOR32_POLAR_STEREOGRAPHIC,
                            make_parameters(kInternational, {{4, deg(parallel)}, {5, deg(-100)}, {10, 0.9}}));
    EXPECT_NEAR(parallel_scale(VANTOR32_POLAR_STEREOGRAPHIC, p, deg(parallel), deg(20), kInternational), 1, 1e-7)
        << parallel;
  }
  Parameters pole =
      prepared(VANTOR32_POLAR_STEREOGRAPHIC, make_parameters(kWgs84, {{4, deg(-90)}, {5, 0}, {10, 0.994}}));
  EXPECT_NEAR(parallel_scale(VANTOR32_POLAR_STEREOGRAPHIC, pole, deg(-89.999), deg(20), kWgs84), 0.994, 1e-6);
}

TEST(OpenPoints, EqualAreaCylindricalOffsetsTheLatitudeBySlotFour) {
  const double standard = 0.5;
  Parameters p = prepared(VANTOR32_EQUAL_AREA_CYLINDRICAL,
                          make_parameters(kWgs84, {{4, standard}, {5, 0.2}, {8, 100}, {9, 200}}));
  const PlanePoint origin = forward(VANTOR32_EQUAL_AREA_CYLINDRICAL, p, standard, 0.2);
  EXPECT_NEAR(origin.northing, 200, 1e-9);
  EXPECT_NEAR(origin.easting, 100, 1e-9);
  const double s = std::sin(standard);
  const double m = std::cos(standard) / std::sqrt(1 - kWgs84.e * kWgs84.e * s * s);
  const PlanePoint east = forward(VANTOR32_EQUAL_AREA_CYLINDRICAL, p, standard, 0.3);
  EXPECT_NEAR(east.easting - 100, kWgs84.a * m * 0.1, 1e-6);
  const Geographic back = inverse(VANTOR32_EQUAL_AREA_CYLINDRICAL, p, forward(VANTOR32_EQUAL_AREA_CYLINDRICAL, p, 1.0, 0.7));
  EXPECT_NEAR(back.latitude, 1.0, 1e-9);
  EXPECT_NEAR(back.longitude, 0.7, 1e-12);
}

TEST(OpenPoints, EuropeanStereographicAtTheNorthPoleReturnsThePoint) {
  Parameters p = prepared(VANTOR32_EUROPEAN_STEREOGRAPHIC,
                          make_parameters(kWgs84, {{4, deg(90)}, {5, deg(10)}, {10, 0.994}, {8, 2e6}, {9, 2e6}}));
  for (double longitude : {-170.0, -60.0, 10.0, 100.0}) {
    const Geographic back =
        inverse(VANTOR32_EUROPEAN_STEREOGRAPHIC, p, forward(VANTOR32_EUROPEAN_STEREOGRAPHIC, p, deg(70), deg(longitude)));
    EXPECT_NEAR(back.latitude, deg(70), 1e-10);
    EXPECT_NEAR(back.longitude, deg(longitude), 1e-12);
  }
}

TEST(EdgeCases, TransverseMercatorCentralMeridianAndOrigin) {
  Parameters p = prepared(VANTOR32_TRANSVERSE_MERCATOR,
                          make_parameters(kWgs84, {{4, deg(49)}, {5, deg(-2)}, {10, 0.9996}, {8, 400000}, {9, -100000}}));
  EXPECT_DOUBLE_EQ(forward(VANTOR32_TRANSVERSE_MERCATOR, p, deg(30), deg(-2)).easting, 400000);
  EXPECT_NEAR(forward(VANTOR32_TRANSVERSE_MERCATOR, p, deg(49), deg(-2)).northing, -100000, 1e-8);
  EXPECT_EQ(p[9], -100000);  // restored after the origin's northing was found
}

TEST(EdgeCases, LambertOneParallelScaleIsTheSameBothWays) {
  Parameters p = prepared(VANTOR32_LAMBERT_ONE_PARALLEL, make_parameters(kWgs84, {{4, deg(46.8)}, {10, 0.9998}}));
  double n = 0, e = 0, forward_scale = 0, latitude = 0, longitude = 0, inverse_scale = 0;
  ASSERT_EQ(proj_forward(VANTOR32_LAMBERT_ONE_PARALLEL, p.data(), deg(40), deg(5), &n, &e, nullptr, &forward_scale), 0);
  ASSERT_EQ(proj_inverse(VANTOR32_LAMBERT_ONE_PARALLEL, p.data(), n, e, &latitude, &longitude, nullptr, &inverse_scale),
            0);
  EXPECT_NEAR(inverse_scale, forward_scale, 1e-9);  // at the inverse's own latitude
  EXPECT_NEAR(parallel_scale(VANTOR32_LAMBERT_ONE_PARALLEL, p, deg(46.8), 0, kWgs84), 0.9998, 1e-8);
}

TEST(EdgeCases, SouthernConeInversesLeaveTheArrayAsItWas) {
  for (int projection : {VANTOR32_LAMBERT_TWO_PARALLEL, VANTOR32_ALBERS}) {
    Parameters p = prepared(projection, make_parameters(kWgs84, {{2, deg(-20)}, {3, deg(-40)}, {4, deg(-30)}}));
    const Parameters before = p;
    const PlanePoint point = forward(projection, p, deg(-35), deg(10));
    const Geographic first = inverse(projection, p, point);
    const Geographic second = inverse(projection, p, point);
    EXPECT_EQ(p, before);
    EXPECT_EQ(first.latitude, second.latitude);
    EXPECT_NEAR(first.latitude, deg(-35), 1e-9);
  }
}

TEST(EdgeCases, PolyconicMovesItsCentralMeridianByAWholeTurn) {
  Parameters p = prepared(VANTOR32_POLYCONIC, make_parameters(kClarke1866, {{4, deg(30)}, {5, 0}}));
  const PlanePoint equator = forward(VANTOR32_POLYCONIC, p, 0, deg(10));
  EXPECT_NEAR(equator.northing, -p[30], 1e-9);
  forward(VANTOR32_POLYCONIC, p, deg(40), deg(200));
  EXPECT_NEAR(p[5], 2 * kPi, 1e-15);
  // Later points are measured from the moved meridian, and so are the
  // inverse's longitudes.
  const PlanePoint near = forward(VANTOR32_POLYCONIC, p, deg(40), deg(350));
  EXPECT_NEAR(p[5], 2 * kPi, 1e-15);
  const Geographic back = inverse(VANTOR32_POLYCONIC, p, near);
  EXPECT_NEAR(back.longitude, deg(350), 1e-9);
}

TEST(EdgeCases, HotineTwoPointsAtThePoleTakesThePoleBranch) {
  Parameters p = prepared(VANTOR32_HOTINE_TWO_POINT, make_parameters(kClarke1866, {{4, deg(40)}, {2, deg(45)},
                                                                                   {12, deg(-120)}, {3, deg(35)},
                                                                                   {13, deg(-100)}, {10, 0.9996}}));
  const PlanePoint pole = forward(VANTOR32_HOTINE_TWO_POINT, p, kPi / 2, 0.3);
  EXPECT_TRUE(std::isfinite(pole.northing));
  const double u = p[30] * (kPi / 2) / p[29];
  const double along = pole.northing * std::cos(p[33]) + pole.easting * std::sin(p[33]);
  EXPECT_NEAR(along, u, 1e-6);
}

TEST(EdgeCases, CentresInvertToTheCentre) {
  struct Centre {
    int projection;
    Parameters parameters;
  };
  const Centre centres[] = {
      {VANTOR32_AZIMUTHAL_EQUAL_AREA, make_parameters(kWgs84, {{4, 0.7}, {5, 0.2}, {8, 10}, {9, 20}})},
      {VANTOR32_DOUBLE_STEREOGRAPHIC, make_parameters(kBessel, {{4, 0.9}, {5, 0.1}, {10, 0.9999}, {8, 10}, {9, 20}})},
      {VANTOR32_STEREOGRAPHIC, make_parameters(kWgs84, {{4, 0.7}, {5, 0.2}, {10, 1}, {8, 10}, {9, 20}})},
  };
  for (const Centre& centre : centres) {
    Parameters p = prepared(centre.projection, centre.parameters);
    const Geographic back = inverse(centre.projection, p, {20, 10});
    EXPECT_NEAR(back.latitude, p[4], 1e-12) << centre.projection;
    EXPECT_NEAR(back.longitude, p[5], 1e-12) << centre.projection;
  }
}

TEST(EdgeCases, AzimuthalEqualAreaAuthalicEquatorInvertsToLatitudeZero) {
  Parameters p = prepared(VANTOR32_AZIMUTHAL_EQUAL_AREA, make_parameters(kWgs84, {{4, 0.7}, {5, 0.2}}));
  const Geographic back = inverse(VANTOR32_AZIMUTHAL_EQUAL_AREA, p, forward(VANTOR32_AZIMUTHAL_EQUAL_AREA, p, 0, 0.9));
  EXPECT_NEAR(back.latitude, 0, 1e-12);
}

TEST(EdgeCases, PolarAspectsWithOriginOnTheEquatorAreNorthern) {
  for (int projection : {VANTOR32_POLAR_AZIMUTHAL_EQUAL_AREA, VANTOR32_POLAR_AZIMUTHAL_EQUIDISTANT}) {
    Parameters p = prepared(projection, make_parameters(kWgs84, {{4, 0}}));
    const PlanePoint pole = forward(projection, p, kPi / 2, 0);
    EXPECT_NEAR(pole.northing, 0, 1e-6) << projection;
    EXPECT_NEAR(inverse(projection, p, forward(projection, p, 1.2, 0.4)).latitude, 1.2, 1e-8) << projection;
  }
}

TEST(EdgeCases, GnomicJustOffTheEquatorUsesTheEquatorialForm) {
  Parameters p = make_sphere_parameters(1, {{4, 0.5e-7}});
  ASSERT_EQ(proj_consts(VANTOR32_GNOMIC, p.data()), 0);
  const PlanePoint point = forward(VANTOR32_GNOMIC, p, 0.3, 0.4);
  EXPECT_DOUBLE_EQ(point.easting, std::tan(0.4));
  EXPECT_DOUBLE_EQ(point.northing, std::tan(0.3) / std::cos(0.4));
}

TEST(EdgeCases, Stereographic70OriginAndSymmetry) {
  Parameters p = prepared(VANTOR32_STEREOGRAPHIC_70,
                          make_parameters(kKrassowsky, {{4, deg(46)}, {5, deg(25)}, {10, 0.99975}, {8, 5e5}, {9, 5e5}}));
  const PlanePoint origin = forward(VANTOR32_STEREOGRAPHIC_70, p, deg(46), deg(25));
  EXPECT_DOUBLE_EQ(origin.northing, 5e5);
  EXPECT_DOUBLE_EQ(origin.easting, 5e5);
  const PlanePoint east = forward(VANTOR32_STEREOGRAPHIC_70, p, deg(47), deg(27));
  const PlanePoint west = forward(VANTOR32_STEREOGRAPHIC_70, p, deg(47), deg(23));
  EXPECT_NEAR(east.northing, west.northing, 1e-6);
  EXPECT_NEAR(east.easting - 5e5, 5e5 - west.easting, 1e-6);
}

TEST(EdgeCases, RobinsonEquatorAndPoles) {
  const double a = 6370997;
  Parameters p = make_sphere_parameters(a, {{5, 0.1}, {8, 10}, {9, 20}});
  ASSERT_EQ(proj_consts(VANTOR32_ROBINSON, p.data()), 0);
  const PlanePoint equator = forward(VANTOR32_ROBINSON, p, 0, 0.6);
  EXPECT_NEAR(equator.northing, 20, 1e-9);
  EXPECT_NEAR(equator.easting, 0.9858 * a * 0.5 + 10, 1e-6);
  EXPECT_NEAR(forward(VANTOR32_ROBINSON, p, kPi / 2, 0.6).northing, 20 + a * kPi / 2, 1e-6);
  EXPECT_NEAR(forward(VANTOR32_ROBINSON, p, -kPi / 2, 0.6).northing, 20 - a * kPi / 2, 1e-6);
  const Geographic back = inverse(VANTOR32_ROBINSON, p, forward(VANTOR32_ROBINSON, p, deg(52.5), 1.2));
  EXPECT_NEAR(back.latitude, deg(52.5), 1e-9);
  EXPECT_NEAR(back.longitude, 1.2, 1e-9);
}

TEST(EdgeCases, MollweideAtThePolesConverges) {
  const double r = 2;
  Parameters p = make_sphere_parameters(r, {});
  ASSERT_EQ(proj_consts(VANTOR32_MOLLWEIDE, p.data()), 0);
  // Newton's steps shrink by a third near the triple root at the pole; the
  // last step of 1e-7 rad leaves the northing within 1e-10 of the limit.
  EXPECT_NEAR(forward(VANTOR32_MOLLWEIDE, p, kPi / 2, 0.3).northing, std::sqrt(2.0) * r, 1e-9);
  EXPECT_NEAR(forward(VANTOR32_MOLLWEIDE, p, -kPi / 2, 0.3).northing, -std::sqrt(2.0) * r, 1e-9);
}

TEST(EdgeCases, SphericalFormsOnTheEquatorAndCentralMeridian) {
  Parameters vdg = make_sphere_parameters(3, {{5, 0.1}});
  Parameters sinu = prepared(VANTOR32_SINUSOIDAL, make_parameters(kWgs84, {{5, 0.1}, {9, 7}}));
  ASSERT_EQ(proj_consts(VANTOR32_VAN_DER_GRINTEN, vdg.data()), 0);
  EXPECT_DOUBLE_EQ(forward(VANTOR32_VAN_DER_GRINTEN, vdg, 0, 0.6).easting, 3 * 0.5);
  EXPECT_EQ(forward(VANTOR32_VAN_DER_GRINTEN, vdg, 0.6, 0.1).easting, 0);
  const PlanePoint equator = forward(VANTOR32_SINUSOIDAL, sinu, 0, 0.6);
  EXPECT_DOUBLE_EQ(equator.northing, 7);
  EXPECT_DOUBLE_EQ(equator.easting, kWgs84.a * 0.5);
}

TEST(EdgeCases, TwoPointFitCarriesItsPointsOntoTheirTargets) {
  Parameters p = prepared(VANTOR32_TWO_POINT_FIT,
                          make_parameters(kWgs84, {{2, deg(47)}, {12, deg(8)}, {3, deg(46)}, {13, deg(10)},
                                                   {14, 250000}, {15, 600000}, {16, 140000}, {17, 752000}}));
  const PlanePoint first = forward(VANTOR32_TWO_POINT_FIT, p, deg(47), deg(8));
  const PlanePoint second = forward(VANTOR32_TWO_POINT_FIT, p, deg(46), deg(10));
  EXPECT_NEAR(first.northing, 250000, 1e-6);
  EXPECT_NEAR(first.easting, 600000, 1e-6);
  EXPECT_NEAR(second.northing, 140000, 1e-6);
  EXPECT_NEAR(second.easting, 752000, 1e-6);
}

TEST(EdgeCases, EquidistantCylindricalIgnoresTheEccentricity) {
  Parameters sphere = make_sphere_parameters(5, {{4, 0.3}, {5, 0.1}});
  Parameters flattened = sphere;
  flattened[VANTOR32_ECCENTRICITY] = 0.08;
  const PlanePoint a = forward(VANTOR32_EQUIDISTANT_CYLINDRICAL, sphere, 0.7, 0.9);
  const PlanePoint b = forward(VANTOR32_EQUIDISTANT_CYLINDRICAL, flattened, 0.7, 0.9);
  EXPECT_EQ(a.northing, b.northing);
  EXPECT_EQ(a.easting, b.easting);
}

TEST(EdgeCases, SpecialCasesOfTheConstants) {
  Parameters eqdc = prepared(VANTOR32_EQUIDISTANT_CONIC, make_parameters(kWgs84, {{2, 0.6}, {3, 0.6}, {4, 0.5}}));
  EXPECT_DOUBLE_EQ(eqdc[41], std::sin(0.6));  // one standard parallel: n = sin φ1

  Parameters merc = prepared(VANTOR32_MERCATOR, make_parameters(kWgs84, {{10, 0.5}}));
  EXPECT_EQ(merc[29], 1.0);  // true scale on the equator; slot 10 plays no part
  const PlanePoint equator = forward(VANTOR32_MERCATOR, merc, 0, 0.1);
  EXPECT_DOUBLE_EQ(equator.easting, kWgs84.a * 0.1);

  Parameters cass = prepared(VANTOR32_CASSINI, make_parameters(kClarke1866, {{4, 0.7}, {5, 0.2}, {8, 300}}));
  EXPECT_EQ(forward(VANTOR32_CASSINI, cass, kPi / 2, 1.0).easting, 300);
}

TEST(EdgeCases, BoundedIterationsAreDeterministic) {
  Parameters p = make_sphere_parameters(1, {});
  ASSERT_EQ(proj_consts(VANTOR32_MOLLWEIDE, p.data()), 0);
  const PlanePoint first = forward(VANTOR32_MOLLWEIDE, p, kPi / 2, 0.3);
  const PlanePoint second = forward(VANTOR32_MOLLWEIDE, p, kPi / 2, 0.3);
  EXPECT_EQ(first.northing, second.northing);
  EXPECT_EQ(first.easting, second.easting);
}

}  // namespace
}  // namespace vantor_test
