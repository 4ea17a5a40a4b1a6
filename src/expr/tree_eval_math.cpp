// The library power, 64-bit truncation and the evaluators' message table.
// Faults are left in the FP flags for the caller's check, as the FPU would report them.
#include "expr/tree_eval_math.h"

#include <cmath>
#include <cstdint>

#include "base/fpu.h"

namespace zarnix {

namespace {

constexpr const char* kFormulaMessageTexts[] = {
    "表达式错误",
    "计算x^y时，若x<=0，y必须为整数",
    "计算阶乘时，x不能小于0",
    "表达式错误：括号或运算嵌套超过1000层",
};

constexpr Extended kTwoTo63 = 9223372036854775808.0L;

}  // namespace

const char* FormulaMessageText(FormulaMessage message) {
  return kFormulaMessageTexts[static_cast<int>(message)];
}

namespace evalmath {

Extended IntPower(Extended base, std::int32_t exponent) {
  // Work on the magnitude as unsigned so that INT32_MIN has one.
  std::uint32_t n = exponent < 0 ? 0u - static_cast<std::uint32_t>(exponent)
                                 : static_cast<std::uint32_t>(exponent);
  Extended result = 1;
  Extended square = base;
  while (n != 0) {
    if (n & 1u) result *= square;
    n >>= 1;
    if (n != 0) square *= square;
  }
  return exponent < 0 ? 1 / result : result;
}

Extended Power(Extended base, Extended exponent) {
  if (exponent == 0) return 1;
  if (base == 0 && exponent > 0) return 0;
  if (IsWhole(exponent) && std::fabs(exponent) <= INT32_MAX) {
    return IntPower(base, static_cast<std::int32_t>(exponent));
  }
  return std::exp(exponent * std::log(base));
}

std::int64_t TruncToInt64(Extended x) {
  if (!(x >= -kTwoTo63 && x < kTwoTo63)) {
    CheckFpFaults();
    throw EInvalidOp();
  }
  return static_cast<std::int64_t>(x);
}

}  // namespace evalmath

}  // namespace zarnix
