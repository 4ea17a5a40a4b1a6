// GBK <-> UTF-8 conversion, byte-order marks and character counting.
#include "base/gbk.h"

#include <gtest/gtest.h>

namespace zarnix {
namespace {

TEST(Gbk, RoundTripsChineseText) {
  const std::string gbk = "数组统计 abc";  // compiled as GBK
  EXPECT_EQ(gbk.size(), 12u);
  const std::string utf8 = GbkToUtf8(gbk);
  EXPECT_EQ(utf8, "\xE6\x95\xB0\xE7\xBB\x84\xE7\xBB\x9F\xE8\xAE\xA1 abc");
  EXPECT_EQ(Utf8ToGbk(utf8), gbk);
  EXPECT_EQ(GbkToUtf8("plain"), "plain");
}

TEST(Gbk, UnconvertibleCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x98\x80"
                      "b"),
            "a?b");  // an emoji has no GBK code
  EXPECT_EQ(Utf8ToGbk("a\xFF"
                      "b"),
            "a?b");                     // not UTF-8 at all
  EXPECT_EQ(GbkToUtf8("a\x81"), "a?");  // a lone lead byte at the end
}

TEST(Gbk, CharactersAndValidity) {
  EXPECT_EQ(CharCount("数组ab"), 4u);
  EXPECT_EQ(CharCount(""), 0u);
  EXPECT_TRUE(IsValidUtf8("\xE6\x95\xB0"));
  EXPECT_FALSE(IsValidUtf8("\xE6\x95"));
  EXPECT_FALSE(IsValidUtf8("\xC0\x80"));
  std::string text = "\xEF\xBB\xBFhello";
  EXPECT_TRUE(StripUtf8Bom(text));
  EXPECT_EQ(text, "hello");
  EXPECT_FALSE(StripUtf8Bom(text));
}

}  // namespace
}  // namespace zarnix
