// The analytic-geometry row loop on a small item table of its own: results in the rows below
// the item, stale results cleared, failures kept in the failing item's cell, rows not filled
// in, the figure hint, the parameter readers' texts.
#include "geometry/analytic_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/item_sheet_fixture.h"

namespace zarnix {
namespace {

void TwoLines(ItemRow& row, ItemResults& out) {
  const Extended x = ParamNumber(row, 0, "x");
  out.Add("x", {x});
  out.Add("2x", {2 * x});
}

void Fails(ItemRow&, ItemResults&) {
  throw ItemError("不能计算");
}

void Divides(ItemRow& row, ItemResults& out) {
  volatile Extended zero = 0;
  out.Add("q", {ParamNumber(row, 0, "x") / zero});
}

void Point(ItemRow& row, ItemResults& out) {
  out.Add("", ParamNumbers(row, 0, 2, "x;y"));
}

constexpr const char* kTwoLabels[] = {"值", "两倍"};
constexpr const char* kOneLabel[] = {"结果"};
constexpr AnalyticItem kItems[] = {{1, kTwoLabels, TwoLines},
                                   {2, kOneLabel, Fails},
                                   {3, kOneLabel, Divides},
                                   {4, kOneLabel, Point}};

class AnalyticItemsTest : public ItemSheetFixture {
 protected:
  void Run(const char* hint = nullptr) {
    Workbench bench = Bench();
    RunAnalyticItems(bench, {kItems, hint});
  }
};

TEST_F(AnalyticItemsTest, ResultLinesGoBelowTheItemAndFailuresStayInTheirItem) {
  const int a = AddItem("1", "double", {"1.5"});
  const int below = AddItem("", "两倍", {});
  const int b = AddItem("2", "fails", {"1"});
  const int c = AddItem("3", "divides", {"1"});
  const int d = AddItem("1", "double again", {"2"});
  AddItem("", "两倍", {});
  CloseItems();
  grid.SetCell(kResultCol, below, "old");
  Run();
  EXPECT_EQ(Result(a), "x=1.500");
  EXPECT_EQ(Result(below), "2x=3.000");
  EXPECT_EQ(Result(b), "不能计算");
  EXPECT_EQ(Result(c), "Floating point division by zero");
  EXPECT_EQ(Result(d + 1), "2x=4.000");
  EXPECT_EQ(answer.Lines(), (std::vector<std::string>{
                                "1.double", "值：x=1.500", "两倍：2x=3.000", "", "2.fails",
                                "不能计算", "", "3.divides", "Floating point division by zero", "",
                                "1.double again", "值：x=2.000", "两倍：2x=4.000", ""}));
}

TEST_F(AnalyticItemsTest, RowsNotFilledInAndUnknownNumbersAreOnlyCleared) {
  const int empty = AddItem("1", "not filled in", {""});
  const int below = AddItem("", "两倍", {});
  const int unknown = AddItem("99", "no such item", {"1"});
  CloseItems();
  for (int row : {empty, below, unknown}) grid.SetCell(kResultCol, row, "stale");
  Run();
  EXPECT_EQ(Result(empty), "");
  EXPECT_EQ(Result(below), "");
  EXPECT_EQ(Result(unknown), "");
  EXPECT_TRUE(answer.Lines().empty());
}

TEST_F(AnalyticItemsTest, ParameterTextsAndTheFigureHint) {
  const int count = AddItem("4", "point", {"1;2;3"});
  const int bad = AddItem("4", "point", {"1;x"});
  const int good = AddItem("4", "point", {" 1 ; 2 "});
  CloseItems();
  grid.SetCell(3, good, "说明");
  Run("(看图)");
  Run("(看图)");
  EXPECT_EQ(Result(count), "参数1应填x;y");
  EXPECT_EQ(Result(bad), "'x' is not a valid floating point value");
  EXPECT_EQ(Result(good), "1.000;2.000");
  EXPECT_EQ(Cell(3, good), "说明(看图)");  // appended once
  EXPECT_EQ(Cell(3, count), "(看图)");
}

TEST_F(AnalyticItemsTest, ARowComputedAloneWritesNothing) {
  const int row = AddItem("1", "double", {"3"});
  const int other = AddItem("5", "no item", {"3"});
  CloseItems();
  Workbench bench = Bench();
  const ItemOutcome outcome = ComputeAnalyticRow(bench, kItems, row, nullptr);
  ASSERT_TRUE(outcome.item);
  EXPECT_EQ(outcome.lines, (std::vector<std::string>{"x=3.000", "2x=6.000"}));
  EXPECT_EQ(Result(row), "");
  EXPECT_TRUE(answer.Lines().empty());
  EXPECT_FALSE(ComputeAnalyticRow(bench, kItems, other, nullptr).item);
  EXPECT_EQ(ComputeAnalyticRow(bench, kItems, AddItem("2", "fails", {"1"}), nullptr).error,
            "不能计算");
}

}  // namespace
}  // namespace zarnix
