// Azimuthal projections. Formulas: Snyder, Map Projections — A Working Manual
// (USGS PP 1395), chapters 20 to 25; Double Stereographic through the Gauss
// conformal sphere; European Stereographic after EPSG method 9809 (Oblique
// Stereographic); Stereographic 70 as the polynomials of that national grid.
#include "azimuthal.h"

#include "cylindrical.h"
#include "shared_math.h"

namespace vantor {
namespace {

// √((1 + e)^(1+e)·(1 − e)^(1−e)), the polar stereographic normaliser.
double polar_stereographic_norm(double e) { return std::sqrt(std::pow(1 + e, 1 + e) * std::pow(1 - e, 1 - e)); }

// ---------------------------------------------------------------------------
// Azimuthal Equal Area, oblique aspect on the ellipsoid (Snyder chapter 24)
namespace laea {
constexpr int d = 30, rq = 31, qp = 32, beta1 = 33, cos_beta1 = 34, sin_beta1 = 35, authalic = 36, m1 = 39;
}  // namespace laea

void azimuthal_equal_area_constants(double* p) {
  const double a = p[in::a], e = p[in::e], phi1 = p[in::phi0];
  p[laea::qp] = authalic_q(e, kHalfPi);
  p[laea::rq] = a * std::sqrt(p[laea::qp] / 2);
  p[laea::beta1] = std::asin(authalic_q(e, phi1) / p[laea::qp]);
  p[laea::sin_beta1] = std::sin(p[laea::beta1]);
  p[laea::cos_beta1] = std::cos(p[laea::beta1]);
  p[laea::m1] = parallel_radius_ratio(e, phi1);
  p[laea::d] = a * p[laea::m1] / (p[laea::rq] * p[laea::cos_beta1]);
  store_authalic_series(p, laea::authalic);
}

void azimuthal_equal_area_forward(double* p, double phi, double lambda, double* northing, double* easting,
                                  double*, double*) {
  const double sb1 = p[laea::sin_beta1], cb1 = p[laea::cos_beta1], d = p[laea::d];
  const double dl = lambda - p[in::lambda0];
  const double sb = authalic_q(p[in::e], phi) / p[laea::qp];
  const double cb = std::sqrt(1 - sb * sb);
  const double cdl = std::cos(dl);
  const double b = p[laea::rq] * std::sqrt(2 / (1 + sb1 * sb + cb1 * cb * cdl));
  *easting = b * d * cb * std::sin(dl) + p[in::fe];
  *northing = (b / d) * (cb1 * sb - sb1 * cb * cdl) + p[in::fn];
}

void azimuthal_equal_area_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                                  double*, double*) {
  const double sb1 = p[laea::sin_beta1], cb1 = p[laea::cos_beta1], d = p[laea::d];
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const double rho = std::sqrt((x / d) * (x / d) + (d * y) * (d * y));
  if (rho == 0) {
    *phi = p[in::phi0];
    *lambda = p[in::lambda0];
    return;
  }
  const double ce = 2 * std::asin(rho / (2 * p[laea::rq]));
  const double sce = std::sin(ce), cce = std::cos(ce);
  const double beta = std::asin(cce * sb1 + d * y * sce * cb1 / rho);
  *phi = latitude_from_authalic(p, laea::authalic, beta);
  const double denominator = d * rho * cb1 * cce - d * d * y * sb1 * sce;
  *lambda = denominator == 0 ? p[in::lambda0] : p[in::lambda0] + std::atan2(x * sce, denominator);
}

// ---------------------------------------------------------------------------
// Polar Azimuthal Equal-Area; north aspect when slot 4 ≥ 0, else south.
namespace plaea {
constexpr int qp = 32, a2_qp = 33, authalic = 36;
}  // namespace plaea

void polar_azimuthal_equal_area_constants(double* p) {
  const double a = p[in::a], e = p[in::e];
  p[plaea::qp] = authalic_q(e, kHalfPi);
  p[plaea::a2_qp] = a * a * (1 - ((1 - e * e) / (2 * e)) * std::log((1 - e) / (1 + e)));
  store_authalic_series(p, plaea::authalic);
}

void polar_azimuthal_equal_area_forward(double* p, double phi, double lambda, double* northing,
                                        double* easting, double*, double*) {
  const double a = p[in::a], dl = lambda - p[in::lambda0];
  const double q = authalic_q(p[in::e], phi);
  double rho = 0;
  if (p[in::phi0] >= 0) {
    const double w = p[plaea::qp] - q;
    rho = w > 0 ? a * std::sqrt(w) : 0;
    *northing = -rho * std::cos(dl) + p[in::fn];
  } else {
    rho = a * std::sqrt(p[plaea::qp] + q);
    *northing = rho * std::cos(dl) + p[in::fn];
  }
  *easting = rho * std::sin(dl) + p[in::fe];
}

void polar_azimuthal_equal_area_inverse(double* p, double northing, double easting, double* phi,
                                        double* lambda, double*, double*) {
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const bool north = p[in::phi0] >= 0;
  const double rho2 = x * x + y * y;
  double beta = std::fabs(std::asin(1 - rho2 / p[plaea::a2_qp]));
  if (!north) beta = -beta;
  *phi = latitude_from_authalic(p, plaea::authalic, beta);
  *lambda = p[in::lambda0] + (north ? std::atan2(x, -y) : std::atan2(x, y));
}

// ---------------------------------------------------------------------------
// Azimuthal Equidistant in the form for small areas near the centre (Snyder
// chapter 25, the form used for Guam).
namespace aeqd {
constexpr int m1 = 41;
}  // namespace aeqd

void azimuthal_equidistant_constants(double* p) {
  store_meridian_coefficients(p);
  p[aeqd::m1] = meridian_distance(p, p[in::a], p[in::phi0]);
}

void azimuthal_equidistant_forward(double* p, double phi, double lambda, double* northing, double* easting,
                                   double*, double*) {
  const double a = p[in::a], e = p[in::e], s = std::sin(phi);
  const double w = std::sqrt(1 - e * e * s * s);
  const double x = a * (lambda - p[in::lambda0]) * std::cos(phi) / w;
  *easting = x + p[in::fe];
  *northing = meridian_distance(p, a, phi) - p[aeqd::m1] + x * x * tan_of(phi) * w / (2 * a) + p[in::fn];
}

void azimuthal_equidistant_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                                   double*, double*) {
  const double a = p[in::a], e = p[in::e];
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const auto w_of = [e](double lat) {
    const double s = std::sin(lat);
    return std::sqrt(1 - e * e * s * s);
  };
  double lat = p[in::phi0];
  for (int round = 0; round < kMaxRounds; ++round) {
    const double m = p[aeqd::m1] + y - x * x * tan_of(lat) * w_of(lat) / (2 * a);
    const double next = footpoint_latitude(p, m / (a * p[meridian_slot::e0]));
    const double change = std::fabs(next - lat);
    lat = next;
    if (change <= kConvergenceTolerance) break;
  }
  *phi = lat;
  *lambda = p[in::lambda0] + x * w_of(lat) / (a * std::cos(lat));
}

