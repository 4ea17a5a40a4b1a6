// Text files: CR LF on write, CR LF / LF / UTF-8 with BOM on read, errors for unreadable files.
#include "base/textfile.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "support/temp_dir.h"

namespace zarnix {
namespace {

using TextFileTest = TempDirTest;

TEST_F(TextFileTest, WritesGbkLinesWithCrLfUnderAChineseName) {
  const auto path = dir_ / PathFromGbk("结果.txt");
  WriteTextLines(path, {"数组", "", "x=1"});
  EXPECT_EQ(Read(path), "数组\r\n\r\nx=1\r\n");
  EXPECT_EQ(ReadTextLines(path), (std::vector<std::string>{"数组", "", "x=1"}));
  EXPECT_EQ(GbkFromPath(path.filename()), "结果.txt");
}

TEST_F(TextFileTest, ReadsLfAndUtf8WithByteOrderMark) {
  Write("lf.txt", "a\nb\n\nc");
  EXPECT_EQ(ReadTextLines(dir_ / "lf.txt"), (std::vector<std::string>{"a", "b", "", "c"}));
  Write("bom.txt", "\xEF\xBB\xBF\xE6\x95\xB0\xE7\xBB\x84\r\nok\r\n");
  EXPECT_EQ(ReadTextLines(dir_ / "bom.txt"), (std::vector<std::string>{"数组", "ok"}));
}

TEST_F(TextFileTest, UnreadableFilesAreInOutErrors) {
  EXPECT_THROW(ReadTextFile(dir_ / "missing.txt"), EInOutError);
  EXPECT_THROW(ReadTextFile(dir_), EInOutError);
  EXPECT_THROW(WriteTextLines(dir_ / "no" / "such" / "dir.txt", {"x"}), EInOutError);
  EXPECT_FALSE(FileExists(dir_));
  EXPECT_FALSE(FileExists(dir_ / "missing.txt"));
}

TEST(SplitLines, LineBreakForms) {
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_EQ(SplitLines("a\rb\r\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
}

}  // namespace
}  // namespace zarnix
