// Vector operations: lengths and direction angles, distance and angle of a and b, sum,
// difference and dot product; for three dimensions the cross product and the triple products.
// Quantities the vectors leave undefined (the direction of a zero vector) show 无定义.
#include "geometry/vector_operations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/format.h"
#include "base/fpu.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr Extended kPi = 3.1415926535897932385L;
constexpr int kRows = 17;
constexpr int kMinColumns = 5;
constexpr int kScalarCol = 4;
constexpr const char* kUndefined = "无定义";
// Above this cosine the two vectors count as parallel and their angle as 0.
constexpr Extended kParallelCosine = 0.999999L;

enum Row {
  kA = 1,
  kB = 2,
  kC = 3,
  kLengthA = 5,
  kAnglesA = 6,
  kLengthB = 7,
  kAnglesB = 8,
  kDistance = 9,
  kAngle = 10,
  kSum = 11,
  kDifference = 12,
  kDot = 13,
  kCross = 14,
  kTripleVector = 15,
  kTripleScalar = 16,
};

constexpr std::array<const char*, 13> kLabels = {"运算",
                                                 "∣a∣=",
                                                 "a与轴线间的夹角ф=(度)",
                                                 "∣b∣=",
                                                 "b与轴线间的夹角ф=(度)",
                                                 "a与b间的距离d =",
                                                 "a与b间的夹角ф=(度)",
                                                 "a+b =",
                                                 "a-b =",
                                                 "a·b =",
                                                 "a×b =",
                                                 "(a×b)×c =",
                                                 "(a×b)·c ="};

using Vector = std::vector<Extended>;

class VectorTable {
 public:
  explicit VectorTable(Workbench& bench) : g_(bench.grid), rf_(bench.resultFormat) {}

  void Run() {
    Prepare();
    n_ = Dimension();
    for (int row = 4; row < kRows; ++row)
      for (int col = 1; col < g_.ColCount(); ++col) g_.SetCell(col, row, "");
    const Vector a = Read(kA), b = Read(kB);
    const Extended lengthA = Length(a), lengthB = Length(b);
    Scalar(kLengthA, lengthA);
    DirectionAngles(kAnglesA, a, lengthA);
    Scalar(kLengthB, lengthB);
    DirectionAngles(kAnglesB, b, lengthB);
    Vector sum(n_), difference(n_);
    for (int i = 0; i < n_; ++i) {
      sum[i] = a[i] + b[i];
      difference[i] = a[i] - b[i];
    }
    Components(kSum, sum);
    Components(kDifference, difference);
    const Extended dot = Dot(a, b);
    Scalar(kDot, dot);
    Scalar(kDistance, Length(ShownComponents(kDifference)));
    Angle(dot, lengthA, lengthB);
    // c takes part in the three-dimensional products only, so only they need it.
    if (n_ != 3) return;
    const Vector c = Read(kC);
    const Vector p = Cross(a, b);
    Components(kCross, p);
    Components(kTripleVector, Cross(p, c));
    Scalar(kTripleScalar, Dot(p, c));
  }

 private:
  void Prepare() {
    if (g_.ColCount() < kMinColumns) g_.SetColCount(kMinColumns);
    g_.SetRowCount(kRows);
    g_.SetDefaultColWidth(80);
    g_.SetColWidth(0, 150);
    g_.SetCell(1, 0, "X");
    g_.SetCell(2, 0, "Y");
    g_.SetCell(3, 0, "Z");
    g_.SetCell(kScalarCol, 0, "标量");
    for (std::size_t i = 0; i < kLabels.size(); ++i)
      g_.SetCell(0, 4 + static_cast<int>(i), kLabels[i]);
  }

  // The cells of row 1 from column 1 up to the first empty one.
  int Dimension() const {
    for (int col = 1; col < g_.ColCount(); ++col)
      if (g_.Cell(col, kA).empty()) return col - 1;
    return g_.ColCount() - 2;
  }

  Vector Read(int row) const {
    Vector v(n_);
    for (int i = 0; i < n_; ++i) v[i] = static_cast<double>(StrToFloat(g_.Cell(i + 1, row)));
    return v;
  }

  std::string Number(Extended value) const { return Format(rf_, Checked(value)); }
  void Scalar(int row, Extended value) { g_.SetCell(kScalarCol, row, Number(value)); }
  void Components(int row, const Vector& v) {
    for (int i = 0; i < n_; ++i) g_.SetCell(i + 1, row, Number(v[i]));
  }

  // The components as the table shows them, read back: the distance uses the rounded ones.
  Vector ShownComponents(int row) const {
    Vector v(n_);
    for (int i = 0; i < n_; ++i) v[i] = StrToFloat(g_.Cell(i + 1, row));
    return v;
  }

  void DirectionAngles(int row, const Vector& v, Extended length) {
    for (int i = 0; i < n_; ++i)
      g_.SetCell(i + 1, row, length == 0 ? kUndefined : Number(Degrees(v[i] / length)));
  }

  void Angle(Extended dot, Extended lengthA, Extended lengthB) {
    if (lengthA == 0 || lengthB == 0) {
      g_.SetCell(kScalarCol, kAngle, kUndefined);
      return;
    }
    const Extended cosine = dot / lengthA / lengthB;
    g_.SetCell(kScalarCol, kAngle, cosine > kParallelCosine ? Number(0) : Number(Degrees(cosine)));
  }

  // arccos in degrees; rounding may carry an antiparallel cosine just past -1.
  static Extended Degrees(Extended cosine) {
    return std::acos(std::clamp<Extended>(cosine, -1, 1)) * 180 / kPi;
  }

  Extended Dot(const Vector& u, const Vector& v) const {
    Extended sum = 0;
    for (int i = 0; i < n_; ++i) sum += u[i] * v[i];
    return sum;
  }
  Extended Length(const Vector& v) const { return std::sqrt(Dot(v, v)); }
  static Vector Cross(const Vector& u, const Vector& v) {
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
  }

  Worksheet& g_;
  const std::string& rf_;
  int n_ = 0;
};

}  // namespace

void HandleVectorOperations(Workbench& bench) {
  bench.resultFormat = "%." + IntToStr(bench.decimals) + "f";
  VectorTable(bench).Run();
}

}  // namespace zarnix