// ---------------------------------------------------------------------------
// Polar Azimuthal Equidistant (Snyder chapter 25); north when slot 4 ≥ 0.
namespace paeqd {
constexpr int mp = 36;
}  // namespace paeqd

void polar_azimuthal_equidistant_constants(double* p) {
  store_meridian_coefficients(p);
  p[paeqd::mp] = meridian_distance(p, p[in::a], kHalfPi);
}

void polar_azimuthal_equidistant_forward(double* p, double phi, double lambda, double* northing,
                                         double* easting, double*, double*) {
  const double m = meridian_distance(p, p[in::a], phi), dl = lambda - p[in::lambda0];
  double rho = 0;
  if (p[in::phi0] >= 0) {
    rho = p[paeqd::mp] - m;
    *northing = -rho * std::cos(dl) + p[in::fn];
  } else {
    rho = p[paeqd::mp] + m;
    *northing = rho * std::cos(dl) + p[in::fn];
  }
  *easting = rho * std::sin(dl) + p[in::fe];
}

void polar_azimuthal_equidistant_inverse(double* p, double northing, double easting, double* phi,
                                         double* lambda, double*, double*) {
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const bool north = p[in::phi0] >= 0;
  const double rho = std::sqrt(x * x + y * y);
  const double m = north ? p[paeqd::mp] - rho : rho - p[paeqd::mp];
  *phi = footpoint_latitude(p, m / (p[in::a] * p[meridian_slot::e0]));
  *lambda = p[in::lambda0] + (north ? std::atan2(x, -y) : std::atan2(x, y));
}

// ---------------------------------------------------------------------------
// Orthographic (sphere, Snyder chapter 20)
void orthographic_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                          double*) {
  const double r = p[in::radius], phi1 = p[in::phi0], dl = lambda - p[in::lambda0];
  *easting = r * std::cos(phi) * std::sin(dl) + p[in::fe];
  *northing = r * (std::cos(phi1) * std::sin(phi) - std::sin(phi1) * std::cos(phi) * std::cos(dl)) + p[in::fn];
}

