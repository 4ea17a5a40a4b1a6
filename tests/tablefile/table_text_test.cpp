// Table-text and comma-text loading, the writers and the rate lookup.
#include "tablefile/table_text.h"

#include <sys/stat.h>

#include "base/convert.h"
#include "base/errors.h"
#include "base/textfile.h"
#include "sheet/worksheet.h"
#include "support/temp_dir.h"

namespace zarnix {
namespace {

using TableText = TempDirTest;

std::vector<std::string> Row(const Worksheet& grid, int row) {
  std::vector<std::string> cells;
  for (int c = 0; c < grid.ColCount(); ++c) cells.push_back(grid.Cell(c, row));
  return cells;
}

TEST_F(TableText, BackquoteFileGivesDescriptorsNamesRecordsAndNumbers) {
  const auto path =
      Write("items.thf", "C4`C20`N8.3\r\n编号`项目`值\r\n1`求和`2.5\r\n2`最大值`7\r\n");
  Worksheet grid;
  grid.SetCell(0, 0, "corner");
  LoadGridFile(path, grid);
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.FixedRows(), 2);
  EXPECT_EQ(Row(grid, 0), (std::vector<std::string>{"corner", "C4", "C20", "N8.3"}));
  EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"", "编号", "项目", "值"}));
  EXPECT_EQ(Row(grid, 2), (std::vector<std::string>{"1", "1", "求和", "2.5"}));
  EXPECT_EQ(Row(grid, 3), (std::vector<std::string>{"2", "2", "最大值", "7"}));
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(grid.FixedCols(), 1);  // the worksheet's own setting stays
}

TEST_F(TableText, TwoHeaderLinesGiveOneEmptyRecord) {
  Worksheet grid;
  LoadGridFile(Write("empty.thf", "C4`C10\r\na`b\r\n"), grid);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(Row(grid, 2), (std::vector<std::string>{"1", "", ""}));
}

TEST_F(TableText, ExtensionChoosesTheFormatWhateverItsCase) {
  const std::string backquote = "C4`C4\r\nx`y\r\n1`2\r\n";
  for (const char* name : {"a.thf", "b.THF", "c.Thf", "d.txx"}) {
    Worksheet grid;
    LoadGridFile(Write(name, backquote), grid);
    EXPECT_EQ(grid.Cell(2, 2), "2") << name;
  }
  Worksheet comma;
  LoadGridFile(Write("e.dhf", "C4,C4\r\nx,y\r\n1,2\r\n"), comma);
  EXPECT_EQ(comma.Cell(2, 2), "2");
  Worksheet tab;
  LoadGridFile(Write("f.9ab", "C4\tC4\nx\ty\n1\t2\n"), tab);
  EXPECT_EQ(tab.Cell(2, 2), "2");
  Worksheet text;
  LoadGridFile(Write("g.TXT", backquote), text);  // comma text: one cell per line
  EXPECT_EQ(text.FixedCols(), 0);
  EXPECT_EQ(text.Cell(0, 2), "1`2");
  Worksheet bare;
  LoadGridFile(Write("noext", "p,q\r\n"), bare);
  EXPECT_EQ(bare.Cell(1, 0), "q");
}

TEST_F(TableText, FixedWidthRecordsFollowTheDescriptorWidths) {
  const auto path = Write("w.sdf", "C3 N6.2 C2\r\nabc num xy\r\nfoo 123.45 ok\r\nbar  1\r\n");
  Worksheet grid;
  LoadGridFile(path, grid);
  EXPECT_EQ(Row(grid, 2), (std::vector<std::string>{"1", "foo", "123.45", "ok"}));
  EXPECT_EQ(Row(grid, 3), (std::vector<std::string>{"2", "bar", " 1", ""}));
}

TEST_F(TableText, ShortRecordsLeaveEmptyCellsAndLongOnesLoseTheirExtras) {
  Worksheet grid;
  LoadGridFile(Write("r.thf", "C4`C4`C4\r\na`b`c\r\n1`2`3\r\n4\r\n5`6`7`8`9\r\n"), grid);
  EXPECT_EQ(Row(grid, 3), (std::vector<std::string>{"2", "4", "", ""}));
  EXPECT_EQ(Row(grid, 4), (std::vector<std::string>{"3", "5", "6", "7"}));
  EXPECT_EQ(grid.Cell(4, 4), "");
}

