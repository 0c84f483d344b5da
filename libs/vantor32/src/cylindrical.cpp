// Cylindrical projections. Formulas: Snyder, Map Projections — A Working
// Manual (USGS PP 1395), chapters 7 to 13; Transverse Mercator with Helmert's
// meridian arc in the third flattening and the sixth-order series of the U.S.
// Army / DMA formulas; RSO/Hotine (1 pt & az) after EPSG method 9812.
#include "cylindrical.h"

#include "shared_math.h"

namespace vantor {

void no_constants(double*) {}

namespace {

// ---------------------------------------------------------------------------
// Transverse Mercator/Gauss-Kruger
namespace tm {
constexpr int b = 29, flattening = 30, n = 31, e2 = 32, ep2 = 33;
constexpr int arc0 = 34, arc2 = 35, arc4 = 36, arc6 = 37, arc8 = 38;  // Helmert's arc coefficients
constexpr int origin_northing = 39;

// −s35 sin 2ψ + s36 sin 4ψ − s37 sin 6ψ + s38 sin 8ψ
double arc_series(const double* p, double psi) {
  return sine_series(2 * psi, -p[arc2], p[arc4], -p[arc6], p[arc8]);
}

double meridian_arc(const double* p, double phi) {
  return p[in::a] / (1 + p[n]) * (p[arc0] * phi + arc_series(p, phi));
}

// The footpoint iteration stops after this many rounds whatever its change.
constexpr int kFootpointRounds = 10;
constexpr double kFootpointTolerance = 1e-10;

// μ − φ for the rectifying latitude μ, from the inverse of Helmert's series
// in the third flattening (to n⁴, within about 1e-14 rad of the root): the
// start that lets the footpoint iteration stop after its first round.
double footpoint_start(const double* p, double mu) {
  const FootpointSeries f = footpoint_series(p[n]);
  return -sine_series(2 * mu, f.f2, f.f4, f.f6, f.f8);
}
}  // namespace tm

void transverse_mercator_forward(double* p, double phi, double lambda, double* northing, double* easting,
                                 double* convergence, double* scale) {
  const double a = p[in::a], k0 = p[in::k0], e2 = p[tm::e2], ep2 = p[tm::ep2];
  const double dl = lambda - p[in::lambda0];
  const double s = std::sin(phi), c = std::cos(phi);
  const double nu = a / std::sqrt(1 - e2 * s * s);
  const double t = s / c, t2 = t * t, t4 = t2 * t2;
  const double cc = c * c * e2 / (1 - e2);
  const double aa = dl * c, a2 = aa * aa;
  const double dl2 = dl * dl;
  *easting = k0 * nu *
                 (aa + (1 - t2 + cc) * aa * a2 / 6 +
                  (5 - 18 * t2 + t4 + 14 * cc - 58 * t2 * cc) * aa * a2 * a2 / 120) +
             p[in::fe];
  *northing = k0 * nu *
                  (tm::meridian_arc(p, phi) / nu + dl2 * s * c / 2 +
                   dl2 * dl2 * s * c * c * c * (5 - t2 + 9 * cc + 4 * cc * cc) / 24 +
                   dl2 * dl2 * dl2 * s * c * c * c * c * c * (61 - 58 * t2 + t4 + 270 * cc - 330 * t2 * cc) / 720) -
              p[tm::origin_northing] + p[in::fn];
  put(convergence, 0);
  if (scale) {
    *scale = k0 * (1 + (1 + cc) * a2 / 2 + (5 - 4 * t2 + 42 * cc + 13 * cc * cc - 28 * ep2) * a2 * a2 / 24 +
                   (61 - 148 * t2 + 16 * t4) * a2 * a2 * a2 / 720);
  }
}

void transverse_mercator_constants(double* p) {
  const double a = p[in::a], e = p[in::e];
  const double e2 = e * e;
  p[tm::e2] = e2;
  p[tm::ep2] = e2 / (1 - e2);
  p[tm::b] = a * std::sqrt(1 - e2);
  p[tm::flattening] = std::fabs((a - p[tm::b]) / a);
  const double n = p[tm::flattening] / (2 - p[tm::flattening]);
  const double n2 = n * n, n3 = n2 * n, n4 = n3 * n;
  p[tm::n] = n;
  p[tm::arc0] = 1 + n2 / 4 + n4 / 64;
  p[tm::arc2] = 1.5 * (n - n3 / 8);
  p[tm::arc4] = 0.9375 * (n2 - n4 / 4);
  p[tm::arc6] = 0.7291666666666666 * n3;
  p[tm::arc8] = 0.615234375 * n4;
  // The origin's northing, found without false northing and without a shift.
  p[tm::origin_northing] = 0;
  const double false_northing = p[in::fn];
  p[in::fn] = 0;
  double origin_n = 0, origin_e = 0;
  transverse_mercator_forward(p, p[in::phi0], p[in::lambda0], &origin_n, &origin_e, nullptr, nullptr);
  p[in::fn] = false_northing;
  p[tm::origin_northing] = origin_n;
}

void transverse_mercator_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                                 double* convergence, double* scale) {
  const double a = p[in::a], k0 = p[in::k0], e2 = p[tm::e2], n = p[tm::n];
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const double mu = (y + p[tm::origin_northing]) * (1 + n) / (k0 * p[tm::arc0] * a);
  const auto correction = [p](double psi) { return tm::arc_series(p, psi) / p[tm::arc0]; };
  double previous = tm::footpoint_start(p, mu);
  double delta = correction(mu - previous);
  for (int round = 0; round < tm::kFootpointRounds; ++round) {
    if (std::fabs(delta - previous) <= tm::kFootpointTolerance) break;
    previous = delta;
    delta = correction(mu - previous);
  }
  const double phi1 = mu - delta;
  const double s = std::sin(phi1), c = std::cos(phi1);
  const double n1 = a / std::sqrt(1 - e2 * s * s);
  const double t1 = s / c, t2 = t1 * t1, t4 = t2 * t2;
  const double c1 = e2 * c * c / (1 - e2);
  const double d = x / (k0 * n1), d2 = d * d;
  *phi = phi1 - (t1 / 2) * (1 + c1) * d2 +
         (t1 / 24) * (5 + 3 * t2 + 6 * c1 - 6 * c1 * t2 - 3 * c1 * c1 - 9 * t2 * c1 * c1) * d2 * d2 -
         (t1 / 720) * (61 + 90 * t2 + 45 * t4 + 107 * c1 - 162 * c1 * t2 - 45 * t4 * c1) * d2 * d2 * d2;
  *lambda = p[in::lambda0] + (d - (1 + 2 * t2 + c1) * d * d2 / 6 +
                              (5 + 28 * t2 + 24 * t4 + 6 * c1 + 8 * t2 * c1) * d * d2 * d2 / 120) /
                                 c;
  put(convergence, 0);
  put(scale, 0);
}

// ---------------------------------------------------------------------------
// Mercator, scale true on the parallel slot 4
namespace merc {
constexpr int k_true = 29;
constexpr int kLatitudeRounds = 101;
}  // namespace merc

void mercator_constants(double* p) { p[merc::k_true] = parallel_radius_ratio(p[in::e], p[in::phi0]); }

double mercator_scale(const double* p, double phi) {
  const double e = p[in::e], s = std::sin(phi);
  return p[merc::k_true] * std::sqrt(1 - e * e * s * s) / std::cos(phi);
}

void mercator_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                      double* scale) {
  const double ak = p[in::a] * p[merc::k_true];
  *easting = ak * (lambda - p[in::lambda0]) + p[in::fe];
  *northing = ak * std::log(tan_of(kQuarterPi + phi / 2) * eccentricity_factor(p[in::e], phi)) + p[in::fn];
  if (scale) *scale = mercator_scale(p, phi);
}