void orthographic_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                          double*) {
  const double r = p[in::radius], phi1 = p[in::phi0];
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const double rho = std::sqrt(x * x + y * y);
  if (rho == 0) {
    *phi = phi1;
    *lambda = p[in::lambda0];
    return;
  }
  // The angular distance c = asin(ρ/R) is needed only by its sine and cosine.
  const double sc = rho / r, cc = std::sqrt(1 - sc * sc);
  *phi = std::asin(cc * std::sin(phi1) + y * sc * std::cos(phi1) / rho);
  *lambda = p[in::lambda0] + std::atan2(x * sc, rho * std::cos(phi1) * cc - y * std::sin(phi1) * sc);
}

// ---------------------------------------------------------------------------
// Gnomic (sphere, Snyder chapter 22)
namespace gnom {
constexpr double kAspectTolerance = 1e-7;
constexpr double kCentreTolerance = 1e-7;

enum class Aspect { north_polar, south_polar, equatorial, oblique };

Aspect aspect_of(double phi1) {
  if (std::fabs(phi1 - kHalfPi) < kAspectTolerance) return Aspect::north_polar;
  if (std::fabs(phi1 + kHalfPi) < kAspectTolerance) return Aspect::south_polar;
  if (std::fabs(phi1) < kAspectTolerance) return Aspect::equatorial;
  return Aspect::oblique;
}
}  // namespace gnom

void gnomic_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                    double*) {
  const double r = p[in::radius], phi1 = p[in::phi0], dl = lambda - p[in::lambda0];
  double x = 0, y = 0;
  switch (gnom::aspect_of(phi1)) {
    case gnom::Aspect::north_polar: {
      const double cot = std::cos(phi) / std::sin(phi);
      x = r * cot * std::sin(dl);
      y = -r * cot * std::cos(dl);
      break;
    }
    case gnom::Aspect::south_polar: {
      const double cot = std::cos(phi) / std::sin(phi);
      x = -r * cot * std::sin(dl);
      y = r * cot * std::cos(dl);
      break;
    }
    case gnom::Aspect::equatorial:
      x = r * tan_of(dl);
      y = r * tan_of(phi) / std::cos(dl);
      break;
    case gnom::Aspect::oblique: {
      const double cos_c = std::sin(phi1) * std::sin(phi) + std::cos(phi1) * std::cos(phi) * std::cos(dl);
      x = r * std::cos(phi) * std::sin(dl) / cos_c;
      y = r * (std::cos(phi1) * std::sin(phi) - std::sin(phi1) * std::cos(phi) * std::cos(dl)) / cos_c;
      break;
    }
  }
  *easting = x + p[in::fe];
  *northing = y + p[in::fn];
}

void gnomic_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                    double*) {
  const double r = p[in::radius], phi1 = p[in::phi0];
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const double rho = std::sqrt(x * x + y * y);
  if (rho < gnom::kCentreTolerance) {
    *phi = phi1;
    *lambda = p[in::lambda0];
    return;
  }
  // The angular distance c = atan(ρ/R) is needed only by its sine and cosine.
  const double tc = rho / r, cc = 1 / std::sqrt(1 + tc * tc), sc = tc * cc;
  *phi = std::asin(cc * std::sin(phi1) + y * sc * std::cos(phi1) / rho);
  switch (gnom::aspect_of(phi1)) {
    case gnom::Aspect::north_polar:
      *lambda = p[in::lambda0] + std::atan2(x, -y);
      break;
    case gnom::Aspect::south_polar:
      *lambda = p[in::lambda0] + std::atan2(x, y);
      break;
    default:
      *lambda = p[in::lambda0] + std::atan2(x * sc, rho * std::cos(phi1) * cc - y * std::sin(phi1) * sc);
      break;
  }
}

// ---------------------------------------------------------------------------
// Stereographic, oblique on the ellipsoid through the conformal latitude
// (Snyder chapter 21)
namespace stere {
constexpr int chi1 = 30, a_prime = 31;
}  // namespace stere

void stereographic_constants(double* p) {
  const double e = p[in::e], phi1 = p[in::phi0];
  p[stere::chi1] = conformal_latitude(e, phi1);
  p[stere::a_prime] = 2 * p[in::a] * p[in::k0] * parallel_radius_ratio(e, phi1) / std::cos(p[stere::chi1]);
}

