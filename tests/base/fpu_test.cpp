// Floating-point faults turn into the three exceptions with their texts; underflow and
// inexact results stay silent.
#include "base/fpu.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/errors.h"

namespace zarnix {
namespace {

// volatile keeps the compiler from folding the faulting operations away.
volatile Extended gZero = 0;
volatile Extended gOne = 1;
volatile Extended gHuge = 1e4000L;
volatile Extended gTiny = 1e-4000L;

std::string FaultText() {
  try {
    CheckFpFaults();
  } catch (const EMathError& e) {
    return e.Message();
  }
  return "";
}

TEST(FpFaults, EachFaultRaisesItsException) {
  ClearFpFaults();
  volatile Extended r = gOne / gZero;
  (void)r;
  EXPECT_EQ(FaultText(), "Floating point division by zero");

  r = std::sqrt(-gOne);
  EXPECT_EQ(FaultText(), "Invalid floating point operation");

  r = gHuge * gHuge;
  EXPECT_EQ(FaultText(), "Floating point overflow");
}

TEST(FpFaults, UnderflowAndInexactAreSilentAndChecksClearTheFlags) {
  ClearFpFaults();
  volatile Extended r = gTiny * gTiny;
  r = gOne / 3;
  (void)r;
  EXPECT_NO_THROW(CheckFpFaults());

  r = gOne / gZero;
  EXPECT_THROW(CheckFpFaults(), EZeroDivide);
  EXPECT_NO_THROW(CheckFpFaults());  // the failed check cleared the flag
}

TEST(FpFaults, DoubleArithmeticIsCheckedToo) {
  ClearFpFaults();
  volatile double zero = 0;
  volatile double r = 1.0 / zero;
  (void)r;
  EXPECT_THROW(CheckFpFaults(), EZeroDivide);
}

TEST(FpFaults, ScopeKeepsTheCallersFlags) {
  ClearFpFaults();
  volatile Extended r = gOne / gZero;
  (void)r;
  {
    FpFaultScope scope;
    EXPECT_NO_THROW(CheckFpFaults());  // the inner computation starts clean
  }
  EXPECT_THROW(CheckFpFaults(), EZeroDivide);
}

}  // namespace
}  // namespace zarnix