void mercator_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                      double* scale) {
  const double ak = p[in::a] * p[merc::k_true];
  const double t = std::exp(-(northing - p[in::fn]) / ak);
  *phi = latitude_from_t(p[in::e], t, merc::kLatitudeRounds);
  *lambda = (easting - p[in::fe]) / ak + p[in::lambda0];
  if (scale) *scale = mercator_scale(p, *phi);
}

// ---------------------------------------------------------------------------
// Hotine Oblique Mercator, central line through two points (Snyder's
// alternate B); coordinates from the natural origin, grid rectified by the
// central line's azimuth.
namespace hom2 {
constexpr int b = 29, a_const = 30, e_const = 31, gamma0 = 32, alpha_c = 33, lambda0 = 34;
constexpr double kPoleTolerance = 1e-7;
constexpr int kLatitudeRounds = 101;

double scale_at(const double* p, double phi, double u, double dl) {
  const double e = p[in::e], s = std::sin(phi);
  const double a = p[a_const], b = p[hom2::b];
  return a * std::cos(b * u / a) * std::sqrt(1 - e * e * s * s) / (p[in::a] * std::cos(phi) * std::cos(b * dl));
}
}  // namespace hom2

void hotine_two_point_constants(double* p) {
  const double a = p[in::a], e = p[in::e], e2 = e * e, k0 = p[in::k0], phi0 = p[in::phi0];
  const double s0 = std::sin(phi0), c0 = std::cos(phi0);
  const double b = std::sqrt(1 + e2 * c0 * c0 * c0 * c0 / (1 - e2));
  p[hom2::b] = b;
  p[hom2::a_const] = a * b * k0 * std::sqrt(1 - e2) / (1 - e2 * s0 * s0);
  const double t0 = conformal_t(e, phi0);
  double d = b * std::sqrt(1 - e2) / (c0 * std::sqrt(1 - e2 * s0 * s0));
  if (d * d < 1) d = 1;
  const double root = std::sqrt(d * d - 1);
  const double big_e = (phi0 >= 0 ? d + root : d - root) * std::pow(t0, b);
  p[hom2::e_const] = big_e;
  const double h = std::pow(conformal_t(e, p[in::phi1]), b);
  const double l = std::pow(conformal_t(e, p[in::phi2]), b);
  const double f = big_e / h;
  const double g = (f - 1 / f) / 2;
  if (p[in::lambda1] - p[in::lambda2] < -kPi) p[in::lambda2] -= kTwoPi;
  if (p[in::lambda1] - p[in::lambda2] > kPi) p[in::lambda2] += kTwoPi;
  const double lambda1 = p[in::lambda1], lambda2 = p[in::lambda2];
  const double j = (big_e * big_e - l * h) / (big_e * big_e + l * h);
  const double pp = (l - h) / (l + h);
  double lambda0 = (lambda1 + lambda2) / 2 - std::atan(j * tan_of(b * (lambda1 - lambda2) / 2) / pp) / b;
  if (lambda1 - lambda0 < -kPi) {
    lambda0 -= kTwoPi;
  } else if (lambda1 - lambda0 > kPi) {
    lambda0 += kTwoPi;
  }
  p[hom2::lambda0] = lambda0;
  p[hom2::gamma0] = std::atan(std::sin(b * (lambda1 - lambda0)) / g);
  p[hom2::alpha_c] = std::asin(d * std::sin(p[hom2::gamma0]));
}

