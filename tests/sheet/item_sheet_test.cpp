// The item-row loop and its options, the row accessor's conversions and clamps, and column
// layouts, on small hand-made item sheets.
#include "sheet/item_sheet.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/errors.h"
#include "support/item_sheet_fixture.h"

namespace zarnix {
namespace {

class ItemSheetTest : public ItemSheetFixture {
 protected:
  // An item row whose result cell holds "old", to see which rows a run clears.
  int AddRow(const std::string& number, const std::string& name,
             const std::vector<std::string>& params = {"1"}) {
    const int row = AddItem(number, name, params);
    grid.SetCell(kResultCol, row, "old");
    return row;
  }
  // Runs the loop; every computed row gets "done " + its number as its result.
  std::vector<int> Run(const ItemSheetOptions& options) {
    std::vector<int> computed;
    Workbench bench = Bench();
    RunItemRows(bench, options, [&](ItemRow& row) {
      computed.push_back(row.Row());
      row.SetResult("done " + std::to_string(row.Number()));
      return true;
    });
    return computed;
  }
};

TEST_F(ItemSheetTest, AllItemsStopAtTheEndRowAndSkipUnnumberedOrEmptyRows) {
  const int a = AddRow("1", "a");
  const int zero = AddRow("0", "zero");
  const int text = AddRow("x", "not a number");
  const int empty = AddRow("2", "no parameter", {""});
  const int blank = AddRow("3", "blank parameter", {"  "});
  const int b = AddRow(" 4 ", "b");
  AddRow("***", "");
  const int below = AddRow("5", "below the end");
  EXPECT_EQ(Run({}), (std::vector<int>{a, b}));
  EXPECT_EQ(Result(a), "done 1");
  EXPECT_EQ(Result(b), "done 4");
  // Skipped item rows are cleared; rows below the end row are left alone.
  for (int row : {zero, text, empty, blank}) EXPECT_EQ(Result(row), "") << row;
  EXPECT_EQ(Result(below), "old");

  ItemSheetOptions any;
  any.needsFirstParam = false;
  EXPECT_EQ(Run(any), (std::vector<int>{a, empty, blank, b}));
}

TEST_F(ItemSheetTest, TheLastRowCanBeLeftOutAndTheFirstRowMoved) {
  const int a = AddRow("1", "a");
  const int b = AddRow("2", "b");
  const int c = AddRow("3", "c");
  ItemSheetOptions options;
  options.skipLastRow = true;
  EXPECT_EQ(Run(options), (std::vector<int>{a, b}));
  EXPECT_EQ(Result(c), "old");
  options.skipLastRow = false;
  options.firstRow = b;
  EXPECT_EQ(Run(options), (std::vector<int>{b, c}));
}

TEST_F(ItemSheetTest, CurrentItemOnlyComputesEveryRowWithTheSameNumberText) {
  const int a = AddRow("1", "a");
  const int b1 = AddRow("7", "b first");
  const int c = AddRow("2", "c");
  const int b2 = AddRow("7", "b second");
  AddRow("***", "");
  grid.SetRow(b2);
  ItemSheetOptions options;
  options.currentItemOnly = true;
  static constexpr const char* kReminder[] = {"每次计算一项", "选择某项目后，单击按钮"};
  options.headerLines = kReminder;
  EXPECT_EQ(Run(options), (std::vector<int>{b1, b2}));
  EXPECT_EQ(Result(a), "old");
  EXPECT_EQ(Result(c), "old");
  EXPECT_EQ(answer.Lines(), (std::vector<std::string>{"每次计算一项", "选择某项目后，单击按钮"}));

  // The current cell on the end row, or on a row without an item number, computes nothing
  // and clears no cell.
  grid.SetRow(grid.RowCount() - 1);
  EXPECT_TRUE(Run(options).empty());
  const int note = AddRow("", "a note between items");
  grid.SetCell(1, grid.RowCount() - 2, "");  // the end row becomes a blank-number row too
  grid.SetRow(note);
  EXPECT_TRUE(Run(options).empty());
  EXPECT_EQ(Result(note), "old");
}

TEST_F(ItemSheetTest, TitleLinesFrameEveryNumberedItemEvenOneWithoutACalculation) {
  AddRow("1", "known");
  AddRow("9", "unknown");
  ItemSheetOptions options;
  options.titleLines = true;
  Workbench bench = Bench();
  RunItemRows(bench, options, [](ItemRow& row) {
    if (row.Number() != 1) return false;
    row.Add("line");
    return true;
  });
  EXPECT_EQ(answer.Lines(), (std::vector<std::string>{"1.known", "line", "", "9.unknown", ""}));
}

TEST_F(ItemSheetTest, AnItemErrorGoesIntoItsCellOrEndsTheRun) {
  const int a = AddRow("1", "fails");
  const int b = AddRow("2", "works");
  const auto compute = [](ItemRow& row) {
    if (row.Number() == 1) throw ItemError("参数超出范围");
    row.SetResult("ok");
    return true;
  };
  ItemSheetOptions inCell;
  inCell.errorsInResultCell = true;
  Workbench bench = Bench();
  RunItemRows(bench, inCell, compute);
  EXPECT_EQ(Result(a), "参数超出范围");
  EXPECT_EQ(Result(b), "ok");

  grid.SetCell(kResultCol, b, "old");
  EXPECT_THROW(RunItemRows(bench, {}, compute), ItemError);
  EXPECT_EQ(Result(b), "old");  // the run ended before it
}

TEST_F(ItemSheetTest, AFloatingPointFaultEndsTheRunAndKeepsWhatWasWritten) {
  const int a = AddRow("1", "divides by zero");
  const int b = AddRow("2", "after");
  Workbench bench = Bench();
  volatile Extended zero = 0;
  EXPECT_THROW(RunItemRows(bench, {},
                           [&](ItemRow& row) {
                             row.SetResult("partial");
                             volatile Extended q = 1 / zero;
                             (void)q;
                             return true;
                           }),
               EZeroDivide);
  EXPECT_EQ(Result(a), "partial");
  EXPECT_EQ(Result(b), "old");
}

TEST_F(ItemSheetTest, ParametersAreReadOnceByTheirKind) {
  const int row = AddRow("1", "p", {" 2.5", "12abc", " -7 "});
  Workbench bench = Bench();
  ItemRow reals(bench, row, 1, 4, ParamKind::kReal);
  EXPECT_EQ(reals.ParamCount(), 4);  // columns 4 … 7
  EXPECT_EQ(reals.P(0), 2.5L);
  EXPECT_EQ(reals.P(1), 0);  // malformed
  EXPECT_EQ(reals.P(2), -7);
  EXPECT_EQ(reals.P(3), 0);  // an empty cell
  EXPECT_EQ(reals.P(4), 0);  // beyond the parameter cells
  EXPECT_EQ(reals.P(-1), 0);
  ItemRow ints(bench, row, 1, 4, ParamKind::kInteger);
  EXPECT_EQ(ints.IntP(0), 0);  // not a whole number
  EXPECT_EQ(ints.IntP(2), -7);
  EXPECT_EQ(ints.P(2), 0);

  // A row whose name carries the mark reads its cells as texts: every parameter is 0.
  grid.SetCell(2, row, "长整数加法");
  ItemSheetOptions options;
  options.params = ParamKind::kInteger;
  options.textParamsMark = "长整数";
  std::int64_t seen = 1;
  RunItemRows(bench, options, [&](ItemRow& item) {
    seen = item.IntP(2);
    return true;
  });
  EXPECT_EQ(seen, 0);
}

TEST_F(ItemSheetTest, ClampsWriteTheLimitBackAndKeepTheValueReadAtTheStart) {
  const int row = AddRow("1", "c", {"150.4", "-3", "9e30"});
  Workbench bench = Bench();
  ItemRow item(bench, row, 1, 4, ParamKind::kReal);
  EXPECT_EQ(item.ClampedCount(0, 1, 100), 100);
  EXPECT_EQ(grid.Cell(4, row), "100");
  EXPECT_EQ(item.P(0), 150.4L);  // read once when the row was opened
  EXPECT_EQ(item.ClampedCount(1, 1, 100), 1);
  EXPECT_EQ(grid.Cell(5, row), "1");
  EXPECT_EQ(item.Clamped(2, 0, 1000), 1000);
  EXPECT_EQ(grid.Cell(6, row), "1000");
  EXPECT_EQ(item.ClampedCount(0, 100, 200), 150);  // inside: the cell is not touched
  EXPECT_EQ(grid.Cell(4, row), "100");

  grid.SetCell(4, row, "12");
  ItemRow ints(bench, row, 1, 4, ParamKind::kInteger);
  EXPECT_EQ(ints.IntAtMost(0, 10), 10);
  EXPECT_EQ(grid.Cell(4, row), "10");
  EXPECT_EQ(ints.IntAtMost(0, 20), 10);
}

TEST_F(ItemSheetTest, StrictConversionsNameTheCellText) {
  const int row = AddRow("1", "s", {" 42 ", "4x", "1e3"});
  Workbench bench = Bench();
  ItemRow item(bench, row, 1, 4, ParamKind::kNone);
  EXPECT_EQ(item.StrictInt(4), 42);
  EXPECT_EQ(item.StrictReal(6), 1000);
  try {
    item.StrictInt(5);
    FAIL() << "no conversion error";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "'4x' is not a valid integer value");
  }
  EXPECT_THROW(item.StrictReal(5), EConvertError);
}

TEST_F(ItemSheetTest, RowsBelowAnItemAreReachedAtFixedOffsets) {
  const int row = AddRow("1", "block");
  grid.SetRowCount(row + 3);
  Workbench bench = Bench();
  ItemRow item(bench, row, 1, 4, ParamKind::kReal);
  item.SetCellBelow(2, 3, "x;y");
  EXPECT_EQ(grid.Cell(3, row + 2), "x;y");
  EXPECT_EQ(item.CellBelow(2, 3), "x;y");
  EXPECT_EQ(item.ResultCol(), kResultCol);
  EXPECT_EQ(item.LastParamCol(), kResultCol - 1);
  EXPECT_EQ(item.Real(1.0L / 3), "0.333");
  EXPECT_EQ(item.DottedHeader(), "1.block");
  EXPECT_EQ(item.ColonHeader(), "1: block");
}

// Item functions of a table: plain, returning the result text, and with a per-run context.
void Plain(ItemRow& row) {
  row.SetResult("plain");
}
std::string Returning(ItemRow& row) {
  return "returned " + row.Cell(2);
}
std::string Counting(ItemRow&, int& calls) {
  return std::to_string(++calls);
}

TEST_F(ItemSheetTest, TheItemTableFindsRangesAndWritesReturnedTexts) {
  using Entry = ItemEntry<std::string (*)(ItemRow&)>;
  static constexpr Entry kTable[] = {{1, 1, Returning}, {3, 5, Returning}};
  EXPECT_EQ(FindItem<std::string (*)(ItemRow&)>(kTable, 4), Returning);
  EXPECT_EQ(FindItem<std::string (*)(ItemRow&)>(kTable, 2), nullptr);

  const int a = AddRow("1", "one");
  const int none = AddRow("2", "two");
  const int b = AddRow("5", "five");
  Workbench bench = Bench();
  RunItemRows(bench, {}, [](ItemRow& row) { return ComputeItem<Entry>(kTable, row); });
  EXPECT_EQ(Result(a), "returned one");
  EXPECT_EQ(Result(none), "");
  EXPECT_EQ(Result(b), "returned five");

  using PlainEntry = ItemEntry<void (*)(ItemRow&)>;
  static constexpr PlainEntry kPlain[] = {{2, 2, Plain}};
  RunItemRows(bench, {}, [](ItemRow& row) { return ComputeItem<PlainEntry>(kPlain, row); });
  EXPECT_EQ(Result(none), "plain");

  using CountingEntry = ItemEntry<std::string (*)(ItemRow&, int&)>;
  static constexpr CountingEntry kCounting[] = {{1, 9, Counting}};
  int calls = 0;
  RunItemRows(bench, {},
              [&](ItemRow& row) { return ComputeItem<CountingEntry>(kCounting, row, calls); });
  EXPECT_EQ(Result(b), "3");
}

TEST_F(ItemSheetTest, ColumnLayoutsSetTheDefaultFirstAndTheLastColumnByPosition) {
  static constexpr ColumnWidth kWidths[] = {{0, 1}, {1, 20}, {kLastColumn, 90}};
  grid.SetCell(0, 0, "N8");
  ApplyColumnLayout(grid, {40, kWidths, true});
  EXPECT_EQ(grid.ColWidth(0), 1);
  EXPECT_EQ(grid.ColWidth(1), 20);
  EXPECT_EQ(grid.ColWidth(3), 40);
  EXPECT_EQ(grid.ColWidth(kResultCol), 90);
  EXPECT_EQ(grid.Cell(0, 0), "");

  grid.SetFontSize(12);
  ApplyColumnLayout(grid, {100, kWidths, false, true});
  EXPECT_EQ(grid.ColWidth(3), 120);
  EXPECT_EQ(grid.ColWidth(1), 24);
}

}  // namespace
}  // namespace zarnix
