// Azimuthal projections: equal-area, equidistant, orthographic, gnomonic and
// the stereographic variants.
#pragma once

#include "projection.h"

namespace vantor {

extern const Routines azimuthal_equal_area;
extern const Routines polar_azimuthal_equal_area;
extern const Routines azimuthal_equidistant;
extern const Routines polar_azimuthal_equidistant;
extern const Routines orthographic;
extern const Routines stereographic;
extern const Routines polar_stereographic;
extern const Routines stereographic_70;
extern const Routines gnomic;
extern const Routines double_stereographic;
extern const Routines european_stereographic;

}  // namespace vantor
