// Calls for different parameter arrays run on several threads at once and
// give exactly the single-threaded results.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "reference_cases.h"
#include "vantor32.h"

namespace vantor_test {
namespace {

struct Transformed {
  std::vector<double> values;  // northing, easting, convergence, scale, latitude, longitude per point
};

// Every reference case on its own array, forward and inverse with convergence
// and scale, repeated so the threads overlap.
Transformed transform_all(const std::vector<ReferenceCase>& cases, int repeats) {
  Transformed result;
  for (int repeat = 0; repeat < repeats; ++repeat) {
    for (const ReferenceCase& c : cases) {
      Parameters p = c.parameters;
      if (proj_consts(c.projection, p.data()) != 0) {
        ADD_FAILURE() << c.label;
        continue;
      }
      for (const GeographicPoint& point : grid_points(c.grid)) {
        double n = 0, e = 0, convergence = 0, scale = 0, latitude = 0, longitude = 0;
        proj_forward(c.projection, p.data(), deg(point.latitude), deg(point.longitude), &n, &e, &convergence, &scale);
        result.values.insert(result.values.end(), {n, e, convergence, scale});
        proj_inverse(c.projection, p.data(), n, e, &latitude, &longitude, &convergence, &scale);
        result.values.insert(result.values.end(), {latitude, longitude, convergence, scale});
      }
    }
  }
  return result;
}

TEST(Threads, ConcurrentCallsOnSeparateArraysMatchSingleThreadedResults) {
  constexpr int kThreads = 4;
  constexpr int kRepeats = 3;
  const std::vector<ReferenceCase> cases = reference_cases();
  const Transformed expected = transform_all(cases, kRepeats);
  std::vector<Transformed> results(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] { results[t] = transform_all(cases, kRepeats); });
  }
  for (std::thread& thread : threads) thread.join();
  for (const Transformed& result : results) {
    ASSERT_EQ(result.values.size(), expected.values.size());
    for (size_t i = 0; i < expected.values.size(); ++i) {
      // Bitwise equal, NaN included.
      ASSERT_TRUE(result.values[i] == expected.values[i] ||
                  (std::isnan(result.values[i]) && std::isnan(expected.values[i])))
          << "value " << i;
    }
  }
}

}  // namespace
}  // namespace vantor_test
