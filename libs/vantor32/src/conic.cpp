// Conic and polyconic projections on the ellipsoid. Formulas: Snyder, Map
// Projections — A Working Manual (USGS PP 1395), chapters 14 to 19.
#include "conic.h"

#include "shared_math.h"

namespace vantor {
namespace {

constexpr int kLatitudeRounds = 101;

// The cone angle θ = atan(x/(ρ0 − y)) of the Albers and Equidistant Conic
// inverses, with its quadrant taken from the signs (both terms negated for a
// cone that opens to the north, n < 0).
double cone_angle(double n, double x, double rho0_minus_y) {
  return n < 0 ? std::atan2(-x, -rho0_minus_y) : std::atan2(x, rho0_minus_y);
}

// ---------------------------------------------------------------------------
// Lambert Conformal Conic (Snyder chapter 15)
namespace lcc {
constexpr int n = 29, f = 30, rho0 = 31;
}  // namespace lcc

void lambert_two_parallel_constants(double* p) {
  const double e = p[in::e], phi1 = p[in::phi1], phi2 = p[in::phi2];
  const double m1 = parallel_radius_ratio(e, phi1), m2 = parallel_radius_ratio(e, phi2);
  const double t0 = conformal_t(e, p[in::phi0]), t1 = conformal_t(e, phi1), t2 = conformal_t(e, phi2);
  double n = 0;
  if (phi1 != phi2) {
    n = (std::log(m1) - std::log(m2)) / (std::log(t1) - std::log(t2));
    p[in::k0] = 1.0;
  } else {
    n = std::sin(phi1);
  }
  p[lcc::n] = n;
  p[lcc::f] = m1 / (n * std::pow(t1, n));
  p[lcc::rho0] = p[in::a] * p[lcc::f] * std::pow(t0, n);
}

void lambert_two_parallel_forward(double* p, double phi, double lambda, double* northing, double* easting,
                                  double* convergence, double* scale) {
  const double a = p[in::a], e = p[in::e], n = p[lcc::n];
  const double theta = n * (lambda - p[in::lambda0]);
  put(convergence, theta);
  const double rho = a * p[lcc::f] * std::pow(conformal_t(e, phi), n);
  if (scale) *scale = n * rho / (a * parallel_radius_ratio(e, phi));
  *easting = rho * std::sin(theta) + p[in::fe];
  *northing = p[lcc::rho0] - rho * std::cos(theta) + p[in::fn];
}

void lambert_two_parallel_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                                  double* convergence, double* scale) {
  const double a = p[in::a], e = p[in::e], n = p[lcc::n];
  double x = easting - p[in::fe], y = northing - p[in::fn], rho0 = p[lcc::rho0];
  double rho = std::sqrt(x * x + (rho0 - y) * (rho0 - y));
  if (n < 0) {
    rho = -std::fabs(rho);
    x = -x;
    y = -y;
    rho0 = -rho0;
  }
  const double theta = std::atan2(x, rho0 - y);
  put(convergence, theta);
  const double t = std::pow(rho / (a * p[lcc::f]), 1 / n);
  *phi = latitude_from_t(e, t, kLatitudeRounds);
  *lambda = theta / n + p[in::lambda0];
  if (scale) *scale = n * rho / (a * parallel_radius_ratio(e, *phi));
}

// The one-parallel cone: both parallels at slot 4, then scaled by slot 10.
void lambert_one_parallel_constants(double* p) {
  p[in::phi2] = p[in::phi0];
  p[in::phi1] = p[in::phi2];
  lambert_two_parallel_constants(p);
}

void lambert_one_parallel_forward(double* p, double phi, double lambda, double* northing, double* easting,
                                  double* convergence, double* scale) {
  const double k0 = p[in::k0];
  lambert_two_parallel_forward(p, phi, lambda, northing, easting, convergence, scale);
  *easting = (*easting - p[in::fe]) * k0 + p[in::fe];
  *northing = (*northing - p[in::fn]) * k0 + p[in::fn];
  if (scale) *scale *= k0;
}

void lambert_one_parallel_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                                  double* convergence, double* scale) {
  const double k0 = p[in::k0];
  lambert_two_parallel_inverse(p, (northing - p[in::fn]) / k0 + p[in::fn], (easting - p[in::fe]) / k0 + p[in::fe],
                               phi, lambda, convergence, scale);
  if (scale) *scale *= k0;
}

