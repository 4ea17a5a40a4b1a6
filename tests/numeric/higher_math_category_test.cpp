// The higher-mathematics handler on item rows: skipped rows, the answer-pane items (Pearson
// curve with its Cs prompt, π with its limit), item texts in the result cells, strict and
// defaulting reads, and the failures that end the run.
#include "numeric/higher_math_category.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "base/errors.h"
#include "discrete/bignum/pi_digits.h"
#include "numeric/higher_math_functions.h"
#include "numeric/stats.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

constexpr int kResultCol = 9;  // parameters in columns 4 … 8

class HigherMathSheet : public BenchTest {
 protected:
  HigherMathSheet() {
    grid.SetColCount(kResultCol + 1);
    grid.SetRowCount(2);
    grid.SetFixedRows(2);
  }

  int Add(const std::string& number, const std::vector<std::string>& params,
          const std::string& formula = "") {
    const int row = grid.RowCount();
    grid.SetRowCount(row + 1);
    grid.SetCell(1, row, number);
    grid.SetCell(2, row, "item " + number);
    grid.SetCell(3, row, formula);
    int col = 4;
    for (const std::string& param : params) grid.SetCell(col++, row, param);
    return row;
  }

  void Run() {
    const int end = grid.RowCount();
    grid.SetRowCount(end + 1);
    grid.SetCell(1, end, "***");
    Workbench bench = Bench();
    HandleHigherMathematics(bench);
  }

  std::string RunOne(const std::string& number, const std::vector<std::string>& params,
                     const std::string& formula = "") {
    const int row = Add(number, params, formula);
    Run();
    return Result(row);
  }

  const std::string& Result(int row) const { return grid.Cell(kResultCol, row); }
  const std::vector<std::string>& Lines() const { return answer.Lines(); }
};

TEST_F(HigherMathSheet, WorkedExamplesAndColumnWidths) {
  const int birthday = Add("21", {"23"});
  const int lonely = Add("21", {"1"});
  const int binomial = Add("12", {"10", "3", "0.5"});
  const int certain = Add("13", {"10", "0", "0.5"});
  const int density = Add("18", {"0", "1", "0"});
  const int e = Add("64", {"10"});
  Run();
  EXPECT_EQ(Result(birthday), "0.507");
  EXPECT_EQ(Result(lonely), "0.000");
  EXPECT_EQ(Result(binomial), "0.117");
  EXPECT_EQ(Result(certain), "1.000");
  EXPECT_EQ(Result(density), "0.399");
  EXPECT_EQ(Result(e), "2.718");
  EXPECT_EQ(grid.ColWidth(0), 1);
  EXPECT_EQ(grid.ColWidth(3), 125);
  EXPECT_EQ(grid.ColWidth(4), 150);
  EXPECT_EQ(grid.ColWidth(5), 40);
  EXPECT_EQ(grid.ColWidth(kResultCol), 100);
  EXPECT_TRUE(Lines().empty());
}

TEST_F(HigherMathSheet, SkippedRowsUnknownItemsAndTextResults) {
  const int empty = Add("12", {"", "3", "0.5"});
  grid.SetCell(kResultCol, empty, "old");
  const int unnumbered = Add("", {"1"});
  grid.SetCell(kResultCol, unnumbered, "old");
  const int unknown = Add("99", {"1"});
  const int elliptic = Add("56", {"0.5"});
  const int refused = Add("16", {"3", "4"});  // more drawn than there are
  const int after = Add("62", {"5"});
  Run();
  EXPECT_EQ(Result(empty), "");
  EXPECT_EQ(Result(unnumbered), "");
  EXPECT_EQ(Result(unknown), "0.000");
  EXPECT_EQ(Result(elliptic), "1.686;1.467");
  EXPECT_EQ(Result(refused), HigherMathErrorText(HigherMathError::kCounts));
  EXPECT_EQ(Result(after), "24.000");  // the item after a refused one is still computed
}

TEST_F(HigherMathSheet, FormulaItemsUseTheRowsParametersAsLetters) {
  SetDecimals(6);
  const int area = Add("52", {"0", "3.14159265358979"}, "sin(x)");
  const int scaled = Add("51", {"0", "2", "3"}, "c*x");  // c = the third parameter
  const int twice = Add("54", {"0", "1", "0", "x", "x*y"});
  const int spline = Add("53", {"0;1;2;3", "1;3;5;7"});
  Run();
  EXPECT_EQ(Result(area), "2.000000");
  EXPECT_EQ(Result(scaled), "6.324555");  // 2·√10
  EXPECT_EQ(Result(twice), "0.125000");
  EXPECT_EQ(Result(spline), "12.000000");
}