void hotine_two_point_forward(double* p, double phi, double lambda, double* northing, double* easting,
                              double* convergence, double* scale) {
  const double a = p[hom2::a_const], b = p[hom2::b], gamma0 = p[hom2::gamma0];
  const double cg = std::cos(gamma0), sg = std::sin(gamma0);
  const double unreduced = lambda - p[hom2::lambda0];
  double u = 0, v = 0;
  if (std::fabs(std::fabs(phi) - kHalfPi) >= hom2::kPoleTolerance) {
    // E/t^B with ln t = −ψ: one exponential.
    const double q = p[hom2::e_const] * std::exp(b * isometric_latitude(p[in::e], std::sin(phi)));
    const double s = (q - 1 / q) / 2, t = (q + 1 / q) / 2;
    const double dl = reduce_to_half_turn(unreduced);
    const double vv = std::sin(b * dl);
    const double uu = (-vv * cg + s * sg) / t;
    v = a * std::log((1 - uu) / (1 + uu)) / (2 * b);
    u = std::fabs(std::cos(b * unreduced)) >= hom2::kPoleTolerance
            ? (a / b) * std::atan((s * cg + vv * sg) / std::cos(b * dl))
            : a * b * unreduced;
  } else {
    v = (a / b) * std::log(tan_of(phi > 0 ? kQuarterPi - gamma0 / 2 : kQuarterPi + gamma0 / 2));
    u = a * phi / b;
  }
  const double ca = std::cos(p[hom2::alpha_c]), sa = std::sin(p[hom2::alpha_c]);
  *easting = v * ca + u * sa + p[in::fe];
  *northing = u * ca - v * sa + p[in::fn];
  put(convergence, 0);
  if (scale) *scale = hom2::scale_at(p, phi, u, unreduced);
}