// ---------------------------------------------------------------------------
// Albers Equal Area Conic (Snyder chapter 14); needs e > 0.
namespace aea {
constexpr int n = 29, c = 30, rho0 = 31;
}  // namespace aea

void albers_constants(double* p) {
  const double e = p[in::e], phi1 = p[in::phi1], phi2 = p[in::phi2];
  const double m1 = parallel_radius_ratio(e, phi1), m2 = parallel_radius_ratio(e, phi2);
  const double q0 = authalic_q(e, p[in::phi0]), q1 = authalic_q(e, phi1), q2 = authalic_q(e, phi2);
  const double n = (m1 * m1 - m2 * m2) / (q2 - q1);
  p[aea::n] = n;
  p[aea::c] = m1 * m1 + n * q1;
  p[aea::rho0] = p[in::a] * std::sqrt(p[aea::c] - n * q0) / n;
}

void albers_forward(double* p, double phi, double lambda, double* northing, double* easting,
                    double* convergence, double* scale) {
  const double a = p[in::a], e = p[in::e], n = p[aea::n];
  const double rho = a * std::sqrt(p[aea::c] - n * authalic_q(e, phi)) / n;
  const double theta = n * (lambda - p[in::lambda0]);
  put(convergence, theta);
  if (scale) *scale = n * rho / (a * parallel_radius_ratio(e, phi));
  *easting = rho * std::sin(theta) + p[in::fe];
  *northing = p[aea::rho0] - rho * std::cos(theta) + p[in::fn];
}

void albers_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                    double* convergence, double*) {
  const double a = p[in::a], e = p[in::e], e2 = e * e, n = p[aea::n];
  const double x = easting - p[in::fe], y = northing - p[in::fn], rho0 = p[aea::rho0];
  const double rho = std::sqrt(x * x + (rho0 - y) * (rho0 - y));
  const double theta = cone_angle(n, x, rho0 - y);
  put(convergence, theta);
  const double q = (p[aea::c] - (rho * n / a) * (rho * n / a)) / n;
  double lat = std::asin(q / 2);
  for (int round = 0; round < kLatitudeRounds; ++round) {
    const double s = std::sin(lat), es = e * s, w = 1 - es * es;
    const double change = (w * w / (2 * std::cos(lat))) *
                          (q / (1 - e2) - s / w + std::log((1 - es) / (1 + es)) / (2 * e));
    lat += change;
    if (std::fabs(change) <= kConvergenceTolerance) break;
  }
  *phi = lat;
  *lambda = theta / n + p[in::lambda0];
}

// ---------------------------------------------------------------------------
// Equidistant Conic (Snyder chapter 16)
namespace eqdc {
constexpr int e2 = 29, e4 = 30, e6 = 31, n = 41, g = 42, rho0 = 43;
constexpr double kParallelTolerance = 1e-7;
}  // namespace eqdc

void equidistant_conic_constants(double* p) {
  store_meridian_coefficients(p);
  const double a = p[in::a], e = p[in::e], e2 = e * e;
  const double phi1 = p[in::phi1], phi2 = p[in::phi2];
  p[eqdc::e2] = e2;
  p[eqdc::e4] = e2 * e2;
  p[eqdc::e6] = e2 * e2 * e2;
  const double m0 = meridian_distance(p, a, p[in::phi0]);
  const double big_m1 = meridian_distance(p, a, phi1), big_m2 = meridian_distance(p, a, phi2);
  const double m1 = parallel_radius_ratio(e, phi1), m2 = parallel_radius_ratio(e, phi2);
  const double n =
      std::fabs(phi1 - phi2) >= eqdc::kParallelTolerance ? a * (m1 - m2) / (big_m2 - big_m1) : std::sin(phi1);
  p[eqdc::n] = n;
  p[eqdc::g] = m1 / n + big_m1 / a;
  p[eqdc::rho0] = a * p[eqdc::g] - m0;
}

