// The parameter sets of the PROJ reference cases, one or more per projection
// that PROJ offers, with the grid of points inside each one's domain and the
// tolerances its formulas earn. The round-trip and thread tests reuse them.
#pragma once

#include <string>
#include <vector>

#include "params.h"
#include "proj_tool.h"

namespace vantor_test {

struct Grid {
  double lat_min, lat_max, lon_min, lon_max;
  int rows, columns;
};

struct ReferenceCase {
  const char* label;
  int projection;
  Parameters parameters;
  std::string proj;            // PROJ's definition without the figure of the earth
  std::string figure;          // +a/+e or +R, from the same numbers as our slots
  Grid grid;
  double linear_tolerance;     // metres (or radius units), forward
  double angular_tolerance;    // degrees, inverse
  // Relative; PROJ prints its scale factor to six significant digits, so
  // 1e-5 is the finest check. 0: our routine computes no scale to compare.
  double scale_tolerance;
  // Run after a first proj_consts to fit the parameters to PROJ's form.
  void (*fit_to_proj)(Parameters&) = nullptr;
};

std::vector<ReferenceCase> reference_cases();

// PROJ's figure of the earth from the same numbers as our slots 0 and 1.
std::string figure_of(const Ellipsoid& ellipsoid);

std::vector<GeographicPoint> grid_points(const Grid& grid);

}  // namespace vantor_test
