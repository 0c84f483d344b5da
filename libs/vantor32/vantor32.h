/*
 * vantor32 — conversion between geographic coordinates (latitude, longitude on
 * an ellipsoid or a sphere) and plane map coordinates (northing, easting) for
 * 32 numbered map projections.
 *
 * Usage: fill the input slots of a parameter array of at least
 * VANTOR32_PARAMETER_COUNT doubles, call proj_consts once, then proj_forward
 * and proj_inverse for any number of points. The same array, with unchanged
 * input slots, goes to every call; after changing an input slot call
 * proj_consts again. The library keeps no copy and no state of its own.
 *
 * Units and order: every angle is in radians (latitudes, longitudes, the
 * parameter angles, the convergence); linear values are in the caller's unit
 * (that of the semi-major axis or the sphere radius). Pairs are passed north
 * value first: forward takes (latitude, longitude) and gives (northing,
 * easting); inverse takes (northing, easting) and gives (latitude, longitude).
 *
 * Status results: 0 success, 1 failure; there are no other codes.
 *
 * Threads: calls for different parameter arrays may run on different threads
 * at once. One array must not be used by two threads at once: some routines
 * write into it while they run (Polyconic moves slot 5 by whole turns, IMW
 * Polyconic keeps scratch in slot 45).
 *
 * Faults: when the caller runs with floating-point traps enabled
 * (feenableexcept), each computation runs with traps masked instead; if it
 * raises one of the enabled invalid, divide-by-zero or overflow exceptions the
 * call fails with status 1, the coordinate outputs and the non-null
 * convergence and scale outputs are set to 0, and the caller's floating-point
 * environment is restored. A null coordinate output pointer (or a null
 * parameter array) is a failure too. With traps masked, the usual environment,
 * a point outside a projection's domain gives infinite or not-a-number values
 * with status 0; no routine checks its results for finiteness.
 *
 * Convergence: the angle between grid north and the meridian, positive where
 * the meridian leans toward grid west. The conics 4, 5, 6, 14 give their cone
 * angle n·(λ − λ0); Mercator, the other normal cylindricals, Stereographic 70
 * and Two Point Fit give 0; every other projection gets it numerically: the
 * forward routine is run again at latitude + 0.0001 rad and the convergence is
 * the direction of that step on the grid. That second run receives the
 * caller's scale pointer, so when a convergence pointer is given those
 * projections report the scale at the stepped point.
 *
 * Decisions on behaviour the formula sets leave open:
 *  - Polar Stereographic (25) has one scale rule for both directions: true
 *    scale on the parallel |slot 4| (slot 10 unused), except when |slot 4| is
 *    within 1e-10 of π/2, where the scale factor slot 10 governs at the pole.
 *    The south aspect (slot 4 < 0) mirrors the north one.
 *  - European Stereographic (31) with a centre at either pole uses the polar
 *    aspect of that pole (the south one mirrors the north one).
 *  - Arctangents whose quadrant is open (the Albers and Equidistant Conic
 *    cone angle, the Gnomic inverse longitude, the polar European
 *    Stereographic inverse longitude) are resolved from the signs of
 *    numerator and denominator, so inverse longitudes land in the right
 *    half-plane.
 *  - Equal-Area Cylindrical (13): slot 4 is both the standard parallel and a
 *    latitude offset: the northing is a·q(φ − slot 4)/(2·m(slot 4)), so the
 *    parallel slot 4 maps to the false northing. With slot 4 = 0 this is the
 *    usual equal-area cylindrical; with another value it is not equal-area.
 *  - IMW Polyconic (16) expects slot 2 to be the northern and slot 3 the
 *    southern parallel of the sheet.
 *  - RSO/Hotine (3) with a projection centre south of the equator puts the
 *    centre at the mirror image of the northern one (the root of the centre's
 *    isometric offset takes the sign of the centre latitude).
 *  - IMW Polyconic's inverse of a point on the central meridian returns the
 *    central meridian (its longitude ratio would be 0/0 there).
 *  - Space Oblique Mercator keeps the eccentric anomaly continuous in the
 *    orbit longitude (whole turns are added back), so points either side of
 *    λ′ − ω = ±π stay neighbours.
 *  - Transverse Mercator and Two Point Fit report a fault with status 1 like
 *    every other projection.
 *  - Iterations without a stated bound stop after 100 rounds.
 */
#ifndef VANTOR32_H
#define VANTOR32_H

#include <stdint.h>