void equidistant_conic_forward(double* p, double phi, double lambda, double* northing, double* easting,
                               double* convergence, double* scale) {
  const double a = p[in::a], n = p[eqdc::n];
  const double rho = a * p[eqdc::g] - meridian_distance(p, a, phi);
  const double theta = n * (lambda - p[in::lambda0]);
  put(convergence, theta);
  *easting = rho * std::sin(theta) + p[in::fe];
  *northing = p[eqdc::rho0] - rho * std::cos(theta) + p[in::fn];
  if (scale) *scale = n * rho / (a * parallel_radius_ratio(p[in::e], phi));
}

void equidistant_conic_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                               double* convergence, double*) {
  const double a = p[in::a], n = p[eqdc::n];
  const double e2 = p[eqdc::e2], e4 = p[eqdc::e4], e6 = p[eqdc::e6];
  const double x = easting - p[in::fe], y = northing - p[in::fn], rho0 = p[eqdc::rho0];
  const double theta = cone_angle(n, x, rho0 - y);
  put(convergence, theta);
  *lambda = theta / n + p[in::lambda0];
  const double rho = std::copysign(std::sqrt(x * x + (rho0 - y) * (rho0 - y)), n);
  const double mu = (a * p[eqdc::g] - rho) / (a * (1 - e2 / 4 - 3 * e4 / 64 - 5 * e6 / 256));
  *phi = footpoint_latitude(p, mu);
}

// ---------------------------------------------------------------------------
// Bonne (Snyder chapter 19); slot 4 is the standard parallel, never 0.
namespace bonne {
constexpr int m1 = 29, big_m1 = 30, rho_offset = 31;
}  // namespace bonne

void bonne_constants(double* p) {
  store_sinusoidal_constants(p);
  const double a = p[in::a], phi0 = p[in::phi0];
  p[bonne::m1] = parallel_radius_ratio(p[in::e], phi0);
  p[bonne::big_m1] = meridian_distance(p, a, phi0);
  p[bonne::rho_offset] = a * p[bonne::m1] / std::sin(phi0) + p[bonne::big_m1];
}

void bonne_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                   double*) {
  const double a = p[in::a];
  const double rho = p[bonne::rho_offset] - meridian_distance(p, a, phi);
  const double big_e = a * parallel_radius_ratio(p[in::e], phi) * (lambda - p[in::lambda0]) / rho;
  *easting = rho * std::sin(big_e) + p[in::fe];
  *northing = a * p[bonne::m1] / std::sin(p[in::phi0]) - rho * std::cos(big_e) + p[in::fn];
}

void bonne_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                   double*) {
  const double a = p[in::a], phi0 = p[in::phi0];
  double x = easting - p[in::fe];
  double apex_y = a * p[bonne::m1] / std::sin(phi0) - (northing - p[in::fn]);
  double rho = std::sqrt(x * x + apex_y * apex_y);
  if (phi0 < 0) {
    rho = -rho;
    x = -x;
    apex_y = -apex_y;
  }
  const double mu = (p[bonne::rho_offset] - rho) / p[meridian_slot::sinusoidal_radius];
  *phi = footpoint_latitude(p, mu);
  *lambda = p[in::lambda0] + rho * std::atan2(x, apex_y) / (a * parallel_radius_ratio(p[in::e], *phi));
}