void hotine_two_point_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                              double*, double* scale) {
  const double a = p[hom2::a_const], b = p[hom2::b], gamma0 = p[hom2::gamma0];
  const double cg = std::cos(gamma0), sg = std::sin(gamma0);
  const double ca = std::cos(p[hom2::alpha_c]), sa = std::sin(p[hom2::alpha_c]);
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const double v = x * ca - y * sa;
  const double u = y * ca + x * sa;
  const double q = std::exp(-b * v / a);
  const double s = (q - 1 / q) / 2, t = (q + 1 / q) / 2;
  const double vv = std::sin(b * u / a);
  const double uu = (vv * cg + s * sg) / t;
  double lat = 0, lon = 0;
  if (std::fabs(std::fabs(uu) - 1) >= hom2::kPoleTolerance) {
    const double tt = std::pow(p[hom2::e_const] / std::sqrt((1 + uu) / (1 - uu)), 1 / b);
    lat = latitude_from_t(p[in::e], tt, hom2::kLatitudeRounds);
    lon = p[hom2::lambda0] - std::atan((s * cg - vv * sg) / std::cos(b * u / a)) / b;
  } else {
    lat = uu > 0 ? kHalfPi : -kHalfPi;
    lon = p[hom2::lambda0];
  }
  if (scale) *scale = hom2::scale_at(p, lat, u, lon - p[hom2::lambda0]);
  *phi = lat;
  *lambda = reduce_to_half_turn(lon);
}

// ---------------------------------------------------------------------------
// RSO/Hotine Oblique Mercator from the centre and the central line's
// azimuth, coordinates from the natural origin, in hyperbolic functions.
namespace hom1 {
constexpr int b = 29, e = 30, e2 = 31, h_log = 32, a_over_b = 33, cos_gamma0 = 34, sin_gamma0 = 35;
constexpr int skew = 36, azimuth = 37, k0 = 38;
constexpr int series = 39;  // four slots: the conformal series in powers of cos²χ
constexpr int minus_lambda0 = 43;

// ψ, the isometric latitude on the ellipsoid.
double isometric_latitude(double e, double phi) {
  const double s = std::sin(phi), es = e * s;
  return 0.5 * (std::log((1 + s) / (1 - s)) - e * std::log((1 + es) / (1 - es)));
}
}  // namespace hom1

void hotine_azimuth_constants(double* p) {
  const double a = p[in::a], e = p[in::e], phic = p[in::phi0], k0 = p[in::k0];
  p[hom1::e2] = e * e;
  p[hom1::e] = std::sqrt(p[hom1::e2]);
  const double e2 = p[hom1::e2];
  const ConformalSeries c = conformal_series(e);
  p[hom1::series] = 2 * (c.c2 - 2 * c.c4 + 3 * c.c6 - 4 * c.c8);
  p[hom1::series + 1] = 8 * (c.c4 - 4 * c.c6 + 10 * c.c8);
  p[hom1::series + 2] = 32 * (c.c6 - 6 * c.c8);
  p[hom1::series + 3] = 128 * c.c8;
  const double s = std::sin(phic), cphi = std::cos(phic);
  const double b = std::sqrt(1 + e2 * cphi * cphi * cphi * cphi / (1 - e2));
  p[hom1::b] = b;
  const double a_prime = a * b * std::sqrt(1 - e2) / (1 - e2 * s * s);
  const double psi_c = hom1::isometric_latitude(e, phic);
  const double d = b * std::sqrt(1 - e2) / (std::sqrt(1 - e2 * s * s) * cphi);
  // The root takes the sign of the centre's latitude, so a southern centre
  // lands at the mirror image of the northern one.
  const double root = std::copysign(std::sqrt(d * d - 1), phic);
  p[hom1::h_log] = std::log(d + root) - b * psi_c;
  p[hom1::a_over_b] = k0 * a_prime / b;
  const double sin_gamma0 = cphi * std::sin(p[in::azimuth]) * a / (a_prime * std::sqrt(1 - e2 * s * s));
  p[hom1::sin_gamma0] = sin_gamma0;
  p[hom1::cos_gamma0] = std::sqrt(1 - sin_gamma0 * sin_gamma0);
  p[hom1::minus_lambda0] =
      std::asin(std::sinh(b * psi_c + p[hom1::h_log]) * sin_gamma0 / p[hom1::cos_gamma0]) / b - p[in::lambda0];
  p[hom1::skew] = p[in::skew];
  p[hom1::azimuth] = p[in::azimuth];
  p[hom1::k0] = k0;
}