void stereographic_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                           double* scale) {
  const double e = p[in::e], chi1 = p[stere::chi1], dl = lambda - p[in::lambda0];
  const double chi = conformal_latitude(e, phi);
  const double sc1 = std::sin(chi1), cc1 = std::cos(chi1), sc = std::sin(chi), cc = std::cos(chi);
  const double aa = p[stere::a_prime] / (1 + sc1 * sc + cc1 * cc * std::cos(dl));
  *easting = aa * cc * std::sin(dl) + p[in::fe];
  *northing = aa * (cc1 * sc - sc1 * cc * std::cos(dl)) + p[in::fn];
  if (scale) {
    const double s = std::sin(phi);
    *scale = aa * cc * std::sqrt(1 - e * e * s * s) / (p[in::a] * std::cos(phi));
  }
}

void stereographic_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                           double*) {
  const double e = p[in::e], chi1 = p[stere::chi1];
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const double rho = std::sqrt(x * x + y * y);
  if (rho == 0) {
    *phi = p[in::phi0];
    *lambda = p[in::lambda0];
    return;
  }
  const double ce = 2 * std::atan(rho / p[stere::a_prime]);
  const double sce = std::sin(ce), cce = std::cos(ce);
  const double chi = std::asin(cce * std::sin(chi1) + y * sce * std::cos(chi1) / rho);
  const double spherical = tan_of(kQuarterPi + chi / 2);
  double lat = chi;
  for (int round = 0; round < kMaxRounds; ++round) {
    const double es = e * std::sin(lat);
    const double next = 2 * std::atan(spherical * std::exp((e / 2) * std::log((1 + es) / (1 - es)))) - kHalfPi;
    const double change = std::fabs(next - lat);
    lat = next;
    if (change <= kConvergenceTolerance) break;
  }
  *phi = lat;
  *lambda = p[in::lambda0] + std::atan2(x * sce, rho * std::cos(chi1) * cce - y * std::sin(chi1) * sce);
}

// ---------------------------------------------------------------------------
// Polar Stereographic (Snyder chapter 21). One scale rule for both
// directions: true scale on the parallel |slot 4|, or the scale factor slot 10
// at the pole when |slot 4| is π/2. The south aspect mirrors the north one.
namespace pstere {
constexpr int pole_radius = 30, e_sin_phi1 = 31;  // ρ per unit t with k0 at the pole; e·sin φ1
constexpr double kPoleTolerance = 1e-10;

bool scale_at_pole(const double* p) { return std::fabs(std::fabs(p[in::phi0]) - kHalfPi) < kPoleTolerance; }

// ρ per unit of t under the rule above: a·mc/tc with mc and tc of the
// parallel |φ1|, whose e·sin is |slot 31|.
double radius_per_t(const double* p) {
  if (scale_at_pole(p)) return p[pole_radius];
  const double e = p[in::e], phic = std::fabs(p[in::phi0]), es = std::fabs(p[e_sin_phi1]);
  const double mc = std::cos(phic) / std::sqrt(1 - es * es);
  const double tc = tan_of(kQuarterPi - phic / 2) / std::pow((1 - es) / (1 + es), e / 2);
  return p[in::a] * mc / tc;
}

// ρ of the latitude φ (north aspect). With true scale on the parallel |φ1|,
// a·mc·t/tc takes the two eccentricity factors of t and tc as one power of
// their quotient, and mc/tan(π/4 − |φ1|/2) as (1 + sin|φ1|)/√(1 − (e sin φ1)²),
// where sin|φ1| is |slot 31|/e on an ellipsoid.
double radius_of(const double* p, double phi) {
  const double e = p[in::e];
  if (scale_at_pole(p)) return p[pole_radius] * conformal_t(e, phi);
  const double s = std::sin(phi), es = e * s, esc = std::fabs(p[e_sin_phi1]);
  const double factors = std::pow(((1 - esc) * (1 + es)) / ((1 + esc) * (1 - es)), e / 2);
  const double sin_phic = e != 0 ? esc / e : std::sin(std::fabs(p[in::phi0]));
  const double mc_over_tan = (1 + sin_phic) / std::sqrt(1 - esc * esc);
  return p[in::a] * mc_over_tan * tan_half_colatitude(s, std::cos(phi)) * factors;
}
}  // namespace pstere

void polar_stereographic_constants(double* p) {
  const double e = p[in::e];
  p[pstere::pole_radius] = 2 * p[in::a] * p[in::k0] / polar_stereographic_norm(e);
  p[pstere::e_sin_phi1] = e * std::sin(p[in::phi0]);
}