TEST_F(TableText, ASmallerFileLeavesNoStaleCellsBehind) {
  Worksheet grid;
  grid.SetColCount(10);
  grid.SetRowCount(10);
  grid.SetCell(9, 9, "old");
  grid.SetCell(1, 4, "old");
  LoadGridFile(Write("s.thf", "C4\r\na\r\n1\r\n"), grid);
  EXPECT_EQ(grid.ColCount(), 2);
  EXPECT_EQ(grid.RowCount(), 3);
  grid.SetColCount(10);  // a handler widening the grid sees empty cells
  grid.SetRowCount(10);
  EXPECT_EQ(grid.Cell(9, 9), "");
  EXPECT_EQ(grid.Cell(1, 4), "");
  LoadGridFile(Write("c.txt", "a,b,c\r\n1,2,3\r\n"), grid);
  LoadGridFile(Write("d.txt", "x\r\n"), grid);
  grid.SetColCount(3);
  grid.SetRowCount(2);
  EXPECT_EQ(grid.Cell(2, 0), "");
  EXPECT_EQ(grid.Cell(0, 1), "");
}

TEST_F(TableText, ADescriptorWithoutWidthFailsAndLeavesTheWorksheetAsItWas) {
  Worksheet shown;
  shown.SetColCount(3);
  shown.SetRowCount(7);
  shown.SetCell(2, 0, "mine");
  shown.SetCell(1, 5, "typed");
  for (const char* descriptor : {"N8", "N", "C", "Cabc", ""}) {
    Worksheet grid = shown;
    try {
      LoadGridFile(Write("bad.thf", std::string("C4`") + descriptor + "\r\na`b\r\n1`2\r\n"), grid);
      FAIL() << descriptor;
    } catch (const EConvertError& e) {
      EXPECT_NE(e.Message().find("is not a valid integer value"), std::string::npos);
    }
    EXPECT_EQ(grid.RowCount(), 7) << descriptor;
    EXPECT_EQ(grid.ColCount(), 3) << descriptor;
    EXPECT_EQ(grid.Cell(2, 0), "mine") << descriptor;
    EXPECT_EQ(grid.Cell(1, 5), "typed") << descriptor;
  }
}

TEST_F(TableText, OnlyRegularFilesAreOpened) {
  const auto pipe = dir_ / "pipe.thf";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  Worksheet grid;
  grid.SetCell(1, 1, "kept");
  // A named pipe would block the read for ever; it is refused before it is opened.
  for (const auto& path : {pipe, dir_ / "pipe.txt"}) {
    if (path != pipe) {
      ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    }
    try {
      LoadGridFile(path, grid);
      FAIL();
    } catch (const EInOutError& e) {
      EXPECT_NE(e.Message().find("Not a regular file"), std::string::npos) << e.Message();
    }
  }
  EXPECT_EQ(grid.Cell(1, 1), "kept");
}

