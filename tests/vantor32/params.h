// Helpers the vantor32 tests share: degrees, the ellipsoids of the test
// cases, and a parameter array filled from (slot, value) pairs.
#pragma once

#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "vantor32.h"

namespace vantor_test {

using Parameters = std::array<double, VANTOR32_PARAMETER_COUNT>;
using Slots = std::initializer_list<std::pair<int, double>>;

constexpr double kPi = 3.14159265358979323846;

inline double deg(double degrees) { return degrees * kPi / 180; }
inline double to_deg(double radians) { return radians * 180 / kPi; }

// The distance in degrees of arc between two nearby points given in degrees,
// longitudes compared over whole turns.
inline double angular_difference(double lat1, double lon1, double lat2, double lon2) {
  return std::hypot(lat1 - lat2, std::remainder(lon1 - lon2, 360.0) * std::cos(deg(lat2)));
}

struct Ellipsoid {
  double a, e;
};
inline Ellipsoid from_flattening(double a, double inverse_flattening) {
  const double f = 1 / inverse_flattening;
  return {a, std::sqrt(f * (2 - f))};
}
inline Ellipsoid from_axes(double a, double b) { return {a, std::sqrt(1 - (b * b) / (a * a))}; }

inline const Ellipsoid kWgs84 = from_flattening(6378137, 298.257223563);
inline const Ellipsoid kClarke1866 = from_axes(6378206.4, 6356583.8);
inline const Ellipsoid kInternational = from_flattening(6378388, 297);
inline const Ellipsoid kBessel = from_flattening(6377397.155, 299.1528128);
inline const Ellipsoid kKrassowsky = from_flattening(6378245, 298.3);
inline const Ellipsoid kEverest1967 = from_flattening(6377298.556, 300.8017);

// A parameter array with the ellipsoid in slots 0 and 1, then the given slots.
inline Parameters make_parameters(const Ellipsoid& ellipsoid, Slots slots) {
  Parameters p{};
  p[VANTOR32_SEMI_MAJOR_AXIS] = ellipsoid.a;
  p[VANTOR32_ECCENTRICITY] = ellipsoid.e;
  for (const auto& [slot, value] : slots) p[slot] = value;
  return p;
}

// A parameter array for a sphere of the given radius (slots 11 and, for the
// table-driven Robinson, 0).
inline Parameters make_sphere_parameters(double radius, Slots slots) {
  Parameters p{};
  p[VANTOR32_SPHERE_RADIUS] = radius;
  p[VANTOR32_SEMI_MAJOR_AXIS] = radius;
  for (const auto& [slot, value] : slots) p[slot] = value;
  return p;
}

}  // namespace vantor_test
