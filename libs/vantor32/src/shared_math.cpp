// Coefficients of the meridian-distance, footpoint, authalic and conformal
// series, and the conformal-latitude iteration the conformal projections share.
#include "shared_math.h"

#include "projection.h"

namespace vantor {

namespace {
// sin 2χ and cos 2χ of χ = π/2 − 2·atan t, from t alone: sin χ and cos χ
// are (1 − t²)/(1 + t²) and 2t/(1 + t²), written in 1/t beyond t = 1 so that
// an infinite t gives the south pole.
struct DoubleAngle {
  double sine, cosine;
};
DoubleAngle double_conformal_angle(double t) {
  const double u = t <= 1 ? t : 1 / t, u2 = u * u, scale = 1 / (1 + u2);
  const double sin_chi = (t <= 1 ? 1 - u2 : u2 - 1) * scale, cos_chi = 2 * u * scale;
  return {2 * sin_chi * cos_chi, (cos_chi - sin_chi) * (cos_chi + sin_chi)};
}
}  // namespace

double latitude_from_t(double e, double t, int rounds) {
  const ConformalSeries c = conformal_series(e);
  const DoubleAngle two_chi = double_conformal_angle(t);
  double phi = kHalfPi - 2 * std::atan(t) + sine_series_at(two_chi.sine, two_chi.cosine, c.c2, c.c4, c.c6, c.c8);
  for (int round = 1; round < rounds; ++round) {
    const double next = kHalfPi - 2 * std::atan(t * eccentricity_factor(e, phi));
    const double change = std::fabs(next - phi);
    phi = next;
    if (change <= kConvergenceTolerance) break;
  }
  return phi;
}

void store_meridian_coefficients(double* p) {
  namespace slot = meridian_slot;
  const double e = p[VANTOR32_ECCENTRICITY];
  const double e2 = e * e, e4 = e2 * e2, e6 = e4 * e2;
  p[slot::e0] = 1 - e2 / 4 - 3 * e4 / 64 - 5 * e6 / 256;
  p[slot::e1] = 3 * e2 / 8 + 3 * e4 / 32 + 45 * e6 / 1024;
  p[slot::e2] = 15 * e4 / 256 + 45 * e6 / 1024;
  p[slot::e3] = 35 * e6 / 3072;
  const double root = std::sqrt(1 - e2);
  const FootpointSeries f = footpoint_series((1 - root) / (1 + root));
  p[slot::f2] = f.f2;
  p[slot::f4] = f.f4;
  p[slot::f6] = f.f6;
  p[slot::f8] = f.f8;
}

void store_sinusoidal_constants(double* p) {
  store_meridian_coefficients(p);
  p[meridian_slot::sinusoidal_radius] = p[VANTOR32_SEMI_MAJOR_AXIS] * p[meridian_slot::e0];
}

AuthalicSeries authalic_series(double e) {
  const double e2 = e * e, e4 = e2 * e2, e6 = e4 * e2;
  return {e2 / 3 + 31 * e4 / 180 + 517 * e6 / 5040, 23 * e4 / 360 + 251 * e6 / 3780, 761 * e6 / 45360};
}

void store_authalic_series(double* p, int first_slot) {
  const AuthalicSeries g = authalic_series(p[VANTOR32_ECCENTRICITY]);
  p[first_slot] = g.g2;
  p[first_slot + 1] = g.g4;
  p[first_slot + 2] = g.g6;
}

ConformalSeries conformal_series(double e) {
  const double e2 = e * e, e4 = e2 * e2, e6 = e4 * e2, e8 = e6 * e2;
  return {e2 / 2 + 5 * e4 / 24 + e6 / 12 + 13 * e8 / 360, 7 * e4 / 48 + 29 * e6 / 240 + 811 * e8 / 11520,
          7 * e6 / 120 + 81 * e8 / 1120, 4279 * e8 / 161280};
}

double latitude_from_conformal(const ConformalSeries& c, double chi) {
  return chi + sine_series(2 * chi, c.c2, c.c4, c.c6, c.c8);
}

}  // namespace vantor
