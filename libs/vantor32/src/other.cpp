// Pseudocylindrical and other projections. Formulas: Snyder, Map Projections —
// A Working Manual (USGS PP 1395): Sinusoidal chapter 30, Van der Grinten
// chapter 29, Mollweide chapter 31, Robinson chapter 32, Space Oblique
// Mercator chapter 27 (the elliptical-orbit form, Fourier coefficients by
// Simpson's rule). Two Point Fit is a Transverse Mercator followed by the
// similarity transformation that carries two control points onto targets.
#include "other.h"

#include "cylindrical.h"
#include "shared_math.h"

namespace vantor {
namespace {

// ---------------------------------------------------------------------------
// Mollweide (sphere)
namespace moll {
constexpr int x_radius = 29, y_radius = 30;
}  // namespace moll

void mollweide_constants(double* p) {
  const double r = p[in::radius];
  p[moll::x_radius] = std::sqrt(8.0) / kPi * r;
  p[moll::y_radius] = std::sqrt(2.0) * r;
}

// Newton's method on θ′ + sin θ′ = π sin φ; near the poles the root is
// triple and the steps shrink only by a third each, hence the round bound.
void mollweide_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                       double*) {
  const double target = kPi * std::sin(phi);
  double theta = phi;
  for (int round = 0; round < kMaxRounds; ++round) {
    const double change = (theta + std::sin(theta) - target) / (1 + std::cos(theta));
    theta -= change;
    if (std::fabs(change) <= kConvergenceTolerance) break;
  }
  theta /= 2;
  *easting = p[moll::x_radius] * (lambda - p[in::lambda0]) * std::cos(theta) + p[in::fe];
  *northing = p[moll::y_radius] * std::sin(theta) + p[in::fn];
}

void mollweide_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                       double*) {
  const double theta = std::asin((northing - p[in::fn]) / p[moll::y_radius]);
  *phi = std::asin((2 * theta + std::sin(2 * theta)) / kPi);
  *lambda = p[in::lambda0] + (easting - p[in::fe]) / (p[moll::x_radius] * std::cos(theta));
}

// ---------------------------------------------------------------------------
// Robinson: Robinson's parallel lengths (times 0.9858) and distances from the
// equator every 5°, row 0 mirroring −5°, interpolated through three rows.
namespace robin {
constexpr int kRows = 20;
constexpr double kLengthScale = 0.9858;
constexpr double kLength[kRows] = {
    0.9986 * kLengthScale, 1.0000 * kLengthScale, 0.9986 * kLengthScale, 0.9954 * kLengthScale,
    0.9900 * kLengthScale, 0.9822 * kLengthScale, 0.9730 * kLengthScale, 0.9600 * kLengthScale,
    0.9427 * kLengthScale, 0.9216 * kLengthScale, 0.8962 * kLengthScale, 0.8679 * kLengthScale,
    0.8350 * kLengthScale, 0.7986 * kLengthScale, 0.7597 * kLengthScale, 0.7186 * kLengthScale,
    0.6732 * kLengthScale, 0.6213 * kLengthScale, 0.5722 * kLengthScale, 0.5322 * kLengthScale,
};
constexpr double kDistance[kRows] = {
    -0.0620, 0.0000, 0.0620, 0.1240, 0.1860, 0.2480, 0.3100, 0.3720, 0.4340, 0.4958,
    0.5571,  0.6176, 0.6769, 0.7346, 0.7903, 0.8435, 0.8936, 0.9394, 0.9761, 1.0000,
};
constexpr double kDegreesPerRow = 5;
constexpr double kRowsToPole = 18;
// The last row that still has two rows after it; the top rows are reached with
// a fraction of 1 from there, which gives the same value at the pole.
constexpr int kLastStartRow = kRows - 3;

struct TablePosition {
  int row;
  double fraction;
};

TablePosition position_of(double rows) {
  // Clamped to the table, with comparisons that are false for NaN, so that
  // no NaN and no out-of-range value reaches the cast or the table.
  int row = 0;
  if (rows > 0) row = rows < kLastStartRow ? static_cast<int>(rows) : kLastStartRow;
  return {row, rows - row};
}

double interpolate(const double (&column)[kRows], TablePosition at) {
  const double t0 = column[at.row], t1 = column[at.row + 1], t2 = column[at.row + 2];
  const double f = at.fraction;
  return t1 + f * (t2 - t0) / 2 + f * f * (t2 - 2 * t1 + t0) / 2;
}

// The slope of the interpolation above per row.
double interpolation_slope(const double (&column)[kRows], TablePosition at) {
  const double t0 = column[at.row], t1 = column[at.row + 1], t2 = column[at.row + 2];
  return (t2 - t0) / 2 + at.fraction * (t2 - 2 * t1 + t0);
}

// Steps in rows whose slope is this small are taken at the slope of the
// equator instead: beyond the table's last rows the extrapolated distance
// bends back, and a Newton step there would leap away.
constexpr double kFlattestSlope = 0.01;
constexpr double kEquatorSlope = 1 / kRowsToPole;
}  // namespace robin

