// zarnix-cli end to end on the unit page with the shipped unit table: conversions, the
// temperature rows, Enter, the decimal places, and the text pane's files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/gbk.h"
#include "cli_runner.h"

namespace zarnix {
namespace {

// The display value of a unit in a conversion's JSON.
std::string ValueOf(const nlohmann::json& units, const std::string& unitUtf8) {
  for (std::size_t i = 0; i < units["units"].size(); ++i) {
    const std::string shown = units["units"][i].get<std::string>();
    if (shown == unitUtf8 || shown.starts_with(unitUtf8 + " ("))
      return units["values"][i].get<std::string>();
  }
  ADD_FAILURE() << "no unit " << unitUtf8;
  return "";
}

TEST(UnitsCli, EnteringThePageListsTheQuantities) {
  const auto json = RunJson({"page:units"});
  const auto units = json["units"];
  EXPECT_GE(units["quantities"].size(), 40u);
  EXPECT_EQ(units["quantity"], U("长度"));
  EXPECT_EQ(units["units"][0], U("米 (m)"));
  EXPECT_EQ(units["values"][0], "1.000");
  EXPECT_FALSE(units["fullShown"]);
  EXPECT_EQ(units["edit5"], "1");
  EXPECT_NE(units["memo2"][0].get<std::string>().find(U("物理常数")), std::string::npos);
  EXPECT_FALSE(units["memo2Wide"]);
  // Before the page is entered the lists are empty.
  EXPECT_TRUE(RunJson({"show"})["units"]["quantities"].empty());
}

TEST(UnitsCli, ConvertsBetweenEverydayUnits) {
  auto units = RunJson({U("unit:长度,英寸,1")})["units"];
  EXPECT_EQ(ValueOf(units, U("厘米")), "2.540");
  EXPECT_EQ(ValueOf(units, U("米")), "0.025");
  EXPECT_EQ(ValueOf(units, U("市尺")), "0.076");
  EXPECT_EQ(ValueOf(units, U("微米")), "2.5400E+004");
  EXPECT_EQ(units["label10"], U("英寸 (in)"));
  EXPECT_EQ(units["label9"], U("长度"));

  units = RunJson({U("unit:质量,市斤,1")})["units"];
  EXPECT_EQ(ValueOf(units, U("克")), "500.000");
  EXPECT_EQ(ValueOf(units, U("磅")), "1.102");
  units = RunJson({U("unit:压强,标准大气压,1")})["units"];
  EXPECT_EQ(ValueOf(units, U("巴")), "1.013");
  units = RunJson({U("unit:能量,千瓦时,1")})["units"];
  EXPECT_EQ(ValueOf(units, U("兆焦")), "3.600");
  EXPECT_EQ(ValueOf(units, U("千焦")), "3.6000E+003");
  units = RunJson({U("unit:速度,节,10")})["units"];
  EXPECT_EQ(ValueOf(units, U("千米每小时")), "18.520");
  units = RunJson({U("unit:角度,度,180")})["units"];
  EXPECT_EQ(ValueOf(units, U("弧度")), "3.142");
  units = RunJson({U("unit:面积,公顷,1")})["units"];
  EXPECT_EQ(ValueOf(units, U("市亩")), "15.000");
}

TEST(UnitsCli, TemperatureRowsAndAZeroBase) {
  auto units = RunJson({U("unit:温度,摄氏度,100")})["units"];
  EXPECT_EQ(units["values"], (nlohmann::json{"373.15", "100", "212.00"}));
  units = RunJson({U("unit:温度,开尔文,0")})["units"];
  EXPECT_EQ(units["values"], (nlohmann::json{"0", "-273.15", "-459.67"}));
  units = RunJson({U("unit:力,千克力,0")})["units"];
  for (const auto& value : units["values"]) EXPECT_EQ(value, "0.000");
}

TEST(UnitsCli, EnterShowsFullPrecisionInTheFirstUnit) {
  const auto units = RunJson({U("unit:时间,,7200")})["units"];
  EXPECT_TRUE(units["fullShown"]);
  EXPECT_EQ(units["fullValues"][0], "7200");
  EXPECT_EQ(ValueOf(units, U("小时")), "2.0000E+000");  // a ratio below 0.001
  EXPECT_EQ(units["label10"], U("秒 (s)"));
}

TEST(UnitsCli, DecimalPlacesReformatOnThePageOnly) {
  const auto json = RunJson({U("unit:长度,英寸,1"), "decimals:6"});
  EXPECT_EQ(ValueOf(json["units"], U("米")), "0.025400");
  EXPECT_EQ(json["resultFormat"], "%.6f");
  const auto calc = RunJson({U("unit:长度,纳米,1"), "page:calc", U("select:数组统计")});
  EXPECT_EQ(calc["resultFormat"], "%.3f");
}

TEST(UnitsCli, UnknownNamesAndBadValues) {
  EXPECT_EQ(RunZarnixCli({"--json", U("unit:长度,光秒,1")}).status, 2);
  EXPECT_EQ(RunZarnixCli({"--json", U("unit:不存在,米,1")}).status, 2);
  EXPECT_EQ(RunZarnixCli({"--json", U("unit:长度,米")}).status, 2);
  const auto json = RunJson({U("unit:长度,米,一")});
  ASSERT_EQ(json["messages"].size(), 1u);
  EXPECT_EQ(json["messages"][0]["text"], U("'一' is not a valid floating point value"));
}

TEST(UnitsCli, TextPaneOpensTogglesAndSavesWithoutTouchingTheConstants) {
  const auto dir = std::filesystem::temp_directory_path() / "zarnix_cli_text_pane";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  { std::ofstream(dir / "notes.txt", std::ios::binary) << "one\r\ntwo\r\n"; }
  const auto opened = RunJson({"openfile:" + (dir / "notes.txt").string()});
  EXPECT_EQ(opened["units"]["memo2"], (nlohmann::json{"one", "two"}));
  EXPECT_TRUE(opened["units"]["memo2Wide"]);
  EXPECT_FALSE(
      RunJson({"openfile:" + (dir / "notes.txt").string(), "textbox"})["units"]["memo2Wide"]);
  // Nothing was changed: saving asks nothing and narrows the pane.
  const auto saved = RunJson({"page:units", "savefile"});
  EXPECT_TRUE(saved["messages"].empty());
  EXPECT_TRUE(saved["files"].empty());
  const CliRun missing = RunZarnixCli({"--json", "openfile:/nonexistent/notes.txt"});
  EXPECT_EQ(missing.status, 0);
  EXPECT_EQ(missing.Json()["messages"].size(), 1u);
}

}  // namespace
}  // namespace zarnix
