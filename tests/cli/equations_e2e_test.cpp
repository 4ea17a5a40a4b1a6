// zarnix-cli end to end on the linear-algebra, nonlinear-equations and differential-equation
// categories with the shipped worksheet and data sets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/gbk.h"
#include "cli_runner.h"

namespace zarnix {
namespace {

// The linear-algebra sets in the order of the data list.
std::vector<std::string> LinearAlgebraSet(int loads) {
  std::vector<std::string> actions = {U("select:线性代数")};
  for (int i = 0; i < loads; ++i) actions.push_back("loaddata");
  if (loads > 0) actions.push_back("run");
  return actions;
}

TEST(EquationsCli, LinearSystemOnSelection) {
  const auto json = RunJson(LinearAlgebraSet(0));
  EXPECT_EQ(json["answer"], (nlohmann::json{U("第一个矩阵的迹=3.000"), U("第一个矩阵的秩=3"),
                                            U("系数Ai组成的行列式的值："), "    D=-1.000"}));
  const auto cells = json["grid"]["cells"];
  EXPECT_EQ(json["grid"]["colCount"], 7);
  EXPECT_EQ(cells[0][6], U("解"));
  EXPECT_EQ(cells[1][6], "2.000");
  EXPECT_EQ(cells[2][6], "3.000");
  EXPECT_EQ(cells[3][6], "-1.000");
  EXPECT_TRUE(json["messages"].empty());
}

TEST(EquationsCli, DeterminantInverseAndProductSets) {
  const auto detRun = RunJson(LinearAlgebraSet(1));
  const auto det = detRun["grid"]["cells"];
  EXPECT_EQ(det[0][5], U("行列式的值"));
  EXPECT_EQ(det[2][5], "-190.000");
  EXPECT_EQ(detRun["answer"], (nlohmann::json{U("第一个矩阵的迹=13.000"), U("第一个矩阵的秩=4"),
                                              U("4阶行列式的值："), "    D=-190.000"}));

  const auto inverse = RunJson(LinearAlgebraSet(2));
  EXPECT_EQ(inverse["answer"][3], "    D= 6.000");
  const auto cells = inverse["grid"]["cells"];
  EXPECT_EQ(cells[1][5], "0.667");
  EXPECT_EQ(cells[1][7], "-0.500");
  EXPECT_EQ(cells[3][5], "-0.333");

  const auto product = RunJson(LinearAlgebraSet(3))["grid"]["cells"];
  EXPECT_EQ(product[1][7], "58");
  EXPECT_EQ(product[2][8], "154");
  EXPECT_EQ(product[3][7], "");
}

TEST(EquationsCli, ComplexInverseSet) {
  const auto json = RunJson(LinearAlgebraSet(10));
  EXPECT_EQ(json["answer"], (nlohmann::json{U("第一个2阶行列式（方阵）的值为："), "    D= 1.000"}));
  EXPECT_EQ(json["grid"]["cells"][1][5], "-1.000*i");
  EXPECT_EQ(json["grid"]["cells"][2][4], "-1.000*i");
}

TEST(EquationsCli, EditedMatrixThatIsNotSquare) {
  // Without its third row the 3 x 3 system has a 2 x 3 matrix.
  const auto json = RunJson({U("select:线性代数"), "cell:0,3=", "run"});
  ASSERT_EQ(json["messages"].size(), 1u);
  EXPECT_EQ(json["messages"][0]["text"],
            U("解线性方程组、求行列式和逆矩阵需要方阵，第一个矩阵是2行3列"));
  EXPECT_EQ(json["answer"].size(), 2u);
}

TEST(EquationsCli, NonlinearItemsOfTheShippedSheet) {
  // Selection computes row 3, the quartic.
  const auto quartic = RunJson({U("select:非线性方程")});
  EXPECT_EQ(quartic["answer"][0], U("方程 x^4-2*x^3-7*x^2+8*x+12=0"));
  EXPECT_EQ(quartic["answer"][8], U("有 4 个实根，0 个复根"));
  EXPECT_EQ(quartic["grid"]["cells"][3][2], U("一元4次方程"));

  const auto sine = RunJson({U("select:非线性方程"), "goto:1,9", "run"});
  EXPECT_EQ(sine["answer"][1], "3.142");
  EXPECT_EQ(sine["answer"][3], "9.425");

  const auto complex = RunJson({"decimals:4", U("select:非线性方程"), "goto:1,7", "run"});
  EXPECT_EQ(complex["answer"][2], "-0.7071+0.7071*i");
  EXPECT_EQ(complex["answer"][6], U("共4个根"));
  EXPECT_TRUE(complex["messages"].empty());
}

TEST(EquationsCli, DifferentialEquationSets) {
  const auto growth = RunJson({U("select:微分方程组")});
  const auto cells = growth["grid"]["cells"];
  EXPECT_EQ(growth["grid"]["rowCount"], 10);
  EXPECT_EQ(cells[6][0], U("双击此格看图像"));
  EXPECT_EQ(cells[9][1], "1.000");
  EXPECT_EQ(cells[9][2], "2.718");
  EXPECT_TRUE(growth["answer"].empty());

  const auto lorenz = RunJson({U("select:微分方程组"), "loaddata", "loaddata", "loaddata", "run"});
  EXPECT_EQ(lorenz["grid"]["colCount"], 5);
  EXPECT_EQ(lorenz["grid"]["rowCount"], 3 + 400 + 7);
  EXPECT_EQ(lorenz["grid"]["cells"][8][4], "y3");
  EXPECT_EQ(lorenz["grid"]["cells"][10][2], "1.288");
  EXPECT_TRUE(lorenz["messages"].empty());
}

}  // namespace
}  // namespace zarnix