void robinson_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                      double*) {
  const double a = p[in::a];
  const robin::TablePosition at = robin::position_of(std::fabs(phi) * kDegreesPerRadian / robin::kDegreesPerRow);
  const double x = robin::interpolate(robin::kLength, at);
  const double y = robin::interpolate(robin::kDistance, at) * a * kHalfPi;
  *easting = x * a * (lambda - p[in::lambda0]) + p[in::fe];
  *northing = (phi < 0 ? -y : y) + p[in::fn];
}

void robinson_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                      double*) {
  const double a = p[in::a], quarter = a * kHalfPi;
  const double y = northing - p[in::fn];
  double rows = robin::kRowsToPole * std::fabs(y) / quarter;
  robin::TablePosition at = robin::position_of(rows);
  // Newton's method on the interpolated distance, which stops on the same
  // residual as a fixed step of the equator's slope would, in a few rounds.
  for (int round = 0; round < kMaxRounds; ++round) {
    at = robin::position_of(rows);
    const double residual = std::fabs(y) - robin::interpolate(robin::kDistance, at) * quarter;
    const double slope = robin::interpolation_slope(robin::kDistance, at);
    rows += residual / (quarter * (slope >= robin::kFlattestSlope ? slope : robin::kEquatorSlope));
    if (std::fabs(residual) <= kConvergenceTolerance) break;
  }
  const double lat = rows * robin::kDegreesPerRow * kRadiansPerDegree;
  *phi = y < 0 ? -lat : lat;
  const double x = robin::interpolate(robin::kLength, {at.row, rows - at.row});
  *lambda = p[in::lambda0] + (easting - p[in::fe]) / (x * a);
}

// ---------------------------------------------------------------------------
// Sinusoidal (ellipsoid)
void sinusoidal_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                        double*) {
  const double a = p[in::a], e = p[in::e], s = std::sin(phi);
  *northing = meridian_distance(p, a, phi) + p[in::fn];
  *easting = a * (lambda - p[in::lambda0]) * std::cos(phi) / std::sqrt(1 - e * e * s * s) + p[in::fe];
}

void sinusoidal_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                        double*) {
  const double a = p[in::a], e = p[in::e];
  const double lat = footpoint_latitude(p, (northing - p[in::fn]) / p[meridian_slot::sinusoidal_radius]);
  const double s = std::sin(lat);
  *phi = lat;
  *lambda = p[in::lambda0] + (easting - p[in::fe]) * std::sqrt(1 - e * e * s * s) / (a * std::cos(lat));
}

// ---------------------------------------------------------------------------
// Van der Grinten 1 (sphere)
namespace vdg {
constexpr double kTolerance = 1e-7;
}  // namespace vdg

void van_der_grinten_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                             double*) {
  const double r = p[in::radius];
  double dl = lambda - p[in::lambda0];
  double x = 0, y = 0;
  const double theta = std::asin(std::fabs(2 * phi / kPi));
  if (std::fabs(phi) < vdg::kTolerance) {
    x = r * dl;
  } else if (std::fabs(std::fabs(phi) - kHalfPi) >= vdg::kTolerance && std::fabs(dl) >= vdg::kTolerance) {
    if (dl < -kTwoPi) {
      dl += kTwoPi;
    } else if (dl > kTwoPi) {
      dl -= kTwoPi;
    }
    const double aa = 0.5 * std::fabs(kPi / dl - dl / kPi), a2 = aa * aa;
    const double st = std::sin(theta), ct = std::cos(theta);
    const double g = ct / (st + ct - 1);
    const double pp = g * (2 / st - 1), p2 = pp * pp;
    const double q = a2 + g;
    const double gp = g - p2;
    x = std::copysign(kPi * r * std::fabs(aa * gp + std::sqrt(a2 * gp * gp - (p2 + a2) * (g * g - p2))) / (p2 + a2),
                      dl);
    y = std::copysign(kPi * r * std::fabs(pp * q - aa * std::sqrt((a2 + 1) * (p2 + a2) - q * q)) / (p2 + a2), phi);
  } else {
    y = std::copysign(kPi * r * std::fabs(tan_of(theta / 2)), phi);
  }
  *easting = x + p[in::fe];
  *northing = y + p[in::fn];
}

