// End to end: the shipped handbook of common formulas as it opens, after editing a parameter,
// with other decimal places and with a parameter the component rejects.
#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"

namespace zarnix {
namespace {

// The result cell of the item with this number (column 1, "#" for money rows).
std::string ResultOf(const nlohmann::json& json, const std::string& number) {
  for (const auto& row : json["grid"]["cells"])
    if (row[1] == number) return row.back();
  ADD_FAILURE() << "no item " << number;
  return "";
}

TEST(CommonFormulasCli, TheHandbookOpensComputed) {
  const auto json = RunJson({U("select:常用公式计算")});
  EXPECT_EQ(json["category"], U("常用公式计算"));
  EXPECT_TRUE(json["messages"].empty());
  EXPECT_TRUE(json["answer"].empty());
  EXPECT_EQ(ResultOf(json, "1"), U("面积=12.566"));
  EXPECT_EQ(ResultOf(json, "7"), U("面积=6.000"));
  EXPECT_EQ(ResultOf(json, "31"), U("动能=3.7500E+005"));
  EXPECT_EQ(ResultOf(json, "43"), U("惯性矩=6.6667E-005"));
  EXPECT_EQ(ResultOf(json, "#86"), U("月供=5307.27"));
  EXPECT_EQ(ResultOf(json, "94"), "BMI=22.857");
  // Every formula row has its result; section headings have none.
  int results = 0;
  for (const auto& row : json["grid"]["cells"]) {
    const std::string formula = row[3];
    if (formula.empty() || formula == U("公式")) continue;
    EXPECT_NE(row.back().get<std::string>(), "") << formula;
    EXPECT_EQ(row.back().get<std::string>().find(U("错误")), std::string::npos) << formula;
    ++results;
  }
  EXPECT_GE(results, 60);
}

TEST(CommonFormulasCli, EditedParametersAndDecimalsAreComputedAgain) {
  const auto json =
      RunJson({U("select:常用公式计算"), U("cell:4,3=半径:3"), U("cell:4,4=外径:2*4"), "run"});
  EXPECT_EQ(json["grid"]["cells"][3].back(), U("面积=28.274"));
  EXPECT_EQ(json["grid"]["cells"][4].back(), U("面积=21.991"));

  const auto precise = RunJson({U("select:常用公式计算"), "decimals:6"});
  EXPECT_EQ(ResultOf(precise, "1"), U("面积=12.566371"));
  EXPECT_EQ(ResultOf(precise, "31"), U("动能=3.7500000E+005"));
  EXPECT_EQ(ResultOf(precise, "#84"), U("终值=11876.86"));
}

TEST(CommonFormulasCli, ARejectedParameterMarksItsRowOnly) {
  const auto json = RunJson({U("select:常用公式计算"), U("cell:4,3=半径:3*"), "run"});
  ASSERT_EQ(json["messages"].size(), 1u);
  EXPECT_EQ(json["messages"][0]["text"], U("表达式错误"));
  EXPECT_EQ(json["grid"]["cells"][3].back(), U("面积=表达式错误"));
  EXPECT_EQ(ResultOf(json, "2"), U("面积=50.265"));
}

}  // namespace
}  // namespace zarnix