void polar_stereographic_forward(double* p, double phi, double lambda, double* northing, double* easting,
                                 double*, double*) {
  const double side = p[in::phi0] < 0 ? -1.0 : 1.0;
  const double dl = side * (lambda - p[in::lambda0]);
  const double rho = pstere::radius_of(p, side * phi);
  *easting = side * rho * std::sin(dl) + p[in::fe];
  *northing = -side * rho * std::cos(dl) + p[in::fn];
}

void polar_stereographic_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                                 double*, double*) {
  const double side = p[in::phi0] < 0 ? -1.0 : 1.0;
  const double x = side * (easting - p[in::fe]), y = side * (northing - p[in::fn]);
  const double t = std::sqrt(x * x + y * y) / pstere::radius_per_t(p);
  *phi = side * latitude_from_t(p[in::e], t, kMaxRounds);
  *lambda = side * std::atan2(x, -y) + p[in::lambda0];
}

// ---------------------------------------------------------------------------
// Stereographic 70: the national grid's polynomials in degrees, u and v in
// units of 10 000 seconds of arc, X and Y in hundreds of kilometres.
namespace stereo70 {
struct Term {
  int i, j;  // powers of the first and the second variable
  double c;
};

constexpr Term kEasting[] = {
    {0, 1, 215179.4208377}, {1, 1, -10767.8386289}, {2, 1, -128.6600287}, {0, 3, -23.2138674},
    {3, 1, -2.1060912},     {1, 3, -1.9281015},     {4, 1, -0.0495324},   {2, 3, 0.1316098},
    {0, 5, -0.0086455},     {5, 1, 0.0004263},      {1, 5, 0.0004069},    {3, 3, 0.0023711},
};
constexpr Term kNorthing[] = {
    {1, 0, 308758.9573813}, {2, 0, 75.3584967}, {0, 2, 3752.1457111}, {3, 0, 60.2162733},
    {1, 2, -99.9280966},    {4, 0, -0.0146571}, {2, 2, -6.6748631},   {0, 4, 0.3359127},
    {5, 0, 0.0142609},      {3, 2, -0.0713046}, {1, 4, -0.0622287},   {6, 0, -0.0215634},
    {4, 2, -0.0025911},     {2, 4, 0.0002261},  {0, 6, -5.75e-05},
};
constexpr Term kLatitude[] = {
    {1, 0, 3238.7724276}, {2, 0, -0.2560279}, {0, 2, -26.2457302}, {3, 0, -0.0662169}, {1, 2, -0.6202059},
    {4, 0, 3.13e-05},     {2, 2, -0.0099813}, {0, 4, 0.0033123},   {5, 0, 2.4e-06},    {3, 2, -0.0001893},
    {1, 4, 0.0001735},    {6, 0, 0.0},        {4, 2, -3.1e-06},    {2, 4, 5.5e-06},    {0, 6, -2e-07},
};
constexpr Term kLongitude[] = {
    {0, 1, 4647.2845596}, {1, 1, 75.3195104}, {2, 1, 1.5062413},   {0, 3, -0.5020804},
    {3, 1, 0.0289995},    {1, 3, -0.0289995}, {4, 1, 0.0005624},   {2, 3, -0.0011247},
    {0, 5, 0.0001125},    {5, 1, 1.09e-05},   {3, 3, -3.63e-05},   {1, 5, 1.09e-05},
};

constexpr int kMaxPower = 6;
constexpr double kArcUnitsPerDegree = 0.36;  // 3600″ per degree over 10 000″
constexpr double kHundredKilometres = 1e-5;
constexpr double kSecondsPerDegree = 3600;

template <size_t count>
double polynomial(const Term (&terms)[count], double first, double second) {
  double first_power[kMaxPower + 1] = {1}, second_power[kMaxPower + 1] = {1};
  for (int k = 1; k <= kMaxPower; ++k) {
    first_power[k] = first_power[k - 1] * first;
    second_power[k] = second_power[k - 1] * second;
  }
  double sum = 0;
  for (const Term& term : terms) sum += term.c * first_power[term.i] * second_power[term.j];
  return sum;
}
}  // namespace stereo70

void stereographic_70_forward(double* p, double phi, double lambda, double* northing, double* easting, double*,
                              double*) {
  using namespace stereo70;
  const double u = kArcUnitsPerDegree * (phi * kDegreesPerRadian - p[in::phi0] * kDegreesPerRadian);
  const double v = kArcUnitsPerDegree * (lambda * kDegreesPerRadian - p[in::lambda0] * kDegreesPerRadian);
  const double k0 = p[in::k0];
  *easting = p[in::fe] + k0 * polynomial(kEasting, u, v);
  *northing = p[in::fn] + k0 * polynomial(kNorthing, u, v);
}