void van_der_grinten_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                             double*) {
  const double r = p[in::radius];
  const double xm = easting - p[in::fe], ym = northing - p[in::fn];
  const double x = xm / (kPi * r), y = ym / (kPi * r);
  const double x2 = x * x, y2 = y * y, r2 = x2 + y2;
  const double c1 = -std::fabs(y) * (1 + r2);
  const double c2 = c1 - 2 * y2 + x2;
  const double c3 = -2 * c1 + 1 + 2 * y2 + r2 * r2;
  const double d = y2 / c3 + (2 * c2 * c2 * c2 / (c3 * c3 * c3) - 9 * c1 * c2 / (c3 * c3)) / 27;
  const double a1 = (c1 - c2 * c2 / (3 * c3)) / c3;
  const double m1 = 2 * std::sqrt(-a1 / 3);
  const double theta1 = std::acos(3 * d / (a1 * m1)) / 3;
  *phi = std::fabs(ym) > vdg::kTolerance
             ? std::copysign(kPi * std::fabs(-m1 * std::cos(theta1 + kPi / 3) - c2 / (3 * c3)), ym)
             : 0;
  *lambda = std::fabs(xm) <= vdg::kTolerance
                ? p[in::lambda0]
                : p[in::lambda0] + kPi * (r2 - 1 + std::sqrt(1 + 2 * (x2 - y2) + r2 * r2)) / (2 * x);
}

