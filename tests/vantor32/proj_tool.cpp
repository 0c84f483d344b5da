#include "proj_tool.h"

#include <unistd.h>

#include <cstdlib>
#include <limits>
#include <sstream>
#include <stdexcept>

#include "subprocess.h"

namespace vantor_test {
namespace {

constexpr const char* kMissingTool =
    "PROJ's command-line tool `proj` was not found on PATH; install the Debian package proj-bin "
    "(scripts/setup-deps does)";

std::string run(const std::string& options, const std::string& definition, const std::string& input) {
  const std::string tool = proj_tool_path();
  if (tool.empty()) throw std::runtime_error(kMissingTool);
  const std::string command = tool + " " + options + " " + definition + " 2>&1";
  const CommandResult result = run_command(command, input);
  if (result.exit_code != 0) {
    throw std::runtime_error("proj failed (" + std::to_string(result.exit_code) + "): " + command + "\n" + result.output);
  }
  return result.output;
}

double number_or_nan(const std::string& field) {
  char* end = nullptr;
  const double value = std::strtod(field.c_str(), &end);
  return end == field.c_str() ? std::numeric_limits<double>::quiet_NaN() : value;
}

}  // namespace

std::string proj_tool_path() {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "/usr/bin");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    const std::string candidate = folder + "/proj";
    if (!folder.empty() && access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

std::vector<ProjReference> run_proj_forward(const std::string& definition,
                                            const std::vector<GeographicPoint>& points) {
  std::ostringstream input;
  input.precision(17);
  for (const GeographicPoint& point : points) input << point.latitude << ' ' << point.longitude << '\n';
  std::istringstream output(run("-r -S -f %.10f", definition, input.str()));
  std::vector<ProjReference> references;
  std::string line;
  while (std::getline(output, line)) {
    std::istringstream fields(line);
    std::string easting, northing, h, k;
    fields >> easting >> northing >> h >> k;
    references.push_back({number_or_nan(easting), number_or_nan(northing), number_or_nan(k)});
  }
  if (references.size() != points.size()) {
    throw std::runtime_error("proj gave " + std::to_string(references.size()) + " lines for " +
                             std::to_string(points.size()) + " points: " + definition);
  }
  return references;
}

double run_proj_convergence(const std::string& definition, const GeographicPoint& point) {
  std::ostringstream input;
  input.precision(17);
  input << point.latitude << ' ' << point.longitude << '\n';
  std::istringstream output(run("-r -V", definition, input.str()));
  const std::string label = "Convergence";
  std::string line;
  while (std::getline(output, line)) {
    if (line.rfind(label, 0) != 0) continue;
    const auto open = line.find('['), close = line.find(']');
    if (open != std::string::npos && close != std::string::npos) {
      return number_or_nan(line.substr(open + 1, close - open - 1));
    }
  }
  throw std::runtime_error("proj -V printed no convergence for " + definition);
}

}  // namespace vantor_test
