// Checks shared by the higher-mathematics tests: closeness relative to a value (or to a floor
// where the value is near a zero), and the routines' refusals.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "base/extended.h"
#include "numeric/higher_math_functions.h"

namespace zarnix {

// |actual − expected| <= rel · max(|expected|, floor).
inline ::testing::AssertionResult Close(Extended actual, Extended expected, Extended rel,
                                        Extended floor = 0) {
  const Extended scale = std::fmax(std::fabs(expected), floor);
  if (std::fabs(actual - expected) <= rel * scale) return ::testing::AssertionSuccess();
  std::ostringstream text;
  text.precision(21);
  text << actual << " instead of " << expected;
  return ::testing::AssertionFailure() << text.str();
}

// The call throws EHigherMathError of this kind.
inline void ExpectHigherMathError(auto call, HigherMathError kind) {
  try {
    call();
    ADD_FAILURE() << "no error " << HigherMathErrorText(kind);
  } catch (const EHigherMathError& error) {
    EXPECT_EQ(error.Kind(), kind);
  }
}

}  // namespace zarnix