// ---------------------------------------------------------------------------
// Space Oblique Mercator for a satellite in an elliptical orbit.
namespace som {
constexpr int kTerms = 10;  // Fourier terms k = 0..9
constexpr int a_coeff = 29, b_coeff = 39, c_coeff = 49, d_coeff = 59;
constexpr int a_mean = 69, c_mean = 70, rotation_cos = 71, rotation_sin = 72;
constexpr int p73 = 73, p74 = 74, p75 = 75, one_minus_e2_cubed = 76;
constexpr int kIntegrationSteps = 40;
constexpr double kIntegrationStep = 0.15707963267948966;  // π/20

struct Orbit {
  double inclination, perigee, eccentricity, period_ratio;
  double minor_ratio;  // √(1 − ε²)
  double beta;         // ε/(1 + √(1 − ε²))
  double sin_i, cos_i, sin_perigee, cos_perigee;
};

Orbit orbit_of(const double* p) {
  const double eccentricity = p[in::orbit_eccentricity], inclination = p[in::orbit_inclination];
  const double perigee = p[in::orbit_perigee];
  const double minor_ratio = std::sqrt(1 - eccentricity * eccentricity);
  return {inclination,
          perigee,
          eccentricity,
          p[in::satellite_period] / p[in::earth_period],
          minor_ratio,
          eccentricity / (1 + minor_ratio),
          std::sin(inclination),
          std::cos(inclination),
          std::sin(perigee),
          std::cos(perigee)};
}

// An angle (an orbit longitude λ′, or λt) with its sine and cosine, which
// the iterations often know without a trigonometric call.
struct Angle {
  double angle, sine, cosine;
};

Angle angle_of(double angle) { return {angle, std::sin(angle), std::cos(angle)}; }

// atan z for the small z of a near-circular orbit by its series (the first
// omitted term is below 1e-23 for |z| < 0.01), else the library's.
constexpr double kSmallArctangent = 0.01;
double orbit_arctangent(double z) {
  if (std::fabs(z) >= kSmallArctangent) return std::atan(z);
  constexpr double c3 = 1.0 / 3, c5 = 1.0 / 5, c7 = 1.0 / 7, c9 = 1.0 / 9;
  const double z2 = z * z;
  return z * (1 - z2 * (c3 - z2 * (c5 - z2 * (c7 - z2 * c9))));
}

// Eccentric anomaly E at the orbit longitude λ′, with ν = λ′ − ω: the
// half-angle form tan(E/2) = √((1 − ε)/(1 + ε))·tan(ν/2) written as
// E = ν − 2·atan z with z = β sin ν/(1 + β cos ν), which is continuous in λ′
// (the anomaly does not jump at ν = ±π) and gives sin E and cos E from those
// of ν by a rotation through 2·atan z, known from z alone.
struct Anomaly {
  double z, sine, cosine;
};

inline Anomaly eccentric_anomaly(const Orbit& o, const Angle& l) {
  const double sin_nu = l.sine * o.cos_perigee - l.cosine * o.sin_perigee;
  const double cos_nu = l.cosine * o.cos_perigee + l.sine * o.sin_perigee;
  const double z = o.beta * sin_nu / (1 + o.beta * cos_nu);
  const double z2 = z * z, scale = 1 / (1 + z2);
  const double cos_turn = (1 - z2) * scale, sin_turn = 2 * z * scale;
  return {z, sin_nu * cos_turn - cos_nu * sin_turn, cos_nu * cos_turn + sin_nu * sin_turn};
}

double orbit_term(const double* p, const Orbit& o, const Angle& l) {
  const double s = l.sine;
  const double radial = 1 - o.eccentricity * eccentric_anomaly(o, l).cosine;
  return o.period_ratio * o.sin_i * l.cosine * radial * radial / o.minor_ratio *
         std::sqrt((1 + p[p73] * s * s) / ((1 + p[p74] * s * s) * (1 + p[p75] * s * s)));
}

// The Fourier sums for k = 1..9 at the orbit longitude λ″: Σ A_k sin kλ″,
// Σ B_k cos kλ″, Σ C_k sin kλ″, Σ D_k cos kλ″.
struct Series {
  double a_sine, b_cosine, c_sine, d_cosine;
};

// Clenshaw's recurrences of the four series run side by side in one loop,
// so that their chains of dependent steps overlap.
Series series_at(const double* p, const Angle& l) {
  const double two_cos = 2 * l.cosine;
  double a1 = 0, a2 = 0, b1 = 0, b2 = 0, c1 = 0, c2 = 0, d1 = 0, d2 = 0;
  for (int k = kTerms - 1; k >= 1; --k) {
    const double a0 = p[a_coeff + k] + two_cos * a1 - a2;
    const double b0 = p[b_coeff + k] + two_cos * b1 - b2;
    const double c0 = p[c_coeff + k] + two_cos * c1 - c2;
    const double d0 = p[d_coeff + k] + two_cos * d1 - d2;
    a2 = a1;
    a1 = a0;
    b2 = b1;
    b1 = b0;
    c2 = c1;
    c1 = c0;
    d2 = d1;
    d1 = d0;
  }
  return {a1 * l.sine, b1 * l.cosine - b2, c1 * l.sine, d1 * l.cosine - d2};
}

// Σ B_k and Σ D_k for k = 1..9, the cosine sums at λ″ = 0.
struct SeriesTotals {
  double b, d;
};

SeriesTotals series_totals(const double* p) {
  SeriesTotals totals{0, 0};
  for (int k = 1; k < kTerms; ++k) {
    totals.b += p[b_coeff + k];
    totals.d += p[d_coeff + k];
  }
  return totals;
}

// The mean anomaly plus ω, scaled by the period ratio: the Earth's turn
// under the satellite at the orbit longitude λ′ (ω + E = λ′ − 2·atan z).
inline double earth_turn(const Orbit& o, const Angle& l, const Anomaly& anomaly) {
  return (l.angle - 2 * orbit_arctangent(anomaly.z) - o.eccentricity * anomaly.sine) * o.period_ratio;
}

// The same turn's rate of change with λ′: P·dE/dλ′·(1 − ε cos E), where
// dE/dν = (1 − ε cos E)/√(1 − ε²).
inline double earth_turn_rate(const Orbit& o, const Anomaly& anomaly) {
  const double radial = 1 - o.eccentricity * anomaly.cosine;
  return o.period_ratio * radial * radial / o.minor_ratio;
}
}  // namespace som