void stereographic_70_inverse(double* p, double northing, double easting, double* phi, double* lambda, double*,
                              double*) {
  using namespace stereo70;
  const double k0 = p[in::k0];
  const double x = kHundredKilometres * (northing - p[in::fn]) / k0;
  const double y = kHundredKilometres * (easting - p[in::fe]) / k0;
  *phi = (p[in::phi0] * kDegreesPerRadian + polynomial(kLatitude, x, y) / kSecondsPerDegree) * kRadiansPerDegree;
  *lambda =
      (p[in::lambda0] * kDegreesPerRadian + polynomial(kLongitude, x, y) / kSecondsPerDegree) * kRadiansPerDegree;
}

// ---------------------------------------------------------------------------
// Double Stereographic: the ellipsoid onto the Gauss conformal sphere, then
// the sphere's oblique stereographic.
namespace sterea {
constexpr int e2 = 29, n = 30, c = 31, chi0 = 32, n_lambda0 = 33, radius = 34;
constexpr double kNewtonTolerance = 2.777777777777778e-09;  // 1e-5 / 3600
constexpr int kNewtonSteps = 102;
constexpr double kCentreTolerance = 1e-7;

double big_t(double e, double phi) { return tan_of(kQuarterPi + phi / 2) * eccentricity_factor(e, phi); }
}  // namespace sterea

void double_stereographic_constants(double* p) {
  const double a = p[in::a], e = p[in::e], e2 = e * e, phi1 = p[in::phi0];
  const double s = e * std::sin(phi1), c1 = std::cos(phi1);
  p[sterea::e2] = e2;
  const double n = std::sqrt(1 + e2 * c1 * c1 * c1 * c1 / (1 - e2));
  p[sterea::n] = n;
  p[sterea::chi0] = std::asin(std::sin(phi1) / n);
  p[sterea::c] = tan_of(kQuarterPi + p[sterea::chi0] / 2) *
                 std::pow(tan_of(kQuarterPi + phi1 / 2) * std::pow((1 - s) / (1 + s), e / 2), -n);
  p[sterea::n_lambda0] = n * p[in::lambda0];
  const double rho1 = a * (1 - e2) / std::pow(1 - s * s, 1.5);
  const double nu1 = a / std::sqrt(1 - s * s);
  p[sterea::radius] = std::sqrt(rho1 * nu1);
}

void double_stereographic_forward(double* p, double phi, double lambda, double* northing, double* easting,
                                  double*, double* scale) {
  const double e = p[in::e], n = p[sterea::n], chi0 = p[sterea::chi0], k0 = p[in::k0];
  const double two_kr = 2 * k0 * p[sterea::radius];
  const double chi = 2 * (std::atan(p[sterea::c] * std::pow(sterea::big_t(e, phi), n)) - kQuarterPi);
  const double big_l = n * lambda - p[sterea::n_lambda0];
  const double sc = std::sin(chi), cc = std::cos(chi), s0 = std::sin(chi0), c0 = std::cos(chi0);
  const double b = 1 + sc * s0 + cc * c0 * std::cos(big_l);
  *easting = two_kr * cc * std::sin(big_l) / b + p[in::fe];
  *northing = two_kr * (sc * c0 - cc * s0 * std::cos(big_l)) / b + p[in::fn];
  if (scale) {
    const double s = std::sin(phi);
    *scale = two_kr * n * cc / ((p[in::a] / std::sqrt(1 - e * e * s * s)) * b * std::cos(phi));
  }
}

