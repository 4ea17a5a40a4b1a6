// Strict and defaulting conversions, their error texts, trims and case mapping.
#include "base/convert.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "base/fpu.h"

namespace zarnix {
namespace {

std::string RealError(std::string_view text) {
  try {
    StrToFloat(text);
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return "no error";
}

std::string IntError(std::string_view text) {
  try {
    StrToInt64(text);
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return "no error";
}

TEST(StrToFloat, AcceptsSignDigitsPointExponentAndSurroundingBlanks) {
  EXPECT_EQ(StrToFloat("1.5"), 1.5L);
  EXPECT_EQ(StrToFloat("  -2.25  "), -2.25L);
  EXPECT_EQ(StrToFloat("+3"), 3.0L);
  EXPECT_EQ(StrToFloat("1e3"), 1000.0L);
  EXPECT_EQ(StrToFloat("2.5E-2"), 0.025L);
  EXPECT_EQ(StrToFloat(".5"), 0.5L);
  EXPECT_EQ(StrToFloat("5."), 5.0L);
  EXPECT_EQ(StrToFloat("0.1"), 0.1L);  // correctly rounded to extended, not to double
}

TEST(StrToFloat, RejectsEverythingElseWithTheConversionText) {
  for (const char* bad : {"", " ", "abc", "1e", "1.2.3", "1,5", "0x10", "inf", "nan", "--1", "1 2",
                          ".", "e5", "1e5000", "\t1"}) {
    EXPECT_EQ(RealError(bad), std::string("'") + bad + "' is not a valid floating point value")
        << bad;
  }
  EXPECT_EQ(StrToFloatDef("x", 7), 7.0L);
  EXPECT_EQ(StrToFloatDef("", 0), 0.0L);
}

TEST(StrToFloat, AFailedConversionLeavesNoFaultFlags) {
  ClearFpFaults();
  EXPECT_FALSE(TryStrToFloat("1e99999").has_value());
  EXPECT_NO_THROW(CheckFpFaults());
}

TEST(StrToInt64, RangeSignsAndBlanks) {
  EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(StrToInt64("  12"), 12);
  EXPECT_EQ(StrToInt64("+0"), 0);
  for (const char* bad :
       {"9223372036854775808", "-9223372036854775809", "12 ", "1.0", "", "-", "1e3", "$10"}) {
    EXPECT_EQ(IntError(bad), std::string("'") + bad + "' is not a valid integer value") << bad;
  }
  EXPECT_EQ(StrToInt64Def("x", -1), -1);
}

TEST(StrToInt, ThirtyTwoBitRange) {
  EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_THROW(StrToInt("2147483648"), EConvertError);
  EXPECT_EQ(StrToIntDef("2147483648", -1), -1);
  EXPECT_EQ(StrToIntDef("17", 0), 17);
}

TEST(Trim, RemovesBlanksAndControlCharactersOnly) {
  EXPECT_EQ(Trim("\t a b \r\n"), "a b");
  EXPECT_EQ(TrimLeft("  x "), "x ");
  EXPECT_EQ(TrimRight("  x \x01"), "  x");
  EXPECT_EQ(Trim("数组"), "数组");  // bytes >= 0x80 are text, not blanks
  EXPECT_EQ(Trim(""), "");
}

TEST(CaseMapping, LeavesTwoByteCharactersAlone) {
  // "乤" is 0x81 0x61: its second byte is the code of 'a'.
  EXPECT_EQ(UpperCase("sin乤x"), "SIN乤X");
  EXPECT_EQ(LowerCase("ABC乤"), "abc乤");
  EXPECT_EQ(IntToStr(-45), "-45");
  EXPECT_EQ(FloatToStr(0.5L), "0.5");
}

TEST(ConversionErrors, QuoteAtMostAFewHundredBytesOfTheText) {
  const std::string page(100000, '7');
  try {
    StrToFloat(page + "x");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(),
              "'" + std::string(kMaxQuotedBytes, '7') + "…' is not a valid floating point value");
  }
  // A two-byte character is never cut in half.
  std::string chinese;
  for (int i = 0; i < 150; ++i) chinese += "数";
  const std::string quoted = QuotedOperand("a" + chinese);
  EXPECT_EQ(quoted, "a" + chinese.substr(0, 198) + "…");
  EXPECT_EQ(QuotedOperand("short"), "short");
  EXPECT_THROW(StrToInt64(page + "y"), EConvertError);
}

}  // namespace
}  // namespace zarnix
