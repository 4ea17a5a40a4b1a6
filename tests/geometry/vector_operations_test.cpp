// The vector table: lengths and angles against their definitions, the products of unit and
// random vectors against independent formulas, rounding of the distance, and the vectors
// that leave a quantity undefined.
#include "geometry/vector_operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/random.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Texts = std::vector<std::string>;

class VectorOperationsTest : public BenchTest {
 protected:
  void Vectors(const Texts& a, const Texts& b, const Texts& c) {
    FillSheet({{"h"}, Row("a", a), Row("b", b), Row("c", c)}, static_cast<int>(a.size()) + 2);
    Workbench bench = Bench();
    HandleVectorOperations(bench);
  }
  static Texts Row(const std::string& label, Texts values) {
    values.insert(values.begin(), label);
    return values;
  }
  const std::string& Scalar(int row) const { return grid.Cell(4, row); }
  Texts Components(int row, int n) const {
    Texts out;
    for (int i = 1; i <= n; ++i) out.push_back(grid.Cell(i, row));
    return out;
  }
};

TEST_F(VectorOperationsTest, UnitVectorsFillTheWholeTable) {
  Vectors({"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"});
  EXPECT_EQ(grid.RowCount(), 17);
  EXPECT_EQ(grid.Cell(0, 5), "∣a∣=");
  EXPECT_EQ(grid.Cell(4, 0), "标量");
  EXPECT_EQ(Scalar(5), "1.000");
  EXPECT_EQ(Components(6, 3), (Texts{"0.000", "90.000", "90.000"}));
  EXPECT_EQ(Scalar(9), "1.414");
  EXPECT_EQ(Scalar(10), "90.000");
  EXPECT_EQ(Components(14, 3), (Texts{"0.000", "0.000", "1.000"}));
  EXPECT_EQ(Components(15, 3), (Texts{"0.000", "0.000", "0.000"}));
  EXPECT_EQ(Scalar(16), "1.000");
}

TEST_F(VectorOperationsTest, ParallelAntiparallelAndZeroVectors) {
  Vectors({"1", "2", "3"}, {"2", "4", "6"}, {"0", "0", "1"});
  EXPECT_EQ(Scalar(10), "0.000");
  // Rounding carries the cosine of opposite vectors just past -1: clamped, 180 degrees.
  Vectors({"0.1", "0.7", "0.3"}, {"-0.3", "-2.1", "-0.9"}, {"0", "0", "1"});
  EXPECT_EQ(Scalar(10), "180.000");
  // A zero vector has no direction: its angles read 无定义, the rest of the table stands.
  Vectors({"0", "0", "0"}, {"1", "1", "0"}, {"0", "0", "1"});
  EXPECT_EQ(Components(6, 3), (Texts{"无定义", "无定义", "无定义"}));
  EXPECT_EQ(Scalar(10), "无定义");
  EXPECT_EQ(Scalar(9), "1.414");
  EXPECT_EQ(Scalar(16), "0.000");
}

TEST_F(VectorOperationsTest, TwoDimensionsStopBeforeTheProductsAndNeedNoThirdVector) {
  Vectors({"3", "4", ""}, {"-1", "2", ""}, {"", "", ""});
  EXPECT_EQ(Scalar(5), "5.000");
  EXPECT_EQ(Scalar(13), "5.000");
  EXPECT_EQ(Components(14, 3), (Texts{"", "", ""}));
  EXPECT_EQ(Scalar(16), "");
}

TEST_F(VectorOperationsTest, TheDistanceUsesTheRoundedDifferences) {
  SetDecimals(2);
  grid.SetColCount(5);
  Vectors({"0.004", "0", "0"}, {"0", "0", "0.004"}, {"1", "1", "1"});
  EXPECT_EQ(resultFormat, "%.2f");
  // The differences show as 0.00 and -0.00, so the distance is 0, not 0.0057.
  EXPECT_EQ(Scalar(9), "0.00");
}

TEST_F(VectorOperationsTest, RandomVectorsAgreeWithTheDefinitions) {
  LcgRandom rng(11);
  SetDecimals(9);
  for (int trial = 0; trial < 50; ++trial) {
    Extended v[3][3];
    Texts t[3];
    for (int k = 0; k < 3; ++k)
      for (int i = 0; i < 3; ++i) {
        v[k][i] = rng.Next(2001) / 100.0L - 10;
        t[k].push_back(Format("%.2f", v[k][i]));
      }
    Vectors(t[0], t[1], t[2]);
    const auto& a = v[0];
    const auto& b = v[1];
    const auto& c = v[2];
    // The triple product by the determinant of the three rows.
    const Extended det = a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
                         a[2] * (b[0] * c[1] - b[1] * c[0]);
    EXPECT_NEAR(StrToFloat(Scalar(16)), det, 1e-6) << trial;
    // (a × b) × c = b (a·c) − a (b·c).
    const Extended ac = a[0] * c[0] + a[1] * c[1] + a[2] * c[2];
    const Extended bc = b[0] * c[0] + b[1] * c[1] + b[2] * c[2];
    for (int i = 0; i < 3; ++i)
      EXPECT_NEAR(StrToFloat(grid.Cell(i + 1, 15)), b[i] * ac - a[i] * bc, 1e-6) << trial;
    // Law of cosines for the angle between a and b.
    const Extended la = StrToFloat(Scalar(5)), lb = StrToFloat(Scalar(7));
    const Extended d = StrToFloat(Scalar(9));
    const Extended angle = StrToFloat(Scalar(10)) * 3.14159265358979323846L / 180;
    EXPECT_NEAR(d * d, la * la + lb * lb - 2 * la * lb * std::cos(angle), 1e-5) << trial;
  }
}

TEST_F(VectorOperationsTest, AMissingComponentEndsTheRunWithTheConversionMessage) {
  try {
    Vectors({"1", "2", "3"}, {"1", "x", "3"}, {"0", "0", "1"});
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'x' is not a valid floating point value");
  }
}

}  // namespace
}  // namespace zarnix