void double_stereographic_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                                  double*, double*) {
  const double e = p[in::e], e2 = p[sterea::e2], n = p[sterea::n], c = p[sterea::c];
  const double chi0 = p[sterea::chi0], k0 = p[in::k0];
  const double x = (easting - p[in::fe]) / k0, y = (northing - p[in::fn]) / k0;
  const double rho = std::sqrt(x * x + y * y);
  double sx = 1, sy = 0;
  if (rho > sterea::kCentreTolerance) {
    sx = x / rho;
    sy = y / rho;
  }
  const double cp = 2 * std::atan(rho / (2 * p[sterea::radius]));
  const double chi = std::asin(std::cos(cp) * std::sin(chi0) + std::sin(cp) * std::cos(chi0) * sy);
  *lambda = (std::asin(std::sin(cp) * sx / std::cos(chi)) + p[sterea::n_lambda0]) / n;
  const double target = tan_of(kQuarterPi + chi / 2);
  double lat = chi;
  for (int step = 0; step < sterea::kNewtonSteps; ++step) {
    const double t = sterea::big_t(e, lat);
    const double s = std::sin(lat), half = kQuarterPi + lat / 2, ch = std::cos(half);
    const double f = c * std::pow(t, n) - target;
    const double df = n * c * std::pow(t, n - 1) * eccentricity_factor(e, lat) *
                      (0.5 / (ch * ch) - tan_of(half) * e2 * std::cos(lat) / (1 - e2 * s * s));
    const double next = lat - f / df;
    const double change = std::fabs(next - lat);
    lat = next;
    if (change <= sterea::kNewtonTolerance) break;
  }
  *phi = lat;
}

// ---------------------------------------------------------------------------
// European Stereographic: EPSG method 9809 (Oblique Stereographic), with the
// polar aspect of the nearer pole when the centre is at a pole.
namespace eurostere {
constexpr int radius = 30, n = 31, c = 32, chi0 = 33, lambda_origin = 34;
constexpr double kPoleTolerance = 1e-7;
constexpr int kLatitudeRounds = 12;

bool polar(const double* p) { return std::fabs(std::fabs(p[in::phi0]) - kHalfPi) <= kPoleTolerance; }

// w = c·(((1 + sin φ)/(1 − sin φ))·((1 − e sin φ)/(1 + e sin φ))^e)^n, the
// bracket being exp(2ψ).
double conformal_w(double e, double n, double c, double phi) {
  return c * std::exp(2 * n * isometric_latitude(e, std::sin(phi)));
}

// ρ = 2·a·k0·t(φ)/√((1 + e)^(1+e)·(1 − e)^(1−e)), with the normaliser
// written as √(1 − e²)·((1 + e)/(1 − e))^(e/2) so that its power and the
// eccentricity factor of t become one power.
double polar_radius(const double* p, double phi) {
  const double e = p[in::e], s = std::sin(phi), es = e * s;
  const double factors = std::pow(((1 + e) * (1 - es)) / ((1 - e) * (1 + es)), e / 2);
  return 2 * p[in::a] * p[in::k0] * tan_half_colatitude(s, std::cos(phi)) / (std::sqrt(1 - e * e) * factors);
}

void polar_forward(double* p, double phi, double lambda, double* northing, double* easting) {
  const double side = p[in::phi0] < 0 ? -1.0 : 1.0;
  const double dl = side * (lambda - p[in::lambda0]);
  const double rho = polar_radius(p, side * phi);
  *northing = -side * rho * std::cos(dl) + p[in::fn];
  *easting = side * rho * std::sin(dl) + p[in::fe];
}

void polar_inverse(double* p, double northing, double easting, double* phi, double* lambda) {
  const double e = p[in::e], side = p[in::phi0] < 0 ? -1.0 : 1.0;
  const double x = side * (easting - p[in::fe]), y = side * (northing - p[in::fn]);
  const double t = std::sqrt(x * x + y * y) * polar_stereographic_norm(e) / (2 * p[in::a] * p[in::k0]);
  const double chi = kHalfPi - 2 * std::atan(t);
  *phi = side * latitude_from_conformal(conformal_series(e), chi);
  *lambda = p[in::lambda0] + side * std::atan2(x, -y);
}
}  // namespace eurostere

void european_stereographic_constants(double* p) {
  if (eurostere::polar(p)) return;
  const double a = p[in::a], e = p[in::e], e2 = e * e, phi1 = p[in::phi0];
  const double s = std::sin(phi1), c1 = std::cos(phi1);
  const double rho1 = a * (1 - e2) / std::pow(1 - e2 * s * s, 1.5);
  const double nu1 = a / std::sqrt(1 - e2 * s * s);
  p[eurostere::radius] = std::sqrt(rho1 * nu1);
  const double n = std::sqrt(1 + e2 * c1 * c1 * c1 * c1 / (1 - e2));
  p[eurostere::n] = n;
  const double w1 = eurostere::conformal_w(e, n, 1, phi1);
  const double sin_chi0 = (w1 - 1) / (w1 + 1);
  p[eurostere::c] = (n + s) * (1 - sin_chi0) / ((n - s) * (1 + sin_chi0));
  const double w2 = p[eurostere::c] * w1;
  p[eurostere::chi0] = std::asin((w2 - 1) / (w2 + 1));
  p[eurostere::lambda_origin] = p[in::lambda0];
}

