// Tests of complex numbers as text: every literal form and the rejected ones, the written
// form with parts that read as zero, and the looser cell-text reading.
#include "expr/complex_text.h"

#include <gtest/gtest.h>

#include <string>

#include "base/errors.h"

namespace zarnix {
namespace {

// "re,im" of a literal, or "fails".
std::string Literal(const std::string& text) {
  const std::optional<ComplexValue> v = ParseComplexLiteral(text);
  if (!v) return "fails";
  return std::to_string(static_cast<double>(v->re)) + "," +
         std::to_string(static_cast<double>(v->im));
}

TEST(ParseComplexLiteral, EveryFormOfTheTable) {
  EXPECT_EQ(Literal(""), "0.000000,0.000000");
  EXPECT_EQ(Literal("  "), "0.000000,0.000000");
  EXPECT_EQ(Literal("2.5"), "2.500000,0.000000");
  EXPECT_EQ(Literal("-2.5"), "-2.500000,0.000000");
  EXPECT_EQ(Literal("i"), "0.000000,1.000000");
  EXPECT_EQ(Literal("-I"), "0.000000,-1.000000");
  EXPECT_EQ(Literal("3+4*i"), "3.000000,4.000000");
  EXPECT_EQ(Literal("-3 - 4*i"), "-3.000000,-4.000000");
  EXPECT_EQ(Literal("3-i"), "3.000000,-1.000000");
  EXPECT_EQ(Literal("+3+i*4"), "3.000000,4.000000");
  EXPECT_EQ(Literal("4*i"), "0.000000,4.000000");
  EXPECT_EQ(Literal("-4*i+3"), "3.000000,-4.000000");
  EXPECT_EQ(Literal("i*2"), "0.000000,2.000000");
  EXPECT_EQ(Literal("i*2+1"), "1.000000,2.000000");
  EXPECT_EQ(Literal("-i+1"), "1.000000,-1.000000");
  EXPECT_EQ(Literal("1.5E2-.5e-1*I"), "150.000000,-0.050000");
  EXPECT_EQ(Literal("5."), "5.000000,0.000000");
  EXPECT_EQ(Literal("0.0000000000000000001"), "0.000000,0.000000");
}

TEST(ParseComplexLiteral, EverythingElseFails) {
  for (const char* text : {"3+4", "2I", "I*I", "3 4*i", "3+", "*i", "i*", "+-3", "3+4*i+1", "2*3",
                           "i+i", "x", "1e", "1e5000", "3,4", "4*i*2", "(1)", "- -1"}) {
    EXPECT_EQ(Literal(text), "fails") << text;
  }
}

TEST(FormatComplex, PartsThatReadAsZeroCountAsZero) {
  EXPECT_EQ(FormatComplex("%.2f", 1, 0.001L), "1.00");
  EXPECT_EQ(FormatComplex("%.2f", 0, -2), "-2.00*i");
  EXPECT_EQ(FormatComplex("%.2f", 1.5L, -2), "1.50-2.00*i");
  EXPECT_EQ(FormatComplex("%.2f", 1.5L, 2), "1.50+2.00*i");
  EXPECT_EQ(FormatComplex("%.2f", 0.001L, 0), "0");
  EXPECT_EQ(FormatComplex("%.2f", -0.001L, 0.001L), "0");
  // What the table wrapper writes reads back as a literal.
  for (const auto& [re, im] : {std::pair{1.25L, -3.0L}, {0.0L, 7.5L}, {-2.0L, 0.0L}, {1e20L, 1}}) {
    const std::optional<ComplexValue> v = ParseComplexLiteral(FormatComplex("%.6f", re, im));
    ASSERT_TRUE(v.has_value()) << FormatComplex("%.6f", re, im);
    EXPECT_EQ(v->re, re);
    EXPECT_EQ(v->im, im);
  }
}

TEST(ParseComplexText, CellTexts) {
  struct Case {
    const char* text;
    Extended re, im;
  };
  const Case cases[] = {
      {"2", 2, 0},
      {"-i", 0, -1},
      {"i", 0, 1},
      {"I/2", 0, 0.5L},
      {"5*i", 0, 5},
      {"-3-4*i", -3, -4},
      {"3+4*i", 3, 4},
      {"3+i", 3, 1},
      {"3-i", 3, -1},
      {"-3+2.5*I", -3, 2.5L},
      {"1e-5+2*i", 1e-5L, 2},
      {"-2e+3-1e-2*i", -2000, -0.01L},
  };
  for (const Case& c : cases) {
    Extended re = 99, im = 99;
    ParseComplexText(c.text, re, im);
    EXPECT_EQ(re, c.re) << c.text;
    EXPECT_EQ(im, c.im) << c.text;
  }
  // Texts that do not convert raise the conversion error and write nothing.
  Extended re = 7, im = 7;
  EXPECT_THROW(ParseComplexText("abc", re, im), EConvertError);
  EXPECT_THROW(ParseComplexText("x+i", re, im), EConvertError);
  EXPECT_THROW(ParseComplexText("3+4", re, im), EConvertError);
  EXPECT_THROW(ParseComplexText("", re, im), EConvertError);
  EXPECT_THROW(ParseComplexText("i/0", re, im), EZeroDivide);
  EXPECT_EQ(re, 7);
  EXPECT_EQ(im, 7);
}

}  // namespace
}  // namespace zarnix
