// Runs PROJ's command-line tool `proj` as an independent reference: all
// points of a case go through one subprocess on standard input.
#pragma once

#include <string>
#include <vector>

namespace vantor_test {

struct GeographicPoint {
  double latitude, longitude;  // degrees
};

struct ProjReference {
  double easting, northing;
  double scale;  // the parallel scale factor k
};

// The path of `proj`, or an empty string when PROJ's tools are not installed.
std::string proj_tool_path();

// Projects every point with the PROJ definition; throws std::runtime_error
// with a message that names the cause when the tool is missing or fails, and
// gives NaN coordinates for a point the tool rejects.
std::vector<ProjReference> run_proj_forward(const std::string& definition,
                                            const std::vector<GeographicPoint>& points);

// One point through `proj -V`: the grid convergence in degrees.
double run_proj_convergence(const std::string& definition, const GeographicPoint& point);

}  // namespace vantor_test