// ---------------------------------------------------------------------------
// IMW Polyconic (Snyder chapter 16), the sheet between the northern parallel
// φa (slot 2) and the southern parallel φb (slot 3), true scale on the
// meridian slot 12.
namespace imw {
constexpr int yc0 = 41, yc_slope = 42, xc0 = 43, xc_slope = 44;
constexpr int scratch_yb = 45, ya_offset = 46, rb = 47, ra = 48;
constexpr int kMaxRounds = 51;
constexpr double kTolerance = 1e-7;  // linear units

// a/(√(1 − e² sin²φ)·tan φ), the radius of the parallel's cone, from the
// sine and cosine of φ.
double parallel_radius_at(double a, double e, double sin_phi, double cos_phi) {
  return a / (std::sqrt(1 - e * e * sin_phi * sin_phi) * (sin_phi / cos_phi));
}

double parallel_radius(double a, double e, double phi) {
  return parallel_radius_at(a, e, std::sin(phi), std::cos(phi));
}

struct PlanePoint {
  double x, y;
};

// The sines of the sheet's two parallels, which every projected point needs.
struct Sheet {
  double sin_phia, sin_phib;
};

Sheet sheet_of(const double* p) { return {std::sin(p[in::phi1]), std::sin(p[in::phi2])}; }

// Plane coordinates without the false offsets; keeps Yb in the scratch slot.
PlanePoint project(double* p, const Sheet& sheet, double phi, double lambda) {
  const double a = p[in::a], e = p[in::e], dl = lambda - p[in::lambda0];
  const double phia = p[in::phi1], phib = p[in::phi2];
  const double sin_phi = std::sin(phi), cos_phi = std::cos(phi);
  const double m = meridian_distance_at(p, a, phi, sin_phi, cos_phi);
  const double yc = p[yc0] + p[yc_slope] * m;
  const double xc = p[xc0] + p[xc_slope] * m;
  double xa = a * dl, ya = p[ya_offset];
  if (phia != 0) {
    const double f = sheet.sin_phia * dl;
    xa = p[ra] * std::sin(f);
    ya = p[ya_offset] + p[ra] * (1 - std::cos(f));
  }
  double xb = a * dl, yb = 0;
  if (phib != 0) {
    const double f = sheet.sin_phib * dl;
    xb = p[rb] * std::sin(f);
    yb = p[rb] * (1 - std::cos(f));
  }
  p[scratch_yb] = yb;
  if (phi == 0) return {a * dl, 0};
  const double r = parallel_radius_at(a, e, sin_phi, cos_phi);
  const double side = phi > 0 ? 1.0 : -1.0;
  const double y0 = yc - r + side * std::sqrt(r * r - xc * xc) + r;
  const double k = (xa - xb) / (ya - yb);
  const double w = (y0 - yb) * k + xb;
  const double x = (w - side * k * std::sqrt(r * r * (1 + k * k) - w * w)) / (1 + k * k);
  return {x, y0 - side * std::sqrt(r * r - x * x)};
}
}  // namespace imw

void imw_polyconic_constants(double* p) {
  store_sinusoidal_constants(p);
  const double a = p[in::a], e = p[in::e];
  const double phia = p[in::phi1], phib = p[in::phi2];
  const double dl1 = p[in::lambda1] - p[in::lambda0];
  const double ma = meridian_distance(p, a, phia), mb = meridian_distance(p, a, phib);
  p[imw::ra] = imw::parallel_radius(a, e, phia);
  p[imw::rb] = imw::parallel_radius(a, e, phib);
  const double fa = std::sin(phia) * dl1, fb = std::sin(phib) * dl1;
  const double xa = p[imw::ra] * std::sin(fa), ya = p[imw::ra] * (1 - std::cos(fa));
  const double xb = p[imw::rb] * std::sin(fb), yb = p[imw::rb] * (1 - std::cos(fb));
  const double d = ma - mb;
  const double t = yb + std::sqrt(d * d - (xa - xb) * (xa - xb));
  p[imw::ya_offset] = t - ya;
  p[imw::yc0] = (ma * yb - mb * t) / d;
  p[imw::yc_slope] = (t - yb) / d;
  p[imw::xc0] = (ma * xb - mb * xa) / d;
  p[imw::xc_slope] = (xa - xb) / d;
}

void imw_polyconic_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                           double*) {
  const imw::PlanePoint point = imw::project(p, imw::sheet_of(p), phi, lambda);
  *easting = point.x + p[in::fe];
  *northing = point.y + p[in::fn];
}