void space_oblique_mercator_constants(double* p) {
  using namespace som;
  const double e = p[in::e], e2 = e * e;
  const Orbit o = orbit_of(p);
  const double si = o.sin_i, ci = o.cos_i;
  p[one_minus_e2_cubed] = (1 - e2) * (1 - e2) * (1 - e2);
  p[p74] = e2 * si * si / (1 - e2);
  p[p73] = (2 - e2) * p[p74] / (1 - e2);
  const double ratio = (1 - e2 * ci * ci) / (1 - e2);
  p[p75] = ratio * ratio - 1;
  for (int k = 0; k < kTerms; ++k) p[a_coeff + k] = p[b_coeff + k] = p[c_coeff + k] = p[d_coeff + k] = 0;
  const double s76 = p[one_minus_e2_cubed];
  for (int node = 0; node <= kIntegrationSteps; ++node) {
    const double lambda_orbit = node * kIntegrationStep;
    const double s = std::sin(lambda_orbit), s2 = s * s;
    const Angle node_longitude = angle_of(lambda_orbit);
    const double radial = 1 - o.eccentricity * eccentric_anomaly(o, node_longitude).cosine;
    const double j = ((1 + p[p75] * s2) / ((1 + p[p74] * s2) * (1 + p[p74] * s2)) -
                      ci * o.period_ratio * o.minor_ratio * radial * radial) *
                     std::sqrt((1 + p[p74] * s2) / (1 + p[p75] * s2));
    const double big_s = orbit_term(p, o, node_longitude);
    const double simpson = (node == 0 || node == kIntegrationSteps) ? 1 : (node % 2 == 0 ? 2 : 4);
    const double w = kIntegrationStep / 3 * simpson;
    const double norm = std::sqrt(s76 * s76 + big_s * big_s);
    const double t1 = w * (j * s76 - big_s * big_s) / norm;
    const double t2 = w * big_s * (j + s76) / norm;
    for (int k = 0; k < kTerms; ++k) {
      const double ck = std::cos(k * lambda_orbit), sk = std::sin(k * lambda_orbit);
      p[a_coeff + k] += t1 * ck;
      p[b_coeff + k] += t1 * sk;
      p[c_coeff + k] += t2 * ck;
      p[d_coeff + k] += t2 * sk;
    }
  }
  p[a_mean] = p[a_coeff] / kTwoPi;
  p[c_mean] = p[c_coeff] / kTwoPi;
  for (int k = 1; k < kTerms; ++k) {
    p[a_coeff + k] /= k * kPi;
    p[b_coeff + k] /= k * kPi;
    p[c_coeff + k] /= k * kPi;
    p[d_coeff + k] /= k * kPi;
  }
  const double length = std::sqrt(p[a_mean] * p[a_mean] + p[c_mean] * p[c_mean]);
  p[rotation_cos] = p[a_mean] / length;
  p[rotation_sin] = p[c_mean] / length;
}

namespace som {
// The angle from one orbit longitude to another, both in (π/2, 3π/2) or
// near it, from their sines and cosines: by the short series when small.
double angle_between(const Angle& from, double to_sine, double to_cosine) {
  const double sine = to_sine * from.cosine - to_cosine * from.sine;
  const double cosine = to_cosine * from.cosine + to_sine * from.sine;
  return cosine > 0 ? orbit_arctangent(sine / cosine) : std::atan2(sine, cosine);
}

// An angle moved by d, its sine and cosine by a rotation through d
// (Taylor's series for |d| below 0.01, whose first omitted terms are under
// 1e-23).
constexpr double kSmallTurn = 0.01;
Angle turned_by(const Angle& from, double d) {
  double sin_d = 0, cos_d = 0;
  if (std::fabs(d) < kSmallTurn) {
    constexpr double s3 = 1.0 / 6, s5 = 1.0 / 20, s7 = 1.0 / 42, c2 = 0.5, c4 = 1.0 / 12, c6 = 1.0 / 30;
    const double d2 = d * d;
    sin_d = d * (1 - d2 * s3 * (1 - d2 * s5 * (1 - d2 * s7)));
    cos_d = 1 - d2 * c2 * (1 - d2 * c4 * (1 - d2 * c6));
  } else {
    sin_d = std::sin(d);
    cos_d = std::cos(d);
  }
  return {from.angle + d, from.sine * cos_d + from.cosine * sin_d, from.cosine * cos_d - from.sine * sin_d};
}

// Newton's method takes the fixed-point step only while the step's own
// slope is below this; steeper, the plain step is safer.
constexpr double kSteepestStepSlope = 0.5;
// Aitken's extrapolation only while the steps shrink at least this fast.
constexpr double kSlowestContraction = 0.5;
}  // namespace som

