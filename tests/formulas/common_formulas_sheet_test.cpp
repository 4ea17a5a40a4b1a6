// The shipped handbook of common formulas: every row computed by the handler agrees with the
// same physics written out here by hand, at the row's default values.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "base/convert.h"
#include "base/textfile.h"
#include "formulas/common_formulas.h"
#include "support/bench_fixture.h"
#include "tablefile/table_text.h"

namespace zarnix {
namespace {

using std::cos;
using std::exp;
using std::log;
using std::pow;
using std::sin;
using std::sqrt;
using std::tan;

constexpr double kPi = 3.14159265358979323846;
constexpr double g = 9.80665;

double Deg(double degrees) {
  return degrees * kPi / 180;
}

// Monthly payment of an annuity loan.
double Annuity(double loan, double yearPercent, int months) {
  const double r = yearPercent / 1200;
  return loan * r * pow(1 + r, months) / (pow(1 + r, months) - 1);
}

// Item number → the value its default parameters give.
const std::map<int, std::function<double()>> kExpected = {
    // areas and lengths
    {1, [] { return kPi * 2 * 2; }},
    {2, [] { return kPi * (100 - 36) / 4; }},
    {3, [] { return kPi * 9 * 60 / 360; }},
    {4, [] { return kPi * 5 * 45 / 180; }},
    {5, [] { return 4.0 / 2 * (kPi / 2 - 1); }},
    {6, [] { return 12; }},
    {7, [] { return 6; }},  // the 3-4-5 right triangle
    {8, [] { return 16; }},
    {9, [] { return kPi * 15; }},
    {10, [] { return 6 * sqrt(3.0) / 4 * 4; }},  // six equilateral triangles of side 2
    {11, [] { return 5; }},
    {12, [] { return kPi * (3 * 8 - sqrt((15 + 3) * (5 + 9.0))); }},
    // volumes and surfaces
    {13, [] { return 4.0 / 3 * kPi * pow(1.5, 3); }},
    {14, [] { return 4 * kPi * 2.25; }},
    {15, [] { return kPi * 0.25 * 2; }},
    {16, [] { return 2 * kPi * 0.25 + 2 * kPi * 0.5 * 2; }},  // two ends and the mantle
    {17, [] { return kPi; }},
    {18, [] { return kPi * 3 * 5; }},  // slant height 5
    {19, [] { return kPi * 2 * (9 + 3 + 1) / 3.0; }},
    {20, [] { return 24; }},
    {21, [] { return 12; }},
    {22, [] { return kPi / 4 * (0.01 - 0.0064) * 6; }},
    {23, [] { return kPi / 4 * (0.01 - 0.0064) * 6 * 7850; }},  // outer minus inner circle
    {24, [] { return kPi * 4 * (15 - 2) / 3.0; }},
    {25, [] { return 4.0 / 3 * kPi * 6; }},
    // mechanics
    {26, [] { return 2 * 4 + 0.5 * 3 * 16; }},
    {27, [] { return 2 + 3 * 4; }},
    {28, [] { return sqrt(40 / g); }},
    {29, [] { return 400 / g; }},  // 45 degrees: the longest throw v²/g
    {30, [] { return 25; }},
    {31, [] { return 0.5 * 1200 * 625; }},
    {32, [] { return 50 * g * 10; }},
    {33, [] { return 1500; }},
    {34, [] { return 5.8; }},
    {35, [] { return 6.6743e-11 * 5.972e24 * 7.342e22 / (3.844e8 * 3.844e8); }},
    {36, [] { return 2 * 16 / 0.5; }},
    {37, [] { return 10; }},
    {38, [] { return 2 * kPi * sqrt(1 / g); }},
    {39, [] { return 2 * kPi * sqrt(0.5 / 200); }},
    {40, [] { return 0.3 * 20 * g; }},
    {41, [] { return 50000; }},
    {42, [] { return 20000 / (kPi * 0.0001); }},
    {43, [] { return 0.1 * 0.008 / 12; }},
    {44, [] { return 10000 * 64 / (48 * 2.06e11 * 8.5e-6); }},
    {45, [] { return 5000 * 36 / 8.0; }},
    {46, [] { return 9550 * 15 / 1450.0; }},  // P / ω with the handbook's 9550 for 60000/2π
    // fluids
    {47, [] { return 1000 * g * 10; }},
    {48, [] { return 1000 * g * 0.002; }},
    {49, [] { return kPi * 0.01 / 4 * 2; }},
    {50, [] { return 0.2 / 1.004e-6; }},
    {51, [] { return sqrt(2 * g * 5); }},
    {52, [] { return 0.02 * 1000 * 1000 * 4 / 2; }},
    {53, [] { return 1000 * g * 0.3 / 0.75; }},
    {54, [] { return 1.225 * 900 / 2; }},
    // heat
    {55, [] { return 2 * 4186 * 50.0; }},
    {56, [] { return 1.2e-5 * 400; }},
    {57, [] { return 0.8 * 200 / 0.24; }},
    {58, [] { return 1500; }},
    {59, [] { return 0.9 * 5.670374e-8 * pow(373.15, 4); }},
    {60, [] { return 8.314462618 * 298.15 / 0.0224; }},
    {61, [] { return 98.6; }},
    {62, [] { return 0.5; }},
    // electricity
    {63, [] { return 220; }},
    {64, [] { return 484; }},
    {65, [] { return 4.5; }},
    {66, [] { return 60; }},
    {67, [] { return 2; }},
    {68, [] { return 1.72e-8 * 100 / 2.5e-6; }},
    {69, [] { return 80; }},
    {70, [] { return 12 * (1 - exp(-2.0)); }},  // two time constants
    {71, [] { return 2 * kPi * 5; }},
    {72, [] { return 1 / (2 * kPi * 50 * 1e-5); }},
    {73, [] { return 1 / (2 * kPi * 1e-4); }},
    {74, [] { return sqrt(3.0) * 3800 * 0.85; }},
    {75, [] { return 8.9875517923e9 * 2e-12 / 0.01; }},
    {76, [] { return 12 * 4700 / 14700.0; }},
    // optics
    {77, [] { return 0.15; }},
    {78, [] { return 0.5; }},
    {79, [] { return std::asin(sin(Deg(30)) / 1.5) * 180 / kPi; }},
    {80, [] { return std::asin(1 / 1.5) * 180 / kPi; }},
    {81, [] { return 6.62607015e-34 * 299792458 / 5.5e-7; }},
    {82, [] { return 4; }},
    {83, [] { return 25; }},
    // finance, in money with two decimals
    {84, [] { return 10000 * pow(1.035, 5); }},
    {85, [] { return 825; }},
    {86, [] { return Annuity(1e6, 4.9, 360); }},
    {87, [] { return Annuity(1e6, 4.9, 360) * 360 - 1e6; }},
    {88, [] { return 1e6 / 360 + 1e6 * 0.049 / 12; }},
    {89, [] { return 1000 * (pow(1.005, 120) - 1) / 0.005; }},
    {90, [] { return 100000 / pow(1.05, 10); }},
    {91, [] { return log(2.0) / log(1.06); }},
    {92, [] { return 312.8; }},
    {93, [] { return 1130; }},
    // everyday life
    {94, [] { return 70 / (1.75 * 1.75); }},
    {95, [] { return 7.5; }},
    {96, [] { return 4.375; }},
    {97, [] { return 5; }},
    {98, [] { return 145.6; }},
    {99, [] { return (2 * 9 * 2.8 - 5) * 2 / 10; }},
    {100, [] { return 59; }},  // 55.6 tiles of 0.36 m² with 5% more, rounded up
    {101, [] { return 1.5 * 4186 * 80 / (1800 * 0.9) / 60; }},
    {102, [] { return 125 * 0.7 + 65; }},
    {103, [] { return 3600; }},
};

class ShippedFormulasTest : public BenchTest {
 protected:
  void SetUp() override {
    const auto data =
        std::filesystem::path(ZARNIX_TEST_DATA_DIR).parent_path().parent_path().parent_path() /
        "data";
    LoadGridFile(data / PathFromGbk("zarnix常用公式计算.thf"), grid);
    SetDecimals(12);
    Workbench bench = Bench();
    HandleCommonFormulas(bench);
  }
};

TEST_F(ShippedFormulasTest, EveryRowAgreesWithTheFormulaWrittenOut) {
  const int resultCol = grid.ColCount() - 1;
  int checked = 0;
  for (int row = 2; row < grid.RowCount(); ++row) {
    if (grid.Cell(3, row).empty()) continue;
    std::string number = grid.Cell(1, row);
    const bool money = number.starts_with("#");
    if (money) number.erase(0, 1);
    SCOPED_TRACE(number + " " + grid.Cell(2, row));
    const auto expected = kExpected.find(StrToIntDef(number, 0));
    ASSERT_NE(expected, kExpected.end());
    const std::string& result = grid.Cell(resultCol, row);
    const std::string label = grid.Cell(3, row).substr(0, grid.Cell(3, row).find('=') + 1);
    ASSERT_TRUE(result.starts_with(label)) << result;
    const auto value = TryStrToFloat(result.substr(label.size()));
    ASSERT_TRUE(value) << result;
    const double want = expected->second();
    if (money) {
      EXPECT_NEAR(static_cast<double>(*value), want, 0.005);
    } else {
      EXPECT_NEAR(static_cast<double>(*value), want, 1e-9 * std::fabs(want));
    }
    ++checked;
  }
  EXPECT_EQ(checked, static_cast<int>(kExpected.size()));
  EXPECT_GE(checked, 60);
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(ShippedFormulasTest, EveryItemNamesTheUnitsOfItsQuantities) {
  for (int row = 2; row < grid.RowCount(); ++row) {
    if (grid.Cell(3, row).empty()) continue;
    EXPECT_NE(grid.Cell(2, row).find("（"), std::string::npos) << grid.Cell(2, row);
    EXPECT_FALSE(grid.Cell(4, row).empty()) << grid.Cell(2, row);
  }
}

}  // namespace
}  // namespace zarnix
