#include "transform_options.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace vantor_transform {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr int kLastInputSlot = VANTOR32_ORBIT_INCLINATION;

// The input slots that hold angles; the command line gives them in degrees.
constexpr int kAngleSlots[] = {
    VANTOR32_FIRST_PARALLEL,     VANTOR32_SECOND_PARALLEL,     VANTOR32_ORIGIN_LATITUDE,
    VANTOR32_CENTRAL_MERIDIAN,   VANTOR32_CENTRAL_LINE_AZIMUTH, VANTOR32_SKEW_ANGLE,
    VANTOR32_FIRST_LONGITUDE,    VANTOR32_SECOND_LONGITUDE,    VANTOR32_ORBIT_NODE_LONGITUDE,
    VANTOR32_ORBIT_PERIGEE_ARGUMENT, VANTOR32_ORBIT_INCLINATION,
};

bool is_angle_slot(int slot) {
  return std::find(std::begin(kAngleSlots), std::end(kAngleSlots), slot) != std::end(kAngleSlots);
}

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::optional<int> projection_of(const std::string& text) {
  if (const std::optional<double> number = parse_number(text)) {
    const double whole = std::trunc(*number);
    if (whole == *number && whole >= 0 && whole < static_cast<double>(VANTOR32_PROJECTION_COUNT)) {
      return static_cast<int>(whole);
    }
    return std::nullopt;
  }
  for (int number = 0; number < VANTOR32_PROJECTION_COUNT; ++number) {
    if (lower(GetOldProjectionName(number)) == lower(text)) return number;
  }
  return std::nullopt;
}

}  // namespace

std::optional<double> parse_number(const std::string& text) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text.front()))) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string usage() {
  std::string text =
      "usage: vantor-transform [--inverse] PROJECTION [SLOT=VALUE ...]\n"
      "\n"
      "PROJECTION is a number from 0 to 31 or a name in quotes, for example\n"
      "\"Transverse Mercator/Gauss-Kruger\". Each SLOT=VALUE sets an input slot\n"
      "(0 to 24) of the parameter array; angle slots (2 3 4 5 6 7 12 13 18 19 24)\n"
      "are given in degrees. Slot 0 is the semi-major axis, 1 the eccentricity,\n"
      "8 and 9 the false easting and northing, 10 the scale factor, 11 the\n"
      "radius of a sphere.\n"
      "\n"
      "Reads lines \"latitude longitude\" in degrees from standard input and writes\n"
      "\"northing easting convergence scale\"; with --inverse reads \"northing\n"
      "easting\" and writes \"latitude longitude convergence scale\". Angles out\n"
      "are degrees. Empty lines and lines starting with # are skipped.\n"
      "\n"
      "Projections:\n";
  for (int number = 0; number < VANTOR32_PROJECTION_COUNT; ++number) {
    text += "  " + std::to_string(number) + "  " + GetOldProjectionName(number) + "\n";
  }
  return text;
}

ParseResult parse_arguments(const std::vector<std::string>& arguments) {
  Options options;
  bool have_projection = false;
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") return {std::nullopt, usage(), true};
    if (argument == "--inverse" || argument == "-i") {
      options.inverse = true;
      continue;
    }
    const auto equals = argument.find('=');
    if (equals == std::string::npos) {
      if (have_projection) return {std::nullopt, "more than one projection given: \"" + argument + "\""};
      const std::optional<int> projection = projection_of(argument);
      if (!projection) return {std::nullopt, "unknown projection \"" + argument + "\" (0 to 31 or a name)"};
      options.projection = *projection;
      have_projection = true;
      continue;
    }
    const std::optional<double> slot = parse_number(argument.substr(0, equals));
    if (!slot || std::trunc(*slot) != *slot || *slot < 0 || *slot > kLastInputSlot) {
      return {std::nullopt, "\"" + argument + "\": the slot must be a whole number from 0 to 24"};
    }
    const std::optional<double> value = parse_number(argument.substr(equals + 1));
    if (!value) return {std::nullopt, "\"" + argument + "\": the value is not a number"};
    const int index = static_cast<int>(*slot);
    options.parameters[index] = is_angle_slot(index) ? *value * kRadiansPerDegree : *value;
  }
  if (!have_projection) return {std::nullopt, "no projection given\n\n" + usage()};
  return {options, ""};
}

}  // namespace vantor_transform
