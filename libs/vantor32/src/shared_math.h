// Functions of latitude on the ellipsoid that the projection families share
// (Snyder, Map Projections — A Working Manual, USGS PP 1395, chapter 3), and
// the series that turn auxiliary latitudes back into geodetic latitude.
#pragma once

#include <cmath>

namespace vantor {

constexpr double kPi = 3.14159265358979323846;
constexpr double kHalfPi = kPi / 2;
constexpr double kQuarterPi = kPi / 4;
constexpr double kTwoPi = 2 * kPi;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRadiansPerDegree = 0.017453292519943295;

// Iterations whose formulas state no bound stop after this many rounds, so a
// point that does not converge still returns, and always the same value.
constexpr int kMaxRounds = 100;
// Most iterations stop when a latitude changes by no more than this (radians).
constexpr double kConvergenceTolerance = 1e-7;

// Slots of the meridian-distance coefficients E0..E3 and of the footpoint
// coefficients F2..F8, for the projections that store them.
namespace meridian_slot {
constexpr int e0 = 32, e1 = 33, e2 = 34, e3 = 35;
constexpr int sinusoidal_radius = 36;  // a·E0
constexpr int f2 = 37, f4 = 38, f6 = 39, f8 = 40;
}  // namespace meridian_slot

// A longitude difference brought into [−π, π] by whole turns: step by step
// for the few turns of real input, at once for an absurd value, so that no
// input loops for ever (an infinite one becomes NaN).
constexpr double kMostTurnsByStep = 64;
inline double reduce_to_half_turn(double angle) {
  if (std::fabs(angle) > kMostTurnsByStep * kTwoPi) angle = std::remainder(angle, kTwoPi);
  while (angle < -kPi) angle += kTwoPi;
  while (angle > kPi) angle -= kTwoPi;
  return angle;
}

// tan computed as sin/cos; the compiler turns the pair into one sincos.
inline double tan_of(double x) { return std::sin(x) / std::cos(x); }

// tan(π/4 − φ/2) from the sine and cosine of φ, in whichever of its two
// half-angle forms has no cancellation at that latitude.
inline double tan_half_colatitude(double sin_phi, double cos_phi) {
  return sin_phi >= 0 ? cos_phi / (1 + sin_phi) : (1 - sin_phi) / cos_phi;
}

// Clenshaw's sums of multiple-angle series, from one sine and cosine of θ:
// the sums Σ a_k sin kθ and Σ a_k cos kθ for k = 1..count.
struct ClenshawSums {
  double sine, cosine;
};
inline ClenshawSums clenshaw(const double* a, int count, double sin_theta, double cos_theta) {
  const double two_cos = 2 * cos_theta;
  double b1 = 0, b2 = 0;
  for (int k = count - 1; k >= 0; --k) {
    const double b0 = a[k] + two_cos * b1 - b2;
    b2 = b1;
    b1 = b0;
  }
  return {b1 * sin_theta, b1 * cos_theta - b2};
}

// a1 sin θ + a2 sin 2θ + a3 sin 3θ + a4 sin 4θ from the sine and cosine of θ.
inline double sine_series_at(double sin_theta, double cos_theta, double a1, double a2, double a3, double a4) {
  const double two_cos = 2 * cos_theta;
  const double b4 = a4;
  const double b3 = a3 + two_cos * b4;
  const double b2 = a2 + two_cos * b3 - b4;
  const double b1 = a1 + two_cos * b2 - b3;
  return b1 * sin_theta;
}

// The same series of θ itself, with one sine and cosine.
inline double sine_series(double theta, double a1, double a2, double a3, double a4) {
  return sine_series_at(std::sin(theta), std::cos(theta), a1, a2, a3, a4);
}

// m(φ) = cos φ / √(1 − e² sin²φ): the parallel's radius over a.
inline double parallel_radius_ratio(double e, double phi) {
  const double s = std::sin(phi);
  return std::cos(phi) / std::sqrt(1 - e * e * s * s);
}

// ((1 − e sin φ)/(1 + e sin φ))^(e/2), the ellipsoid's factor in t and χ.
inline double eccentricity_factor(double e, double phi) {
  const double es = e * std::sin(phi);
  return std::pow((1 - es) / (1 + es), e / 2);
}

// t(φ) = tan(π/4 − φ/2) / ((1 − e sin φ)/(1 + e sin φ))^(e/2).
inline double conformal_t(double e, double phi) {
  return tan_of(kQuarterPi - phi / 2) / eccentricity_factor(e, phi);
}

// q(φ), the authalic function; needs e > 0.
inline double authalic_q(double e, double phi) {
  const double s = std::sin(phi);
  const double es = e * s;
  return (1 - e * e) * (s / (1 - es * es) - std::log((1 - es) / (1 + es)) / (2 * e));
}

// ψ = ln(tan(π/4 + φ/2)·((1 − e sin φ)/(1 + e sin φ))^(e/2)), the isometric
// latitude, as atanh(sin φ) − e·atanh(e sin φ): two logarithms, no power.
inline double isometric_latitude(double e, double sin_phi) {
  return std::atanh(sin_phi) - e * std::atanh(e * sin_phi);
}

// χ(φ), the conformal latitude.
inline double conformal_latitude(double e, double phi) {
  const double es = e * std::sin(phi);
  return 2 * std::atan(tan_of(kQuarterPi + phi / 2) * std::exp((e / 2) * std::log((1 - es) / (1 + es)))) -
         kHalfPi;
}

// φ from the ellipsoid's t by the fixed-point iteration of Snyder (7-9),
// seeded by the conformal-to-geodetic series of χ = π/2 − 2·atan t (within
// about 1e-11 rad of the root, so the first round's change stops it); stops
// on a change of 1e-7 or after rounds in all.
double latitude_from_t(double e, double t, int rounds);

// Meridian distance M(φ) from the coefficients E0..E3 in slots 32 to 35.
inline double meridian_distance(const double* p, double a, double phi) {
  namespace slot = meridian_slot;
  return a * (p[slot::e0] * phi + sine_series(2 * phi, -p[slot::e1], p[slot::e2], -p[slot::e3], 0));
}

// The same from the sine and cosine of φ, which give those of 2φ.
inline double meridian_distance_at(const double* p, double a, double phi, double sin_phi, double cos_phi) {
  namespace slot = meridian_slot;
  const double sin_2phi = 2 * sin_phi * cos_phi, cos_2phi = (cos_phi - sin_phi) * (cos_phi + sin_phi);
  return a * (p[slot::e0] * phi + sine_series_at(sin_2phi, cos_2phi, -p[slot::e1], p[slot::e2], -p[slot::e3], 0));
}

// The footpoint coefficients F2..F8 of the series φ = μ + Σ F2k sin 2kμ in
// the third flattening n (the e1 of the footpoint formulas).
struct FootpointSeries {
  double f2, f4, f6, f8;
};
inline FootpointSeries footpoint_series(double n) {
  const double n2 = n * n, n3 = n2 * n, n4 = n3 * n;
  return {3 * n / 2 - 27 * n3 / 32, 21 * n2 / 16 - 55 * n4 / 32, 151 * n3 / 96, 1097 * n4 / 512};
}

// Latitude of a rectifying latitude μ from the footpoint series in slots 37 to 40.
inline double footpoint_latitude(const double* p, double mu) {
  namespace slot = meridian_slot;
  return mu + sine_series(2 * mu, p[slot::f2], p[slot::f4], p[slot::f6], p[slot::f8]);
}

// Stores E0..E3 in slots 32 to 35 and F2..F8 in slots 37 to 40.
void store_meridian_coefficients(double* p);
// The same plus slot 36 = a·E0 (Sinusoidal, and Bonne and IMW Polyconic).
void store_sinusoidal_constants(double* p);

// The authalic-to-geodetic coefficients G2, G4, G6.
struct AuthalicSeries {
  double g2, g4, g6;
};
AuthalicSeries authalic_series(double e);
void store_authalic_series(double* p, int first_slot);
// φ = β + G2 sin 2β + G4 sin 4β + G6 sin 6β with G2..G6 in three slots from first_slot.
inline double latitude_from_authalic(const double* p, int first_slot, double beta) {
  return beta + sine_series(2 * beta, p[first_slot], p[first_slot + 1], p[first_slot + 2], 0);
}

// The conformal-to-geodetic coefficients C2..C8 (Snyder 3-5).
struct ConformalSeries {
  double c2, c4, c6, c8;
};
ConformalSeries conformal_series(double e);
double latitude_from_conformal(const ConformalSeries& c, double chi);

}  // namespace vantor
