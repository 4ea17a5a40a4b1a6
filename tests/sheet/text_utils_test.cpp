// Splitting, counting, character-aware removal, the real power, the sorts and extremes.
#include "sheet/text_utils.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "base/errors.h"

namespace zarnix {
namespace {

TEST(SplitText, PartsAndCounts) {
  std::array<std::string, 8> parts;
  int count = -1;
  SplitText("1;2;;3", ';', parts, count);
  EXPECT_EQ(count, 4);
  EXPECT_EQ(parts[0], "1");
  EXPECT_EQ(parts[2], "");
  EXPECT_EQ(parts[3], "3");
  SplitText("", ';', parts, count);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(parts[0], "");
  EXPECT_EQ(SplitText("a;b;", ';'), (std::vector<std::string>{"a", "b", ""}));
}

TEST(SplitText, NeverWritesPastTheArray) {
  std::array<std::string, 2> parts;
  int count = 99;
  SplitText("a;b;c;d", ';', parts, count);
  EXPECT_EQ(parts[0], "a");
  EXPECT_EQ(parts[1], "b");
  EXPECT_EQ(count, 99);  // not every part found a place
}

TEST(SplitText, StoresAtMost32767Parts) {
  const std::string text(40000, ';');
  std::vector<std::string> parts(40001, "x");
  int count = -1;
  SplitText(text, ';', parts, count);
  EXPECT_EQ(count, -1);
  EXPECT_EQ(parts[32766], "");
  EXPECT_EQ(parts[32767], "x");
  EXPECT_EQ(SplitText(text, ';').size(), static_cast<std::size_t>(kMaxSplitParts));
}

TEST(SplitReals, CountsOnlyWhenEveryPartFits) {
  std::array<Extended, 10> values{};
  int count = -1;
  SplitReals("1.5;2", ';', values, count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(values[0], 1.5L);
  EXPECT_EQ(values[1], 2.0L);

  std::array<Extended, 2> small{};
  count = 7;
  SplitReals("1;2;3", ';', small, count);
  EXPECT_EQ(small[0], 1.0L);
  EXPECT_EQ(small[1], 2.0L);
  EXPECT_EQ(count, 7);

  count = 7;
  SplitReals("", ';', values, count);
  EXPECT_EQ(count, 7);
}

TEST(SplitReals, EmptyOrBadPartsAreConversionErrors) {
  std::array<Extended, 4> values{};
  int count = -1;
  EXPECT_THROW(SplitReals("1;", ';', values, count), EConvertError);
  EXPECT_EQ(values[0], 1.0L);  // stored before the bad part
  EXPECT_EQ(count, -1);
  try {
    SplitReals("1;;2", ';');
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'' is not a valid floating point value");
  }
  EXPECT_THROW(SplitReals("1;x", ';'), EConvertError);
  EXPECT_EQ(SplitReals("-1e2, 3", ','), (std::vector<Extended>{-100, 3}));
}

TEST(SplitInt64s, StrictIntegers) {
  std::array<std::int64_t, 3> values{};
  int count = 0;
  SplitInt64s("10,-20,9223372036854775807", ',', values, count);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(values[2], INT64_MAX);
  EXPECT_THROW(SplitInt64s("1,2.5", ','), EConvertError);
}

TEST(SplitSingles, ConsumesTheTextAndRoundsToSingle) {
  std::array<float, 200> values{};
  int count = 0;
  std::string text = "0.1,2,3";
  SplitSingles(text, values, count);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(values[0], 0.1f);
  EXPECT_EQ(text, "3");

  std::string many;
  for (int i = 0; i < 105; ++i) many += std::to_string(i) + (i < 104 ? "," : "");
  count = -1;
  SplitSingles(many, values, count);
  EXPECT_EQ(count, -1);
  EXPECT_EQ(values[100], 100.0f);
  EXPECT_EQ(many, "101,102,103,104");
}

TEST(EmptyCell, BlanksOnlyCountAsEmpty) {
  EXPECT_TRUE(IsEmptyCell(""));
  EXPECT_TRUE(IsEmptyCell(" "));
  EXPECT_TRUE(IsEmptyCell(" \t "));
  EXPECT_FALSE(IsEmptyCell(" 0 "));
  EXPECT_FALSE(IsEmptyCell("数"));  // two bytes above the blanks
}

TEST(Occurrences, CountsOverlappingAndFindsFromAPosition) {
  EXPECT_EQ(CountOccurrences("a,b,c", ","), 2);
  EXPECT_EQ(CountOccurrences("aaa", "aa"), 2);
  EXPECT_EQ(CountOccurrences("aaa", ""), 0);
  EXPECT_EQ(CountOccurrences("", "a"), 0);
  EXPECT_EQ(FindFrom(1, "abcabc", "bc"), 2);
  EXPECT_EQ(FindFrom(3, "abcabc", "bc"), 5);
  EXPECT_EQ(FindFrom(6, "abcabc", "bc"), 0);
  EXPECT_EQ(FindFrom(0, "abc", "a"), 0);
  EXPECT_EQ(FindFrom(9, "abc", "a"), 0);
}

TEST(RemoveAll, RemovesWholeMatchesCharacterByCharacter) {
  EXPECT_EQ(RemoveAll("x*iy*i", "*i"), "xy");
  EXPECT_EQ(RemoveAll("aaaa", "aa"), "");
  EXPECT_EQ(RemoveAll("abc", ""), "abc");
  // "乤" is 0x81 0x61: its second byte is 'a', which must not be taken for a match.
  EXPECT_EQ(RemoveAll("乤a乤", "a"), "乤乤");
  EXPECT_EQ(RemoveAll("\x81", "a"), "\x81");  // a lone lead byte at the end
  EXPECT_EQ(RemoveAll("数组a", "组"), "数a");
}

TEST(RealPower, SignsAndZero) {
  EXPECT_EQ(RealPower(0, 0), 0);
  EXPECT_EQ(RealPower(0, -1), 0);
  EXPECT_NEAR(static_cast<double>(RealPower(-2, 2)), 4, 1e-15);
  EXPECT_NEAR(static_cast<double>(RealPower(-2, 3)), -8, 1e-15);
  EXPECT_NEAR(static_cast<double>(RealPower(-2, 2.4L)), std::pow(2.0, 2.4), 1e-14);
  EXPECT_EQ(RealPower(2, -1), 0.5L);
  EXPECT_NEAR(static_cast<double>(RealPower(-8, 1.0L / 3)), 2, 1e-15);
  EXPECT_NEAR(static_cast<double>(RealPower(-8, 0.9L)), -std::pow(8.0, 0.9), 1e-14);
  EXPECT_NEAR(static_cast<double>(RealPower(-2, 2.5L)), std::pow(2.0, 2.5), 1e-14);  // rounds to 2
  EXPECT_NEAR(static_cast<double>(RealPower(-2, 3.5L)), std::pow(2.0, 3.5), 1e-13);  // rounds to 4
}

TEST(RealPower, AccurateAcrossTheRange) {
  for (Extended x : {0.001L, 0.5L, 3.0L, 10.0L, 12345.678L}) {
    for (Extended y : {-7.5L, -1.0L, 0.0L, 0.25L, 1.0L, 2.0L, 13.0L}) {
      const Extended expected = std::pow(x, y);
      EXPECT_NEAR(static_cast<double>(RealPower(x, y) / expected), 1.0, 1e-16) << x << "^" << y;
    }
  }
  EXPECT_TRUE(std::isinf(RealPower(10, 1e10L)));
  EXPECT_EQ(RealPower(10, -1e10L), 0);
}

TEST(ShellSort, SortsTheFirstNElements) {
  std::array<float, 3> a{3, 1, 2};
  ShellSortReals(3, a);
  EXPECT_EQ(a, (std::array<float, 3>{1, 2, 3}));
  std::array<float, 3> b{3, 1, 2};
  ShellSortReals(2, b);
  EXPECT_EQ(b, (std::array<float, 3>{1, 3, 2}));
  std::array<std::int32_t, 1> one{5};
  ShellSortIntegers(1, one);
  EXPECT_EQ(one[0], 5);
  ShellSortIntegers(10, one);  // n beyond the array is held to it
}

TEST(ShellSort, AgreesWithStdSortOnRandomData) {
  std::vector<std::int64_t> v(1000);
  std::uint32_t seed = 7;
  for (auto& x : v) x = static_cast<std::int64_t>(seed = seed * 134775813u + 1u) % 100 - 50;
  std::vector<std::int64_t> expected = v;
  std::sort(expected.begin(), expected.end());
  ShellSortInt64s(static_cast<int>(v.size()), v);
  EXPECT_EQ(v, expected);
  std::vector<std::int32_t> w{9, 9, 1, 9, 0, -3, 9, 2};
  ShellSortIntegers(8, w);
  EXPECT_TRUE(std::is_sorted(w.begin(), w.end()));
}

TEST(MinMaxIndexOfSingles, FirstOccurrenceWins) {
  const std::array<float, 4> a{5, 1, 5, 1};
  const MinMaxIndex m = MinMaxIndexOfSingles(a, 4);
  EXPECT_EQ(m.largest, 0);
  EXPECT_EQ(m.smallest, 1);
  const MinMaxIndex single = MinMaxIndexOfSingles(a, 1);
  EXPECT_EQ(single.largest, 0);
  EXPECT_EQ(single.smallest, 0);
  const std::array<float, 3> b{1, 7, -2};
  EXPECT_EQ(MinMaxIndexOfSingles(b, 3).largest, 1);
  EXPECT_EQ(MinMaxIndexOfSingles(b, 3).smallest, 2);
}

}  // namespace
}  // namespace zarnix
