// vantor-transform: transforms points between geographic and plane
// coordinates with one of the 32 projections of libvantor32, one point a
// line, for people at a terminal or in a pipe.
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "transform_options.h"
#include "vantor32.h"

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

// Two numbers and nothing else, or a message saying what is wrong.
bool read_pair(const std::string& line, double& first, double& second, std::string& problem) {
  std::istringstream fields(line);
  std::string a, b, rest;
  if (!(fields >> a >> b)) {
    problem = "expected two numbers";
    return false;
  }
  if (fields >> rest) {
    problem = "unexpected text after two numbers: \"" + rest + "\"";
    return false;
  }
  const auto x = vantor_transform::parse_number(a), y = vantor_transform::parse_number(b);
  if (!x || !y) {
    problem = "not a number: \"" + (x ? b : a) + "\"";
    return false;
  }
  first = *x;
  second = *y;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const vantor_transform::ParseResult parsed =
      vantor_transform::parse_arguments(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.help) {
    std::cout << parsed.message;
    return 0;
  }
  if (!parsed.options) {
    std::cerr << "vantor-transform: " << parsed.message << "\n";
    return 2;
  }
  vantor_transform::Options options = *parsed.options;
  if (proj_consts(options.projection, options.parameters.data()) != 0) {
    std::cerr << "vantor-transform: the parameters do not fit " << GetOldProjectionName(options.projection)
              << " (a figure of the earth, a scale factor, distinct parallels or points are missing)\n";
    return 2;
  }
  std::string line;
  int line_number = 0, bad_lines = 0;
  while (std::getline(std::cin, line)) {
    ++line_number;
    if (line.find_first_not_of(" \t\r") == std::string::npos || line[line.find_first_not_of(" \t")] == '#') continue;
    double first = 0, second = 0, out_first = 0, out_second = 0, convergence = 0, scale = 0;
    std::string problem;
    if (!read_pair(line, first, second, problem)) {
      std::cerr << "vantor-transform: line " << line_number << ": " << problem << "\n";
      ++bad_lines;
      continue;
    }
    const int16_t status =
        options.inverse
            ? proj_inverse(options.projection, options.parameters.data(), first, second, &out_first, &out_second,
                           &convergence, &scale)
            : proj_forward(options.projection, options.parameters.data(), first / kDegreesPerRadian,
                           second / kDegreesPerRadian, &out_first, &out_second, &convergence, &scale);
    if (status != 0) {
      std::cerr << "vantor-transform: line " << line_number << ": the point cannot be transformed\n";
      ++bad_lines;
      continue;
    }
    if (options.inverse) {
      out_first *= kDegreesPerRadian;
      out_second *= kDegreesPerRadian;
    }
    std::printf("%.10g %.10g %.8f %.8f\n", out_first, out_second, convergence * kDegreesPerRadian, scale);
  }
  return bad_lines == 0 ? 0 : 1;
}