void hotine_azimuth_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                            double* scale) {
  const double b = p[hom1::b], e = p[hom1::e], ab = p[hom1::a_over_b];
  const double sg = p[hom1::sin_gamma0], cg = p[hom1::cos_gamma0];
  const double l = b * (-lambda - p[hom1::minus_lambda0]);
  const double w = b * hom1::isometric_latitude(e, phi) + p[hom1::h_log];
  const double s = std::sinh(w), t = std::cosh(w);
  const double sl = std::sin(l), cl = std::cos(l);
  const double u = ab * std::atan((s * cg - sl * sg) / cl);
  const double v = (ab / 2) * std::log((t - s * sg - sl * cg) / (t + s * sg + sl * cg));
  const double skew = p[hom1::skew];
  *northing = u * std::cos(skew) - v * std::sin(skew) + p[in::fn];
  *easting = u * std::sin(skew) + v * std::cos(skew) + p[in::fe];
  if (scale) {
    const double sp = std::sin(phi);
    *scale = p[hom1::k0] * std::sqrt(1 - p[hom1::e2] * sp * sp) * std::cos(u / ab) / (std::cos(phi) * cl);
  }
}

void hotine_azimuth_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                            double*) {
  const double b = p[hom1::b], ab = p[hom1::a_over_b];
  const double sg = p[hom1::sin_gamma0], cg = p[hom1::cos_gamma0];
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const double skew = p[hom1::skew];
  const double u = x * std::sin(skew) + y * std::cos(skew);
  const double v = x * std::cos(skew) - y * std::sin(skew);
  const double s = std::sinh(v / ab), t = std::cosh(v / ab), vv = std::sin(u / ab);
  const double w = (0.5 * std::log((t - s * sg + vv * cg) / (t + s * sg - vv * cg)) - p[hom1::h_log]) / b;
  const double ew = std::exp(w);
  const double chi = 2 * std::atan((ew - 1) / (ew + 1));
  const double cc = std::cos(chi) * std::cos(chi);
  *phi = chi + std::sin(chi) * std::cos(chi) *
                   (p[hom1::series] + cc * (p[hom1::series + 1] + cc * (p[hom1::series + 2] + cc * p[hom1::series + 3])));
  *lambda = std::atan((s * cg + vv * sg) / std::cos(u / ab)) / b - p[hom1::minus_lambda0];
}

// ---------------------------------------------------------------------------
// Cassini
namespace cass {
constexpr int e2 = 29, e4 = 30, e6 = 31, m0 = 36;
constexpr double kPoleTolerance = 1e-7;
}  // namespace cass

void cassini_constants(double* p) {
  store_meridian_coefficients(p);
  const double e2 = p[in::e] * p[in::e];
  p[cass::e2] = e2;
  p[cass::e4] = e2 * e2;
  p[cass::e6] = e2 * e2 * e2;
  p[cass::m0] = meridian_distance(p, p[in::a], p[in::phi0]);
}

void cassini_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                     double*) {
  const double a = p[in::a], e2 = p[cass::e2];
  const double s = std::sin(phi), c = std::cos(phi);
  const double m = meridian_distance(p, a, phi) - p[cass::m0];
  if (std::fabs(c) <= cass::kPoleTolerance) {
    *easting = p[in::fe];
    *northing = m + p[in::fn];
    return;
  }
  const double nu = a / std::sqrt(1 - e2 * s * s);
  const double t = (s / c) * (s / c);
  const double aa = (lambda - p[in::lambda0]) * c, a2 = aa * aa;
  const double cc = e2 * c * c / (1 - e2);
  *easting = nu * (aa - t * aa * a2 / 6 - (8 - t + 8 * cc) * t * aa * a2 * a2 / 120) + p[in::fe];
  *northing = m + nu * (s / c) * (a2 / 2 + (5 - t + 6 * cc) * a2 * a2 / 24) + p[in::fn];
}

void cassini_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                     double*) {
  const double a = p[in::a], e2 = p[cass::e2], e4 = p[cass::e4], e6 = p[cass::e6];
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const double mu = (p[cass::m0] + y) / (a * (1 - e2 / 4 - 3 * e4 / 64 - 5 * e6 / 256));
  const double phi1 = footpoint_latitude(p, mu);
  const double s = std::sin(phi1), c = std::cos(phi1), tan1 = s / c;
  const double t1 = tan1 * tan1;
  const double w = 1 - e2 * s * s;
  const double n1 = a / std::sqrt(w);
  const double r1 = a * (1 - e2) / (w * std::sqrt(w));
  const double d = x / n1, d2 = d * d;
  *phi = phi1 - (n1 * tan1 / r1) * (d2 / 2 - (1 + 3 * t1) * d2 * d2 / 24);
  *lambda = p[in::lambda0] + (d - t1 * d * d2 / 3 + (1 + 3 * t1) * t1 * d * d2 * d2 / 15) / c;
}