void space_oblique_mercator_forward(double* p, double phi, double lambda, double* northing, double* easting,
                                    double*, double*) {
  using namespace som;
  const double e = p[in::e], e2 = e * e, s76 = p[one_minus_e2_cubed];
  const Orbit o = orbit_of(p);
  const double si = o.sin_i, ci = o.cos_i;
  const double sp = std::sin(phi), cp = std::cos(phi);
  const double track = sp / cp * si * (1 - e2);
  const double dl = lambda - p[in::orbit_node];
  // Near the ground track sin λ″ = −sign(cos λt)·sin φ/sin i, so the usual
  // start asin(sin φ/sin i) + π lies on the wrong side of the orbit where
  // λt points away from the reference meridian; its mirror about π starts
  // there instead, a round closer to the root.
  const double start = sp / si, start_offset = std::asin(start), start_cos = std::sqrt(1 - start * start);
  Angle orbit{kPi + start_offset, -start, -start_cos};
  Anomaly anomaly = eccentric_anomaly(o, orbit);
  double lambda_t = earth_turn(o, orbit, anomaly) + dl;
  if (std::fabs(reduce_to_half_turn(lambda_t)) > kHalfPi) {
    orbit = {kPi - start_offset, start, -start_cos};
    anomaly = eccentric_anomaly(o, orbit);
    lambda_t = earth_turn(o, orbit, anomaly) + dl;
  }
  // λ″ = g(λ″) with g(λ″) = atan((track + sin λt·cos i)/cos λt) + π, solved
  // by Halley's method on λ″ − g(λ″): the fixed-point step g(λ″) − λ″
  // divided by 1 − g′(λ″) less a curvature term. After the first round λt
  // moves little, and its sine and cosine follow by rotation.
  Angle turn = angle_of(lambda_t);
  double turn_rate = 0, step = 0;
  for (int round = 0; round < kMaxRounds; ++round) {
    turn_rate = earth_turn_rate(o, anomaly);
    // g = atan(num/cos λt) + π, known by its sine and cosine; the plain step
    // to it is found from those without an arctangent call once it is small.
    const double sin_t = turn.sine, cos_t = turn.cosine;
    const double num = track + sin_t * ci, inverse_length = 1 / std::sqrt(num * num + cos_t * cos_t);
    const double sin_g = -num * std::copysign(inverse_length, cos_t), cos_g = -std::fabs(cos_t) * inverse_length;
    const double plain_step = angle_between(orbit, sin_g, cos_g);
    // g′ = h(λt)·dλt/dλ″ with h = (cos i + track·sin λt)/(cos²λt + num²), and
    // g″ ≈ h′(λt)·(dλt/dλ″)² for Halley's step, which ends most points'
    // iterations a round earlier than Newton's.
    const double inverse_length2 = inverse_length * inverse_length;
    const double h = (ci + track * sin_t) * inverse_length2;
    const double h_rate = (track * cos_t - h * 2 * cos_t * (ci * num - sin_t)) * inverse_length2;
    const double slope = h * turn_rate, curvature = h_rate * turn_rate * turn_rate;
    double full_step = plain_step;
    if (std::fabs(slope) < kSteepestStepSlope) {
      const double newton_denominator = 1 - slope, bend = plain_step * curvature / (2 * newton_denominator);
      full_step = plain_step / (std::fabs(bend) < kSteepestStepSlope * newton_denominator ? newton_denominator - bend
                                                                                         : newton_denominator);
    }
    orbit = turned_by({orbit.angle + plain_step, sin_g, cos_g}, full_step - plain_step);
    step = full_step;
    if (std::fabs(step) <= kConvergenceTolerance) break;
    anomaly = eccentric_anomaly(o, orbit);
    turn = turned_by(turn, earth_turn(o, orbit, anomaly) + dl - turn.angle);
  }
  // λt of the last round belongs to the λ″ before the last step; carried to
  // the final λ″ to first order, so the point matches its orbit longitude.
  const double sin_t = turn.sine + turn.cosine * turn_rate * step;
  // q = ln tan(π/4 + φ″/2) = atanh(sin φ″)
  const double q = std::atanh((sp * ci * (1 - e2) - sin_t * cp * si) / std::sqrt(1 - e2 * sp * sp));
  const double big_s = orbit_term(p, o, orbit);
  const double norm = std::sqrt(s76 * s76 + big_s * big_s);
  const Series series = series_at(p, orbit);
  const SeriesTotals totals = series_totals(p);
  const double x = p[a_mean] * orbit.angle - big_s * q / norm + series.a_sine - series.b_cosine + totals.b;
  const double y = s76 * q / norm + p[c_mean] * orbit.angle + series.c_sine - series.d_cosine + totals.d;
  const double a = p[in::a];
  *easting = (y * p[rotation_sin] + x * p[rotation_cos]) * a + p[in::fe];
  *northing = (y * p[rotation_cos] - x * p[rotation_sin]) * a + p[in::fn];
}

