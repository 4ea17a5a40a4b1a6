// Tests of the evaluation wrappers: letter bindings, compile errors and bad complex values as
// messages, refused short arrays, and the compile-once handles against the per-call wrappers.
#include "expr/eval_wrappers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/errors.h"
#include "base/random.h"
#include "base/scripted_ui.h"

namespace zarnix {
namespace {

const Extended kE = std::numbers::e_v<long double>;

class EvalWrappers : public ::testing::Test {
 protected:
  EvalServices Services() { return {ui, clock, random}; }
  std::vector<std::string> Messages() const { return ui.Messages(); }

  ScriptedUi ui;
  ManualClock clock{0.25};
  LcgRandom random;
};

TEST_F(EvalWrappers, RealLetterBindings) {
  const std::vector<Extended> ab = {2, 3};
  Extended r = -1;
  EvalFormulaXYZ(Services(), "a*x+b", ab, 4, 0, 0, r);
  EXPECT_EQ(r, 11);
  EvalFormulaXYZ(Services(), "A*X+B", {}, 4, 0, 0, r);
  EXPECT_EQ(r, 0);
  EvalFormulaXYZ(Services(), "e", ab, 0, 0, 0, r);
  EXPECT_EQ(r, kE);
  const std::vector<Extended> five = {1, 2, 3, 4, 5};
  EvalFormulaXYZ(Services(), "e", five, 0, 0, 0, r);
  EXPECT_EQ(r, 5);
  // x, y, z win over the letters of the array.
  std::vector<Extended> all(26, 1);
  EvalFormulaXYZ(Services(), "x+y+z+w", all, 10, 20, 30, r);
  EXPECT_EQ(r, 61);

  const std::vector<Extended> ys = {100, 1, 2};
  EvalFormulaYn(Services(), "y1+y2+y0", {}, ys, r);
  EXPECT_EQ(r, 3);
  EvalFormulaYn(Services(), "a*y1", ab, ys, r);
  EXPECT_EQ(r, 2);
  // Only names of the form y1, y2, … are bound; "y01" and "y3" beyond the values are not.
  std::vector<Extended> many(13, 0);
  many[12] = 7;
  many[1] = 1;
  EvalFormulaYn(Services(), "y12*10+y1+y01+y13", {}, many, r);
  EXPECT_EQ(r, 71);

  std::vector<Extended> letters(26);
  for (int k = 0; k < 26; ++k) letters[k] = k + 1;
  EXPECT_EQ(EvalFormulaAZ(Services(), "a+z*x", letters), 1 + 26 * 24);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(EvalWrappers, RealCompileErrorsAndFaults) {
  Extended r = 42;
  EvalFormulaXYZ(Services(), "2*-3", {}, 0, 0, 0, r);
  EvalFormulaYn(Services(), "sin(x", {}, {}, r);
  EXPECT_EQ(r, 42);
  std::vector<Extended> letters(26, 1);
  EXPECT_EQ(EvalFormulaAZ(Services(), "a#b", letters), 0);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"表达式错误!", "语法错误,在 ( ) 处!",
                                                  "语法错误,有不识别的字符!"}));
  // A fault of the run propagates and writes nothing.
  EXPECT_THROW(EvalFormulaXYZ(Services(), "1/x", {}, 0, 0, 0, r), EZeroDivide);
  EXPECT_EQ(r, 42);
}

TEST_F(EvalWrappers, ShortArraysAreRefused) {
  const std::vector<Extended> short25(25, 1);
  EXPECT_THROW(EvalFormulaAZ(Services(), "a", short25), Exception);
  const std::vector<Extended> c7(7, 1), c8(8, 1);
  std::vector<Extended> re = {1, 2}, im = {3};
  EXPECT_THROW(EvalComplexFormulaTable(Services(), "x", c7, re, im), Exception);
  EXPECT_THROW(EvalComplexFormulaTable(Services(), "x", c8, re, im), Exception);
  EXPECT_EQ(re, (std::vector<Extended>{1, 2}));
  EXPECT_EQ(im, (std::vector<Extended>{3}));
  RealFormula f(Services(), "a");
  EXPECT_THROW(f.EvaluateAZ(short25), Exception);
}

