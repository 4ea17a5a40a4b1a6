// Helpers for the real-compiler tests: compile a formula, bind parameters, run it, and tell
// which fault a run raised.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "base/errors.h"
#include "expr/tcompile.h"

namespace zarnix::testing_tcompile {

using Bindings = std::initializer_list<std::pair<const char*, Extended>>;

inline void Bind(TCompile& c, Bindings values) {
  for (const auto& [name, value] : values) {
    if (Extended* slot = c.ParameterAddress(name)) *slot = value;
  }
}

// Compiles (asserting success) and runs once.
inline Extended Eval(const std::string& formula, Bindings values = {}) {
  TCompile c;
  EXPECT_TRUE(c.SetFormula(formula)) << formula << " error " << c.ErrorCode();
  Bind(c, values);
  return c.CodeEntry();
}

// Compile error number of a formula (0 when it compiles).
inline int CompileError(const std::string& formula) {
  TCompile c;
  c.SetFormula(formula);
  return c.ErrorCode();
}

// "ok", "zero", "invalid" or "overflow": how a run of a compiled formula ends.
inline std::string Outcome(const std::string& formula, Bindings values = {}) {
  TCompile c;
  if (!c.SetFormula(formula)) return "compile error " + std::to_string(c.ErrorCode());
  Bind(c, values);
  try {
    c.CodeEntry();
    return "ok";
  } catch (const EZeroDivide&) {
    return "zero";
  } catch (const EInvalidOp&) {
    return "invalid";
  } catch (const EOverflow&) {
    return "overflow";
  }
}

// Distance in units of the last place of the 64-bit mantissa.
inline long double Ulps(Extended a, Extended b) {
  if (a == b) return 0;
  const int exponent = std::ilogb(std::fmax(std::fabs(a), std::fabs(b)));
  return std::fabs(a - b) / std::ldexp(1.0L, exponent - 63);
}

}  // namespace zarnix::testing_tcompile
