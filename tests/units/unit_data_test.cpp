// The shipped unit table and constants text against independent references: every unit's
// factor as GNU units computes it, every constant's value and uncertainty as scipy.constants
// holds them (the generators are beside the reference files in data/).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>

#include "base/convert.h"
#include "base/textfile.h"
#include "sheet/text_utils.h"
#include "units/unit_conversion.h"

namespace zarnix {
namespace {

std::filesystem::path Shipped(const std::string& gbkName) {
  return std::filesystem::path(ZARNIX_TEST_DATA_DIR) / ".." / ".." / ".." / "data" /
         PathFromGbk(gbkName);
}

std::filesystem::path Fixture(const std::string& name) {
  return std::filesystem::path(ZARNIX_TEST_DATA_DIR) / name;
}

std::vector<std::string> ReferenceLines(const std::string& name) {
  const std::vector<std::string> lines = ReadTextLines(Fixture(name));
  EXPECT_FALSE(lines.empty()) << name;
  return lines;
}

// Whether a text holds a two-byte character whose second byte is "[", "]" or "`": such a
// character would end a unit group or split a unit line.
bool HasTroublesomeTrailByte(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) < 0x80) continue;
    const char trail = text[++i];
    if (trail == '[' || trail == ']' || trail == '`') return true;
  }
  return false;
}

class UnitTableFile : public ::testing::Test {
 protected:
  void SetUp() override { lines_ = ReadTextLines(Shipped("zarnix度量衡.thf")); }
  std::vector<std::string> lines_;
};

TEST_F(UnitTableFile, IsATableTextOfEnoughQuantities) {
  const std::string bytes = ReadTextFile(Shipped("zarnix度量衡.thf"));
  EXPECT_EQ(CountOccurrences(bytes, "\r\n"), CountOccurrences(bytes, "\n"));
  ASSERT_GE(lines_.size(), 3u);
  EXPECT_TRUE(lines_[0].starts_with("C"));  // how the data list tells the unit table apart
  const std::vector<std::string> quantities = QuantityNames(lines_);
  EXPECT_GE(quantities.size(), 40u);
  EXPECT_EQ(std::set<std::string>(quantities.begin(), quantities.end()).size(), quantities.size());
  for (const std::string& q : quantities) {
    const std::vector<UnitEntry> units = UnitsOf(lines_, q);
    EXPECT_GE(units.size(), 2u) << q;
    EXPECT_LE(units.size(), static_cast<std::size_t>(kMaxUnitsPerQuantity)) << q;
    std::set<std::string> names;
    for (const UnitEntry& unit : units) {
      EXPECT_TRUE(names.insert(unit.name).second) << q << " " << unit.name;
      const auto factor = TryStrToFloat(unit.factor);
      EXPECT_TRUE(factor && *factor > 0) << unit.name << " " << unit.factor;
      EXPECT_FALSE(HasTroublesomeTrailByte(unit.name + unit.symbol)) << unit.name;
    }
    EXPECT_EQ(units.empty() ? "" : units[0].factor, "1")
        << q << ": its first unit is the reference";
  }
}

TEST_F(UnitTableFile, HasTheEverydayNames) {
  const std::map<std::string, std::vector<std::string>> wanted = {
      {"长度", {"米", "厘米", "毫米", "英寸", "英尺", "码", "英里", "海里", "市尺"}},
      {"质量", {"磅", "克", "市斤"}},
      {"时间", {"秒", "小时"}},
      {"面积", {"平方米", "公顷"}},
      {"体积", {"升", "立方米"}},
      {"压强", {"巴", "标准大气压"}},
      {"能量", {"千瓦时"}},
      {"功率", {"千瓦", "瓦特"}},
      {"力", {"千克力", "达因"}},
      {"角度", {"度", "弧度"}},
      {"速度", {"节"}},
  };
  for (const auto& [quantity, names] : wanted) {
    std::set<std::string> present;
    for (const UnitEntry& unit : UnitsOf(lines_, quantity)) present.insert(unit.name);
    for (const std::string& name : names)
      EXPECT_TRUE(present.count(name)) << quantity << " " << name;
  }
  const std::vector<UnitEntry> temperature = UnitsOf(lines_, kTemperatureQuantity);
  ASSERT_EQ(temperature.size(), 3u);
  EXPECT_EQ(temperature[0].name, "开尔文");
  EXPECT_EQ(temperature[1].name, "摄氏度");
  EXPECT_EQ(temperature[2].name, "华氏度");
}

