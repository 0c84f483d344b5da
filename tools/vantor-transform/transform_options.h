// The command line of vantor-transform: a projection by number or name, its
// parameters as slot=value pairs (angles in degrees), and the direction.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "vantor32.h"

namespace vantor_transform {

struct Options {
  int projection = -1;
  bool inverse = false;
  std::array<double, VANTOR32_PARAMETER_COUNT> parameters{};
};

struct ParseResult {
  std::optional<Options> options;  // empty on an error or a request for help
  std::string message;             // the error, or the usage text
  bool help = false;               // the user asked for the usage text
};

ParseResult parse_arguments(const std::vector<std::string>& arguments);

// A text that is a whole number in full, or nothing.
std::optional<double> parse_number(const std::string& text);

// The usage text.
std::string usage();

}  // namespace vantor_transform
