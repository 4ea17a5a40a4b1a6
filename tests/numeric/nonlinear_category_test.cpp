// The nonlinear-equations category: the current item only, each kind's lines, the real
// polynomial's rewritten cells, the 23-coefficient limit and the rows that compute nothing.
#include "numeric/nonlinear_category.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Texts = std::vector<std::string>;

const Texts kReminder = {"", "双击一元方程式看f(x)图像", "", "每次计算一项",
                         "选择某方程（多元方程选择第一个方程），单击非线性方程按钮解方程"};

class NonlinearCategoryTest : public BenchTest {
 protected:
  // An item sheet: the two header rows, then the given items from row 2.
  void Items(const std::vector<Texts>& items) {
    grid = Worksheet();
    grid.SetColCount(7);
    grid.SetRowCount(static_cast<int>(items.size()) + 2);
    grid.SetFixedRows(2);
    for (int r = 0; r < static_cast<int>(items.size()); ++r)
      for (int c = 0; c < static_cast<int>(items[r].size()); ++c)
        grid.SetCell(c + 1, r + 2, items[r][c]);
  }
  Texts RunRow(int row) {
    grid.SetRow(row);
    Workbench bench = Bench();
    HandleNonlinearEquations(bench);
    return answer.Lines();
  }
  static Texts WithReminder(Texts lines) {
    lines.insert(lines.end(), kReminder.begin(), kReminder.end());
    return lines;
  }
};

TEST_F(NonlinearCategoryTest, RealPolynomialRewritesItsItem) {
  Items({{"1", "一元方程", "", "1;-3;2"}});
  EXPECT_EQ(RunRow(2), WithReminder({"方程 x^2-3*x+2=0", "    的解为:", "实根", "2.000", "1.000",
                                     "有 2 个实根，0 个复根", ""}));
  EXPECT_EQ(grid.Cell(3, 2), "x^2-3*x+2=0");
  EXPECT_EQ(grid.Cell(2, 2), "一元2次方程");
  EXPECT_EQ(grid.DefaultColWidth(), 130);
  EXPECT_EQ(grid.ColWidth(3), 150);
}

TEST_F(NonlinearCategoryTest, TwentyThreeCoefficientsAtMostAndNoneDroppedSilently) {
  // 1 + x + ... + x^22: 22 complex roots.
  std::string list = "1";
  for (int i = 0; i < 22; ++i) list += ";1";
  Items({{"1", "一元高次", "", list}, {"2", "一元高次", "", list + ";7"}});
  const Texts lines = RunRow(2);
  EXPECT_EQ(grid.Cell(2, 2), "一元22次方程");
  EXPECT_EQ(grid.Cell(3, 2).rfind("x^22+x^21+x^20", 0), 0u);
  EXPECT_EQ(grid.Cell(3, 2).substr(grid.Cell(3, 2).size() - 6), "+x+1=0");
  EXPECT_EQ(lines[lines.size() - 7], "有 0 个实根，22 个复根");
  // A 24th coefficient is refused, not left out.
  answer.Clear();
  try {
    RunRow(3);
    FAIL() << "no message";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "一元实系数方程最多23个系数（22次）");
  }
  EXPECT_EQ(grid.Cell(2, 3), "一元高次");
}

TEST_F(NonlinearCategoryTest, ZeroLeadingCoefficientsLowerTheDegree) {
  Items({{"1", "一元方程", "", "0;0;1;-3;2"},
         {"2", "一元方程", "", "0;0"},
         {"3", "一元复系数方程", "", "0;1;0;1"},
         {"4", "一元复系数方程", "", "0;0+0*i"}});
  EXPECT_EQ(RunRow(2)[0], "方程 x^2-3*x+2=0");
  EXPECT_EQ(grid.Cell(2, 2), "一元2次方程");
  for (int row : {3, 5}) {
    answer.Clear();
    try {
      RunRow(row);
      FAIL() << row;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "方程的系数全为0");
    }
  }
  answer.Clear();
  const Texts complex = RunRow(4);
  EXPECT_EQ(complex[4], "共2个根");  // x^2 + 1
}

TEST_F(NonlinearCategoryTest, AnIncompleteEquationIsFlaggedNotSolved) {
  Items({{"1", "超越方程", "x+=0", "", "-1;1"}});
  RunRow(2);
  EXPECT_EQ(ui.Messages(), Texts{"表达式错误"});
}

TEST_F(NonlinearCategoryTest, ComplexTranscendentalAndSystems) {
  Items({{"1", "一元复系数方程", "", "1;0;1"},
         {"2", "超越方程", "sin(x)=0", "", "1;10"},
         {"3", "二元方程组", "x^2+y^2-a=0", "4", "1;1.5;1e-8"},
         {"", "", "x-y=0"},
         {"4", "三元方程组", "x+y+z-6=0", "", "1.2;1.8;3.3;1e-8"},
         {"", "", "x*y*z-6=0"},
         {"", "", "x^2+y^2+z^2-14=0"},
         {"5", "二元方程组", "x^2+y^2+1=0", "", "1;2;1e-8"},
         {"", "", "x-y=0"}});
  const Texts complex = RunRow(2);
  EXPECT_EQ(Texts(complex.begin(), complex.begin() + 2),
            (Texts{"一元复系数(1;0;1)方程", "    的解："}));
  EXPECT_EQ(complex[4], "共2个根");
  EXPECT_EQ(RunRow(3), WithReminder({"超越方程的解：", "3.142", "6.283", "9.425"}));
  EXPECT_EQ(RunRow(4), WithReminder({"3的解：", "x=1.414", "y=1.414"}));
  EXPECT_EQ(RunRow(6), WithReminder({"4的解：", "x=1.000", "y=2.000", "z=3.000"}));
  EXPECT_EQ(RunRow(9), WithReminder({"5的解：", "无解"}));
}

TEST_F(NonlinearCategoryTest, RowsThatComputeNothing) {
  Items({{"1", "", "x=0", "1;2"},
         {"", "一元方程", "", "1;2"},
         {"***", "一元方程", "", "1;2"},
         {"2", "别的方程", "", "1;2"}});
  for (int row = 2; row <= 5; ++row) EXPECT_EQ(RunRow(row), kReminder) << row;
}

TEST_F(NonlinearCategoryTest, BadListEntryEndsTheRun) {
  Items({{"1", "一元方程", "", "1;;2"}});
  EXPECT_THROW(RunRow(2), EConvertError);
}

}  // namespace
}  // namespace zarnix