void european_stereographic_forward(double* p, double phi, double lambda, double* northing, double* easting,
                                    double*, double* scale) {
  put(scale, 0);
  if (eurostere::polar(p)) {
    eurostere::polar_forward(p, phi, lambda, northing, easting);
    return;
  }
  const double e = p[in::e], n = p[eurostere::n], chi0 = p[eurostere::chi0];
  const double two_rk = 2 * p[eurostere::radius] * p[in::k0];
  const double dl = n * (lambda - p[eurostere::lambda_origin]);
  const double w = eurostere::conformal_w(e, n, p[eurostere::c], phi);
  // χ = asin((w − 1)/(w + 1)), needed only by its sine and cosine.
  const double sc = (w - 1) / (w + 1), cc = 2 * std::sqrt(w) / (w + 1);
  const double s0 = std::sin(chi0), c0 = std::cos(chi0);
  const double b = 1 + sc * s0 + cc * c0 * std::cos(dl);
  *northing = two_rk * (sc * c0 - cc * s0 * std::cos(dl)) / b + p[in::fn];
  *easting = two_rk * cc * std::sin(dl) / b + p[in::fe];
}

void european_stereographic_inverse(double* p, double northing, double easting, double* phi, double* lambda,
                                    double*, double* scale) {
  put(scale, 0);
  if (eurostere::polar(p)) {
    eurostere::polar_inverse(p, northing, easting, phi, lambda);
    return;
  }
  const double e = p[in::e], e2 = e * e, n = p[eurostere::n], chi0 = p[eurostere::chi0];
  const double lambda_origin = p[eurostere::lambda_origin];
  const double two_rk = 2 * p[eurostere::radius] * p[in::k0];
  const double x = easting - p[in::fe], y = northing - p[in::fn];
  const double g = two_rk * tan_of(kQuarterPi - chi0 / 2);
  const double h = 2 * two_rk * tan_of(chi0) + g;
  const double i = std::atan(x / (h + y));
  const double j = std::atan(x / (g - y)) - i;
  const double chi = chi0 + 2 * std::atan((y - x * tan_of(j / 2)) / two_rk);
  const double big_lambda = j + 2 * i + lambda_origin;
  const double sc = std::sin(chi);
  const double psi = 0.5 * std::log((1 + sc) / (p[eurostere::c] * (1 - sc))) / n;
  double lat = 2 * std::atan(std::exp(psi)) - kHalfPi;
  for (int round = 0; round < eurostere::kLatitudeRounds; ++round) {
    const double s = std::sin(lat);
    const double psi_i = std::log(tan_of(lat / 2 + kQuarterPi) * eccentricity_factor(e, lat));
    const double change = (psi_i - psi) * std::cos(lat) * (1 - e2 * s * s) / (1 - e2);
    lat -= change;
    if (std::fabs(change) <= kConvergenceTolerance) break;
  }
  *phi = lat;
  *lambda = (big_lambda - lambda_origin) / n + lambda_origin;
}

}  // namespace

const Routines azimuthal_equal_area = {azimuthal_equal_area_constants, azimuthal_equal_area_forward,
                                       azimuthal_equal_area_inverse};
const Routines polar_azimuthal_equal_area = {polar_azimuthal_equal_area_constants,
                                             polar_azimuthal_equal_area_forward,
                                             polar_azimuthal_equal_area_inverse};
const Routines azimuthal_equidistant = {azimuthal_equidistant_constants, azimuthal_equidistant_forward,
                                        azimuthal_equidistant_inverse};
const Routines polar_azimuthal_equidistant = {polar_azimuthal_equidistant_constants,
                                              polar_azimuthal_equidistant_forward,
                                              polar_azimuthal_equidistant_inverse};
const Routines orthographic = {no_constants, orthographic_forward, orthographic_inverse};
const Routines stereographic = {stereographic_constants, stereographic_forward, stereographic_inverse};
const Routines polar_stereographic = {polar_stereographic_constants, polar_stereographic_forward,
                                      polar_stereographic_inverse};
const Routines stereographic_70 = {no_constants, stereographic_70_forward, stereographic_70_inverse};
const Routines gnomic = {no_constants, gnomic_forward, gnomic_inverse};
const Routines double_stereographic = {double_stereographic_constants, double_stereographic_forward,
                                       double_stereographic_inverse};
const Routines european_stereographic = {european_stereographic_constants, european_stereographic_forward,
                                         european_stereographic_inverse};

}  // namespace vantor
