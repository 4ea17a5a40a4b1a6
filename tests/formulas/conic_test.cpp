// Conics: the kind of equations built from curves of known kind (exact sympy expansions of
// turned and moved standard curves and line pairs), the invariants against exact values, and
// rotation and translation against the properties that define them.
#include "formulas/conic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/gbk.h"

namespace zarnix {
namespace {

struct Case {
  std::string kind;  // GBK
  Conic q;
  ConicInvariants exact;
};

std::vector<Case> ReferenceCases() {
  std::ifstream in(std::string(ZARNIX_TEST_DATA_DIR) + "/conic_reference.txt");
  std::vector<Case> cases;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string kind;
    long double v[10];
    words >> kind;
    for (long double& value : v) words >> value;
    if (!words) continue;
    cases.push_back(
        {Utf8ToGbk(kind), {v[0], v[1], v[2], v[3], v[4], v[5]}, {v[6], v[7], v[8], v[9]}});
  }
  return cases;
}

Extended Value(const Conic& q, Extended x, Extended y) {
  return q.a * x * x + q.b * x * y + q.c * y * y + q.d * x + q.e * y + q.f;
}

TEST(Conic, EveryConstructedCurveIsNamedByItsKind) {
  const std::vector<Case> cases = ReferenceCases();
  ASSERT_EQ(cases.size(), 72u);  // eight of each of the nine constructions
  for (const Case& c : cases) {
    EXPECT_EQ(ConicName(Classify(c.q)), c.kind)
        << c.q.a << " " << c.q.b << " " << c.q.c << " " << c.q.d << " " << c.q.e << " " << c.q.f;
    const ConicInvariants v = InvariantsOf(c.q);
    const Extended scale = 1 + std::fabs(c.exact.i3);
    EXPECT_NEAR(v.i1, c.exact.i1, 1e-12);
    EXPECT_NEAR(v.i2, c.exact.i2, 1e-12);
    EXPECT_NEAR(v.i3 / scale, c.exact.i3 / scale, 1e-12);
    EXPECT_NEAR(v.k, c.exact.k, 1e-10);
  }
}

TEST(Conic, DegenerateCasesAreNamedByWhatTheyAre) {
  EXPECT_EQ(ConicName(Classify({1, 0, -1, 0, 0, 0})), std::string("两条相交直线"));  // x² − y²
  EXPECT_EQ(ConicName(Classify({1, 0, 1, 0, 0, 0})), std::string("一点"));           // x² + y²
  EXPECT_EQ(ConicName(Classify({1, 0, 1, 0, 0, 1})), std::string("无轨迹"));
  EXPECT_EQ(ConicName(Classify({0, 0, 1, 0, 0, -1})), std::string("两条平行直线"));
  EXPECT_EQ(ConicName(Classify({0, 0, 1, 0, 0, 0})), std::string("两条重合直线"));
  EXPECT_EQ(ConicName(Classify({0, 0, 0, 2, -1, 3})), std::string("一条直线"));
  EXPECT_EQ(ConicName(Classify({0, 0, 0, 0, 0, 5})), std::string("无轨迹"));
  EXPECT_EQ(ConicName(Classify({})), std::string("整个平面"));
  // Coefficients that are not exact in binary still give the degenerate kind: (x − 0.1)².
  EXPECT_EQ(ConicName(Classify({1, 0, 0, -0.2L, 0, 0.01L})), std::string("两条重合直线"));
}

TEST(Conic, RotationRemovesTheMixedTermAndKeepsTheInvariants) {
  for (const Case& c : ReferenceCases()) {
    const ConicRotation r = RotateAxes(c.q);
    EXPECT_LE(std::fabs(r.angle), 3.14159265358979L / 4 + 1e-15);
    // The mixed term of the rotated equation, computed afresh, vanishes.
    const Extended cs = std::cos(r.angle), sn = std::sin(r.angle);
    const Extended mixed = (c.q.c - c.q.a) * 2 * sn * cs + c.q.b * (cs * cs - sn * sn);
    EXPECT_NEAR(mixed, 0, 1e-12);
    const ConicInvariants before = InvariantsOf(c.q), after = InvariantsOf(r.rotated);
    EXPECT_NEAR(after.i1, before.i1, 1e-12);
    EXPECT_NEAR(after.i2, before.i2, 1e-12);
    EXPECT_NEAR(after.i3, before.i3, 1e-9 * (1 + std::fabs(before.i3)));
    // A point of the rotated curve, turned back, lies on the original one.
    const Conic& t = r.rotated;
    if (t.c != 0) {
      const Extended X = 0.5L, disc = t.e * t.e - 4 * t.c * (t.a * X * X + t.d * X + t.f);
      if (disc >= 0) {
        const Extended Y = (-t.e + std::sqrt(disc)) / (2 * t.c);
        EXPECT_NEAR(Value(c.q, X * cs - Y * sn, X * sn + Y * cs), 0, 1e-9);
      }
    }
  }
}

TEST(Conic, TranslationMovesToTheCentreOrVertex) {
  for (const Case& c : ReferenceCases()) {
    const ConicTranslation m = TranslateAxes(RotateAxes(c.q));
    const Extended i2 = InvariantsOf(c.q).i2;
    if (std::fabs(i2) > 1e-9) {
      // A central curve: the centre makes both partial derivatives zero.
      ASSERT_TRUE(m.moved);
      EXPECT_NEAR(2 * c.q.a * m.x0 + c.q.b * m.y0 + c.q.d, 0, 1e-9);
      EXPECT_NEAR(c.q.b * m.x0 + 2 * c.q.c * m.y0 + c.q.e, 0, 1e-9);
      EXPECT_NEAR(m.translated.d, 0, 1e-12);
      EXPECT_NEAR(m.translated.e, 0, 1e-12);
    }
    if (c.kind == "抛物线") {
      // The vertex lies on the parabola, and the moved equation keeps no constant.
      ASSERT_TRUE(m.moved);
      EXPECT_NEAR(Value(c.q, m.x0, m.y0), 0, 1e-9);
      EXPECT_NEAR(m.translated.f, 0, 1e-9);
    }
  }
}

}  // namespace
}  // namespace zarnix
