// Tests of TCompile: syntax and error numbers, the generated code and its folding, integrals,
// IF, random numbers, parameter binding, and the limits that keep bad formulas harmless.
#include "expr/tcompile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "tcompile_test_util.h"

namespace zarnix {
namespace {

using namespace testing_tcompile;

const Extended kPi = std::numbers::pi_v<long double>;

// Instruction lines of the compiled formula.
std::string Code(const std::string& formula) {
  TCompile c;
  EXPECT_TRUE(c.SetFormula(formula)) << formula;
  return c.Disassemble();
}

TEST(TCompileSyntax, BasicValues) {
  EXPECT_EQ(Eval(""), 0);
  EXPECT_EQ(Eval("2^3^2"), 64);
  EXPECT_EQ(Eval("-2^2"), -4);
  EXPECT_EQ(Eval("(-3)^2"), 9);
  EXPECT_EQ(Eval("1+2 >= 3"), 1);
  EXPECT_EQ(Eval("x=y", {{"x", 2}, {"y", 2}}), 1);
  EXPECT_EQ(Eval("x=y", {{"x", 2}, {"y", 3}}), 0);
  EXPECT_EQ(Eval("7 mod 3"), 1);
  EXPECT_EQ(Eval("7 % 3"), 1);
  EXPECT_EQ(Eval("2 * x", {{"x", 4}}), 8);
  EXPECT_EQ(Eval("X*x", {{"x", 3}}), 9);
  EXPECT_EQ(Eval("1 + 2 * 3 - 4 / 2"), 5);
  EXPECT_EQ(Eval("5."), 5);
  EXPECT_EQ(Eval(".5E1"), 5);
}

TEST(TCompileSyntax, CommentsAndMultiLineText) {
  EXPECT_EQ(Eval("{note} x+1", {{"x", 1}}), 2);
  EXPECT_EQ(Eval("x+1 // note", {{"x", 1}}), 2);
  EXPECT_EQ(Eval("x\r\n+1", {{"x", 1}}), 2);
  EXPECT_EQ(CompileError("x+1 /* note"), 16);
  TCompile kept;
  kept.StripComments(false);
  EXPECT_FALSE(kept.SetFormula("{note} x+1"));
  EXPECT_EQ(kept.ErrorCode(), 15);
}

TEST(TCompileSyntax, ErrorNumbers) {
  EXPECT_EQ(CompileError("2*-3"), 7);
  EXPECT_EQ(CompileError("7mod3"), 7);
  EXPECT_EQ(CompileError("7 mod -3"), 7);
  EXPECT_EQ(CompileError("max(a,b,c)"), 7);
  EXPECT_EQ(CompileError("if(x,1)"), 18);
  EXPECT_EQ(CompileError("ff(0,1,2,x)"), 12);
  EXPECT_EQ(CompileError("sin()"), 7);
  EXPECT_EQ(CompileError("()"), 7);
  EXPECT_EQ(CompileError("sin(x"), 8);
  EXPECT_EQ(CompileError("a#b"), 15);
  EXPECT_EQ(CompileError("sin x"), 15);
  EXPECT_EQ(CompileError("2e"), 13);
  EXPECT_EQ(CompileError("1,2"), 11);
  EXPECT_EQ(CompileError("x***2"), 7);
  EXPECT_EQ(CompileError("sqrt(-1)"), 10);
  TCompile c;
  EXPECT_FALSE(c.SetFormula("2*-3"));
  EXPECT_EQ(TCompile::ErrorText(c.ErrorCode()), "表达式错误!");
}

TEST(TCompileSyntax, NamedConstantsAndParameters) {
  EXPECT_NEAR(Eval("ln(e)"), 1, 1e-18);
  EXPECT_EQ(Eval("e"), 0xADF85458A2BB4A9Bp-62L);
  EXPECT_EQ(Eval("pi"), 0xC90FDAA22168C235p-62L);
  EXPECT_EQ(Eval("e", {{"e", 5}}), 5);  // E is a parameter the caller may set
  EXPECT_EQ(Eval("true+false+true"), 2);
  EXPECT_EQ(Eval("unset+1"), 1);
  // "pi" is folded as a constant, "e" is not.
  EXPECT_EQ(Code("pi*2"), "ENTER\nLOAD &TCMSYS_CONST_2=6.28318530717959\nRET\n");
  EXPECT_NE(Code("e*2").find("MUL"), std::string::npos);
}

TEST(TCompileInterface, ParameterListAndLookup) {
  TCompile c;
  EXPECT_TRUE(c.SetFormula("b*x", "x, a ,b", true));
  EXPECT_EQ(c.ParameterIndex("x"), 0);
  EXPECT_EQ(c.ParameterIndex("&A"), 1);
  EXPECT_EQ(c.ParameterIndex("B"), 2);
  EXPECT_EQ(c.ParameterIndex("nope"), -1);
  EXPECT_EQ(c.ParameterAddress("nope"), nullptr);
  *c.ParameterAddress("X") = 3;
  *c.ParameterAddress("b") = 4;
  EXPECT_EQ(c.CodeEntry(), 12);
  *c.ParameterAddress("x") = 5;  // slots keep their values between runs; new ones are used
  EXPECT_EQ(c.CodeEntry(), 20);

  TCompile bad;
  EXPECT_FALSE(bad.SetFormula("x", "x y"));
  EXPECT_EQ(bad.ErrorCode(), 0);  // a malformed list is not a compile error

  TCompile later;
  EXPECT_TRUE(later.SetFormula("x+1", std::nullopt, false));
  EXPECT_EQ(later.CodeEntry(), 0);  // nothing compiled yet
  EXPECT_TRUE(later.Compile());
  EXPECT_EQ(later.CodeEntry(), 1);
  // A new formula resets the tables.
  EXPECT_FALSE(later.SetFormula("sin("));
  EXPECT_EQ(later.ParameterAddress("x"), nullptr);
  EXPECT_EQ(later.CodeEntry(), 0);
}

TEST(TCompileFolding, ConstantsFoldBottomUp) {
  EXPECT_EQ(Code("2*3"), "ENTER\nLOAD &TCMSYS_CONST_2=6\nRET\n");
  EXPECT_EQ(Code("sin(0)+cos(0)*2"), "ENTER\nLOAD &TCMSYS_CONST_6=2\nRET\n");
  // 2*3*x folds 2*3; x*2*3 runs both products. (Operands are entered while tokenizing.)
  EXPECT_EQ(Code("2*3*x"), "ENTER\nLOAD &TCMSYS_CONST_3=6\nLOAD &X\nMUL merged\nRET\n");
  EXPECT_EQ(Code("x*2*3"),
            "ENTER\nLOAD &X\nLOAD &TCMSYS_CONST_1=2\nMUL merged\nLOAD &TCMSYS_CONST_2=3\n"
            "MUL merged\nRET\n");
  // Random functions, IF and the reserved aliases never fold.
  EXPECT_NE(Code("if(1,2,3)").find("IFSEL"), std::string::npos);
  EXPECT_EQ(Eval("if(1,2,3)"), 2);
  EXPECT_NE(Code("asech(0.5)").find("ARCSECH"), std::string::npos);
  EXPECT_EQ(Code("arcsech(0.5)").find("ARCSECH"), std::string::npos);
  EXPECT_NE(Code("rnd(1)").find("RND"), std::string::npos);
}

TEST(TCompileFolding, DivisionRewrite) {
  EXPECT_EQ(Code("x/4"), "ENTER\nLOAD &X\nLOAD &TCMSYS_CONST_2=0.25\nMUL merged\nRET\n");
  EXPECT_EQ(Eval("x/0", {{"x", 2}}), INFINITY);
  EXPECT_EQ(Eval("x/0", {{"x", -2}}), -INFINITY);
  EXPECT_EQ(Outcome("x/0", {{"x", 0}}), "invalid");
  EXPECT_EQ(Eval("1/0"), INFINITY);
  EXPECT_EQ(Eval("-1/0"), -INFINITY);
  EXPECT_EQ(Eval("1\\0"), INFINITY);
  TCompile plain;
  plain.RewriteDivision(false);
  ASSERT_TRUE(plain.SetFormula("x/0"));
  *plain.ParameterAddress("x") = 2;
  EXPECT_THROW(plain.CodeEntry(), EZeroDivide);
}

TEST(TCompileFolding, ConstantExponents) {
  for (Extended x : {-3.5L, 0.0L, 2.0L, 1e300L}) {
    EXPECT_EQ(Eval("x^0", {{"x", x}}), 1);
    EXPECT_EQ(Eval("(x+1)^0", {{"x", x}}), 1);
  }
  EXPECT_EQ(Code("x^0"), "ENTER\nLOAD &TCMSYS_CONST_2=1\nRET\n");
  EXPECT_NE(Code("(x+1)^0").find("ONE"), std::string::npos);
  EXPECT_NE(Code("x^1").find("ADD"), std::string::npos);
  EXPECT_NE(Code("(x+1)^2").find("SQR"), std::string::npos);
  const Extended y = 1.1L;
  EXPECT_EQ(Eval("(x+1)^2", {{"x", y}}), (y + 1) * (y + 1));
  EXPECT_NE(Code("x^3").find("INTPOWER"), std::string::npos);
  EXPECT_EQ(Eval("x^3", {{"x", -2}}), -8);
  EXPECT_EQ(Eval("x^(-2)", {{"x", 2}}), 0.25L);
  EXPECT_EQ(Outcome("x^0.5", {{"x", -4}}), "invalid");
  EXPECT_EQ(Outcome("x^(-1)", {{"x", 0}}), "zero");
}

TEST(TCompileFolding, FaultsWhileFoldingAreError10) {
  for (const char* text : {"sqrt(-1)", "ln(0)", "5 mod 0", "ceil(1e10)", "(-8)^(1/3)",
                           "if(0,2,sqrt(-1))", "int(1e19)", "exp(20000)", "arcsin(2)"}) {
    EXPECT_EQ(CompileError(text), 10) << text;
  }
  EXPECT_EQ(CompileError("ceil(1e9)"), 0);
  EXPECT_EQ(CompileError("trunc(-9e18)"), 0);
  TCompile c;
  c.FoldConstants(false);
  EXPECT_TRUE(c.SetFormula("sqrt(-1)"));
  EXPECT_THROW(c.CodeEntry(), EInvalidOp);
}

TEST(TCompileFolding, MergedAndUnspilledFetch) {
  TCompile merged;
  ASSERT_TRUE(merged.SetFormula("x-y"));
  EXPECT_EQ(merged.Disassemble(), "ENTER\nLOAD &X\nLOAD &Y\nSUB merged\nRET\n");
  TCompile unspilled;
  unspilled.MergeLoads(false);
  ASSERT_TRUE(unspilled.SetFormula("x-y"));
  EXPECT_EQ(unspilled.Disassemble(), "ENTER\nLOAD &X\nSPILL\nLOAD &Y\nUNSPILL\nSUB\nRET\n");
  for (TCompile* c : {&merged, &unspilled}) {
    *c->ParameterAddress("x") = 10;
    *c->ParameterAddress("y") = 4;
    EXPECT_EQ(c->CodeEntry(), 6);
  }
  EXPECT_EQ(Code("x<y"), "ENTER\nLOAD &X\nLOAD &Y\nSWAP\nLT merged\nRET\n");
  EXPECT_EQ(Code("sin(x)^y"), "ENTER\nLOAD &X\nSIN\nLOAD &Y\nSWAP\nPOWER merged\nRET\n");
  EXPECT_EQ(Code("x^sin(y)"), "ENTER\nLOAD &X\nSPILL\nLOAD &Y\nSIN\nUNSPILL\nPOWER\nRET\n");
  EXPECT_EQ(Code("intpower(x,sin(y))"),
            "ENTER\nLOAD &X\nSPILL\nLOAD &Y\nSIN\nUNSPILL\nSWAP\nINTPOWER\nRET\n");
}

TEST(TCompileIntegrals, MidpointRule) {
  EXPECT_NEAR(Eval("ff(0,1,x,x)"), 0.5L, 1e-15);
  // Ten subintervals of x^2: sum of ((k+1/2)/10)^2 / 10.
  EXPECT_NEAR(Eval("ff(0,1,x,10,x*x)"), 0.3325L, 1e-17);
  EXPECT_NEAR(Eval("ff(0,pi,t,sin(t))"), 2, 1e-6);
  EXPECT_NEAR(Eval("ff(0,1,t,ff(0,1,u,t*u))"), 0.25L, 1e-12);
  EXPECT_NEAR(Eval("ff(a,b,t,4,t)+ff(0,2,t,1)", {{"a", 1}, {"b", 3}}), 6, 1e-15);
  // Bounds may hold integrals at the same level, the integrand may use outer variables.
  EXPECT_NEAR(Eval("ff(0,ff(0,2,u,1),t,ff(0,t,u,2*u))"), 8.0L / 3, 1e-5);
  EXPECT_NEAR(Eval("ff(0,1,x,x)*y", {{"y", 2}, {"x", 100}}), 1, 1e-15);
  EXPECT_EQ(Outcome("ff(0,1,t,0,t)"), "zero");
}

TEST(TCompileIntegrals, BadStepCountsEndWithoutHanging) {
  // Below one: the integrand is evaluated once.
  EXPECT_NEAR(Eval("ff(0,1,t,n,t)", {{"n", -5}}), 0.02L, 1e-18);
  EXPECT_EQ(Outcome("ff(0,1,t,n,t)", {{"n", NAN}}), "invalid");
  EXPECT_EQ(Outcome("ff(0,1,t,n,t)", {{"n", INFINITY}}), "invalid");
  EXPECT_EQ(Outcome("ff(0,1,t,n,t)", {{"n", 1e30L}}), "invalid");
}

TEST(TCompileIf, BothBranchesAreComputed) {
  EXPECT_EQ(Eval("if(x>0,1,-1)", {{"x", 3}}), 1);
  EXPECT_EQ(Eval("if(x>0,1,-1)", {{"x", -3}}), -1);
  EXPECT_EQ(Eval("if(x>0.5,x*2,x/2)", {{"x", 1}}), 2);
  EXPECT_EQ(Eval("if(x>0.5,x*2,x/2)", {{"x", 0.25L}}), 0.125L);
  EXPECT_EQ(Eval("if (x, a+b, a-b) * 2", {{"x", 0}, {"a", 5}, {"b", 1}}), 8);
  EXPECT_EQ(Eval("if(if(x,0,1),10,20)", {{"x", 1}}), 20);
  // The branch not taken still runs, so its fault still counts.
  EXPECT_EQ(Outcome("if(x,1,sqrt(x-1))", {{"x", 0}}), "invalid");
  TCompile unspilled;
  unspilled.MergeLoads(false);
  ASSERT_TRUE(unspilled.SetFormula("if(c,a,b)"));
  Bind(unspilled, {{"c", 0}, {"a", 1}, {"b", 2}});
  EXPECT_EQ(unspilled.CodeEntry(), 2);
}

TEST(TCompileRandom, SeededSequence) {
  TCompile c;
  ASSERT_TRUE(c.SetFormula("rnd(1)"));
  c.SeedRandom(0);
  // seed 0 -> 1: u = 2^-32 (1 + 2^-32 + 2^-63)
  EXPECT_EQ(c.CodeEntry(), 0x1.000000010000000p-32L + 0x1p-95L);
  const Extended second = c.CodeEntry();
  EXPECT_EQ(second, static_cast<Extended>(134775814u) * (0x1.000000010000000p-32L + 0x1p-95L));
  c.SeedRandom(12345);
  const Extended a = c.CodeEntry();
  c.SeedRandom(12346);
  EXPECT_NE(c.CodeEntry(), a);
  // Each occurrence advances the seed once per run.
  TCompile two;
  ASSERT_TRUE(two.SetFormula("rand(1)-random(1)"));
  two.SeedRandom(7);
  EXPECT_LT(two.CodeEntry(), 1);
  c.SeedRandom();
  const Extended r = c.CodeEntry();
  EXPECT_GE(r, 0);
  EXPECT_LT(r, 1);
}

TEST(TCompileRobustness, ReservedEntriesAndMissingOperands) {
  EXPECT_EQ(CompileError("TCmSYS_Fld_Value(1)"), 7);
  EXPECT_EQ(CompileError("(1)TCmSYS_Fstp_Value(2)"), 7);
  EXPECT_EQ(CompileError("*2"), 7);
  EXPECT_EQ(CompileError("max(a)"), 7);
  EXPECT_EQ(CompileError("=3"), 7);
  EXPECT_EQ(CompileError("(1)TCMSYS_IF_1(2)"), 7);
  EXPECT_EQ(CompileError("(1)TCMSYS_FF_1_0000(2)"), 7);
  EXPECT_EQ(CompileError("(1)TCMSYS_FF_0_0000(2)"), 7);
  EXPECT_EQ(CompileError("(1)TCMSYS_FF_0(2)"), 7);
  EXPECT_EQ(CompileError("((0)TCMSYS_FF_0_0000(1)TCMSYS_FF_1_0000(5)TCMSYS_FF_2_0000("
                         "(0)TCMSYS_FF_0_0000(1)TCMSYS_FF_1_0000(5)TCMSYS_FF_2_0000(1)))"),
            7);
  // arctg2 works like arctan2.
  EXPECT_EQ(Eval("arctg2(1,0)"), Eval("arctan2(1,0)"));
}

TEST(TCompileRobustness, DepthLimits) {
  std::string deep;
  for (int i = 0; i < 1000; ++i) deep += "1+(";
  deep += "1" + std::string(1000, ')');
  EXPECT_EQ(Eval(deep), 1001);
  std::string deeper;
  for (int i = 0; i < 2000; ++i) deeper += "1+(";
  deeper += "1" + std::string(2000, ')');
  EXPECT_EQ(CompileError(deeper), 7);
  // Nested integrals beyond the scratch blocks are refused.
  std::string nested = "1";
  for (int i = 0; i < 129; ++i) nested = "ff(0,1,t" + std::to_string(i) + ",1," + nested + ")";
  EXPECT_EQ(CompileError(nested), 7);
  // A long flat formula works.
  std::string flat = "x";
  for (int i = 0; i < 3000; ++i) flat += "+x";
  EXPECT_EQ(Eval(flat, {{"x", 1}}), 3001);
}

TEST(TCompileFaults, RunTimeFaultsAndStaleFlags) {
  EXPECT_EQ(Outcome("sqrt(x)", {{"x", -1}}), "invalid");
  EXPECT_EQ(Outcome("1/x", {{"x", 0}}), "zero");
  EXPECT_EQ(Outcome("exp(x)", {{"x", 20000}}), "overflow");
  EXPECT_EQ(Outcome("x*x", {{"x", 1e4000L}}), "overflow");
  // A fault flag left by earlier code is not blamed on the formula.
  TCompile c;
  ASSERT_TRUE(c.SetFormula("x+1"));
  volatile Extended zero = 0;
  volatile Extended junk = zero / zero;
  (void)junk;
  EXPECT_EQ(c.CodeEntry(), 1);
  EXPECT_EQ(c.CodeEntry(), 1);
}

}  // namespace
}  // namespace zarnix