// The inverse solves the forward for (φ, λ) with Broyden's method: Newton's
// steps with a Jacobian that each round corrects by the last step's change
// of (Y, X), so that the coupling of the coordinates is learnt and the
// rounds converge superlinearly. The start is the latitude whose central
// meridian point lies at the northing, less the rise x²·tan φ/(2a) of the
// parallel at the easting, with the Jacobian of a polyconic there. The test
// that stops the rounds is the residual one of the classic iteration. A
// point on the central meridian keeps the central meridian (its longitude
// ratio x/X would be 0/0 there).
namespace imw {
struct Jacobian {
  double y_phi, y_lambda, x_phi, x_lambda;  // ∂Y/∂φ, ∂Y/∂λ, ∂X/∂φ, ∂X/∂λ
};

// Broyden's correction of j for the step (dphi, dlambda) that moved the
// projected point by (dy, dx).
void learn(Jacobian& j, double dphi, double dlambda, double dy, double dx) {
  const double length2 = dphi * dphi + dlambda * dlambda;
  if (length2 == 0) return;
  const double miss_y = (dy - j.y_phi * dphi - j.y_lambda * dlambda) / length2;
  const double miss_x = (dx - j.x_phi * dphi - j.x_lambda * dlambda) / length2;
  j.y_phi += miss_y * dphi;
  j.y_lambda += miss_y * dlambda;
  j.x_phi += miss_x * dphi;
  j.x_lambda += miss_x * dlambda;
}
}  // namespace imw

void imw_polyconic_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                           double*) {
  const double lambda0 = p[in::lambda0];
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const imw::Sheet sheet = imw::sheet_of(p);
  const bool central = x == 0;
  const double a = p[in::a], e2 = p[in::e] * p[in::e];
  const auto meridian_latitude = [p](double northing_on_meridian) {
    return footpoint_latitude(p, (northing_on_meridian - p[imw::yc0]) / p[imw::yc_slope] /
                                     p[meridian_slot::sinusoidal_radius]);
  };
  const double first_guess = meridian_latitude(y);
  double lat = meridian_latitude(y - x * x * tan_of(first_guess) / (2 * a));
  const double s = std::sin(lat), w2 = 1 - e2 * s * s;
  const double parallel = a * std::cos(lat) / std::sqrt(w2);
  double lon = x / parallel + lambda0;
  // The meridian's radius ρ (scaled as the central meridian is), the parallel's
  // radius N cos φ, and the coupling of a polyconic: parallels rise by x·sin φ
  // per unit of λ, meridians converge by x·tan φ·ρ/N per unit of φ.
  const double meridian = a * (1 - e2) / (w2 * std::sqrt(w2));
  imw::Jacobian j{p[imw::yc_slope] * meridian, x * s, -x * tan_of(lat) * (1 - e2) / w2, parallel};
  double residual_y = 0, residual_x = 0, step_phi = 0, step_lambda = 0;
  for (int round = 0; round < imw::kMaxRounds; ++round) {
    const imw::PlanePoint point = imw::project(p, sheet, lat, lon);
    const double next_y = y - point.y, next_x = x - point.x;
    if (round > 0) imw::learn(j, step_phi, step_lambda, residual_y - next_y, residual_x - next_x);
    residual_y = next_y;
    residual_x = next_x;
    if (central) {
      step_phi = residual_y / j.y_phi;
      step_lambda = 0;
    } else {
      const double det = j.y_phi * j.x_lambda - j.y_lambda * j.x_phi;
      step_phi = (residual_y * j.x_lambda - residual_x * j.y_lambda) / det;
      step_lambda = (residual_x * j.y_phi - residual_y * j.x_phi) / det;
    }
    lat += step_phi;
    lon += step_lambda;
    if (std::fabs(residual_x) <= imw::kTolerance && std::fabs(residual_y) <= imw::kTolerance) break;
  }
  *phi = lat;
  *lambda = central ? lambda0 : lon;
}

// ---------------------------------------------------------------------------
// Polyconic, American (Snyder chapter 18)
namespace poly {
constexpr int m0 = 30;
constexpr double kEquatorTolerance = 1e-7;
constexpr double kHalfTurnDegrees = 180;
}  // namespace poly