void space_oblique_mercator_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                                    double*, double*) {
  using namespace som;
  const double a = p[in::a], e = p[in::e], e2 = e * e, s76 = p[one_minus_e2_cubed];
  const Orbit o = orbit_of(p);
  const double si = o.sin_i, ci = o.cos_i;
  const SeriesTotals totals = series_totals(p);
  const double xe = easting - p[in::fe], yn = northing - p[in::fn];
  const double x = (xe * p[rotation_cos] - yn * p[rotation_sin]) / a;
  const double y = (xe * p[rotation_sin] + yn * p[rotation_cos]) / a;
  // The fixed-point steps shrink by a nearly constant ratio (about −0.01 for
  // a sun-synchronous orbit); from the second round on, each step is
  // extrapolated by that ratio, measured on the last two plain steps
  // (Aitken's Δ²), which saves about one round.
  Angle orbit = angle_of(x / p[a_mean]);
  double s_prime = 0, previous_step = 0;
  for (int round = 0; round < kMaxRounds; ++round) {
    const double orbit_lon = orbit.angle;
    s_prime = orbit_term(p, o, orbit) / s76;
    const Series series = series_at(p, orbit);
    const double sum = series.a_sine + s_prime * series.c_sine - (series.b_cosine - totals.b) -
                       s_prime * (series.d_cosine - totals.d);
    const double plain_step = (x + s_prime * y - sum) / (p[a_mean] + s_prime * p[c_mean]) - orbit_lon;
    double step = plain_step;
    if (round > 0 && std::fabs(plain_step) < kSlowestContraction * std::fabs(previous_step)) {
      const double ratio = plain_step / previous_step;
      step += plain_step * ratio / (1 - ratio);
    }
    previous_step = plain_step;
    // Small steps move the sine and cosine by rotation, large ones anew.
    orbit = std::fabs(step) < kSmallTurn ? turned_by(orbit, step) : angle_of(orbit_lon + step);
    if (std::fabs(step) <= kConvergenceTolerance) break;
  }
  const Series series = series_at(p, orbit);
  const double q = y - p[c_mean] * orbit.angle - (series.c_sine - series.d_cosine + totals.d);
  // φ″ = 2·atan(exp w) − π/2, needed only by its sine tanh w.
  const double sf = std::tanh(q * std::sqrt(1 + s_prime * s_prime)), u = sf * sf;
  const double g = e2 * ci * ci / (1 - e2);
  const double sl = orbit.sine;
  const double turn_sine =
      (sl * ci * (1 - u / (1 - e2)) - si * sf * std::sqrt((1 - u) * (1 + p[p74] * sl * sl) - g * u)) /
      (1 - u * (1 + g));
  const double turn_cosine = orbit.cosine, turn_length = std::sqrt(turn_sine * turn_sine + turn_cosine * turn_cosine);
  const double lambda_t = std::atan2(turn_sine, turn_cosine);
  *lambda = reduce_to_half_turn(lambda_t - earth_turn(o, orbit, eccentric_anomaly(o, orbit)) + p[in::orbit_node]);
  *phi = o.inclination == 0 ? std::asin(sf / (1 - e2))
                            : std::atan((orbit.sine / orbit.cosine * turn_cosine - ci * turn_sine) /
                                        (si * (1 - e2) * turn_length));
}

