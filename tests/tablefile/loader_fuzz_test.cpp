// Randomly mutated table and dBase files: every load either succeeds or ends with one of the
// program's exceptions; nothing crashes, hangs or reads out of bounds (run under sanitizers).
#include <cstdint>
#include <random>

#include "base/errors.h"
#include "sheet/worksheet.h"
#include "support/temp_dir.h"
#include "tablefile/table_text.h"

namespace zarnix {
namespace {

const std::filesystem::path kFixtures = ZARNIX_TEST_DATA_DIR;

// Flips, inserts, deletes and duplicates bytes; some mutations favour the bytes that steer
// the loaders (separators, line ends, quotes, header counts).
std::string Mutate(std::string bytes, std::mt19937& rng) {
  static const char kInteresting[] = {'`', ',', ' ',  '\t',   '\r',   '\n',   '"', '.',
                                      'N', 'M', '\0', '\x0D', '\xFF', '\x80', '9'};
  const int edits = 1 + static_cast<int>(rng() % 8);
  for (int e = 0; e < edits; ++e) {
    const std::size_t at = bytes.empty() ? 0 : rng() % bytes.size();
    switch (rng() % 5) {
      case 0:
        if (!bytes.empty()) bytes[at] = static_cast<char>(rng());
        break;
      case 1:
        bytes.insert(bytes.begin() + static_cast<long>(at),
                     kInteresting[rng() % sizeof kInteresting]);
        break;
      case 2:
        if (!bytes.empty()) bytes.erase(at, 1 + rng() % 4);
        break;
      case 3:
        bytes.insert(at, bytes.substr(at, rng() % 16));
        break;
      default:
        if (!bytes.empty()) bytes[at] = kInteresting[rng() % sizeof kInteresting];
    }
  }
  return bytes;
}

class LoaderFuzz : public TempDirTest {
 protected:
  void Run(const std::string& seedBytes, const std::string& name, int rounds) {
    std::mt19937 rng(12345);
    for (int i = 0; i < rounds; ++i) {
      const auto path = Write(name, Mutate(seedBytes, rng));
      Worksheet grid;
      try {
        LoadGridFile(path, grid);
      } catch (const Exception&) {
        // A clear message for the user is a fine outcome.
      }
      ASSERT_GE(grid.RowCount(), 1);
      ASSERT_LE(grid.ColCount(), Worksheet::kMaxCols);
    }
  }
};

TEST_F(LoaderFuzz, BackquoteTables) {
  Run("C4`C20`N8.3`M8.0\r\n编号`项目`值`备注\r\n1`求和`2.5`3\r\n2`最大值`7`4\r\n", "f.thf", 3000);
}

TEST_F(LoaderFuzz, FixedWidthTables) {
  Run("C3 N6.2 C2\r\nabc num xy\r\nfoo 123.45 ok\r\nbar  1\r\n", "f.sdf", 3000);
}

TEST_F(LoaderFuzz, CommaText) {
  Run("a,,b\r\n\"x \"\"y\"\"\",z\r\n  1 , 2,3,\r\n数组,统计\r\n", "f.csv", 3000);
}

TEST_F(LoaderFuzz, DbaseTables) {
  Run(Read(kFixtures / "people.dbf"), "f.dbf", 3000);
  Run(Read(kFixtures / "events.dbf"), "g.dbf", 3000);
}

}  // namespace
}  // namespace zarnix
