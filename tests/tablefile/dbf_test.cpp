// dBase tables written by an independent library, and damaged headers built by hand.
#include "tablefile/dbf.h"

#include <filesystem>

#include "base/errors.h"
#include "sheet/worksheet.h"
#include "support/temp_dir.h"
#include "tablefile/table_text.h"

namespace zarnix {
namespace {

const std::filesystem::path kFixtures = ZARNIX_TEST_DATA_DIR;

std::vector<std::string> Row(const Worksheet& grid, int row) {
  std::vector<std::string> cells;
  for (int c = 0; c < grid.ColCount(); ++c) cells.push_back(grid.Cell(c, row));
  return cells;
}

TEST(Dbf, DbaseThreeTableWithDeletedRecord) {
  Worksheet grid;
  LoadDbfGrid(kFixtures / "people.dbf", grid);
  EXPECT_EQ(grid.ColCount(), 6);
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(grid.FixedRows(), 2);
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(Row(grid, 0), (std::vector<std::string>{"", "C10", "N3.0", "N6.2", "C1", "D8"}));
  EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"", "NAME", "AGE", "SCORE", "OK", "BORN"}));
  EXPECT_EQ(Row(grid, 2),
            (std::vector<std::string>{"1", "张三      ", " 30", " 88.50", "T", "19940517"}));
  // The deleted record shows like any other.
  EXPECT_EQ(Row(grid, 3),
            (std::vector<std::string>{"2", "Li Si     ", "  7", " -1.25", "F", "20170102"}));
  EXPECT_EQ(Row(grid, 4),
            (std::vector<std::string>{"3", "Wang      ", "123", "  0.00", "?", "        "}));
}

TEST(Dbf, FoxProDateTimeAndMemoFields) {
  Worksheet grid;
  LoadDbfGrid(kFixtures / "events.dbf", grid);
  EXPECT_EQ(grid.ColCount(), 4);  // the backlink area after the descriptors holds no fields
  EXPECT_EQ(Row(grid, 0), (std::vector<std::string>{"", "C8", "C14", "M8.0"}));
  EXPECT_EQ(Row(grid, 2), (std::vector<std::string>{"1", "launch  ", "2023-03-15 08:05", "4"}));
  EXPECT_EQ(Row(grid, 3), (std::vector<std::string>{"2", "old     ", "1999-12-31 23:59", "5"}));
}

using DbfFiles = TempDirTest;

TEST_F(DbfFiles, ExtensionCaseMakesNoDifference) {
  const std::string bytes = Read(kFixtures / "people.dbf");
  Worksheet lower, upper;
  LoadGridFile(Write("p.dbf", bytes), lower);
  LoadGridFile(Write("p.DBF", bytes), upper);
  for (int r = 0; r < lower.RowCount(); ++r) EXPECT_EQ(Row(lower, r), Row(upper, r));
}

TEST_F(DbfFiles, TruncatedFilesLeaveTheWorksheetAsItWas) {
  const std::string bytes = Read(kFixtures / "people.dbf");
  Worksheet grid;
  grid.SetCell(1, 0, "untouched");
  EXPECT_THROW(LoadDbfGrid(Write("short.dbf", bytes.substr(0, 20)), grid), EInOutError);
  EXPECT_THROW(LoadDbfGrid(Write("desc.dbf", bytes.substr(0, 100)), grid), EInOutError);
  EXPECT_EQ(grid.Cell(1, 0), "untouched");
  // Two and a half records: the load fails as a whole and the old worksheet stays.
  const std::size_t recordStart = 193, recordLength = 29;
  grid.SetRowCount(9);
  grid.SetCell(2, 3, "mine");
  EXPECT_THROW(
      LoadDbfGrid(Write("records.dbf", bytes.substr(0, recordStart + 2 * recordLength + 10)), grid),
      EInOutError);
  EXPECT_EQ(grid.RowCount(), 9);
  EXPECT_EQ(grid.Cell(2, 3), "mine");
  EXPECT_EQ(grid.Cell(1, 0), "untouched");
}

TEST_F(DbfFiles, MillionsOfEmptyFieldsAreRefusedAtOnce) {
  // 2,000,000 records of 2,000 zero-length fields: a header and no record bytes at all.
  const int fields = 2000;
  const int headerLength = 32 + 32 * fields + 1;
  std::string bytes(32, '\0');
  bytes[0] = 3;
  const std::uint32_t records = 2'000'000;
  for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<char>((records >> (8 * i)) & 0xFF);
  bytes[8] = static_cast<char>(headerLength & 0xFF);
  bytes[9] = static_cast<char>((headerLength >> 8) & 0xFF);
  for (int f = 0; f < fields; ++f) {
    std::string d(32, '\0');
    d[0] = 'F';
    d[11] = 'C';
    bytes += d;
  }
  bytes += '\r';
  Worksheet grid;
  grid.SetCell(1, 1, "kept");
  EXPECT_THROW(LoadGridFile(Write("empty.dbf", bytes), grid), EInOutError);
  EXPECT_EQ(grid.Cell(1, 1), "kept");
}

TEST_F(DbfFiles, HeaderAnnouncingHugeCountsIsRefused) {
  std::string bytes = Read(kFixtures / "people.dbf");
  bytes[4] = bytes[5] = bytes[6] = bytes[7] = '\xFF';  // 4 billion records
  Worksheet grid;
  EXPECT_THROW(LoadDbfGrid(Write("many.dbf", bytes), grid), EInOutError);
  EXPECT_EQ(grid.RowCount(), 5);  // the three records the file holds
  bytes = Read(kFixtures / "people.dbf");
  bytes[8] = '\xFF';
  bytes[9] = '\xFF';  // a header of 65535 bytes: far more descriptors than the file has
  EXPECT_THROW(LoadDbfGrid(Write("fields.dbf", bytes), grid), EInOutError);
}

TEST_F(DbfFiles, MoreThan255FieldsShowTheFirst255) {
  const int fields = 300;
  const int headerLength = 32 + 32 * fields + 1;
  std::string bytes(32, '\0');
  bytes[0] = 3;
  bytes[4] = 1;  // one record
  bytes[8] = static_cast<char>(headerLength & 0xFF);
  bytes[9] = static_cast<char>(headerLength >> 8);
  for (int f = 0; f < fields; ++f) {
    std::string d(32, '\0');
    const std::string name = "F" + std::to_string(f);
    d.replace(0, name.size(), name);
    d[11] = 'C';
    d[16] = 2;
    bytes += d;
  }
  bytes += '\r';
  bytes += ' ';
  for (int f = 0; f < fields; ++f) bytes += std::to_string(f % 100 + 100).substr(1);
  Worksheet grid;
  LoadDbfGrid(Write("wide.dbf", bytes), grid);
  EXPECT_EQ(grid.ColCount(), kMaxDbfFields + 1);
  EXPECT_EQ(grid.Cell(255, 1), "F254");
  EXPECT_EQ(grid.Cell(255, 2), "54");
}

}  // namespace
}  // namespace zarnix