// ---------------------------------------------------------------------------
// Equal-Area Cylindrical, normal aspect; slot 4 is the standard parallel and
// also offsets the latitude (the parallel slot 4 maps to the false northing).
namespace cea {
constexpr int k0 = 29, qp = 30, one_minus_e2 = 31, authalic = 32;
}  // namespace cea

void equal_area_cylindrical_constants(double* p) {
  const double e = p[in::e];
  p[cea::k0] = parallel_radius_ratio(e, p[in::phi0]);
  p[cea::one_minus_e2] = 1 - e * e;
  p[cea::qp] = 1 - ((1 - e * e) / (2 * e)) * std::log((1 - e) / (1 + e));
  store_authalic_series(p, cea::authalic);
}

void equal_area_cylindrical_forward(double* p, double phi, double lambda, double* northing, double* easting,
                                    double*, double*) {
  const double a = p[in::a], e = p[in::e], k0 = p[cea::k0];
  const double s = std::sin(phi - p[in::phi0]);
  const double q = (1 - e * e) * (s / (1 - e * e * s * s) - std::log((1 - e * s) / (1 + e * s)) / (2 * e));
  *easting = a * k0 * (lambda - p[in::lambda0]) + p[in::fe];
  *northing = a * q / (2 * k0) + p[in::fn];
}

void equal_area_cylindrical_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                                    double*, double*) {
  const double a = p[in::a], k0 = p[cea::k0];
  const double beta = std::asin(2 * k0 * (northing - p[in::fn]) / (p[cea::qp] * a));
  *phi = p[in::phi0] + latitude_from_authalic(p, cea::authalic, beta);
  *lambda = (easting - p[in::fe]) / (a * k0) + p[in::lambda0];
}

// ---------------------------------------------------------------------------
// Equidistant Cylindrical (sphere); slot 4 is the standard parallel and the
// latitude of the false origin.
void equidistant_cylindrical_forward(double* p, double phi, double lambda, double* northing, double* easting,
                                     double*, double* scale) {
  const double r = p[in::radius], phi1 = p[in::phi0];
  *easting = r * (lambda - p[in::lambda0]) * std::cos(phi1) + p[in::fe];
  *northing = r * (phi - phi1) + p[in::fn];
  put(scale, std::cos(phi1) / std::cos(phi));
}

void equidistant_cylindrical_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                                     double*, double* scale) {
  const double r = p[in::radius], phi1 = p[in::phi0];
  *phi = (northing - p[in::fn]) / r + phi1;
  *lambda = (easting - p[in::fe]) / (r * std::cos(phi1)) + p[in::lambda0];
  put(scale, std::cos(phi1) / std::cos(*phi));
}

// ---------------------------------------------------------------------------
// Miller Cylindrical (sphere)
namespace mill {
constexpr double kLatitudeFactor = 0.8;
}  // namespace mill

void miller_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                    double* scale) {
  const double r = p[in::radius];
  *easting = r * (lambda - p[in::lambda0]) + p[in::fe];
  *northing = r * std::log(tan_of(kQuarterPi + 0.4 * phi)) / mill::kLatitudeFactor + p[in::fn];
  put(scale, 1 / std::cos(phi));
}

void miller_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                    double* scale) {
  const double r = p[in::radius];
  *phi = std::atan(std::sinh(mill::kLatitudeFactor * (northing - p[in::fn]) / r)) / mill::kLatitudeFactor;
  *lambda = (easting - p[in::fe]) / r + p[in::lambda0];
  put(scale, 1 / std::cos(*phi));
}

}  // namespace

const Routines transverse_mercator = {transverse_mercator_constants, transverse_mercator_forward,
                                      transverse_mercator_inverse};
const Routines mercator = {mercator_constants, mercator_forward, mercator_inverse};
const Routines hotine_two_point = {hotine_two_point_constants, hotine_two_point_forward, hotine_two_point_inverse};
const Routines hotine_azimuth = {hotine_azimuth_constants, hotine_azimuth_forward, hotine_azimuth_inverse};
const Routines cassini = {cassini_constants, cassini_forward, cassini_inverse};
const Routines equal_area_cylindrical = {equal_area_cylindrical_constants, equal_area_cylindrical_forward,
                                         equal_area_cylindrical_inverse};
const Routines equidistant_cylindrical = {no_constants, equidistant_cylindrical_forward,
                                          equidistant_cylindrical_inverse};
const Routines miller_cylindrical = {no_constants, miller_forward, miller_inverse};

}  // namespace vantor
