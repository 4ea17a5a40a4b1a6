// The general quadratic equation a·x² + b·x·y + c·y² + d·x + e·y + f = 0: the kind of curve
// from its invariants, the rotation that removes the x·y term, and the translation of the
// rotated curve to its centre (or vertex).
#pragma once

#include "base/extended.h"

namespace zarnix {

struct Conic {
  Extended a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
};

enum class ConicKind {
  kEllipse,            // 椭圆
  kHyperbola,          // 双曲线
  kParabola,           // 抛物线
  kPoint,              // 一点: an ellipse shrunk to its centre
  kIntersectingLines,  // 两条相交直线
  kParallelLines,      // 两条平行直线
  kCoincidentLines,    // 两条重合直线
  kLine,               // 一条直线: no quadratic term at all
  kNoLocus,            // 无轨迹: no real point satisfies the equation
  kWholePlane,         // 整个平面: every coefficient is 0
};

const char* ConicName(ConicKind kind);
bool IsLinePair(ConicKind kind);

struct ConicInvariants {
  Extended i1 = 0;  // a + c
  Extended i2 = 0;  // a·c − (b/2)²
  Extended i3 = 0;  // the determinant of the 3 × 3 matrix of the equation
  Extended k = 0;   // (a·f − (d/2)²) + (c·f − (e/2)²)
};

ConicInvariants InvariantsOf(const Conic& q);
// The kind, with tolerances scaled to the coefficients so that rounding of non-integral
// coefficients does not make a degenerate curve look proper.
ConicKind Classify(const Conic& q);

struct ConicRotation {
  Extended angle = 0;  // radians in [−π/4, π/4]; 0 when there is no x·y term
  Conic rotated;       // in the rotated axes; its b is 0
};

// x = X·cos θ − Y·sin θ, y = X·sin θ + Y·cos θ with the θ that removes the x·y term.
ConicRotation RotateAxes(const Conic& q);

struct ConicTranslation {
  bool moved = false;  // false when the rotated curve has no centre or vertex to move to
  Extended x0 = 0;     // the new origin in the original axes
  Extended y0 = 0;
  Conic translated;  // in the rotated axes, moved to the new origin
};

// Moves the rotated curve's axes to its centre (central curves), its vertex (parabolas) or
// the middle line of a pair of parallel lines.
ConicTranslation TranslateAxes(const ConicRotation& rotation);

}  // namespace zarnix
