// Arithmetic and messages shared by the tree evaluators and TCalcExpress: the library power,
// truncation to a 64-bit integer with its fault, and the one table of the evaluators' texts.
#pragma once

#include <cmath>
#include <cstdint>

#include "base/errors.h"
#include "base/extended.h"

namespace zarnix {

// The evaluators' message texts, in the order of kFormulaMessageTexts.
enum class FormulaMessage {
  kBadExpression,       // unrecognised or malformed formula text
  kPowerOfNonPositive,  // x^y with x <= 0 and a non-whole y
  kNegativeFactorial,   // fac(x) with x < 0
  kTooDeep,             // brackets or operators nested beyond the evaluator's depth
};

const char* FormulaMessageText(FormulaMessage message);

// Ends a calculation with one of the evaluators' messages.
class EFormulaError : public Exception {
 public:
  explicit EFormulaError(FormulaMessage message)
      : Exception(FormulaMessageText(message)), kind_(message) {}
  FormulaMessage Kind() const { return kind_; }

 private:
  FormulaMessage kind_;
};

namespace evalmath {

// base^exponent by square-and-multiply; a negative exponent gives 1 / base^|exponent|.
Extended IntPower(Extended base, std::int32_t exponent);

// The power of the runtime library: exponent 0 gives 1, base 0 with a positive exponent 0,
// a whole exponent (within 32 bits) IntPower, anything else exp(exponent * ln base).
// Faults (ln of a negative base, 0 to a negative power) are left in the FP flags.
Extended Power(Extended base, Extended exponent);

// x truncated toward zero as a 64-bit integer. NaN and values outside the 64-bit range raise
// EInvalidOp, after any fault already pending (so 1/0 followed by trunc reports the division).
std::int64_t TruncToInt64(Extended x);

// True when x has no fractional part (NaN is not whole, infinities are).
inline bool IsWhole(Extended x) {
  return std::trunc(x) == x;
}

}  // namespace evalmath

}  // namespace zarnix