TEST_F(EvalWrappers, ComplexFormula) {
  Extended re = 9, im = 9;
  EvalComplexFormula(Services(), "x*x", "i", re, im);
  EXPECT_EQ(re, -1);
  EXPECT_EQ(im, 0);
  EvalComplexFormula(Services(), "x", "0", re, im);
  EXPECT_EQ(re, 1e-19L);
  EvalComplexFormula(Services(), "add(x,a,b)", "1,2,3", re, im);
  EXPECT_EQ(re, 6);
  // e is the sixth value, not Euler's number; missing values are 0, extra ones ignored.
  EvalComplexFormula(Services(), "e+f+x", "1, 2, 3, 4, 5, 6*i, 7, 8, 9", re, im);
  EXPECT_EQ(re, 8);
  EXPECT_EQ(im, 6);
  EvalComplexFormula(Services(), "x+a+f", "2-i", re, im);
  EXPECT_EQ(re, 2);
  EXPECT_EQ(im, -1);
  EXPECT_TRUE(Messages().empty());
  // Bad values and compile errors leave the result alone.
  re = im = 9;
  EvalComplexFormula(Services(), "x", "3+4", re, im);
  EvalComplexFormula(Services(), "2i", "1", re, im);
  EvalComplexFormula(Services(), "x mod 2", "1", re, im);
  EXPECT_EQ(re, 9);
  EXPECT_EQ(im, 9);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"复数书写格式错误！", "表达式错误!", "表达式错误!"}));
  EXPECT_THROW(EvalComplexFormula(Services(), "ln(x-1)", "1", re, im), EZeroDivide);
}

TEST_F(EvalWrappers, ComplexFormulaTable) {
  const std::vector<Extended> c = {2, -1, 0, 0, 0, 0, 0, 3};  // a = 2, b = -1, h = 3
  std::vector<Extended> re = {1, 0.1234567L, 0}, im = {1, -2, 0, 99};
  EXPECT_TRUE(EvalComplexFormulaTable(Services(), "a*x+b+h*i", c, re, im));
  // x is rounded to six decimals in both parts.
  EXPECT_EQ(re, (std::vector<Extended>{1, 2 * 0.123457L - 1, -1}));
  EXPECT_EQ(im, (std::vector<Extended>{5, -1, 3, 99}));
  // Coefficients pass through their shortest text (15 digits).
  const std::vector<Extended> third = {1.0L / 3, 0, 0, 0, 0, 0, 0, 0};
  std::vector<Extended> one = {1}, zero = {0};
  EvalComplexFormulaTable(Services(), "a*x", third, one, zero);
  EXPECT_EQ(one[0], 0.333333333333333L);
  // A compile error shows its text and changes nothing.
  std::vector<Extended> keep = {5}, keepIm = {6};
  EXPECT_FALSE(EvalComplexFormulaTable(Services(), "x+", c, keep, keepIm));
  EXPECT_EQ(keep[0], 5);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"表达式错误!"}));
  // A value whose text is no literal stops the table there.
  std::vector<Extended> bad = {1, NAN, 2}, badIm = {0, 0, 0};
  EXPECT_FALSE(EvalComplexFormulaTable(Services(), "x+1", c, bad, badIm));
  EXPECT_EQ(bad[0], 2);
  EXPECT_TRUE(std::isnan(bad[1]));
  EXPECT_EQ(bad[2], 2);
  EXPECT_EQ(Messages().back(), "复数书写格式错误！");
}

