#include "proj_tool.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace vantor_test {
namespace {

constexpr const char* kMissingTool =
    "PROJ's command-line tool `proj` was not found on PATH; install the Debian package proj-bin "
    "(scripts/setup-deps does)";

// A scratch file holding the input lines, removed when it goes out of scope.
class InputFile {
 public:
  explicit InputFile(const std::string& text) {
    char name[] = "/tmp/vantor32-proj-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) throw std::runtime_error("cannot create a scratch file for proj input");
    close(fd);
    path_ = name;
    std::ofstream(path_) << text;
  }
  ~InputFile() { std::remove(path_.c_str()); }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string run(const std::string& options, const std::string& definition, const std::string& input) {
  const std::string tool = proj_tool_path();
  if (tool.empty()) throw std::runtime_error(kMissingTool);
  const InputFile file(input);
  const std::string command = tool + " " + options + " " + definition + " < " + file.path() + " 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) throw std::runtime_error("cannot start: " + command);
  std::string output;
  char buffer[4096];
  size_t count = 0;
  while ((count = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) output.append(buffer, count);
  const int status = pclose(pipe.release());
  if (status != 0) throw std::runtime_error("proj failed (" + std::to_string(status) + "): " + command + "\n" + output);
  return output;
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
