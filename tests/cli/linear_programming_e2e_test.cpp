// zarnix-cli on the linear-programming category: the shipped sheet opens with every item
// computed, edited programs and simulations meet their messages and limits, and the tour's
// marker plots its route.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_runner.h"

namespace zarnix {
namespace {

using Lines = std::vector<std::string>;

// Rows and columns of the shipped sheet.
constexpr int kRouteCol = 10;
constexpr int kProgramRow = 2;
constexpr int kEqualityRow = 6;
constexpr int kQueueRow = 9;
constexpr int kExchangeRow = 10;
constexpr int kTourRow = 12;
constexpr int kLoopFirstEdge = 18;
constexpr int kLoopTotals = 30;

const std::string kSelect = U("select:线性规划");

std::string Cell(const nlohmann::json& json, int col, int row) {
  return json["grid"]["cells"][row][col];
}

Lines Answer(const nlohmann::json& json) {
  return json["answer"].get<Lines>();
}

Lines Messages(const nlohmann::json& json) {
  Lines texts;
  for (const auto& message : json["messages"]) texts.push_back(message["text"]);
  return texts;
}

std::string Set(int col, int row, const std::string& text) {
  return "cell:" + std::to_string(col) + "," + std::to_string(row) + "=" + U(text);
}

TEST(LinearProgrammingCli, TheShippedSheetOpensComputed) {
  const nlohmann::json json = RunJson({kSelect});
  EXPECT_EQ(json["categoryIndex"], 15);
  EXPECT_TRUE(json["messages"].empty()) << json["messages"].dump();
  const Lines answer = Answer(json);
  ASSERT_EQ(answer.size(), 17u);
  EXPECT_EQ(Lines(answer.begin(), answer.begin() + 7),
            (Lines{U("生产计划"), U("目标函数极大值: 1850.000"), U("变量值"), "10.000", "5.000",
                   "25.000", ""}));
  EXPECT_EQ(answer[7], U("2.单队单服务员系统"));
  EXPECT_EQ(answer[8].rfind(U("顾客排队平均时间: "), 0), 0u);
  EXPECT_EQ(answer[9].rfind(U("服务员忙的相对时间: 0."), 0), 0u);
  EXPECT_EQ(answer[11], U("多队单服务员系统"));
  EXPECT_EQ(answer[12].rfind(U("成功率: 0."), 0), 0u);
  EXPECT_EQ(Lines(answer.begin() + 13, answer.end()),
            (Lines{"", U("3.货郎担问题"), U("最短距离: 51.398"), U("最短路径:AJCEKDIHFBGLA")}));

  EXPECT_EQ(Cell(json, kRouteCol, kTourRow), "2;6;9;15;13;12;16;11;7;5;3;1;2");
  EXPECT_EQ(Cell(json, kRouteCol, kTourRow + 1), "3;5;4;2;6;9;11;14;12;8;10;7;3");
  EXPECT_EQ(Cell(json, kRouteCol - 1, kTourRow), U("双击此格看图像"));

  EXPECT_EQ(Cell(json, 4, kLoopFirstEdge), "15.000");
  EXPECT_EQ(Cell(json, 6, kLoopFirstEdge), "180.000");
  const Lines lengths = {Cell(json, 5, kLoopTotals), Cell(json, 5, kLoopTotals + 1),
                         Cell(json, 5, kLoopTotals + 2), Cell(json, 5, kLoopTotals + 3)};
  EXPECT_EQ(lengths, (Lines{"27.000", "32.000", "9.000", "68.000"}));
  EXPECT_EQ(Cell(json, 6, kLoopTotals + 3), "-170.000");
}

TEST(LinearProgrammingCli, EditedProgramsAndTheirMessages) {
  // The "=" row as "≥": more may be made, the optimum moves.
  const nlohmann::json relaxed =
      RunJson({kSelect, Set(7, kEqualityRow, ">="), "decimals:1", "run"});
  const Lines answer = Answer(relaxed);
  ASSERT_GE(answer.size(), 6u);
  EXPECT_EQ(
      Lines(answer.begin(), answer.begin() + 6),
      (Lines{U("生产计划"), U("目标函数极大值: 2400.0"), U("变量值"), "40.0", "20.0", "0.0"}));
  const nlohmann::json minimum = RunJson({kSelect, Set(7, kProgramRow, "min"), "run"});
  EXPECT_EQ(Answer(minimum)[1], U("目标函数极小值: 1200.000"));
  // 200 units of raw material cannot all be used: the message, and the other items still run.
  const nlohmann::json infeasible = RunJson({kSelect, Set(8, kEqualityRow, "200"), "run"});
  EXPECT_EQ(Messages(infeasible), (Lines{U("线性规划问题不可行")}));
  EXPECT_EQ(Answer(infeasible)[1], U("2.单队单服务员系统"));
  const nlohmann::json badRelation = RunJson({kSelect, Set(7, kEqualityRow, "≠"), "run"});
  EXPECT_EQ(Messages(badRelation), (Lines{U("约束关系应为<、<=、=、>或>=：≠")}));
  EXPECT_TRUE(Answer(badRelation).empty());
}

TEST(LinearProgrammingCli, SimulationLimitsAndMeanTimes) {
  const nlohmann::json clamped =
      RunJson({kSelect, Set(6, kQueueRow, "1e9"), Set(4, kExchangeRow, "5000000"),
               Set(6, kExchangeRow, "-3"), "run"});
  EXPECT_EQ(Cell(clamped, 6, kQueueRow), "10000");
  EXPECT_EQ(Cell(clamped, 4, kExchangeRow), "100000");
  EXPECT_EQ(Cell(clamped, 6, kExchangeRow), "0");
  EXPECT_EQ(Answer(clamped)[12], U("成功率: 0.000"));

  const nlohmann::json zero = RunJson({kSelect, Set(5, kQueueRow, "0"), "run"});
  EXPECT_EQ(Messages(zero), (Lines{U("平均时间必须大于0")}));
  EXPECT_EQ(Answer(zero)[8], "");
}

TEST(LinearProgrammingCli, TheMarkerPlotsTheRoute) {
  const std::string marker =
      "goto:" + std::to_string(kRouteCol - 1) + "," + std::to_string(kTourRow);
  const nlohmann::json json = RunJson({kSelect, marker, "dblclick"});
  EXPECT_EQ(json["page"], "image");
  EXPECT_EQ(json["image"]["kind"], "plot");
  EXPECT_EQ(json["image"]["caption"], U("货郎担问题出发点坐标：2,3"));
  ASSERT_EQ(json["messages"].size(), 1u);
  EXPECT_EQ(json["messages"][0]["answer"], "1.00,1.99,0.64,0.72");
  // An edited route ends with the conversion error; an emptied one says there is none.
  const nlohmann::json edited =
      RunJson({kSelect, Set(kRouteCol, kTourRow + 1, "1;x"), marker, "dblclick"});
  EXPECT_EQ(Messages(edited), (Lines{"'x' is not a valid floating point value"}));
  EXPECT_EQ(edited["page"], "calc");
  const nlohmann::json emptied =
      RunJson({kSelect, Set(kRouteCol, kTourRow, ""), marker, "dblclick"});
  EXPECT_EQ(Messages(emptied), (Lines{U("此行没有路线坐标")}));
}

}  // namespace
}  // namespace zarnix
