// Floating-point fault checks over the sticky fenv flags (x87 and SSE alike).
#include "base/fpu.h"

#include <cfenv>

#include "base/errors.h"

namespace zarnix {

namespace {
constexpr int kFaultFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
}

void ClearFpFaults() {
  std::feclearexcept(kFaultFlags);
}

void CheckFpFaults() {
  const int raised = std::fetestexcept(kFaultFlags);
  if (raised == 0) return;
  std::feclearexcept(kFaultFlags);
  if (raised & FE_DIVBYZERO) throw EZeroDivide();
  if (raised & FE_INVALID) throw EInvalidOp();
  throw EOverflow();
}

FpFaultScope::FpFaultScope() : saved_(std::fetestexcept(kFaultFlags)) {
  std::feclearexcept(kFaultFlags);
}

FpFaultScope::~FpFaultScope() {
  if (saved_ != 0) std::feraiseexcept(saved_);
}

}  // namespace zarnix
