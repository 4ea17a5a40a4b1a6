// Floating-point fault checks. Faults are detected from the sticky fenv flags, never by
// trapping: clear before a computation, check after each value that is kept or shown.
#pragma once

#include "base/extended.h"

namespace zarnix {

// Clears the division-by-zero, invalid and overflow flags.
void ClearFpFaults();

// Throws EZeroDivide, EInvalidOp or EOverflow when the matching flag is raised
// (in that order of precedence) and clears the flags. Underflow and inexact are ignored.
void CheckFpFaults();

// CheckFpFaults(), then returns the value; convenient where a value is stored.
inline Extended Checked(Extended value) {
  CheckFpFaults();
  return value;
}

// RAII: clears the flags on entry and restores the flags that were raised before on exit,
// so a nested computation can check its own faults without losing the caller's.
class FpFaultScope {
 public:
  FpFaultScope();
  ~FpFaultScope();
  FpFaultScope(const FpFaultScope&) = delete;
  FpFaultScope& operator=(const FpFaultScope&) = delete;

 private:
  int saved_;
};

}  // namespace zarnix
