// Any projection number, any parameter array and any point: the library
// never crashes, never reads or writes outside the array, and returns.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "vantor32.h"

namespace {

constexpr size_t kInputSlots = VANTOR32_ORBIT_INCLINATION + 1;
constexpr int kProjectionsTried = VANTOR32_PROJECTION_COUNT + 2;  // one below and one above the table

// Takes the next double from the input, or 0 once it is used up.
double next_double(const uint8_t*& data, size_t& size) {
  double value = 0;
  if (size >= sizeof value) {
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
  }
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int32_t projection = static_cast<int32_t>(data[0] % kProjectionsTried) - 1;
  ++data;
  --size;
  double parameters[VANTOR32_PARAMETER_COUNT] = {};
  for (size_t slot = 0; slot < kInputSlots; ++slot) parameters[slot] = next_double(data, size);
  const double first = next_double(data, size), second = next_double(data, size);
  if (proj_consts(projection, parameters) != 0) return 0;
  double a = 0, b = 0, convergence = 0, scale = 0;
  proj_forward(projection, parameters, first, second, &a, &b, &convergence, &scale);
  proj_inverse(projection, parameters, first, second, &a, &b, &convergence, &scale);
  proj_inverse(projection, parameters, a, b, &a, &b, nullptr, nullptr);
  return 0;
}
