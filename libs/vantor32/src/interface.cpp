// The exported C interface: name lookups, validation of the input slots
// before the constants are derived, the numerical convergence, and the fault
// guard around every computation.
#include <cmath>
#include <cstring>
#include <initializer_list>

#include "fault_guard.h"
#include "projection.h"

namespace vantor {
namespace {

constexpr double kConvergenceStep = 0.0001;            // radians of latitude
constexpr double kTwoPointTolerance = 1e-7;            // coinciding control points
constexpr int16_t kSuccess = 0;
constexpr int16_t kFailure = 1;

bool known(int32_t projection) { return projection >= 0 && projection < VANTOR32_PROJECTION_COUNT; }

template <size_t count>
bool one_of(int32_t projection, const int32_t (&list)[count]) {
  for (int32_t member : list) {
    if (member == projection) return true;
  }
  return false;
}

constexpr int32_t kNeedScaleFactor[] = {
    VANTOR32_TRANSVERSE_MERCATOR, VANTOR32_HOTINE_TWO_POINT,       VANTOR32_HOTINE_AZIMUTH,
    VANTOR32_LAMBERT_ONE_PARALLEL, VANTOR32_STEREOGRAPHIC,         VANTOR32_POLAR_STEREOGRAPHIC,
    VANTOR32_DOUBLE_STEREOGRAPHIC, VANTOR32_EUROPEAN_STEREOGRAPHIC};
constexpr int32_t kNeedDistinctParallels[] = {VANTOR32_HOTINE_TWO_POINT, VANTOR32_LAMBERT_TWO_PARALLEL,
                                              VANTOR32_ALBERS, VANTOR32_EQUIDISTANT_CONIC,
                                              VANTOR32_IMW_POLYCONIC};
constexpr int32_t kNeedNonZeroParallel[] = {VANTOR32_LAMBERT_ONE_PARALLEL, VANTOR32_BONNE};

bool coincide(double first, double second) { return std::fabs(first - second) < kTwoPointTolerance; }

// The checks that come before the constants are derived, in their order.
bool inputs_acceptable(int32_t projection, const double* p) {
  if (p[in::a] == 0 && p[in::e] == 0 && p[in::radius] == 0) return false;
  if (one_of(projection, kNeedScaleFactor) && p[in::k0] == 0) return false;
  if (projection == VANTOR32_SPACE_OBLIQUE_MERCATOR &&
      (p[in::orbit_axis] == 0 || p[in::orbit_eccentricity] == 0 || p[in::earth_period] == 0 ||
       p[in::satellite_period] == 0)) {
    return false;
  }
  if (one_of(projection, kNeedNonZeroParallel) && p[in::phi0] == 0) return false;
  if (one_of(projection, kNeedDistinctParallels) && p[in::phi0] == p[in::phi1] && p[in::phi1] == p[in::phi2]) {
    return false;
  }
  if (projection == VANTOR32_TWO_POINT_FIT &&
      ((coincide(p[in::target1_n], p[in::target2_n]) && coincide(p[in::target1_e], p[in::target2_e])) ||
       (coincide(p[in::phi1], p[in::phi2]) && coincide(p[in::lambda1], p[in::lambda2])))) {
    return false;
  }
  return true;
}

// The direction on the grid of a small northward step from (latitude,
// longitude), measured from the point (northing, easting).
void store_numerical_convergence(const ProjectionRow& row, double* p, double latitude, double longitude,
                                 double northing, double easting, double* convergence, double* scale) {
  double stepped_n = 0, stepped_e = 0;
  row.routines->forward(p, latitude + kConvergenceStep, longitude, &stepped_n, &stepped_e, convergence, scale);
  *convergence = -std::atan2(stepped_e - easting, stepped_n - northing);
}

int16_t fail_point(double* first, double* second, double* convergence, double* scale) {
  for (double* output : {first, second, convergence, scale}) put(output, 0);
  return kFailure;
}

bool wants_numerical_convergence(const ProjectionRow& row, const double* convergence) {
  return convergence && row.convergence == Convergence::numerical;
}

// What proj_forward and proj_inverse share: the cleared optional outputs,
// the checks, the guarded computation and the outputs of a failure.
template <class Computation>
int16_t transform_point(int32_t projection, double* parameters, double* first, double* second,
                        double* convergence, double* scale, Computation&& computation) {
  put(convergence, 0);
  put(scale, 0);
  if (!known(projection)) return kFailure;
  if (!parameters || !first || !second) return fail_point(first, second, convergence, scale);
  const ProjectionRow& row = kProjectionTable[projection];
  return run_guarded([&] { computation(row); }) ? kSuccess : fail_point(first, second, convergence, scale);
}

}  // namespace
}  // namespace vantor

using vantor::kFailure;
using vantor::kProjectionTable;
using vantor::kSuccess;

extern "C" {

int16_t proj_name(int32_t projection, char* buffer, int32_t length) {
  if (!vantor::known(projection) || !buffer || length < 1) return kFailure;
  std::strncpy(buffer, kProjectionTable[projection].name, static_cast<size_t>(length));
  buffer[length - 1] = '\0';
  return kSuccess;
}

const char* GetOldProjectionName(int32_t projection) {
  return vantor::known(projection) ? kProjectionTable[projection].name : vantor::kUnknownProjectionName;
}

int16_t proj_consts(int32_t projection, double* parameters) {
  if (!vantor::known(projection) || !parameters) return kFailure;
  if (!vantor::inputs_acceptable(projection, parameters)) return kFailure;
  const auto& row = kProjectionTable[projection];
  return vantor::run_guarded([&] { row.routines->constants(parameters); }) ? kSuccess : kFailure;
}

int16_t proj_forward(int32_t projection, double* parameters, double latitude, double longitude, double* northing,
                     double* easting, double* convergence, double* scale) {
  return vantor::transform_point(projection, parameters, northing, easting, convergence, scale,
                                 [&](const vantor::ProjectionRow& row) {
                                   row.routines->forward(parameters, latitude, longitude, northing, easting,
                                                         convergence, scale);
                                   if (vantor::wants_numerical_convergence(row, convergence)) {
                                     vantor::store_numerical_convergence(row, parameters, latitude, longitude,
                                                                         *northing, *easting, convergence, scale);
                                   }
                                 });
}

int16_t proj_inverse(int32_t projection, double* parameters, double northing, double easting, double* latitude,
                     double* longitude, double* convergence, double* scale) {
  return vantor::transform_point(projection, parameters, latitude, longitude, convergence, scale,
                                 [&](const vantor::ProjectionRow& row) {
                                   row.routines->inverse(parameters, northing, easting, latitude, longitude,
                                                         convergence, scale);
                                   if (vantor::wants_numerical_convergence(row, convergence)) {
                                     vantor::store_numerical_convergence(row, parameters, *latitude, *longitude,
                                                                         northing, easting, convergence, scale);
                                   }
                                 });
}

int16_t WEP(int32_t) { return 1; }

}  // extern "C"
