// The unit table's groups and the conversion of a value into every unit of a quantity:
// display formats, temperature rows, a zero base value and the failures.
#include "units/unit_conversion.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace zarnix {
namespace {

const std::vector<std::string> kTable = {
    "C20`C12`C30",   "单位名称`符号`换算系数",
    "[长度]``",      "米`m`1",
    "千米`km`0.001", "毫米`mm`1000",
    "短行`x",        "纳米`nm`1000000000",
    "[温度]``",      "开尔文`K`1",
    "摄氏度`℃`1",    "华氏度`℉`1.8",
    "[空]``",
};

std::vector<std::string> Names(const std::vector<UnitEntry>& units) {
  std::vector<std::string> names;
  for (const UnitEntry& unit : units) names.push_back(unit.Display());
  return names;
}

TEST(UnitTable, QuantitiesAndTheirUnits) {
  EXPECT_EQ(QuantityNames(kTable), (std::vector<std::string>{"长度", "温度", "空"}));
  // The short line has no factor: it is skipped, not filled from the line before.
  EXPECT_EQ(Names(UnitsOf(kTable, "长度")),
            (std::vector<std::string>{"米 (m)", "千米 (km)", "毫米 (mm)", "纳米 (nm)"}));
  EXPECT_EQ(UnitsOf(kTable, "长度")[3].factor, "1000000000");
  EXPECT_TRUE(UnitsOf(kTable, "空").empty());
  EXPECT_TRUE(UnitsOf(kTable, "不存在").empty());
  EXPECT_EQ((UnitEntry{"市尺", "", "3"}).Display(), "市尺");
}

TEST(UnitTable, GroupsEndOnlyAtABracketOfTheirOwn) {
  // 0xB0 0x5B and 0xB0 0x5D are two-byte characters whose second bytes equal "[" and "]".
  const std::string tricky = "\xB0\x5B\xB0\x5D";
  const std::vector<std::string> lines = {"[量]``", tricky + "`s`2", "单位]`t`3", "[下一]``"};
  EXPECT_EQ(QuantityNames(lines), (std::vector<std::string>{"量", "下一"}));
  EXPECT_EQ(UnitsOf(lines, "量").size(), 2u);
}

TEST(UnitTable, AtMostAHundredUnitsPerQuantity) {
  std::vector<std::string> lines = {"[多]``"};
  for (int i = 0; i < 150; ++i) lines.push_back("u" + std::to_string(i) + "``1");
  EXPECT_EQ(UnitsOf(lines, "多").size(), static_cast<std::size_t>(kMaxUnitsPerQuantity));
}

TEST(UnitConversion, FixedOrScientificByTheRatio) {
  const auto units = UnitsOf(kTable, "长度");
  // 1 km: 1000 m, 1 km, 1e6 mm, 1e12 nm.
  ConvertedUnits rows = ConvertUnits("长度", units, 1, "1", 3);
  EXPECT_EQ(rows.shown,
            (std::vector<std::string>{"1000.000", "1.000", "1.0000E+006", "1.0000E+012"}));
  EXPECT_EQ(rows.full, (std::vector<std::string>{"1000", "1", "1000000", "1000000000000"}));
  // 1 mm: 0.001 m is still fixed.
  rows = ConvertUnits("长度", units, 2, "1", 2);
  EXPECT_EQ(rows.shown[0], "0.00");
  EXPECT_EQ(rows.shown[1], "1.000E-006");
  EXPECT_EQ(rows.full[1], "1E-6");
  EXPECT_EQ(UnitValueText(1000, 1, 3), "1000.000");
  EXPECT_EQ(UnitValueText(1000.5L, 1, 3), "1.0005E+003");
  EXPECT_EQ(UnitValueText(1 / 0.001L, 1, 3), "1000.000");
  EXPECT_EQ(UnitValueText(-2000, -2, 1), "-2000.0");
  EXPECT_EQ(UnitValueText(0.0009L, 1, 1), "9.00E-004");
}

TEST(UnitConversion, ZeroBaseIsZeroInEveryUnit) {
  const ConvertedUnits rows = ConvertUnits("长度", UnitsOf(kTable, "长度"), 1, "0", 3);
  EXPECT_EQ(rows.shown, std::vector<std::string>(4, "0.000"));
  EXPECT_EQ(rows.full, std::vector<std::string>(4, "0"));
}

TEST(UnitConversion, TemperatureRowsReadKelvinCelsiusFahrenheit) {
  const auto units = UnitsOf(kTable, "温度");
  ConvertedUnits rows = ConvertUnits("温度", units, 0, "0", 3);
  EXPECT_EQ(rows.shown, (std::vector<std::string>{"0", "-273.15", "-459.67"}));
  rows = ConvertUnits("温度", units, 1, "100", 3);
  EXPECT_EQ(rows.shown, (std::vector<std::string>{"373.15", "100", "212.00"}));
  EXPECT_EQ(rows.full, (std::vector<std::string>{"373.15", "100", "212"}));
  rows = ConvertUnits("温度", units, 2, " -40", 3);
  EXPECT_EQ(rows.shown, (std::vector<std::string>{"233.15", "-40.00", " -40"}));
}

TEST(UnitConversion, BadValuesAndFactorsEndTheConversion) {
  const auto units = UnitsOf(kTable, "长度");
  try {
    ConvertUnits("长度", units, 0, "abc", 3);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
  }
  std::vector<UnitEntry> bad = units;
  bad[2].factor = "1O00";
  try {
    ConvertUnits("长度", bad, 0, "1", 3);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'1O00' is not a valid floating point value（单位：毫米）");
  }
  bad[2].factor = "0";
  EXPECT_EQ(ConvertUnits("长度", bad, 0, "1", 3).shown[2], "0.0000E+000");
  EXPECT_THROW(ConvertUnits("长度", bad, 2, "1", 3), EZeroDivide);
  EXPECT_THROW(ConvertUnits("长度", units, 0, "1E4930", 3), EOverflow);
  EXPECT_TRUE(ConvertUnits("长度", units, 7, "1", 3).shown.empty());
}

}  // namespace
}  // namespace zarnix