// ---------------------------------------------------------------------------
// Two Point Fit: Transverse Mercator on the mid-meridian of the two control
// points, then scale, rotation and shift onto the target coordinates.
namespace tpf {
constexpr int scale = 49, inverse_scale = 53;  // each followed by rotation and the two shifts
constexpr int scale_copies = 57, inverse_scale_copies = 59;  // two slots each

struct PlanePoint {
  double northing, easting;
};

// The scale, rotation and shift that carry from1 onto to1 and from2 onto
// to2, stored at first_slot (scale, rotation, easting shift, northing shift).
void store_similarity(double* p, int first_slot, PlanePoint from1, PlanePoint from2, PlanePoint to1,
                      PlanePoint to2) {
  const double s = std::hypot(to2.northing - to1.northing, to2.easting - to1.easting) /
                   std::hypot(from2.easting - from1.easting, from2.northing - from1.northing);
  const double theta = std::atan2(from1.easting - from2.easting, from1.northing - from2.northing) -
                       std::atan2(to1.easting - to2.easting, to1.northing - to2.northing);
  p[first_slot] = s;
  p[first_slot + 1] = theta;
  p[first_slot + 2] = to1.easting - (s * from1.easting * std::cos(theta) - s * from1.northing * std::sin(theta));
  p[first_slot + 3] = to1.northing - (s * from1.northing * std::cos(theta) + s * from1.easting * std::sin(theta));
}

PlanePoint apply_similarity(const double* p, int first_slot, PlanePoint point) {
  const double s = p[first_slot], c = std::cos(p[first_slot + 1]), sn = std::sin(p[first_slot + 1]);
  return {s * point.easting * sn + s * point.northing * c + p[first_slot + 3],
          s * point.easting * c - s * point.northing * sn + p[first_slot + 2]};
}
}  // namespace tpf

void two_point_fit_constants(double* p) {
  p[in::fe] = 0;
  p[in::fn] = 0;
  p[in::k0] = 1.0;
  p[in::phi0] = 0;
  p[in::lambda0] = std::fmin(p[in::lambda1], p[in::lambda2]) + std::fabs(p[in::lambda2] - p[in::lambda1]) / 2;
  transverse_mercator.constants(p);
  tpf::PlanePoint first{}, second{};
  transverse_mercator.forward(p, p[in::phi1], p[in::lambda1], &first.northing, &first.easting, nullptr, nullptr);
  transverse_mercator.forward(p, p[in::phi2], p[in::lambda2], &second.northing, &second.easting, nullptr, nullptr);
  const tpf::PlanePoint target1{p[in::target1_n], p[in::target1_e]}, target2{p[in::target2_n], p[in::target2_e]};
  tpf::store_similarity(p, tpf::scale, first, second, target1, target2);
  tpf::store_similarity(p, tpf::inverse_scale, target1, target2, first, second);
  p[tpf::scale_copies] = p[tpf::scale_copies + 1] = p[tpf::scale];
  p[tpf::inverse_scale_copies] = p[tpf::inverse_scale_copies + 1] = p[tpf::inverse_scale];
}

void two_point_fit_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                           double*) {
  tpf::PlanePoint point{};
  transverse_mercator.forward(p, phi, lambda, &point.northing, &point.easting, nullptr, nullptr);
  const tpf::PlanePoint fitted = tpf::apply_similarity(p, tpf::scale, point);
  *northing = fitted.northing;
  *easting = fitted.easting;
}

void two_point_fit_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                           double*) {
  const tpf::PlanePoint point = tpf::apply_similarity(p, tpf::inverse_scale, {northing, easting});
  transverse_mercator.inverse(p, point.northing, point.easting, phi, lambda, nullptr, nullptr);
}

}  // namespace

const Routines mollweide = {mollweide_constants, mollweide_forward, mollweide_inverse};
const Routines robinson = {no_constants, robinson_forward, robinson_inverse};
const Routines sinusoidal = {store_sinusoidal_constants, sinusoidal_forward, sinusoidal_inverse};
const Routines space_oblique_mercator = {space_oblique_mercator_constants, space_oblique_mercator_forward,
                                         space_oblique_mercator_inverse};
const Routines van_der_grinten = {no_constants, van_der_grinten_forward, van_der_grinten_inverse};
const Routines two_point_fit = {two_point_fit_constants, two_point_fit_forward, two_point_fit_inverse};

}  // namespace vantor