void polyconic_constants(double* p) {
  store_meridian_coefficients(p);
  p[poly::m0] = meridian_distance(p, p[in::a], p[in::phi0]);
}

// Moves the central meridian by a whole turn when the point lies more than a
// half turn away; the moved meridian stays in the array.
void polyconic_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                       double* scale) {
  const double degrees = (lambda - p[in::lambda0]) * kDegreesPerRadian;
  if (degrees < -poly::kHalfTurnDegrees) {
    p[in::lambda0] -= kTwoPi;
  } else if (degrees > poly::kHalfTurnDegrees) {
    p[in::lambda0] += kTwoPi;
  }
  const double a = p[in::a], e = p[in::e], dl = lambda - p[in::lambda0];
  if (std::fabs(phi) < poly::kEquatorTolerance) {
    *easting = a * dl + p[in::fe];
    *northing = -p[poly::m0] + p[in::fn];
  } else {
    const double s = std::sin(phi);
    const double n_cot = a / std::sqrt(1 - e * e * s * s) * std::cos(phi) / s;
    const double big_e = dl * s;
    *easting = n_cot * std::sin(big_e) + p[in::fe];
    *northing = meridian_distance(p, a, phi) - p[poly::m0] + n_cot * (1 - std::cos(big_e)) + p[in::fn];
  }
  put(scale, 1.0);
}

void polyconic_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                       double* scale) {
  namespace slot = meridian_slot;
  const double a = p[in::a], e = p[in::e], e2 = e * e;
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  put(scale, 1.0);
  if (std::fabs(p[poly::m0] + y) < poly::kEquatorTolerance) {
    *phi = 0;
    *lambda = x / a + p[in::lambda0];
    return;
  }
  const double aa = (p[poly::m0] + y) / a;
  const double bb = x * x / (a * a) + aa * aa;
  // M/a and its derivative M′ from one sine and cosine of φ: the
  // multiple-angle sums run on 2φ.
  const double minus_e1 = -p[slot::e1], e2_coefficient = p[slot::e2], minus_e3 = -p[slot::e3];
  const double arc[] = {minus_e1, e2_coefficient, minus_e3};
  const double slope[] = {2 * minus_e1, 4 * e2_coefficient, 6 * minus_e3};
  double lat = aa, s = std::sin(lat), c = std::cos(lat);
  for (int round = 0; round < kLatitudeRounds; ++round) {
    const double s2 = 2 * s * c, c2 = c * c - s * s;
    const double cc = std::sqrt(1 - e2 * s * s) * s / c;
    const double ma = p[slot::e0] * lat + clenshaw(arc, 3, s2, c2).sine;
    const double dm = p[slot::e0] + clenshaw(slope, 3, s2, c2).cosine;
    const double change = (aa * (cc * ma + 1) - ma - 0.5 * (ma * ma + bb) * cc) /
                          (e2 * s2 * (ma * ma + bb - 2 * aa * ma) / (4 * cc) + (aa - ma) * (cc * dm - 2 / s2) - dm);
    lat -= change;
    s = std::sin(lat);
    c = std::cos(lat);
    if (std::fabs(change) <= kConvergenceTolerance) break;
  }
  *phi = lat;
  *lambda = p[in::lambda0] + std::asin(x * std::sqrt(1 - e2 * s * s) * s / c / a) / s;
}

}  // namespace

const Routines lambert_two_parallel = {lambert_two_parallel_constants, lambert_two_parallel_forward,
                                       lambert_two_parallel_inverse};
const Routines lambert_one_parallel = {lambert_one_parallel_constants, lambert_one_parallel_forward,
                                       lambert_one_parallel_inverse};
const Routines albers = {albers_constants, albers_forward, albers_inverse};
const Routines equidistant_conic = {equidistant_conic_constants, equidistant_conic_forward,
                                    equidistant_conic_inverse};
const Routines bonne = {bonne_constants, bonne_forward, bonne_inverse};
const Routines imw_polyconic = {imw_polyconic_constants, imw_polyconic_forward, imw_polyconic_inverse};
const Routines polyconic = {polyconic_constants, polyconic_forward, polyconic_inverse};

}  // namespace vantor
