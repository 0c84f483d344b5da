// Pseudocylindrical and other projections: Mollweide, Robinson, Sinusoidal,
// Space Oblique Mercator, Van der Grinten 1 and Two Point Fit.
#pragma once

#include "projection.h"

namespace vantor {

extern const Routines mollweide;
extern const Routines robinson;
extern const Routines sinusoidal;
extern const Routines space_oblique_mercator;
extern const Routines van_der_grinten;
extern const Routines two_point_fit;

}  // namespace vantor
