// The projection table: the 32 numbered projections with their names and
// routines. The numbers are the interface's identifiers, not an ordering.
#include "azimuthal.h"
#include "conic.h"
#include "cylindrical.h"
#include "other.h"
#include "projection.h"

namespace vantor {

constexpr Convergence own = Convergence::own;
constexpr Convergence numerical = Convergence::numerical;

const ProjectionRow kProjectionTable[VANTOR32_PROJECTION_COUNT] = {
    {"Transverse Mercator/Gauss-Kruger", &transverse_mercator, numerical},
    {"Mercator", &mercator, own},
    {"Hotine Oblique Mercator (2 pts)", &hotine_two_point, numerical},
    {"RSO/Hotine Oblique Mercator (1 pt & az)", &hotine_azimuth, numerical},
    {"Lambert Conformal Conic (2 parallel)", &lambert_two_parallel, own},
    {"Lambert Conformal Conic (1 parallel)", &lambert_one_parallel, own},
    {"Albers Equal Area Conic", &albers, own},
    {"Azimuthal Equal Area", &azimuthal_equal_area, numerical},
    {"Polar Azimuthal Equal-Area", &polar_azimuthal_equal_area, numerical},
    {"Azimuthal Equidistant", &azimuthal_equidistant, numerical},
    {"Polar Azimuthal Equidistant", &polar_azimuthal_equidistant, numerical},
    {"Bonne", &bonne, numerical},
    {"Cassini", &cassini, numerical},
    {"Equal-Area Cylindrical", &equal_area_cylindrical, own},
    {"Equidistant Conic", &equidistant_conic, own},
    {"Equidistant Cylindrical", &equidistant_cylindrical, own},
    {"IMW Polyconic", &imw_polyconic, numerical},
    {"Miller Cylindrical", &miller_cylindrical, own},
    {"Mollweide", &mollweide, numerical},
    {"Orthographic", &orthographic, numerical},
    {"Polyconic", &polyconic, numerical},
    {"Robinson", &robinson, numerical},
    {"Sinusoidal", &sinusoidal, numerical},
    {"Space Oblique Mercator", &space_oblique_mercator, numerical},
    {"Stereographic", &stereographic, numerical},
    {"Polar Stereographic", &polar_stereographic, numerical},
    {"Stereographic 70", &stereographic_70, own},
    {"Gnomic", &gnomic, numerical},
    {"Van der Grinten 1", &van_der_grinten, numerical},
    {"Double Stereographic", &double_stereographic, numerical},
    {"Two Point Fit", &two_point_fit, own},
    {"European Stereographic", &european_stereographic, numerical},
};

const char kUnknownProjectionName[] = "Unknown Projection";

}  // namespace vantor
