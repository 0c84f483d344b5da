// Runs a computation so that an arithmetic fault becomes a failure status
// instead of a trap. When the caller has enabled floating-point traps
// (invalid, divide-by-zero, overflow), the computation runs with every trap
// masked and its raised flags decide the outcome; the caller's floating-point
// environment is restored either way. With traps masked there is nothing to
// catch: invalid arithmetic gives infinities and NaNs, as usual.
#pragma once

#include <cfenv>

namespace vantor {

constexpr int kFaultExceptions = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// The fault exceptions whose traps the caller has enabled.
int enabled_fault_traps();

// Returns false when the computation raised one of the enabled traps' flags.
template <class Computation>
bool run_guarded(Computation&& computation) {
  const int traps = enabled_fault_traps();
  if (traps == 0) {
    computation();
    return true;
  }
  std::fenv_t caller;
  std::feholdexcept(&caller);
  computation();
  const bool faulted = std::fetestexcept(traps) != 0;
  std::fesetenv(&caller);
  return !faulted;
}

}  // namespace vantor
