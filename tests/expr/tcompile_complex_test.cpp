// Tests of TCompileComplex: the imaginary unit, error numbers, folding, binding the caller's
// storage, function macros, IF and random numbers, and the limits on bad formulas.
#include "expr/tcompile_complex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>
#include <utility>

#include "base/errors.h"

namespace zarnix {
namespace {

const Extended kPi = std::numbers::pi_v<long double>;
constexpr Extended kTight = 1e-17L;

using Bindings = std::initializer_list<std::pair<const char*, ComplexValue>>;

ComplexValue Eval(const std::string& formula, Bindings values = {}) {
  TCompileComplex c;
  EXPECT_TRUE(c.SetFormula(formula)) << formula << " error " << c.ErrorCode();
  for (const auto& [name, value] : values) {
    if (ComplexValue* slot = c.ParameterAddress(name)) *slot = value;
  }
  return c.CodeEntry();
}

int CompileError(const std::string& formula) {
  TCompileComplex c;
  c.SetFormula(formula);
  return c.ErrorCode();
}

std::string Code(const std::string& formula) {
  TCompileComplex c;
  EXPECT_TRUE(c.SetFormula(formula)) << formula;
  return c.Disassemble();
}

::testing::AssertionResult ComplexNear(const ComplexValue& v, Extended re, Extended im,
                                       Extended tolerance) {
  if (std::fabs(v.re - re) <= tolerance && std::fabs(v.im - im) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "got " << static_cast<double>(v.re) << " + " << static_cast<double>(v.im) << "i, want "
         << static_cast<double>(re) << " + " << static_cast<double>(im) << "i";
}
#define EXPECT_COMPLEX_NEAR(value, re, im, tolerance) \
  EXPECT_TRUE(ComplexNear((value), (re), (im), (tolerance)))

TEST(TCompileComplex, ImaginaryUnitAndBasicValues) {
  EXPECT_COMPLEX_NEAR(Eval("i*i"), -1, 0, 0);
  EXPECT_COMPLEX_NEAR(Eval("I"), 0, 1, 0);
  EXPECT_COMPLEX_NEAR(Eval("-i"), 0, -1, 0);
  EXPECT_COMPLEX_NEAR(Eval("sqrt(-4)"), 0, 2, 0);
  EXPECT_COMPLEX_NEAR(Eval("exp(i*pi)"), -1, 0, kTight);
  EXPECT_COMPLEX_NEAR(Eval("abs(3+4*i)"), 5, 0, 0);
  EXPECT_COMPLEX_NEAR(Eval("(1+i)>(1+5*i)"), 0, 0, 0);
  EXPECT_COMPLEX_NEAR(Eval("max(3, 4*i)"), 0, 4, 0);
  EXPECT_COMPLEX_NEAR(Eval("maxx(3, 4*i)"), 3, 0, 0);
  EXPECT_COMPLEX_NEAR(Eval("log10(10*i)"), 1, kPi / 2, kTight);
  EXPECT_COMPLEX_NEAR(Eval("sqrtn(8, 3)"), 2, 0, kTight);
  EXPECT_COMPLEX_NEAR(Eval(""), 0, 0, 0);
  EXPECT_COMPLEX_NEAR(Eval("(1+2*i)*(3-i)/(2+i)"), 3, 1, kTight);
  // A variable named like the unit is still the unit; a longer name is a variable.
  EXPECT_COMPLEX_NEAR(Eval("ii+i", {{"ii", {5, 0}}}), 5, 1, 0);
  EXPECT_COMPLEX_NEAR(Eval("e"), std::exp(1.0L), 0, kTight);
  EXPECT_COMPLEX_NEAR(Eval("e", {{"e", {2, 3}}}), 2, 3, 0);
}

TEST(TCompileComplex, OperandsInMergedAndUnspilledFetch) {
  const Bindings xy = {{"x", {1, 2}}, {"y", {3, -1}}};
  // x-y takes y from an operand slot; (x)-(y*1) from the value stack.
  EXPECT_COMPLEX_NEAR(Eval("x-y", xy), -2, 3, 0);
  EXPECT_COMPLEX_NEAR(Eval("x-y*(1+0*x)", xy), -2, 3, 0);
  EXPECT_COMPLEX_NEAR(Eval("x/y", xy), 0.1L, 0.7L, kTight);
  EXPECT_COMPLEX_NEAR(Eval("x/(y+0*x)", xy), 0.1L, 0.7L, kTight);
  EXPECT_COMPLEX_NEAR(Eval("max(x,y)", xy), 3, -1, 0);
  EXPECT_COMPLEX_NEAR(Eval("min(x*1,y*1)", xy), 1, 2, 0);
  EXPECT_COMPLEX_NEAR(Eval("distance(x,y)", xy), std::sqrt(13.0L), 0, kTight);
  EXPECT_COMPLEX_NEAR(Eval("if(x>y, x, y)", xy), 3, -1, 0);
  EXPECT_COMPLEX_NEAR(Eval("if(y>x, x, y)", xy), 1, 2, 0);
  EXPECT_COMPLEX_NEAR(Eval("if(0*x, x, y*2)", xy), 6, -2, 0);
}

TEST(TCompileComplex, ErrorNumbersAndTexts) {
  EXPECT_EQ(CompileError("2i"), 107);
  EXPECT_EQ(CompileError("7 mod 3"), 107);  // no remainder for complex values
  EXPECT_EQ(CompileError("max(a,b,c)"), 107);
  EXPECT_EQ(CompileError("ff(0,1,x,x)"), 107);  // no integrals: FF is a variable
  EXPECT_EQ(CompileError("TCmCxSYS_Fld_Value(x)"), 107);
  EXPECT_EQ(CompileError("sin(x"), 108);
  EXPECT_EQ(CompileError("1/0"), 110);
  EXPECT_EQ(CompileError("ln(0)"), 110);
  EXPECT_EQ(CompileError("1,2"), 111);
  EXPECT_EQ(CompileError("2e"), 113);
  EXPECT_EQ(CompileError("a#b"), 115);
  EXPECT_EQ(CompileError("x+1 /* note"), 116);
  EXPECT_EQ(CompileError("if(x,1)"), 118);
  EXPECT_EQ(CompileError("{note} x+1 // end"), 0);
  TCompileComplex c;
  EXPECT_FALSE(c.SetFormula("2i"));
  EXPECT_EQ(c.ErrorText(), "表达式错误!");
  EXPECT_EQ(TCompileComplex::ErrorText(0), "");
  EXPECT_EQ(TCompileComplex::ErrorText(110), "函数编译错误(或超出定义域)!");
  // 112 (integrals) and numbers outside the table share the text of 102.
  EXPECT_EQ(TCompileComplex::ErrorText(112), "找不到错误号所对应的错误描述!");
  EXPECT_EQ(TCompileComplex::ErrorText(7), "找不到错误号所对应的错误描述!");
  EXPECT_EQ(TCompileComplex::ErrorText(119), "找不到错误号所对应的错误描述!");
}

TEST(TCompileComplex, ConstantsFoldWithTheRunTimeRoutines) {
  EXPECT_EQ(Code("2*3+i"), "ENTER\nLOAD &TCMCXSYS_CONST_TCMCX_5=6,1\nRET\n");
  // Division by a constant becomes a product; a zero divisor stays a division.
  EXPECT_NE(Code("x/4").find("MUL"), std::string::npos);
  EXPECT_NE(Code("x/0").find("DIV"), std::string::npos);
  // The fourth power and random numbers are never folded; IF neither.
  EXPECT_NE(Code("sqr4(2)").find("SQR4"), std::string::npos);
  EXPECT_NE(Code("if(1,2,3)").find("IFSEL"), std::string::npos);
  // Folded and run-time values agree to the last bit.
  for (const char* f : {"arcsin(0.3+0.2*i)", "tan(1-2*i)", "(2+i)^(0.5-i)", "sqrtn(-8,3)",
                        "logn(2, 8*i)", "cosh(1+i)", "arccosh(-2+0.5*i)", "fromPolar(2+i)"}) {
    TCompileComplex folded, unfolded;
    unfolded.FoldConstants(false);
    ASSERT_TRUE(folded.SetFormula(f)) << f;
    ASSERT_TRUE(unfolded.SetFormula(f)) << f;
    const ComplexValue a = folded.CodeEntry(), b = unfolded.CodeEntry();
    EXPECT_EQ(a.re, b.re) << f;
    EXPECT_EQ(a.im, b.im) << f;
  }
}

TEST(TCompileComplex, RunTimeFaultsReachTheCaller) {
  TCompileComplex c;
  ASSERT_TRUE(c.SetFormula("ln(x)"));
  EXPECT_THROW(c.CodeEntry(), EZeroDivide);
  ASSERT_TRUE(c.SetFormula("x/y"));
  *c.ParameterAddress("x") = {1, 1};
  EXPECT_THROW(c.CodeEntry(), EZeroDivide);
  ASSERT_TRUE(c.SetFormula("x/0"));
  EXPECT_THROW(c.CodeEntry(), EZeroDivide);
  ASSERT_TRUE(c.SetFormula("exp(x)"));
  *c.ParameterAddress("x") = {20000, 0};
  EXPECT_THROW(c.CodeEntry(), EOverflow);
  // A failed run leaves the result alone and the next run is clean.
  ComplexValue result{7, 7};
  EXPECT_THROW(c.CodeEntry(result), EOverflow);
  EXPECT_EQ(result.re, 7);
  *c.ParameterAddress("x") = {0, kPi};
  c.CodeEntry(result);
  EXPECT_NEAR(result.re, -1, kTight);
}

TEST(TCompileComplex, ZeroBaseOfThePowerFamily) {
  const Bindings zero = {{"x", {0, 0}}};
  EXPECT_COMPLEX_NEAR(Eval("x^2", zero), 0, 0, 0);
  EXPECT_COMPLEX_NEAR(Eval("x^0", zero), 1, 0, 0);
  EXPECT_COMPLEX_NEAR(Eval("powerx(x,3)", zero), 0, 0, 0);
  EXPECT_COMPLEX_NEAR(Eval("sqrtn(x,3)", zero), 0, 0, 0);
  TCompileComplex c;
  ASSERT_TRUE(c.SetFormula("x^(0-1)"));
  EXPECT_THROW(c.CodeEntry(), EZeroDivide);
}

TEST(TCompileComplex, ParameterListBindingAndResolve) {
  TCompileComplex c;
  EXPECT_FALSE(c.SetFormula("x", "x,1y"));
  EXPECT_EQ(c.ErrorCode(), 0);
  ASSERT_TRUE(c.SetFormula("x*a+b", "x,a,b,c", false));
  EXPECT_EQ(c.ParameterIndex("c"), 3);
  ASSERT_TRUE(c.Compile());
  ComplexValue x{1, 1}, a{2, 0}, b{0, 5};
  EXPECT_TRUE(c.BindParameter("X", &x));
  EXPECT_TRUE(c.BindParameter("a", &a));
  EXPECT_TRUE(c.BindParameter("b", &b));
  EXPECT_TRUE(c.BindParameter("unused", &b));  // created, read by nothing
  EXPECT_FALSE(c.BindParameter("2x", &b));
  EXPECT_FALSE(c.BindParameter("y", nullptr));
  // Until the addresses are resolved the code reads the engine's own slots (all 0).
  EXPECT_COMPLEX_NEAR(c.CodeEntry(), 0, 0, 0);
  c.ResolveAddresses();
  EXPECT_COMPLEX_NEAR(c.CodeEntry(), 2, 7, 0);
  EXPECT_EQ(c.ParameterAddress("x"), &x);
  x = {0, 1};
  EXPECT_COMPLEX_NEAR(c.CodeEntry(), 0, 7, 0);
}

TEST(TCompileComplex, FunctionMacros) {
  TCompileComplex c;
  ASSERT_TRUE(c.SetFormula("add(1,2,3)+add(1,2)", std::nullopt, false));
  ASSERT_TRUE(c.DefineFunction("add(a,b,c)", "add(a+b,c)"));
  ASSERT_TRUE(c.Compile()) << c.Formula();
  EXPECT_COMPLEX_NEAR(c.CodeEntry(), 9, 0, 0);
  // Calls nested in the arguments are expanded too; other names and numbers are left alone.
  ASSERT_TRUE(c.SetFormula("ADD(add(1,2,3), 4 ,5)*adder+2E1", std::nullopt, false));
  ASSERT_TRUE(c.DefineFunction("add(a,b,c)", "add(a+b,c)"));
  ASSERT_TRUE(c.Compile()) << c.Formula();
  *c.ParameterAddress("adder") = {1, 0};
  EXPECT_COMPLEX_NEAR(c.CodeEntry(), 35, 0, 0);
  // A bare name.
  ASSERT_TRUE(c.SetFormula("two*two", std::nullopt, false));
  ASSERT_TRUE(c.DefineFunction("two", "1+1"));
  ASSERT_TRUE(c.Compile());
  EXPECT_COMPLEX_NEAR(c.CodeEntry(), 4, 0, 0);
  // Malformed heads change nothing.
  ASSERT_TRUE(c.SetFormula("f(1,2)", std::nullopt, false));
  EXPECT_FALSE(c.DefineFunction("f(a,a)", "a"));
  EXPECT_FALSE(c.DefineFunction("f(f,b)", "b"));
  EXPECT_FALSE(c.DefineFunction("f(a+b)", "a"));
  EXPECT_FALSE(c.DefineFunction("f()", "1"));
  EXPECT_FALSE(c.DefineFunction("1f(a)", "a"));
  EXPECT_EQ(c.Formula(), "f(1,2)");
  // A macro that doubles its argument at every level is refused before it grows unbounded.
  std::string deep = "1";
  for (int k = 0; k < 40; ++k) deep = "d(" + deep + ")";
  ASSERT_TRUE(c.SetFormula(deep, std::nullopt, false));
  EXPECT_FALSE(c.DefineFunction("d(p)", "p+p"));
  EXPECT_EQ(c.Formula(), deep);
}

TEST(TCompileComplex, RandomNumbers) {
  TCompileComplex c;
  ASSERT_TRUE(c.SetFormula("rnd(1+i)"));
  c.SeedRandom(12345);
  const ComplexValue a = c.CodeEntry(), b = c.CodeEntry();
  for (const ComplexValue& v : {a, b}) {
    EXPECT_GE(v.re, 0);
    EXPECT_LT(v.re, 1);
    EXPECT_GE(v.im, 0);
    EXPECT_LT(v.im, 1);
  }
  EXPECT_NE(a.re, a.im);  // two draws per value
  EXPECT_NE(a.re, b.re);
  c.SeedRandom(12345);
  EXPECT_EQ(c.CodeEntry().re, a.re);
}

TEST(TCompileComplex, NestingBeyondTheValueStackIsRefused) {
  auto nested = [](int depth) {
    std::string f;
    for (int k = 0; k < depth; ++k) f += "x+(";
    f += "x";
    f.append(depth, ')');
    return f;
  };
  EXPECT_COMPLEX_NEAR(Eval(nested(500), {{"x", {1, 1}}}), 501, 501, 0);
  EXPECT_EQ(CompileError(nested(600)), 107);
}

}  // namespace
}  // namespace zarnix