TEST_F(HigherMathSheet, EllipticModulusOfOneIsRefusedNotAFiniteK) {
  EXPECT_EQ(RunOne("56", {"1"}), HigherMathErrorText(HigherMathError::kEllipticModulus));
}

TEST_F(HigherMathSheet, PiIsLimitedToEightThousandDecimals) {
  const int row = Add("65", {"10000"});
  Run();
  EXPECT_EQ(grid.Cell(4, row), "8000");
  ASSERT_EQ(Lines().size(), 3u);
  EXPECT_EQ(Lines()[0], "65.计算PI至小数点后8000位");
  EXPECT_EQ(Lines()[1], PiDigits(8000));
  EXPECT_EQ(Lines()[2], "");
  EXPECT_EQ(Result(row), "");
}

TEST_F(HigherMathSheet, PearsonCurveInTheAnswerPane) {
  SetDecimals(2);
  Run();  // nothing yet
  grid.SetRowCount(2);
  Add("17", {"1000", "0.5", "1.2"});
  Run();
  ASSERT_EQ(Lines().size(), 18u);
  EXPECT_EQ(Lines()[0], "17: 皮尔逊Ⅲ型累积频率曲线");
  EXPECT_EQ(Lines()[1], "累积频率      X");
  EXPECT_EQ(Lines()[2], "0.01      4206.24");
  EXPECT_EQ(Lines()[9], "50.00      902.42");
  EXPECT_EQ(Lines()[16], "99.99      185.81");
  EXPECT_EQ(Lines()[17], "");
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(HigherMathSheet, PearsonAsksOnceForCsAndSkipsTheItemWhenStillTooSmall) {
  ui.QueueAnswer("1.2");
  const int fixed = Add("17", {"1000", "0.5", "0.8"});
  ui.QueueAnswer("0.9");
  const int still = Add("17", {"1000", "0.5", "0.7"});
  Run();
  ASSERT_EQ(ui.Log().size(), 2u);
  EXPECT_EQ(ui.Log()[0].text, "请重新输入Cs");
  EXPECT_EQ(ui.Log()[0].prompt, "要求 Cs >= 1.00");
  EXPECT_EQ(grid.Cell(6, fixed), "1.2");
  EXPECT_EQ(grid.Cell(6, still), "0.9");
  EXPECT_EQ(Result(still), HigherMathErrorText(HigherMathError::kPearsonSkew));
  ASSERT_EQ(Lines().size(), 18u + 4u);
  EXPECT_EQ(Lines()[18], "17: 皮尔逊Ⅲ型累积频率曲线");
  EXPECT_EQ(Lines()[20], HigherMathErrorText(HigherMathError::kPearsonSkew));
}

TEST_F(HigherMathSheet, PearsonDefaultAnswerIsEnoughEvenWhenRoundedDown) {
  Add("17", {"1000", "0.502", "0.1"});  // 2 Cv = 1.004 prints as 1.00
  Run();
  ASSERT_EQ(ui.Log().size(), 1u);
  EXPECT_EQ(ui.Log()[0].answer, "1.01");
  EXPECT_EQ(Lines().size(), 18u);
}

TEST_F(HigherMathSheet, StrictIntegersAndRunEndingFailures) {
  Add("21", {"2x"});
  EXPECT_THROW(Run(), EConvertError);

  grid.SetRowCount(2);
  Add("62", {"0"});
  EXPECT_THROW(Run(), EStatsError);

  grid.SetRowCount(2);
  Add("11", {"0", "0", "-1", "1"});
  EXPECT_THROW(Run(), EZeroDivide);
}

TEST_F(HigherMathSheet, RejectedFormulaEndsTheRunWithTheCompilersMessageOnly) {
  const int bad = Add("52", {"0", "1"}, "sin(x");
  const int later = Add("62", {"5"});
  Run();
  EXPECT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(Result(bad), "");
  EXPECT_EQ(Result(later), "");
}

TEST_F(HigherMathSheet, CountsFarBeyondThirtyTwoBitsGiveProbabilities) {
  SetDecimals(12);
  const int different = Add("20", {"50000", "2000000000"});
  const int hyper = Add("15", {"3000000", "1000000", "30", "10"});
  const int ratio = Add("22", {"100000"});  // 5.6e-60194: below the smallest extended
  const int binomial = Add("12", {"3000000000", "1000000000", "0.3333333333333333"});
  Run();
  EXPECT_EQ(Result(different), "0.535265331530");
  EXPECT_EQ(Result(hyper), "0.568256154476");
  EXPECT_EQ(Result(ratio), "0.000000000000");
  EXPECT_EQ(Result(binomial), "0.000015450968");
}

}  // namespace
}  // namespace zarnix
