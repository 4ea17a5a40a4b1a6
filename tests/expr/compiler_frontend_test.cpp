// Tests of the shared formula front end: each rewriting pass, the token text and the
// parameter list, on the real compiler's dialect.
#include "expr/compiler_frontend.h"

#include <gtest/gtest.h>

#include "expr/tcompile_functions.h"

namespace zarnix {
namespace {

// Records what the front end asks of the generator.
class RecordingSink : public FrontEndSink {
 public:
  std::string AddLiteral(Extended value) override {
    literals.push_back(value);
    return "C" + std::to_string(literals.size() - 1);
  }
  void AddIdentifier(const std::string& name) override { identifiers.push_back(name); }
  void LoadOperand(const std::string& name) override { log += name + " "; }
  void ReduceOperator(const FunctionEntry& entry, int level) override {
    log += std::string(entry.name.substr(1));
    if (level >= 0) log += "/" + std::to_string(level);
    log += " ";
  }
  void Finish() override { log += "."; }

  std::vector<Extended> literals;
  std::vector<std::string> identifiers;
  std::string log;
};

std::string Normalise(std::string_view text, int* error = nullptr, bool comments = true) {
  CompileStatus status;
  std::string out = NormaliseFormula(text, RealDialect(), comments, status);
  if (error) *error = status.error;
  return out;
}

TEST(FrontEndNormalise, BracketsMustBalance) {
  int error = 0;
  Normalise("(x))+(", &error);
  EXPECT_EQ(error, kErrBracket);
  Normalise(")x(", &error);
  EXPECT_EQ(error, kErrBracket);
  Normalise("sin(x", &error);
  EXPECT_EQ(error, kErrBracket);
}

TEST(FrontEndNormalise, CommentsAreStrippedOrRefused) {
  EXPECT_EQ(Normalise("{note} x+1"), "X+1");
  EXPECT_EQ(Normalise("x+1 // note"), "X+1");
  EXPECT_EQ(Normalise("x+ // a\r\n1"), "X+1");
  EXPECT_EQ(Normalise("x/*a*/+1"), "X+1");
  int error = 0;
  Normalise("x+1 /* note", &error);
  EXPECT_EQ(error, kErrComment);
  Normalise("{x+1", &error);
  EXPECT_EQ(error, kErrComment);
  // With comments kept, the braces reach the tokenizer.
  EXPECT_EQ(Normalise("{a}x", nullptr, false), "{A}X");
}

TEST(FrontEndNormalise, ModPowerSpacesAndSigns) {
  EXPECT_EQ(Normalise("7 mod 3"), "7%3");
  EXPECT_EQ(Normalise("7mod3"), "7MOD3");
  EXPECT_EQ(Normalise("x**2"), "X^2");
  EXPECT_EQ(Normalise("x***2"), "X***2");
  EXPECT_EQ(Normalise("  2 * x  "), "2*X");
  EXPECT_EQ(Normalise("sin x"), "SIN X");
  EXPECT_EQ(Normalise("-x^2"), "0-X^2");
  EXPECT_EQ(Normalise("(+3,-4)"), "(3,0-4)");
  EXPECT_EQ(Normalise("2*-3"), "2*-3");
  EXPECT_EQ(Normalise("a\tb"), "A B");
  int error = 0;
  Normalise("a#b", &error);
  EXPECT_EQ(error, kErrCharacter);
}

TEST(FrontEndPasses, IntegralRewriteMatchesTheDocumentedForm) {
  CompileStatus status;
  EXPECT_EQ(RewriteIntegrals("FF(0,1,T,T*T)", RealDialect(), 0, status),
            "((0)TCMSYS_FF_0_0000(1)TCMSYS_FF_1_0000(1000)TCMSYS_FF_2_0000(("
            "TCMSYS_CONST_FF_X_0*TCMSYS_CONST_FF_X_0)))");
  EXPECT_TRUE(status.Ok());
  // The inner integral gets the next level; numbers are not mistaken for the variable.
  const std::string nested =
      RewriteIntegrals("FF(0,1,E,FF(0,E,U,5,U*1E2))", RealDialect(), 0, status);
  EXPECT_NE(nested.find("TCMSYS_FF_2_0001((TCMSYS_CONST_FF_X_1*1E2))"), std::string::npos);
  EXPECT_NE(nested.find("(0)TCMSYS_FF_0_0001(TCMSYS_CONST_FF_X_0)"), std::string::npos);
  EXPECT_NE(nested.find("(5)TCMSYS_FF_2_0001"), std::string::npos);
  // A name that merely ends in FF is not an integral.
  EXPECT_EQ(RewriteIntegrals("XFF(1)", RealDialect(), 0, status), "XFF(1)");
}

TEST(FrontEndPasses, MalformedIntegralsAndIfs) {
  for (const char* text : {"FF(0,1,2,X)", "FF(0,1,X)", "FF(0,1,X,Y,Z,W)", "FF(0,1,X+Y,X)"}) {
    CompileStatus status;
    RewriteIntegrals(text, RealDialect(), 0, status);
    EXPECT_EQ(status.error, kErrIntegralForm) << text;
  }
  for (const char* text : {"IF(X,1)", "IF(X,1,2,3)", "IF X"}) {
    CompileStatus status;
    RewriteIf(text, RealDialect(), status);
    EXPECT_EQ(status.error, kErrIfForm) << text;
  }
}

TEST(FrontEndPasses, IfAndTwoArgumentRewrites) {
  CompileStatus status;
  EXPECT_EQ(RewriteIf("IF(C,A,B)+DIFF", RealDialect(), status),
            "TCMSYS_IF_1(TCMSYS_IF_0(A,B),C)+DIFF");
  EXPECT_EQ(RewriteTwoArguments("MAX(A,B)", status), "((A)MAX(B))");
  EXPECT_EQ(RewriteTwoArguments("MAX(A,B,C)", status), "((A)((B)MAX(C)))");
  EXPECT_EQ(RewriteTwoArguments("HYPOT((1),SIN(2))", status), "(((1))HYPOT(SIN(2)))");
  EXPECT_TRUE(status.Ok());
  for (const char* text : {"1,2", "(1,2)", "X+(A,B)"}) {
    CompileStatus bad;
    RewriteTwoArguments(text, bad);
    EXPECT_EQ(bad.error, kErrFunctionForm) << text;
  }
}

TEST(FrontEndTokens, TokenTextAndLiterals) {
  RecordingSink sink;
  CompileStatus status;
  const std::string tokens = Tokenize("SIN(X)<>2.5E1%.5+Y<=3", RealDialect(), sink, status);
  EXPECT_TRUE(status.Ok());
  EXPECT_EQ(tokens, "@SIN&X@)@TCMSYS_BOOLEANNE&C0@MOD&C1@ADD&Y@TCMSYS_BOOLEANLE&C2#######");
  EXPECT_EQ(sink.literals, (std::vector<Extended>{25, 0.5L, 3}));
  EXPECT_EQ(sink.identifiers, (std::vector<std::string>{"X", "Y"}));
}

TEST(FrontEndTokens, BadNumbersAndCharacters) {
  for (const char* text : {"2E", "2E+", "1E99999", "."}) {
    RecordingSink sink;
    CompileStatus status;
    Tokenize(text, RealDialect(), sink, status);
    EXPECT_EQ(status.error, kErrNumber) << text;
  }
  for (const char* text : {"SIN X", "A$B", "{A}"}) {
    RecordingSink sink;
    CompileStatus status;
    Tokenize(text, RealDialect(), sink, status);
    EXPECT_EQ(status.error, kErrCharacter) << text;
  }
  RecordingSink sink;
  CompileStatus status;
  Tokenize("5.", RealDialect(), sink, status);
  EXPECT_TRUE(status.Ok());
}

TEST(FrontEndParse, PrecedenceAndReductionOrder) {
  auto parse = [](std::string_view formula) {
    RecordingSink sink;
    CompileStatus status;
    RunFrontEnd(formula, RealDialect(), true, sink, status);
    return status.Ok() ? sink.log : "error " + std::to_string(status.error);
  };
  EXPECT_EQ(parse("2^3^2"), "C0 C1 POWER C2 POWER .");
  EXPECT_EQ(parse("a+b>c"), "A B ADD C TCMSYS_BOOLEANGT .");
  EXPECT_EQ(parse("a-b*c"), "A B C MUL SUB .");
  EXPECT_EQ(parse("sin(x)"), "X SIN .");
  EXPECT_EQ(parse("ff(0,1,t,t)"),
            "C0 BRACKET C1 BRACKET TCMSYS_FF_0/0 C2 BRACKET TCMSYS_FF_1/0 TCMSYS_CONST_FF_X_0 "
            "BRACKET BRACKET TCMSYS_FF_2/0 BRACKET .");
  EXPECT_EQ(parse("2x"), "error 7");
  EXPECT_EQ(parse("2(x)"), "error 7");
  EXPECT_EQ(parse("sin()"), "error 7");
  EXPECT_EQ(parse("()"), "error 7");
  EXPECT_EQ(parse("x+"), "error 7");
  EXPECT_EQ(parse("sin+1"), "error 8");  // the function's bracket is never closed
}

TEST(FrontEndParameterList, AcceptsIdentifiersOnly) {
  EXPECT_EQ(ParseParameterList(" x ,\ty1,\r\n_z ,"), (std::vector<std::string>{"X", "Y1", "_Z"}));
  EXPECT_EQ(ParseParameterList("a,A,b"), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(ParseParameterList(""), std::vector<std::string>{});
  EXPECT_FALSE(ParseParameterList("1x"));
  EXPECT_FALSE(ParseParameterList("a,,b"));
  EXPECT_FALSE(ParseParameterList("a b"));
  EXPECT_FALSE(ParseParameterList(",a"));
}

TEST(FrontEndErrors, MessagesComeFromOneTable) {
  EXPECT_EQ(CompileErrorText(0), "");
  EXPECT_EQ(CompileErrorText(7), "表达式错误!");
  EXPECT_EQ(CompileErrorText(16), "注释符号不匹配!  { } 或 /*  */");
  EXPECT_EQ(CompileErrorText(18), "If函数书写格式错误!");
  EXPECT_EQ(CompileErrorText(19), CompileErrorText(2));
  EXPECT_EQ(CompileErrorText(-1), CompileErrorText(2));
}

}  // namespace
}  // namespace zarnix
