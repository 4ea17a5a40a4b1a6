// zarnix-cli on the multivariate category with the shipped data sets: the combined sheet
// (table, regression, batch), the logarithmic table, the exact and the collinear regressions,
// and the distance batch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/gbk.h"
#include "cli_runner.h"

namespace zarnix {
namespace {

using Cells = std::vector<std::string>;

// The first data set is loaded on selection; each loaddata takes the next.
nlohmann::json RunSet(int loads, std::vector<std::string> actions = {"run"}) {
  std::vector<std::string> all = {U("select:多元回归插值")};
  for (int i = 0; i < loads; ++i) all.push_back("loaddata");
  all.insert(all.end(), actions.begin(), actions.end());
  return RunJson(all);
}

Cells RowOf(const nlohmann::json& json, int row, int from, int to) {
  Cells cells;
  for (int col = from; col <= to; ++col) cells.push_back(json["grid"]["cells"][row][col]);
  return cells;
}

int Find(const nlohmann::json& answer, const std::string& line) {
  for (std::size_t i = 0; i < answer.size(); ++i)
    if (answer[i] == line) return static_cast<int>(i);
  return -1;
}

TEST(MultivariateCli, CombinedSheetComputesAllThreeBlocks) {
  const auto json = RunSet(0, {});
  EXPECT_EQ(json["categoryIndex"], 4);
  EXPECT_TRUE(json["messages"].empty()) << json["messages"].dump();
  EXPECT_EQ(RowOf(json, 9, 0, 4), (Cells{U("插值结果"), "6.895", "15.059", "14.726", "7.657"}));
  const auto& answer = json["answer"];
  EXPECT_EQ(answer[0], U("二元函数回归方程"));
  // Orders 1 to 3 on the 5 × 5 table; each one's values at the points and its error range.
  const int first = Find(answer, U("1 阶回归方程各项系数"));
  const int third = Find(answer, U("3 阶回归方程各项系数"));
  ASSERT_GT(first, 0);
  ASSERT_GT(third, first);
  EXPECT_EQ(answer[first + 1], "C(0,0)=-0.0181800889969");
  EXPECT_EQ(answer[first + 5], U("插值点函数回归值"));
  EXPECT_EQ(answer[first + 6], "6.856");
  EXPECT_EQ(answer[first + 10], U("误差范围: "));
  EXPECT_EQ(answer[first + 11], U("-10.010%  至 4.362%"));
  EXPECT_EQ(answer[third + 17], U("插值点函数回归值"));
  EXPECT_EQ(answer[third + 18], "6.893");
  // The regression of Y on X1 … X3 (numpy's least squares gives the same).
  const int regression = Find(answer, U("多元函数线性回归方程"));
  ASSERT_GT(regression, third);
  EXPECT_EQ(answer[regression + 3], "  A0=3.90227221117");
  EXPECT_EQ(answer[regression + 6], "  A3=0.281270717165");
  EXPECT_EQ(answer[regression + 11], U("残差平方和:   Q=0.398"));
  EXPECT_EQ(answer[regression + 13], U("复相关系数:   R=0.999"));
  EXPECT_EQ(RowOf(json, 16, 0, 2), (Cells{U("回归值"), "15.232", "15.431"}));
  // The batch table: a·x² + b·y + c·z with a, b, c = 1, 2, 0.5.
  EXPECT_EQ(RowOf(json, 24, 0, 4), (Cells{U("批量计算结果"), "x1=1", "x2=2", "x3=3", "x4=4"}));
  EXPECT_EQ(RowOf(json, 25, 0, 1), (Cells{"z1=10", ""}));
  EXPECT_EQ(RowOf(json, 26, 0, 4), (Cells{"y1=0", "6.000", "9.000", "14.000", "21.000"}));
  EXPECT_EQ(RowOf(json, 30, 0, 4), (Cells{"y2=1", "13.000", "16.000", "21.000", "28.000"}));
  EXPECT_EQ(json["grid"]["rowCount"], 31);
}

TEST(MultivariateCli, LogarithmicTableReproducesItsPowerLaw) {
  const auto json = RunSet(1);
  // 2·x^1.5·y^0.5 at (3, 50), (6, 300), (1.5, 2).
  EXPECT_EQ(RowOf(json, 8, 1, 3), (Cells{"73.485", "509.117", "5.196"}));
  EXPECT_GT(Find(json["answer"], U("2 阶回归方程各项系数")), 0);
  EXPECT_EQ(Find(json["answer"], U("3 阶回归方程各项系数")), -1);  // a 4 × 4 table
}

TEST(MultivariateCli, ExactAndCollinearRegressions) {
  const auto exact = RunSet(2);
  const auto& answer = exact["answer"];
  EXPECT_EQ(answer[3], "  A0=1");
  EXPECT_EQ(answer[4], "  A1=2");
  EXPECT_EQ(answer[5], "  A2=-1");
  EXPECT_EQ(answer[9], U("残差平方和:   Q=0.000"));
  EXPECT_EQ(answer[11], U("复相关系数:   R=1.000"));
  EXPECT_EQ(RowOf(exact, 5, 0, 5),
            (Cells{U("回归值"), "1.000", "4.000", "2.000", "7.000", "6.000"}));

  const auto collinear = RunSet(3);
  EXPECT_EQ(collinear["answer"],
            (nlohmann::json{U("多元函数线性回归方程"), U("  Y=A0+A1*X1+A2*X2+…+An*Xn"),
                            U("方程无唯一解：自变量线性相关，或观测数不多于自变量数")}));
  EXPECT_EQ(RowOf(collinear, 6, 0, 1), (Cells{U("回归值"), ""}));
}

TEST(MultivariateCli, DistanceBatch) {
  const auto batch = RunSet(4);
  EXPECT_EQ(RowOf(batch, 7, 0, 4), (Cells{U("批量计算结果"), "x1=0", "x2=1", "x3=2", "x4=3"}));
  EXPECT_EQ(RowOf(batch, 9, 0, 4), (Cells{"y1=0", "1.732", "1.414", "1.732", "2.449"}));
  EXPECT_EQ(RowOf(batch, 14, 0, 2), (Cells{"z3=5", "", ""}));
  EXPECT_EQ(RowOf(batch, 15, 0, 2), (Cells{"y1=0", "4.243", "4.123"}));
  EXPECT_EQ(batch["grid"]["rowCount"], 17);
}

}  // namespace
}  // namespace zarnix
