// The shape every projection shares: its three routines working on the
// caller's parameter array, the row that registers them in the projection
// table, and short names for the input slots.
#pragma once

#include "vantor32.h"

namespace vantor {

using ConstantsRoutine = void (*)(double* p);
using ForwardRoutine = void (*)(double* p, double latitude, double longitude, double* northing,
                                double* easting, double* convergence, double* scale);
using InverseRoutine = void (*)(double* p, double northing, double easting, double* latitude,
                                double* longitude, double* convergence, double* scale);

// Where the convergence output of a projection comes from.
enum class Convergence {
  own,       // the routine's own value (a cone angle, or 0)
  numerical  // the direction of a small northward step on the grid
};

constexpr int kNameFieldLength = 64;

// The three routines of one projection, defined by its family's source.
struct Routines {
  ConstantsRoutine constants;
  ForwardRoutine forward;
  InverseRoutine inverse;
};

struct ProjectionRow {
  char name[kNameFieldLength];
  const Routines* routines;
  Convergence convergence;
};

extern const ProjectionRow kProjectionTable[VANTOR32_PROJECTION_COUNT];
extern const char kUnknownProjectionName[];

// Input slots under the letters of the formulas.
namespace in {
constexpr int a = VANTOR32_SEMI_MAJOR_AXIS;
constexpr int e = VANTOR32_ECCENTRICITY;
constexpr int phi1 = VANTOR32_FIRST_PARALLEL;
constexpr int phi2 = VANTOR32_SECOND_PARALLEL;
constexpr int phi0 = VANTOR32_ORIGIN_LATITUDE;
constexpr int lambda0 = VANTOR32_CENTRAL_MERIDIAN;
constexpr int azimuth = VANTOR32_CENTRAL_LINE_AZIMUTH;
constexpr int skew = VANTOR32_SKEW_ANGLE;
constexpr int fe = VANTOR32_FALSE_EASTING;
constexpr int fn = VANTOR32_FALSE_NORTHING;
constexpr int k0 = VANTOR32_SCALE_FACTOR;
constexpr int radius = VANTOR32_SPHERE_RADIUS;
constexpr int lambda1 = VANTOR32_FIRST_LONGITUDE;
constexpr int lambda2 = VANTOR32_SECOND_LONGITUDE;
constexpr int target1_n = VANTOR32_FIRST_TARGET_NORTHING;
constexpr int target1_e = VANTOR32_FIRST_TARGET_EASTING;
constexpr int target2_n = VANTOR32_SECOND_TARGET_NORTHING;
constexpr int target2_e = VANTOR32_SECOND_TARGET_EASTING;
constexpr int orbit_node = VANTOR32_ORBIT_NODE_LONGITUDE;
constexpr int orbit_perigee = VANTOR32_ORBIT_PERIGEE_ARGUMENT;
constexpr int orbit_axis = VANTOR32_ORBIT_SEMI_MAJOR_AXIS;
constexpr int orbit_eccentricity = VANTOR32_ORBIT_ECCENTRICITY;
constexpr int earth_period = VANTOR32_EARTH_ROTATION_PERIOD;
constexpr int satellite_period = VANTOR32_SATELLITE_PERIOD;
constexpr int orbit_inclination = VANTOR32_ORBIT_INCLINATION;
}  // namespace in

// Writes value through an optional output pointer.
inline void put(double* target, double value) {
  if (target) *target = value;
}

}  // namespace vantor
