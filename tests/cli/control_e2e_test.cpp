// zarnix-cli on the shipped control-system sheet: each of the five items run from its own row.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/gbk.h"
#include "cli_runner.h"

namespace zarnix {
namespace {

const std::string kSelect = U("select:控制系统仿真");

// The first row whose cell in `col` is `text`, so the tests follow edits of the sheet.
int RowOf(const nlohmann::json& cells, int col, const std::string& text) {
  for (int r = 2; r < static_cast<int>(cells.size()); ++r)
    if (cells[r][col] == text) return r;
  ADD_FAILURE() << "no row with " << text;
  return 2;
}

// An item run from its row after the selection: the JSON, the item's row r and the first
// output row s (below "输出变量"); the run must show no message.
struct ItemRun {
  nlohmann::json json;
  int r = 0;
  int s = 0;
  const nlohmann::json& Cells() const { return json["grid"]["cells"]; }
};

ItemRun RunItem(const std::string& number) {
  const nlohmann::json cells = RunJson({kSelect})["grid"]["cells"];
  const int r = RowOf(cells, 1, number);
  ItemRun run{RunJson({kSelect, "goto:1," + std::to_string(r), "run"}), r,
              RowOf(cells, 2, U("输出变量")) + 1};
  EXPECT_TRUE(run.json["messages"].empty()) << run.json["messages"].dump();
  return run;
}

// Cells 1 … count of the output table's head row (UTF-8).
nlohmann::json Head(const nlohmann::json& cells, int s, int count) {
  nlohmann::json head = nlohmann::json::array();
  for (int c = 1; c <= count; ++c) head.push_back(cells[s][c]);
  return head;
}

double Number(const nlohmann::json& cell) {
  return std::stod(cell.get<std::string>());
}

TEST(ControlCli, ItemOneRunsOnSelection) {
  const auto json = RunJson({kSelect});
  const auto& cells = json["grid"]["cells"];
  const int s = RowOf(cells, 2, U("输出变量")) + 1;
  EXPECT_EQ(json["categoryIndex"], 16);
  EXPECT_EQ(cells[json["grid"]["row"].get<int>()][1], "1");
  EXPECT_EQ(json["answer"],
            (nlohmann::json{U("每次计算一项"), U("选择某编号后，单击控制系统仿真按钮"), "",
                            U("已计算第1项，解答在表格下部，双击指定格子可看图像")}));
  EXPECT_TRUE(json["messages"].empty()) << json["messages"].dump();
  EXPECT_EQ(cells[s - 2][1], U("项目号:1"));
  EXPECT_EQ(Head(cells, s, 3), (nlohmann::json{U("T1(双击此格看图像)"), "Y1", ""}));
  EXPECT_EQ(json["grid"]["rowCount"], s + 602);  // 600 steps of 0.01
  // 10/(s^2 + 2s + 10): 1 - e^-t (cos 3t + sin 3t / 3), 1.3469 at t = 1.
  EXPECT_EQ(cells[s + 101][1], "1.000");
  EXPECT_EQ(cells[s + 101][2], "1.347");
  EXPECT_EQ(cells[s + 601][1], "6.000");
}

TEST(ControlCli, ItemTwoThreeBlockServo) {
  const ItemRun run = RunItem("2");
  const auto& json = run.json;
  const auto& cells = run.Cells();
  const int s = run.s;
  EXPECT_EQ(cells[s - 2][1], U("项目号:2"));
  EXPECT_EQ(Head(cells, s, 4), (nlohmann::json{U("T2(双击此格看图像)"), "Y3", "Y2", ""}));
  EXPECT_EQ(json["grid"]["rowCount"], s + 202);  // every fifth of 1000 steps
  // The loop is 8/(s^2 + 2s + 8): 1.2131 at t = 1.5, settled at 1 by t = 10.
  EXPECT_EQ(cells[s + 31][1], "1.500");
  EXPECT_EQ(cells[s + 31][2], "1.213");
  EXPECT_EQ(cells[s + 201][2], "1.000");
  EXPECT_EQ(cells[s + 201][3], "0.000");
}

TEST(ControlCli, ItemThreeSaturationAndRelay) {
  const ItemRun run = RunItem("3");
  const auto& cells = run.Cells();
  const int s = run.s;
  EXPECT_EQ(Head(cells, s, 4), (nlohmann::json{U("T3(双击此格看图像)"), "Y3", "Y6", ""}));
  // Block 2 passes at most 0.5 into its lag, so the saturated loop rises no faster than
  // 0.5·t and still settles at 1; the relay loop keeps oscillating about 1.
  double lowest = 10, highest = -10;
  for (int m = 0; m <= 200; ++m) {
    const double t = Number(cells[s + 1 + m][1]);
    EXPECT_LE(Number(cells[s + 1 + m][2]), 0.5 * t + 1e-3) << t;
    if (t >= 5) {
      lowest = std::fmin(lowest, Number(cells[s + 1 + m][3]));
      highest = std::fmax(highest, Number(cells[s + 1 + m][3]));
    }
  }
  EXPECT_EQ(cells[s + 201][2], "1.000");
  EXPECT_LT(lowest, 0.95);
  EXPECT_GT(highest, 1.05);
  EXPECT_GT(lowest, 0.7);
  EXPECT_LT(highest, 1.3);
}

TEST(ControlCli, ItemFourBodeWithTheMarginsItCanMeasure) {
  const ItemRun run = RunItem("4");
  const auto& json = run.json;
  const auto& cells = run.Cells();
  const int s = run.s;
  const int r = run.r;
  EXPECT_EQ(json["answer"].back(),
            U("φ(ω)对-180°线在所给频率范围内没有穿越，相位穿越频率和幅值裕度是外推值"));
  EXPECT_EQ(Head(cells, s, 3), (nlohmann::json{U("ω4(双击此格看图像)"), U("L(ω)对数幅频特性"),
                                               U("φ(ω)相频特性(度)")}));
  EXPECT_EQ(json["grid"]["rowCount"], s + 101);
  EXPECT_EQ(cells[s + 1][1], "0.100");
  EXPECT_EQ(cells[s + 1][2], "19.957");
  EXPECT_EQ(cells[s + 1][3], "-95.711");
  EXPECT_EQ(cells[s + 100][1], "10.000");
  // L = 0 at 0.786 with 51.8 degrees of phase margin; the phase never reaches -180.
  EXPECT_EQ(cells[r + 5][4], "0.786");
  EXPECT_EQ(cells[r + 5][5], "51.828");
  EXPECT_EQ(cells[r + 5][6], U("无穿越频率(外推29.801)"));
  EXPECT_EQ(cells[r + 5][7], U("外推40.043"));
}

TEST(ControlCli, ItemFiveNyquistOfAThirdOrderLoop) {
  const ItemRun run = RunItem("5");
  const auto& json = run.json;
  const auto& cells = run.Cells();
  const int s = run.s;
  const int r = run.r;
  EXPECT_EQ(json["answer"].back(), U("已计算第5项，解答在表格下部，双击指定格子可看图像"));
  EXPECT_EQ(Head(cells, s, 3), (nlohmann::json{U("ω5(双击此格看图像)"), U("NYQIST图"), ""}));
  EXPECT_EQ(json["grid"]["rowCount"], s + 402);
  EXPECT_EQ(cells[s + 1][1], "5.000");  // G(0) = K
  EXPECT_EQ(cells[s + 1][2], "0.000");
  // The denominator 1 - 0.8w^2 + j(1.7w - 0.1w^3) is real at w^2 = 17: G = 5/(-12.6).
  EXPECT_EQ(cells[r + 5][4], "2.555");
  EXPECT_EQ(cells[r + 5][5], "32.351");
  EXPECT_EQ(cells[r + 5][6], "4.123");
  EXPECT_EQ(cells[r + 5][7], "8.028");  // 20·log10(12.6/5)
}

}  // namespace
}  // namespace zarnix
