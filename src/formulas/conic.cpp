// Classification, rotation and translation of the general quadratic equation.
#include "formulas/conic.h"

#include <algorithm>
#include <cmath>

namespace zarnix {

namespace {

constexpr Extended kPi = 3.1415926535897932385L;
// Relative tolerance of the invariants against the coefficients' size.
constexpr Extended kRelative = 1e-12L;

Extended Scale(const Conic& q) {
  return std::max({std::fabs(q.a), std::fabs(q.b), std::fabs(q.c), std::fabs(q.d), std::fabs(q.e),
                   std::fabs(q.f), 1e-300L});
}

bool Zero(Extended value, Extended scale, int degree) {
  return std::fabs(value) <= kRelative * std::pow(scale, static_cast<Extended>(degree));
}

}  // namespace

const char* ConicName(ConicKind kind) {
  switch (kind) {
    case ConicKind::kEllipse:
      return "椭圆";
    case ConicKind::kHyperbola:
      return "双曲线";
    case ConicKind::kParabola:
      return "抛物线";
    case ConicKind::kPoint:
      return "一点";
    case ConicKind::kIntersectingLines:
      return "两条相交直线";
    case ConicKind::kParallelLines:
      return "两条平行直线";
    case ConicKind::kCoincidentLines:
      return "两条重合直线";
    case ConicKind::kLine:
      return "一条直线";
    case ConicKind::kNoLocus:
      return "无轨迹";
    case ConicKind::kWholePlane:
      return "整个平面";
  }
  return "";
}

bool IsLinePair(ConicKind kind) {
  return kind == ConicKind::kIntersectingLines || kind == ConicKind::kParallelLines ||
         kind == ConicKind::kCoincidentLines || kind == ConicKind::kLine;
}

ConicInvariants InvariantsOf(const Conic& q) {
  const Extended b = q.b / 2, d = q.d / 2, e = q.e / 2;
  ConicInvariants v;
  v.i1 = q.a + q.c;
  v.i2 = q.a * q.c - b * b;
  v.i3 = q.a * (q.c * q.f - e * e) - b * (b * q.f - e * d) + d * (b * e - q.c * d);
  v.k = (q.a * q.f - d * d) + (q.c * q.f - e * e);
  return v;
}

ConicKind Classify(const Conic& q) {
  const Extended s = Scale(q);
  if (Zero(q.a, s, 1) && Zero(q.b, s, 1) && Zero(q.c, s, 1)) {
    if (!Zero(q.d, s, 1) || !Zero(q.e, s, 1)) return ConicKind::kLine;
    return q.f == 0 ? ConicKind::kWholePlane : ConicKind::kNoLocus;
  }
  const ConicInvariants v = InvariantsOf(q);
  const bool degenerate = Zero(v.i3, s, 3);
  if (v.i2 > kRelative * s * s) {
    if (degenerate) return ConicKind::kPoint;
    return v.i3 * v.i1 < 0 ? ConicKind::kEllipse : ConicKind::kNoLocus;
  }
  if (v.i2 < -kRelative * s * s)
    return degenerate ? ConicKind::kIntersectingLines : ConicKind::kHyperbola;
  if (!degenerate) return ConicKind::kParabola;
  if (Zero(v.k, s, 2)) return ConicKind::kCoincidentLines;
  return v.k < 0 ? ConicKind::kParallelLines : ConicKind::kNoLocus;
}

ConicRotation RotateAxes(const Conic& q) {
  ConicRotation r;
  if (q.b != 0) r.angle = q.a == q.c ? kPi / 4 : std::atan(q.b / (q.a - q.c)) / 2;
  const Extended cs = std::cos(r.angle), sn = std::sin(r.angle);
  Conic& t = r.rotated;
  t.a = q.a * cs * cs + q.b * cs * sn + q.c * sn * sn;
  t.b = 0;  // removed by the choice of the angle
  t.c = q.a * sn * sn - q.b * cs * sn + q.c * cs * cs;
  t.d = q.d * cs + q.e * sn;
  t.e = -q.d * sn + q.e * cs;
  t.f = q.f;
  return r;
}

ConicTranslation TranslateAxes(const ConicRotation& rotation) {
  const Conic& t = rotation.rotated;
  const Extended s = Scale(t);
  ConicTranslation out;
  Extended x0 = 0, y0 = 0;  // the new origin in the rotated axes
  Conic moved = t;
  const bool squareX = !Zero(t.a, s, 1), squareY = !Zero(t.c, s, 1);
  if (squareX) {
    x0 = -t.d / (2 * t.a);
    moved.d = 0;
    moved.f -= t.d * t.d / (4 * t.a);
  }
  if (squareY) {
    y0 = -t.e / (2 * t.c);
    moved.e = 0;
    moved.f -= t.e * t.e / (4 * t.c);
  }
  // A parabola's vertex: the linear term of the other variable takes up the constant.
  if (squareX && !squareY && !Zero(t.e, s, 1)) {
    y0 = -moved.f / t.e;
    moved.f = 0;
  } else if (squareY && !squareX && !Zero(t.d, s, 1)) {
    x0 = -moved.f / t.d;
    moved.f = 0;
  }
  if (!squareX && !squareY) return out;
  out.moved = true;
  out.translated = moved;
  const Extended cs = std::cos(rotation.angle), sn = std::sin(rotation.angle);
  out.x0 = x0 * cs - y0 * sn;
  out.y0 = x0 * sn + y0 * cs;
  return out;
}

}  // namespace zarnix