TEST_F(UnitTableFile, FactorsAgreeWithGnuUnits) {
  std::map<std::pair<std::string, std::string>, std::string> shipped;
  for (const std::string& q : QuantityNames(lines_))
    for (const UnitEntry& unit : UnitsOf(lines_, q)) shipped[{q, unit.name}] = unit.factor;
  std::size_t checked = 0;
  for (const std::string& line : ReferenceLines("unit_factors_reference.txt")) {
    const std::vector<std::string> f = SplitText(line, '`');
    ASSERT_EQ(f.size(), 3u) << line;
    const auto found = shipped.find({f[0], f[1]});
    ASSERT_NE(found, shipped.end()) << f[0] << " " << f[1];
    const Extended ours = StrToFloat(found->second);
    const Extended reference = StrToFloat(f[2]);
    // GNU units prints 15 digits.
    EXPECT_LE(std::fabs(ours - reference), 1e-12L * std::fabs(reference)) << line;
    ++checked;
  }
  // Every unit but the three temperatures has its reference.
  EXPECT_EQ(checked + 3, shipped.size());
}

// A constant's value text "6.67430(15)E-11": the value, its uncertainty and the place value
// of its last digit.
struct ConstantText {
  Extended value = 0;
  Extended uncertainty = 0;
  Extended lastDigit = 0;
};

ConstantText ParseConstant(std::string text) {
  ConstantText c;
  const std::size_t open = text.find('(');
  const std::size_t close = text.find(')');
  if (open != std::string::npos && close != std::string::npos) {
    c.uncertainty = StrToFloat(text.substr(open + 1, close - open - 1));
    text.erase(open, close - open + 1);
  }
  const std::size_t e = text.find('E');
  const std::string mantissa = text.substr(0, e);
  const int exponent = e == std::string::npos ? 0 : StrToInt(text.substr(e + 1));
  const std::size_t point = mantissa.find('.');
  const int decimals =
      point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
  c.value = StrToFloat(text);
  c.lastDigit = std::pow(10.0L, exponent - decimals);
  c.uncertainty *= c.lastDigit;
  return c;
}

TEST(ConstantsFile, ValuesAndUncertaintiesAgreeWithScipy) {
  std::map<std::string, ConstantText> shipped;
  for (const std::string& line : ReadTextLines(Shipped("zarnix常数.txt"))) {
    const std::size_t equals = line.find(" = ");
    if (equals == std::string::npos) continue;
    const std::string name = line.substr(0, line.find(' '));
    std::string value = line.substr(equals + 3);
    value = value.substr(0, value.find_first_of(" \xA3"));  // up to the unit or "（精确）"
    EXPECT_TRUE(shipped.emplace(name, ParseConstant(value)).second) << name;
  }
  EXPECT_GE(shipped.size(), 40u);
  std::size_t checked = 0;
  for (const std::string& line : ReferenceLines("constants_reference.txt")) {
    const std::vector<std::string> f = SplitText(line, '`');
    ASSERT_EQ(f.size(), 3u) << line;
    const auto found = shipped.find(f[0]);
    ASSERT_NE(found, shipped.end()) << f[0];
    const ConstantText& c = found->second;
    const Extended reference = StrToFloat(f[1]);
    // Rounded in the last digit shown; the references are doubles.
    EXPECT_LE(std::fabs(c.value - reference), c.lastDigit / 2 + std::fabs(reference) * 1e-15L)
        << f[0];
    EXPECT_NEAR(static_cast<double>(c.uncertainty), static_cast<double>(StrToFloat(f[2])),
                static_cast<double>(c.lastDigit) / 100)
        << f[0];
    ++checked;
  }
  EXPECT_EQ(checked, shipped.size());
}

}  // namespace
}  // namespace zarnix
