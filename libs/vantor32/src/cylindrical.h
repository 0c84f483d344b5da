// Cylindrical projections: Transverse Mercator, Mercator, the two Hotine
// oblique Mercators, Cassini, Equal-Area, Equidistant and Miller Cylindrical.
#pragma once

#include "projection.h"

namespace vantor {

extern const Routines transverse_mercator;
extern const Routines mercator;
extern const Routines hotine_two_point;
extern const Routines hotine_azimuth;
extern const Routines cassini;
extern const Routines equal_area_cylindrical;
extern const Routines equidistant_cylindrical;
extern const Routines miller_cylindrical;

// For the projections that derive nothing.
void no_constants(double* p);

}  // namespace vantor