TEST_F(TableText, MoreCellsThanAWorksheetShowsAreRefused) {
  // 200 fields × 100,001 records is past the cells a loaded file may fill.
  std::string text = "C1";
  for (int i = 1; i < 200; ++i) text += "`C1";
  text += "\r\n\r\n";
  text.reserve(text.size() + 100'001 * 2);
  for (int i = 0; i < 100'001; ++i) text += "\r\n";
  Worksheet grid;
  grid.SetCell(1, 1, "kept");
  EXPECT_THROW(LoadGridFile(Write("wide.thf", text), grid), EInOutError);
  EXPECT_EQ(grid.Cell(1, 1), "kept");
}

TEST_F(TableText, UnreadableAndOversizedInputIsRefused) {
  Worksheet grid;
  grid.SetCell(1, 1, "kept");
  EXPECT_THROW(LoadGridFile(dir_ / "missing.thf", grid), EInOutError);
  EXPECT_THROW(LoadGridFile(dir_, grid), EInOutError);
  const std::string longLine(kMaxTableLineBytes + 1, 'x');
  EXPECT_THROW(LoadGridFile(Write("long.thf", "C4\r\na\r\n" + longLine), grid), EInOutError);
  EXPECT_THROW(LoadGridFile(Write("long.txt", longLine), grid), EInOutError);
  EXPECT_EQ(grid.Cell(1, 1), "kept");
}

TEST_F(TableText, Utf8FileWithByteOrderMarkIsConverted) {
  Worksheet grid;
  LoadGridFile(Write("u.thf",
                     "\xEF\xBB\xBF"
                     "C4\nA\n\xE6\x95\xB0\xE7\xBB\x84\n"),
               grid);
  EXPECT_EQ(grid.Cell(1, 2), "数组");
}

TEST(CommaText, FieldRules) {
  EXPECT_EQ(SplitCommaText("a,,b"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitCommaText("\"x y\",z"), (std::vector<std::string>{"x y", "z"}));
  EXPECT_EQ(SplitCommaText("  a , b"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SplitCommaText("a b"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SplitCommaText("a,"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(SplitCommaText("\"say \"\"hi\"\"\",2"), (std::vector<std::string>{"say \"hi\"", "2"}));
  EXPECT_EQ(SplitCommaText("\"open"), (std::vector<std::string>{"open"}));
  EXPECT_EQ(SplitCommaText("数组,统计"), (std::vector<std::string>{"数组", "统计"}));
  EXPECT_TRUE(SplitCommaText("   ").empty());
}

TEST_F(TableText, CommaTextGrid) {
  Worksheet grid;
  grid.SetFixedCols(1);
  LoadCommaTextGrid(Write("c.csv", "a,,b\r\n\"x y\",z\r\n1,2,3,4,5\r\n"), grid);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.FixedCols(), 0);
  EXPECT_EQ(Row(grid, 0), (std::vector<std::string>{"a", " ", "b"}));
  EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"x y", "z", ""}));
  EXPECT_EQ(Row(grid, 2), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(grid.Cell(3, 2), "");
}

TEST_F(TableText, SavedGridLoadsBackWithTrimmedRecords) {
  Worksheet grid;
  LoadGridFile(Write("in.thf", "C4`C20`C10\r\n编号`项目`结果\r\n1` 求和 `x=3\r\n2`\t积`\r\n"),
               grid);
  grid.SetCell(3, 3, "  y=4  ");
  const auto out = dir_ / "out.thf";
  SaveGridFile(out, grid);
  EXPECT_EQ(Read(out), "C4`C20`C10\r\n编号`项目`结果\r\n1`求和`x=3\r\n2`积`y=4\r\n");
  Worksheet back;
  LoadGridFile(out, back);
  for (int r = 0; r < grid.RowCount(); ++r) {
    for (int c = 1; c < grid.ColCount(); ++c) {
      EXPECT_EQ(back.Cell(c, r), r < 2 ? grid.Cell(c, r) : Trim(grid.Cell(c, r)));
    }
  }
}

TEST_F(TableText, DataSetFileReloadsShiftedOneColumn) {
  Worksheet grid;
  grid.SetFixedCols(0);
  grid.SetColCount(2);
  grid.SetRowCount(2);
  grid.SetCell(0, 0, "x");
  grid.SetCell(1, 0, "y");
  grid.SetCell(0, 1, "1");
  grid.SetCell(1, 1, "2");
  const auto path = dir_ / "set.thf";
  SaveDataSetFile(path, grid);
  EXPECT_EQ(Read(path), "C10`C10\r\na1`a2\r\nx`y\r\n1`2\r\n");
  Worksheet back;
  LoadGridFile(path, back);
  EXPECT_EQ(back.Cell(1, 2), "x");
  EXPECT_EQ(back.Cell(2, 3), "2");
  EXPECT_EQ(back.Cell(0, 2), "1");
  EXPECT_EQ(back.Cell(1, 1), "a1");
}

TEST_F(TableText, RateLookupByTermAndDate) {
  Worksheet rates;
  LoadGridFile(Write("r.thf",
                     "N4.0`N2.0`N2.0`C0`C12`C60\r\n年`月`日`活期`一年`五年\r\n"
                     "1990`4`15`2.88`10.08`13.68\r\n1999`6`10`0.99`2.25`2.88\r\n"
                     "2015`10`24`0.35`1.5`2.75\r\n"),
               rates);
  EXPECT_EQ(LookupRate(rates, 12, {1999, 6, 10}), 2.25L);
  EXPECT_EQ(LookupRate(rates, 12, {1999, 6, 9}), 10.08L);
  EXPECT_EQ(LookupRate(rates, 60, {2026, 1, 1}), 2.75L);
  EXPECT_EQ(LookupRate(rates, 0, {2000, 1, 1}), 0.99L);
  EXPECT_EQ(LookupRate(rates, 24, {2000, 1, 1}), 0.0L);  // no such term
  EXPECT_EQ(LookupRate(rates, 12, {1980, 1, 1}), 0.0L);  // before the first date
}

}  // namespace
}  // namespace zarnix
