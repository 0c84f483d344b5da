// Conic and polyconic projections: Lambert Conformal Conic (two parallels and
// one parallel), Albers, Equidistant Conic, Bonne, IMW Polyconic, Polyconic.
#pragma once

#include "projection.h"

namespace vantor {

extern const Routines lambert_two_parallel;
extern const Routines lambert_one_parallel;
extern const Routines albers;
extern const Routines equidistant_conic;
extern const Routines bonne;
extern const Routines imw_polyconic;
extern const Routines polyconic;

}  // namespace vantor