#if defined(_WIN32)
#define VANTOR32_API __declspec(dllexport)
#define VANTOR32_CALL __stdcall
#else
#define VANTOR32_API __attribute__((visibility("default")))
#define VANTOR32_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Projection numbers. */
enum vantor32_projection {
  VANTOR32_TRANSVERSE_MERCATOR = 0,
  VANTOR32_MERCATOR = 1,
  VANTOR32_HOTINE_TWO_POINT = 2,
  VANTOR32_HOTINE_AZIMUTH = 3,
  VANTOR32_LAMBERT_TWO_PARALLEL = 4,
  VANTOR32_LAMBERT_ONE_PARALLEL = 5,
  VANTOR32_ALBERS = 6,
  VANTOR32_AZIMUTHAL_EQUAL_AREA = 7,
  VANTOR32_POLAR_AZIMUTHAL_EQUAL_AREA = 8,
  VANTOR32_AZIMUTHAL_EQUIDISTANT = 9,
  VANTOR32_POLAR_AZIMUTHAL_EQUIDISTANT = 10,
  VANTOR32_BONNE = 11,
  VANTOR32_CASSINI = 12,
  VANTOR32_EQUAL_AREA_CYLINDRICAL = 13,
  VANTOR32_EQUIDISTANT_CONIC = 14,
  VANTOR32_EQUIDISTANT_CYLINDRICAL = 15,
  VANTOR32_IMW_POLYCONIC = 16,
  VANTOR32_MILLER = 17,
  VANTOR32_MOLLWEIDE = 18,
  VANTOR32_ORTHOGRAPHIC = 19,
  VANTOR32_POLYCONIC = 20,
  VANTOR32_ROBINSON = 21,
  VANTOR32_SINUSOIDAL = 22,
  VANTOR32_SPACE_OBLIQUE_MERCATOR = 23,
  VANTOR32_STEREOGRAPHIC = 24,
  VANTOR32_POLAR_STEREOGRAPHIC = 25,
  VANTOR32_STEREOGRAPHIC_70 = 26,
  VANTOR32_GNOMIC = 27,
  VANTOR32_VAN_DER_GRINTEN = 28,
  VANTOR32_DOUBLE_STEREOGRAPHIC = 29,
  VANTOR32_TWO_POINT_FIT = 30,
  VANTOR32_EUROPEAN_STEREOGRAPHIC = 31,
  VANTOR32_PROJECTION_COUNT = 32
};

/* Input slots of the parameter array (slots 29 to 76 hold derived constants;
 * 25 to 28 are unused). */
enum vantor32_slot {
  VANTOR32_SEMI_MAJOR_AXIS = 0,      /* a; also the radius of Robinson */
  VANTOR32_ECCENTRICITY = 1,         /* first eccentricity e, not squared */
  VANTOR32_FIRST_PARALLEL = 2,       /* or latitude of the first point */
  VANTOR32_SECOND_PARALLEL = 3,      /* or latitude of the second point */
  VANTOR32_ORIGIN_LATITUDE = 4,      /* origin, centre, true scale, single parallel */
  VANTOR32_CENTRAL_MERIDIAN = 5,
  VANTOR32_CENTRAL_LINE_AZIMUTH = 6, /* RSO/Hotine (1 pt & az) */
  VANTOR32_SKEW_ANGLE = 7,           /* rectified to skew grid, RSO/Hotine */
  VANTOR32_FALSE_EASTING = 8,
  VANTOR32_FALSE_NORTHING = 9,
  VANTOR32_SCALE_FACTOR = 10,
  VANTOR32_SPHERE_RADIUS = 11,
  VANTOR32_FIRST_LONGITUDE = 12,     /* first point; IMW meridian of true scale */
  VANTOR32_SECOND_LONGITUDE = 13,
  VANTOR32_FIRST_TARGET_NORTHING = 14,
  VANTOR32_FIRST_TARGET_EASTING = 15,
  VANTOR32_SECOND_TARGET_NORTHING = 16,
  VANTOR32_SECOND_TARGET_EASTING = 17,
  VANTOR32_ORBIT_NODE_LONGITUDE = 18,
  VANTOR32_ORBIT_PERIGEE_ARGUMENT = 19,
  VANTOR32_ORBIT_SEMI_MAJOR_AXIS = 20,
  VANTOR32_ORBIT_ECCENTRICITY = 21,
  VANTOR32_EARTH_ROTATION_PERIOD = 22,
  VANTOR32_SATELLITE_PERIOD = 23,
  VANTOR32_ORBIT_INCLINATION = 24,
  VANTOR32_PARAMETER_COUNT = 77
};

/* Copies the name of a projection into buffer (at most length bytes, zero
 * filled, the byte at length − 1 always zero). Returns 1 and leaves the buffer
 * untouched for a number outside 0 to 31. length must be at least 1. */
VANTOR32_API int16_t VANTOR32_CALL proj_name(int32_t projection, char* buffer, int32_t length);

/* The library's own name of a projection, "Unknown Projection" for a number
 * outside 0 to 31. The string stays valid while the library is loaded. */
VANTOR32_API const char* VANTOR32_CALL GetOldProjectionName(int32_t projection);

/* Validates the input slots and derives the constants into the same array;
 * may also rewrite some input slots (the one-parallel Lambert copies slot 4
 * into slots 2 and 3, the two-parallel Lambert sets slot 10 to 1.0, Hotine
 * (2 pts) moves slot 13 by 2π, Two Point Fit sets slots 4, 5, 8, 9, 10). */
VANTOR32_API int16_t VANTOR32_CALL proj_consts(int32_t projection, double* parameters);

/* Geographic (latitude, longitude) to plane (northing, easting). The
 * convergence and scale pointers may be null. */
VANTOR32_API int16_t VANTOR32_CALL proj_forward(int32_t projection, double* parameters,
                                                double latitude, double longitude,
                                                double* northing, double* easting,
                                                double* convergence, double* scale);

/* Plane (northing, easting) to geographic (latitude, longitude). The
 * convergence and scale pointers may be null. */
VANTOR32_API int16_t VANTOR32_CALL proj_inverse(int32_t projection, double* parameters,
                                                double northing, double easting,
                                                double* latitude, double* longitude,
                                                double* convergence, double* scale);

/* Legacy library exit entry: does nothing and returns 1. */
VANTOR32_API int16_t VANTOR32_CALL WEP(int32_t unused);

#ifdef __cplusplus
}
#endif

#endif /* VANTOR32_H */
