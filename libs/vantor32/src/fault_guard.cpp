#include "fault_guard.h"

namespace vantor {

int enabled_fault_traps() {
#if defined(__GLIBC__)
  return fegetexcept() & kFaultExceptions;
#else
  return 0;
#endif
}

}  // namespace vantor
