// vantor-transform end to end: parameters in degrees on the command line,
// points on standard input, results with convergence and scale.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "subprocess.h"

namespace vantor_test {
namespace {

std::string tool() { return VANTOR_TRANSFORM_PATH; }

// Snyder's Transverse Mercator example on the Clarke 1866 ellipsoid.
const std::string kTransverseMercator = " 0 0=6378206.4 1=0.0822718542 5=-75 10=0.9996";

TEST(TransformTool, ForwardWritesNorthingEastingConvergenceAndScale) {
  const CommandResult result = run_command(tool() + kTransverseMercator, "40.5 -73.5\n");
  ASSERT_EQ(result.exit_code, 0) << result.output;
  std::istringstream fields(result.output);
  double northing = 0, easting = 0, convergence = 0, scale = 0;
  ASSERT_TRUE(fields >> northing >> easting >> convergence >> scale) << result.output;
  EXPECT_NEAR(northing, 4484124.4, 0.1);
  EXPECT_NEAR(easting, 127106.5, 0.1);
  EXPECT_NEAR(convergence, 0.974, 0.001);  // degrees, east of the meridian
  EXPECT_NEAR(scale, 0.9997989, 1e-6);
}

TEST(TransformTool, InverseTakesAProjectionNameAndGivesDegrees) {
  const CommandResult result = run_command(
      tool() + " --inverse 'transverse mercator/gauss-kruger' 0=6378206.4 1=0.0822718542 5=-75 10=0.9996",
      "4484124.4 127106.5\n");
  ASSERT_EQ(result.exit_code, 0) << result.output;
  std::istringstream fields(result.output);
  double latitude = 0, longitude = 0;
  ASSERT_TRUE(fields >> latitude >> longitude) << result.output;
  EXPECT_NEAR(latitude, 40.5, 1e-5);
  EXPECT_NEAR(longitude, -73.5, 1e-5);
}

TEST(TransformTool, BadLinesAreReportedAndTheRestIsTransformed) {
  const CommandResult result =
      run_command(tool() + kTransverseMercator + " 2>&1", "# header\n\nforty -73\n40.5 -73.5\n1 2 3\n");
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.output.find("line 3: not a number: \"forty\""), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("line 5: unexpected text after two numbers"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("4484124.4"), std::string::npos) << result.output;
}

TEST(TransformTool, BadCommandLinesSayWhatIsWrong) {
  struct BadCall {
    std::string arguments, message;
  };
  const BadCall calls[] = {
      {" 40", "unknown projection \"40\""},
      {" 0 77=1", "the slot must be a whole number from 0 to 24"},
      {" 0 4=north", "the value is not a number"},
      {" 1", "the parameters do not fit Mercator"},
      {"", "no projection given"},
  };
  for (const BadCall& call : calls) {
    const CommandResult result = run_command(tool() + call.arguments + " 2>&1", "");
    EXPECT_EQ(result.exit_code, 2) << call.arguments;
    EXPECT_NE(result.output.find(call.message), std::string::npos) << call.arguments << ": " << result.output;
  }
}

}  // namespace
}  // namespace vantor_test
