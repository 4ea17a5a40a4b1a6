// Fresh numbered output names: never an existing file, the set of endings fresh together.
#include "app/output_files.h"

#include <gtest/gtest.h>

#include <set>

#include "base/random.h"
#include "base/textfile.h"
#include "support/temp_dir.h"

namespace zarnix {
namespace {

using OutputFilesTest = TempDirTest;

TEST_F(OutputFilesTest, NamesAreNumbersFrom100To998BeforeTheEnding) {
  LcgRandom random(7);
  for (int i = 0; i < 200; ++i) {
    const std::string name = GbkFromPath(FreshNumberedFile(dir_, random, "图象.bmp").filename());
    ASSERT_EQ(name.substr(3), "图象.bmp");
    const int number = std::stoi(name.substr(0, 3));
    EXPECT_GE(number, 100);
    EXPECT_LE(number, 998);
  }
}

TEST_F(OutputFilesTest, AFullFolderStillGivesAFreshNameAndNeverAnOldOne) {
  for (int n = 100; n <= 998; ++n) Write(std::to_string(n) + ".txt", "old");
  LcgRandom random(1);
  const auto path = FreshNumberedFile(dir_, random, ".txt");
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(path.filename(), "999.txt");
}

TEST_F(OutputFilesTest, EveryEndingOfASetIsFree) {
  // With only one number left whose .thf partner is free too, that number is chosen.
  for (int n = 100; n <= 998; ++n)
    if (n != 555) Write(std::to_string(n) + ".thf", "old");
  Write("555.txt", "");
  std::filesystem::remove(dir_ / "555.txt");
  LcgRandom random(3);
  const auto path = FreshNumberedFile(dir_, random, ".txt", {".thf"});
  EXPECT_EQ(path.filename(), "555.txt");
}

TEST_F(OutputFilesTest, ReportedNamesAreRelativeUnderTheOutputFolder) {
  EXPECT_EQ(WrittenFileName(dir_, dir_ / "123.txt"), "123.txt");
  EXPECT_EQ(WrittenFileName(dir_ / "sub", "/elsewhere/x.bmp"), "/elsewhere/x.bmp");
}

}  // namespace
}  // namespace zarnix