TEST_F(EvalWrappers, RealHandleEqualsThePerCallWrappers) {
  const char* formula = "a+b*x-sin(c)*y^2+e+y5+z/(1+d*d)";
  RealFormula handle(Services(), formula);
  ASSERT_TRUE(handle.Ok());
  std::mt19937 rng(5);
  std::uniform_real_distribution<long double> value(-2, 2);
  std::uniform_int_distribution<int> length(0, 8);
  for (int k = 0; k < 200; ++k) {
    // Values arrays of every length, so letters bound by one call and not by the next revert.
    std::vector<Extended> v(length(rng)), ys(length(rng));
    for (Extended& e : v) e = value(rng);
    for (Extended& e : ys) e = value(rng);
    const Extended x = value(rng), y = value(rng), z = value(rng);
    Extended expected = 0;
    EvalFormulaXYZ(Services(), formula, v, x, y, z, expected);
    EXPECT_EQ(handle.EvaluateXYZ(v, x, y, z), expected) << k;
    EvalFormulaYn(Services(), formula, v, ys, expected);
    EXPECT_EQ(handle.EvaluateYn(v, ys), expected) << k;
  }
  std::vector<Extended> letters(26);
  for (Extended& e : letters) e = value(rng);
  EXPECT_EQ(handle.EvaluateAZ(letters), EvalFormulaAZ(Services(), formula, letters));
  // A handle that did not compile shows the message once and evaluates to 0.
  RealFormula broken(Services(), "sin(");
  EXPECT_FALSE(broken.Ok());
  EXPECT_EQ(broken.EvaluateXYZ({}, 1, 2, 3), 0);
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(EvalWrappers, ComplexHandleEqualsThePerCallWrappers) {
  const char* formula = "add(x*a, sqrt(b), exp(c))/(1+d*conj(f))+e";
  ComplexFormula handle(Services(), formula, ComplexVariables::kValues);
  ASSERT_TRUE(handle.Ok());
  EXPECT_EQ(handle.VariableCount(), 7u);
  std::mt19937 rng(11);
  std::uniform_real_distribution<long double> value(-2, 2);
  for (int k = 0; k < 100; ++k) {
    std::vector<ComplexValue> values(7);
    std::string text;
    for (ComplexValue& v : values) {
      // Values written with six decimals, so that the text and the numbers agree exactly.
      v = *ParseComplexLiteral(FormatComplex("%.6f", value(rng), value(rng)));
      text += (text.empty() ? "" : ",") + FormatComplex("%.6f", v.re, v.im);
    }
    Extended re = 0, im = 0;
    EvalComplexFormula(Services(), formula, text, re, im);
    const ComplexValue h = handle.Evaluate(values);
    EXPECT_EQ(h.re, re) << text;
    EXPECT_EQ(h.im, im) << text;
  }
  // The table wrapper against a table handle.
  const std::vector<Extended> c = {1, 2, 3, 4, 5, 6, 7, 8};
  std::vector<Extended> re = {0.5L, -1.25L, 2}, im = {1, 0, -0.75L};
  const std::vector<Extended> re0 = re, im0 = im;
  const char* tableFormula = "(a*x^2+b*x+c)/(d*x+h*i)";
  EvalComplexFormulaTable(Services(), tableFormula, c, re, im);
  ComplexFormula table(Services(), tableFormula, ComplexVariables::kTable);
  for (std::size_t k = 0; k < re0.size(); ++k) {
    const ComplexValue v = table.Evaluate(std::vector<ComplexValue>{
        {re0[k], im0[k]}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}});
    EXPECT_EQ(v.re, re[k]);
    EXPECT_EQ(v.im, im[k]);
  }
}

TEST_F(EvalWrappers, RandomNumbersAreSeededFromTheClock) {
  Extended a = 0, b = 0;
  EvalFormulaXYZ(Services(), "rnd(1)", {}, 0, 0, 0, a);
  EvalFormulaXYZ(Services(), "rnd(1)", {}, 0, 0, 0, b);
  EXPECT_EQ(a, b);  // the same millisecond
  clock.SetNow(0.75);
  EvalFormulaXYZ(Services(), "rnd(1)", {}, 0, 0, 0, b);
  EXPECT_NE(a, b);
  // A handle keeps drawing from one seeded sequence.
  RealFormula handle(Services(), "rnd(1)");
  EXPECT_NE(handle.EvaluateXYZ({}, 0, 0, 0), handle.EvaluateXYZ({}, 0, 0, 0));
}

}  // namespace
}  // namespace zarnix
