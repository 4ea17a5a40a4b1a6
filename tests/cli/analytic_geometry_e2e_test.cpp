// zarnix-cli on the two analytic-geometry categories: the shipped worksheets open computed,
// every item's result rows sit below it under the labels the answer pane names, a degenerate
// input stays in its own item while the others are recomputed, and double-clicking a plane
// item's hint draws its figure.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "support/temp_dir.h"

namespace zarnix {
namespace {

constexpr int kResultCol = 8;

// The first row whose item number is `number`.
int RowOf(const nlohmann::json& cells, const std::string& number) {
  for (std::size_t row = 2; row < cells.size(); ++row)
    if (cells[row][1] == number) return static_cast<int>(row);
  ADD_FAILURE() << "no item " << number;
  return 0;
}

std::string Result(const nlohmann::json& cells, int row) {
  return cells[row][kResultCol];
}

// Every item row of the sheet is computed, and the rows below it carry, in the 项目 column,
// the labels of its further result lines as the answer pane shows them.
void CheckShippedSheet(const nlohmann::json& json) {
  EXPECT_TRUE(json["messages"].empty()) << json["messages"].dump();
  const auto& cells = json["grid"]["cells"];
  ASSERT_EQ(json["grid"]["colCount"], kResultCol + 1);
  ASSERT_EQ(cells.back()[1], "***");
  std::vector<std::string> answer = json["answer"];
  std::size_t line = 0;
  for (std::size_t row = 2; row + 1 < cells.size(); ++row) {
    if (cells[row][1] == "") continue;
    SCOPED_TRACE("item " + cells[row][1].get<std::string>());
    ASSERT_LT(line, answer.size());
    EXPECT_EQ(answer[line++],
              cells[row][1].get<std::string>() + "." + cells[row][2].get<std::string>());
    for (std::size_t below = row; answer[line] != ""; ++below, ++line) {
      ASSERT_LT(below + 1, cells.size());
      const std::string result = cells[below][kResultCol];
      EXPECT_NE(result, "");
      EXPECT_EQ(answer[line].substr(answer[line].size() - result.size()), result);
      if (below > row) {
        EXPECT_EQ(cells[below][1], "");
        EXPECT_EQ(answer[line], cells[below][2].get<std::string>() + U("：") + result);
      }
    }
    ++line;
  }
  EXPECT_EQ(line, answer.size());
}

TEST(AnalyticGeometryCli, ThePlaneSheetOpensComputed) {
  const auto json = RunJson({U("select:平面解析几何")});
  EXPECT_EQ(json["categoryIndex"], 1);
  CheckShippedSheet(json);
  const auto& cells = json["grid"]["cells"];
  EXPECT_EQ(Result(cells, RowOf(cells, "1")), U("r;θ=5.000;53.130"));
  EXPECT_EQ(Result(cells, RowOf(cells, "16")), "x;y=1.000;3.000");
  EXPECT_EQ(Result(cells, RowOf(cells, "18") + 1), "x1;y1;x2;y2=3.000;4.000;4.000;3.000");
  const int triangle = RowOf(cells, "21");
  EXPECT_EQ(Result(cells, triangle + 2), "S;L=12.000;16.129");
  EXPECT_EQ(Result(cells, triangle + 5), "O;R=3.000;1.000;3.162");
  const int polygon = RowOf(cells, "31");
  EXPECT_EQ(Result(cells, polygon + 2), "S;L=18.000;21.211");
  EXPECT_EQ(Result(cells, polygon + 5), U("点在多边形内"));
  EXPECT_EQ(Result(cells, RowOf(cells, "42") + 4), U("y=±0.750x"));
  // The cell to double-click for each item's figure.
  for (std::size_t row = 2; row + 1 < cells.size(); ++row) {
    if (cells[row][1] == "") continue;
    EXPECT_NE(cells[row][3].get<std::string>().find(U("(双击此格看图像)")), std::string::npos);
  }
}

TEST(AnalyticGeometryCli, ThePlaneSheetKeepsADegenerateItemToItself) {
  const auto before = RunJson({U("select:平面解析几何")});
  const int triangle = RowOf(before["grid"]["cells"], "21");
  const int polygon = RowOf(before["grid"]["cells"], "31");
  const std::string t = std::to_string(triangle);
  const auto json =
      RunJson({U("select:平面解析几何"), "cell:6," + t + "=3;0",
               "cell:4," + std::to_string(polygon) + "=0;0;1;1", "decimals:5", "run"});
  const auto& cells = json["grid"]["cells"];
  EXPECT_TRUE(json["messages"].empty()) << json["messages"].dump();
  EXPECT_EQ(Result(cells, triangle), U("三点共线，不能构成三角形"));
  for (int i = 1; i < 7; ++i) EXPECT_EQ(Result(cells, triangle + i), "") << i;
  EXPECT_EQ(Result(cells, polygon), U("多边形至少要有三个顶点"));
  EXPECT_EQ(Result(cells, RowOf(cells, "22")), "x0;y0;r=2.00000;1.00000;2.23607");
  EXPECT_EQ(Result(cells, RowOf(cells, "41") + 2), "e=0.80000");
}

TEST(AnalyticGeometryCli, TheSpaceSheetOpensComputed) {
  const auto json = RunJson({U("select:空间解析几何")});
  EXPECT_EQ(json["categoryIndex"], 19);
  CheckShippedSheet(json);
  const auto& cells = json["grid"]["cells"];
  EXPECT_EQ(Result(cells, RowOf(cells, "3")), U("r;θ;φ=2.000;0.785;0.785"));
  EXPECT_EQ(Result(cells, RowOf(cells, "11")), "d=13.000");
  EXPECT_EQ(Result(cells, RowOf(cells, "21") + 2), "a;b;c=1.000;2.000;3.000");
  EXPECT_EQ(Result(cells, RowOf(cells, "25")), "l;m;n=3.000;-1.000;-2.000");
  EXPECT_EQ(Result(cells, RowOf(cells, "34") + 1), U("两直线异面"));
  EXPECT_EQ(Result(cells, RowOf(cells, "41")), "V=4.000");
}

TEST(AnalyticGeometryCli, TheSpaceSheetKeepsADegenerateItemToItself) {
  const auto before = RunJson({U("select:空间解析几何")});
  const int planes = RowOf(before["grid"]["cells"], "25");
  const int skew = RowOf(before["grid"]["cells"], "34");
  const auto json =
      RunJson({U("select:空间解析几何"), "cell:5," + std::to_string(planes) + "=2;2;2;1",
               "cell:4," + std::to_string(skew) + "=a;0;0", "run"});
  const auto& cells = json["grid"]["cells"];
  EXPECT_TRUE(json["messages"].empty()) << json["messages"].dump();
  EXPECT_EQ(Result(cells, planes), U("两平面平行"));
  EXPECT_EQ(Result(cells, planes + 1), U("没有交线"));
  EXPECT_EQ(Result(cells, skew), "'a' is not a valid floating point value");
  EXPECT_EQ(Result(cells, skew + 1), "");
  EXPECT_EQ(Result(cells, RowOf(cells, "35")), "x;y;z=0.000;1.000;2.000");
}

class AnalyticGeometryPlotCli : public TempDirTest {};

TEST_F(AnalyticGeometryPlotCli, DoubleClickingAPlaneItemDrawsItsFigure) {
  const int triangle = RowOf(RunJson({U("select:平面解析几何")})["grid"]["cells"], "21");
  const CliRun run =
      RunZarnixCli({"--json", "--out-dir", dir_.string(), U("select:平面解析几何"),
                    "goto:3," + std::to_string(triangle), "dblclick", "plot:figure.png"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = run.Json();
  EXPECT_EQ(json["page"], "image");
  EXPECT_EQ(json["image"]["kind"], "plot");
  EXPECT_EQ(json["image"]["caption"], U("21.三角形(三个顶点) a;b;c=5.657;4.472;6.000"));
  ASSERT_EQ(json["files"].size(), 1u);
  EXPECT_EQ(Read(dir_ / "figure.png").substr(1, 3), "PNG");
  // A hint typed into a row below the item finds no item to draw.
  const std::string below = std::to_string(triangle + 1);
  const auto refused =
      RunJson({U("select:平面解析几何"), "cell:3," + below + "=" + U("双击此格看图像"),
               "goto:3," + below, "dblclick"});
  EXPECT_EQ(refused["image"]["kind"], "empty");
  EXPECT_EQ(refused["page"], "calc");
  ASSERT_EQ(refused["messages"].size(), 1u);
  EXPECT_EQ(refused["messages"][0]["text"], U("此行没有平面解析几何的计算项目"));
}

}  // namespace
}  // namespace zarnix
