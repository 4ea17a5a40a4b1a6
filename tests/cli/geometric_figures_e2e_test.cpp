// zarnix-cli on the geometric-figures category: the shipped worksheet opens computed, and at
// twelve decimals every measure agrees with the figure built from coordinates — triangles and
// polygons by their vertices, solids by summing over their faces or over slices of their
// meridians, spherical triangles by both laws.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace zarnix {
namespace {

using Real = long double;
using P2 = std::array<Real, 2>;
using P3 = std::array<Real, 3>;
constexpr Real kPi = 3.1415926535897932385L;

// --- the computed sheet ---

class Sheet {
 public:
  explicit Sheet(nlohmann::json json) : json_(std::move(json)) {}
  const nlohmann::json& Json() const { return json_; }
  std::string Text(int col, int row) const { return json_["grid"]["cells"][row][col]; }
  Real Num(int col, int row) const { return std::stold(Text(col, row)); }
  // Rows whose column-1 text is the name (GBK), in order.
  std::vector<int> Rows(const std::string& name) const {
    std::vector<int> rows;
    const auto& cells = json_["grid"]["cells"];
    for (int r = 0; r < static_cast<int>(cells.size()); ++r)
      if (cells[r][1] == U(name)) rows.push_back(r);
    return rows;
  }
  int Row(const std::string& name) const { return Rows(name).at(0); }

 private:
  nlohmann::json json_;
};

void ExpectClose(Real value, Real want, const std::string& what) {
  EXPECT_NEAR(value, want, 1e-9L * std::max(1.0L, std::fabs(want))) << what;
}

// --- plane geometry ---

P2 Sub(const P2& p, const P2& q) {
  return {p[0] - q[0], p[1] - q[1]};
}
Real Cross(const P2& u, const P2& v) {
  return u[0] * v[1] - u[1] * v[0];
}
Real Len(const P2& u) {
  return std::hypot(u[0], u[1]);
}
P2 Mid(const P2& p, const P2& q) {
  return {(p[0] + q[0]) / 2, (p[1] + q[1]) / 2};
}
Real Angle(const P2& at, const P2& p, const P2& q) {
  const P2 u = Sub(p, at), v = Sub(q, at);
  return std::atan2(std::fabs(Cross(u, v)), u[0] * v[0] + u[1] * v[1]) * 180 / kPi;
}
Real LineDistance(const P2& p, const P2& a, const P2& b) {
  return std::fabs(Cross(Sub(b, a), Sub(p, a))) / Len(Sub(b, a));
}
// Where the line p + t·u meets the line q + s·v.
P2 Meet(const P2& p, const P2& u, const P2& q, const P2& v) {
  const Real t = Cross(Sub(q, p), v) / Cross(u, v);
  return {p[0] + t * u[0], p[1] + t * u[1]};
}
P2 Unit(const P2& u) {
  return {u[0] / Len(u), u[1] / Len(u)};
}
// The direction that halves the angle at `at` (inside, or outside with sign −1).
P2 Bisector(const P2& at, const P2& p, const P2& q, Real sign = 1) {
  const P2 u = Unit(Sub(p, at)), v = Unit(Sub(q, at));
  return {u[0] + sign * v[0], u[1] + sign * v[1]};
}

struct Polygon {
  std::vector<P2> v;
  Real Area() const {
    Real sum = 0;
    for (std::size_t i = 0; i < v.size(); ++i) sum += Cross(v[i], v[(i + 1) % v.size()]);
    return std::fabs(sum) / 2;
  }
  Real Perimeter() const {
    Real sum = 0;
    for (std::size_t i = 0; i < v.size(); ++i) sum += Len(Sub(v[(i + 1) % v.size()], v[i]));
    return sum;
  }
  P2 Centroid() const {
    Real cx = 0, cy = 0, twice = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
      const P2& p = v[i];
      const P2& q = v[(i + 1) % v.size()];
      const Real c = Cross(p, q);
      twice += c;
      cx += (p[0] + q[0]) * c;
      cy += (p[1] + q[1]) * c;
    }
    return {cx / (3 * twice), cy / (3 * twice)};
  }
};

// The regular polygon walked out with n steps of length a, turning 360°/n each time.
Polygon Walk(Real a, int n) {
  Polygon p;
  P2 at = {0, 0};
  for (int i = 0; i < n; ++i) {
    p.v.push_back(at);
    at = {at[0] + a * std::cos(2 * kPi * i / n), at[1] + a * std::sin(2 * kPi * i / n)};
  }
  return p;
}

// Points of a circle of radius r around the origin from angle t0 to t1 (radians).
std::vector<P2> Arc(Real r, Real t0, Real t1, int n = 200000) {
  std::vector<P2> points;
  for (int i = 0; i <= n; ++i) {
    const Real t = t0 + (t1 - t0) * i / n;
    points.push_back({r * std::cos(t), r * std::sin(t)});
  }
  return points;
}

Real PathLength(const std::vector<P2>& points) {
  Real sum = 0;
  for (std::size_t i = 1; i < points.size(); ++i) sum += Len(Sub(points[i], points[i - 1]));
  return sum;
}

// --- solids ---

P3 Sub3(const P3& p, const P3& q) {
  return {p[0] - q[0], p[1] - q[1], p[2] - q[2]};
}
P3 Cross3(const P3& u, const P3& v) {
  return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}
Real Dot3(const P3& u, const P3& v) {
  return u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
}
Real Len3(const P3& u) {
  return std::sqrt(Dot3(u, u));
}
// The area of a planar polygon in space: half the length of the sum of its edges' cross products.
Real FaceArea(const std::vector<P3>& face) {
  P3 sum = {0, 0, 0};
  for (std::size_t i = 0; i < face.size(); ++i) {
    const P3 c = Cross3(face[i], face[(i + 1) % face.size()]);
    for (int k = 0; k < 3; ++k) sum[k] += c[k];
  }
  return Len3(sum) / 2;
}
Real Heron(Real a, Real b, Real c) {
  const Real s = (a + b + c) / 2;
  return std::sqrt(s * (s - a) * (s - b) * (s - c));
}

// A prism-like solid: a bottom and a top regular polygon, centred on the axis and aligned.
struct Stack {
  std::vector<P3> bottom, top;
  Real LateralArea() const {
    Real sum = 0;
    for (std::size_t i = 0; i < bottom.size(); ++i) {
      const std::size_t j = (i + 1) % bottom.size();
      sum += FaceArea({bottom[i], bottom[j], top[j], top[i]});
    }
    return sum;
  }
};

std::vector<P3> Centred(Real side, int n, Real z) {
  const Polygon p = Walk(side, n);
  const P2 c = p.Centroid();
  std::vector<P3> points;
  for (const P2& v : p.v) points.push_back({v[0] - c[0], v[1] - c[1], z});
  return points;
}

// Simpson's rule with n (even) intervals.
Real Integral(const std::function<Real(Real)>& f, Real from, Real to, int n = 2000) {
  const Real step = (to - from) / n;
  Real sum = f(from) + f(to);
  for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * f(from + i * step);
  return sum * step / 3;
}

// A solid of revolution by its meridian (ρ, z), a path from the axis to the axis, traversed
// upwards outside, in pieces; the volume and the area of chosen pieces are sums over slices.
struct Meridian {
  std::vector<std::vector<P2>> pieces;  // each point (ρ, z)
  Real Volume() const {
    Real sum = 0;
    for (const auto& piece : pieces)
      for (std::size_t i = 1; i < piece.size(); ++i) {
        const Real rho = (piece[i][0] + piece[i - 1][0]) / 2;
        sum += kPi * rho * rho * (piece[i][1] - piece[i - 1][1]);
      }
    return std::fabs(sum);
  }
  Real Area(std::size_t piece) const {
    Real sum = 0;
    const auto& p = pieces[piece];
    for (std::size_t i = 1; i < p.size(); ++i)
      sum += kPi * (p[i][0] + p[i - 1][0]) * Len(Sub(p[i], p[i - 1]));
    return sum;
  }
  Real TotalArea() const {
    Real sum = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) sum += Area(i);
    return sum;
  }
};

std::vector<P2> Segment(const P2& from, const P2& to, int n = 20000) {
  std::vector<P2> points;
  for (int i = 0; i <= n; ++i)
    points.push_back({from[0] + (to[0] - from[0]) * i / n, from[1] + (to[1] - from[1]) * i / n});
  return points;
}

// A convex polyhedron from its vertices: faces are the planes through three vertices with every
// vertex on one side; volume and area as pyramids from the centre (the origin).
struct Hull {
  Real volume = 0, area = 0, inradius = 0, circumradius = 0, edge = 1e30L;
};

Hull HullOf(const std::vector<P3>& v) {
  Hull hull;
  std::vector<P3> normals;
  for (std::size_t i = 0; i < v.size(); ++i) {
    hull.circumradius = Len3(v[i]);
    for (std::size_t j = i + 1; j < v.size(); ++j) {
      hull.edge = std::min(hull.edge, Len3(Sub3(v[j], v[i])));
      for (std::size_t k = j + 1; k < v.size(); ++k) {
        P3 n = Cross3(Sub3(v[j], v[i]), Sub3(v[k], v[i]));
        if (Len3(n) < 1e-9L) continue;
        const Real scale = (Dot3(n, v[i]) < 0 ? -1 : 1) / Len3(n);
        for (Real& x : n) x *= scale;
        const Real d = Dot3(n, v[i]);
        if (!std::all_of(v.begin(), v.end(), [&](const P3& p) { return Dot3(n, p) <= d + 1e-9L; }))
          continue;
        if (std::any_of(normals.begin(), normals.end(),
                        [&](const P3& m) { return Len3(Sub3(m, n)) < 1e-9L; }))
          continue;
        normals.push_back(n);
        std::vector<P3> face;
        for (const P3& p : v)
          if (std::fabs(Dot3(n, p) - d) < 1e-9L) face.push_back(p);
        P3 c = {0, 0, 0};
        for (const P3& p : face)
          for (int q = 0; q < 3; ++q) c[q] += p[q] / face.size();
        const P3 u = Sub3(face[0], c), w = Cross3(n, u);
        std::sort(face.begin(), face.end(), [&](const P3& a, const P3& b) {
          return std::atan2(Dot3(Sub3(a, c), w), Dot3(Sub3(a, c), u)) <
                 std::atan2(Dot3(Sub3(b, c), w), Dot3(Sub3(b, c), u));
        });
        const Real faceArea = FaceArea(face);
        hull.area += faceArea;
        hull.volume += faceArea * d / 3;
        hull.inradius = d;
      }
    }
  }
  return hull;
}

// The five regular polyhedra by their vertices (all signs of the listed coordinates).
std::vector<P3> PolyhedronVertices(int faces) {
  const Real phi = (1 + std::sqrt(5.0L)) / 2;
  std::vector<P3> base;
  switch (faces) {
    case 4:
      return {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}};
    case 6:
      base = {{1, 1, 1}};
      break;
    case 8:
      base = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
      break;
    case 12:
      base = {{1, 1, 1}, {0, 1 / phi, phi}, {1 / phi, phi, 0}, {phi, 0, 1 / phi}};
      break;
    default:
      base = {{0, 1, phi}, {1, phi, 0}, {phi, 0, 1}};
  }
  std::vector<P3> all;
  for (const P3& p : base)
    for (int signs = 0; signs < 8; ++signs) {
      const P3 q = {signs & 1 ? -p[0] : p[0], signs & 2 ? -p[1] : p[1], signs & 4 ? -p[2] : p[2]};
      if (std::none_of(all.begin(), all.end(),
                       [&](const P3& r) { return Len3(Sub3(r, q)) < 1e-12L; }))
        all.push_back(q);
    }
  return all;
}

// --- the tests ---

class GeometricFiguresCli : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sheet_ = new Sheet(RunJson({"decimals:12", U("select:几何图形")}));
  }
  static void TearDownTestSuite() { delete sheet_; }
  const Sheet& S() const { return *sheet_; }
  // Columns 5, 7, 9, 11 of a table row against their references (NaN: not checked).
  void ExpectRow(int row, const std::array<Real, 4>& want) const {
    for (int i = 0; i < 4; ++i)
      if (!std::isnan(want[i]))
        ExpectClose(S().Num(5 + 2 * i, row), want[i], S().Text(1, row) + std::to_string(5 + 2 * i));
  }
  static inline Sheet* sheet_ = nullptr;
};

constexpr Real kUnused = std::numeric_limits<Real>::quiet_NaN();

TEST_F(GeometricFiguresCli, TheShippedWorksheetOpensComputedInEverySection) {
  const auto& json = S().Json();
  EXPECT_EQ(json["categoryIndex"], 0);
  EXPECT_TRUE(json["messages"].empty()) << json["messages"].dump();
  // Every formula of the tables has its value.
  for (const char* header : {"3.立体图形", "4.平面图形"}) {
    for (int row = S().Row(header) + 1; !S().Text(1, row).empty(); ++row) {
      for (int col = 4; col <= 10; col += 2) {
        if (S().Text(col, row).empty() || S().Text(1, row) == U("四面体")) continue;
        EXPECT_NO_THROW(S().Num(col + 1, row)) << row << " " << col;
      }
    }
  }
  EXPECT_EQ(S().Text(4, S().Row("1.三角形") + 2), "5.000000000000");
  EXPECT_EQ(S().Text(4, S().Row("2.正多边形") + 1), "1.000000000000");
  const int spherical = S().Row("5.球面三角形");
  EXPECT_EQ(S().Text(3, spherical + 4), "90.000000000000");
  EXPECT_EQ(S().Text(7, spherical + 7), U("两个解"));
  EXPECT_EQ(S().Text(8, S().Row("7.弓形与扇形") + 1), "0.919935371123,0");
}

TEST_F(GeometricFiguresCli, TriangleMeasuresAgreeWithTheTriangleDrawnFromItsSides) {
  const int h = S().Row("1.三角形");
  for (int col = 3; col <= 7; ++col) {
    const Real a = S().Num(col, h + 1), b = S().Num(col, h + 2), c = S().Num(col, h + 3);
    const P2 B = {0, 0}, C = {a, 0};
    const Real x = (a * a + c * c - b * b) / (2 * a);
    const P2 A = {x, std::sqrt(c * c - x * x)};
    const P2 incentre = Meet(A, Bisector(A, B, C), B, Bisector(B, A, C));
    const std::array<P2, 3> vertex = {A, B, C};
    const auto excentre = [&](int i) {
      const P2 &p = vertex[i], &q = vertex[(i + 1) % 3], &r = vertex[(i + 2) % 3];
      return Meet(p, Bisector(p, q, r), q, Bisector(q, p, r, -1));
    };
    const P2 circumcentre = Meet(Mid(B, C), {0, 1}, Mid(A, B), {A[1] - B[1], B[0] - A[0]});
    const auto bisector = [&](const P2& p, const P2& q, const P2& r) {
      return Len(Sub(Meet(p, Bisector(p, q, r), q, Sub(r, q)), p));
    };
    const std::map<std::string, Real> want = {
        {"周长", a + b + c},
        {"面积", std::fabs(Cross(Sub(B, A), Sub(C, A))) / 2},
        {"角A°", Angle(A, B, C)},
        {"角B°", Angle(B, A, C)},
        {"角C°", Angle(C, A, B)},
        {"高ha", LineDistance(A, B, C)},
        {"高hb", LineDistance(B, A, C)},
        {"高hc", LineDistance(C, A, B)},
        {"中线ma", Len(Sub(A, Mid(B, C)))},
        {"中线mb", Len(Sub(B, Mid(A, C)))},
        {"中线mc", Len(Sub(C, Mid(A, B)))},
        {"角平分线ta", bisector(A, B, C)},
        {"角平分线tb", bisector(B, C, A)},
        {"角平分线tc", bisector(C, A, B)},
        {"外接圆半径R", Len(Sub(circumcentre, A))},
        {"内切圆半径r", LineDistance(incentre, B, C)},
        {"旁切圆半径ra", LineDistance(excentre(0), B, C)},
        {"旁切圆半径rb", LineDistance(excentre(1), C, A)},
        {"旁切圆半径rc", LineDistance(excentre(2), A, B)},
    };
    for (const auto& [name, value] : want) ExpectClose(S().Num(col, S().Row(name)), value, name);
  }
}

TEST_F(GeometricFiguresCli, PolygonMeasuresAgreeWithThePolygonWalkedOut) {
  const int h = S().Row("2.正多边形");
  for (int col = 3; col <= 7; ++col) {
    const Real a = S().Num(col, h + 1);
    const int n = std::stoi(S().Text(col, h + 2));
    const Polygon p = Walk(a, n);
    const P2 centre = p.Centroid();
    Real longest = 0;
    int diagonals = 0;
    for (int i = 0; i < n; ++i)
      for (int j = i + 2; j < n; ++j) {
        longest = std::max(longest, Len(Sub(p.v[i], p.v[j])));
        diagonals += (i == 0 && j == n - 1) ? 0 : 1;
      }
    const Real interior = Angle(p.v[1], p.v[0], p.v[2]);
    const std::map<std::string, Real> want = {
        {"周长", p.Perimeter()},
        {"面积", p.Area()},
        {"外接圆半径", Len(Sub(p.v[0], centre))},
        {"内切圆半径", Len(Sub(Mid(p.v[0], p.v[1]), centre))},
        {"内角°", interior},
        {"中心角°", Angle(centre, p.v[0], p.v[1])},
        {"内角和°", n * interior},
        {"对角线条数", static_cast<Real>(diagonals)},
        {"最长对角线", longest},
    };
    for (const auto& [name, value] : want) {
      const int row = S().Rows(name).back();  // the polygon rows follow the triangle rows
      ExpectClose(S().Num(col, row), value, name + std::to_string(col));
    }
  }
}

TEST_F(GeometricFiguresCli, SolidsWithFlatFacesAgreeWithTheirFacesAndSlices) {
  const Real cubeSide = 2;
  ExpectRow(S().Row("立方体"), {Integral([&](Real) { return cubeSide * cubeSide; }, 0, cubeSide),
                                6 * FaceArea({{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}}),
                                Len3({2, 2, 0}), Len3({2, 2, 2})});
  ExpectRow(S().Row("长方体"), {Integral([](Real) { return 12.0L; }, 0, 5), 2 * (12 + 20 + 15),
                                Len3({3, 4, 5}), Len3({3, 4, 5}) / 2});
  // Prism: hexagon of side 2, height 5.
  const Stack prism = {Centred(2, 6, 0), Centred(2, 6, 5)};
  const Real hexagon = Walk(2, 6).Area();
  ExpectRow(S().Row("正棱柱"), {Integral([&](Real) { return hexagon; }, 0, 5),
                                2 * hexagon + prism.LateralArea(), prism.LateralArea(), hexagon});
  // Pyramid: square of side 2, apex 3 above its centre; a frustum whose top shrinks to a point.
  const Stack pyramid = {Centred(2, 4, 0), std::vector<P3>(4, P3{0, 0, 3})};
  ExpectRow(S().Row("正棱锥"),
            {Integral([](Real z) { return Walk(2 * (1 - z / 3), 4).Area(); }, 0, 3),
             4 + pyramid.LateralArea(), pyramid.LateralArea(),
             Len3(Sub3(pyramid.top[0], pyramid.bottom[0]))});
  // Frustum: hexagons of sides 4 and 2, 3 apart; the slant height is the height of a face.
  const Stack frustum = {Centred(4, 6, 0), Centred(2, 6, 3)};
  const P3 bottomMid = {(frustum.bottom[0][0] + frustum.bottom[1][0]) / 2,
                        (frustum.bottom[0][1] + frustum.bottom[1][1]) / 2, 0};
  const P3 topMid = {(frustum.top[0][0] + frustum.top[1][0]) / 2,
                     (frustum.top[0][1] + frustum.top[1][1]) / 2, 3};
  ExpectRow(S().Row("正棱台"),
            {Integral([](Real z) { return Walk(4 - 2 * z / 3, 6).Area(); }, 0, 3),
             Walk(4, 6).Area() + Walk(2, 6).Area() + frustum.LateralArea(), frustum.LateralArea(),
             Len3(Sub3(topMid, bottomMid))});
  // The regular polyhedra, scaled to edge 1.
  const std::vector<int> rows = S().Rows("正多面体");
  const int faces[] = {4, 6, 8, 12, 20};
  for (int i = 0; i < 5; ++i) {
    const Hull hull = HullOf(PolyhedronVertices(faces[i]));
    const Real e = hull.edge;
    ExpectRow(rows.at(i), {hull.volume / (e * e * e), hull.area / (e * e), hull.circumradius / e,
                           hull.inradius / e});
  }
  // Tetrahedron: (0,0,0), (3,0,0), (0,4,0), (0,0,5); faces by Heron from the edges.
  const Real e12 = 3, e13 = 4, e14 = 5, e23 = 5, e24 = std::hypot(3.0L, 5.0L),
             e34 = std::hypot(4.0L, 5.0L);
  const Real base = Heron(e12, e13, e23);
  ExpectRow(S().Row("四面体"),
            {std::fabs(Dot3({3, 0, 0}, Cross3({0, 4, 0}, {0, 0, 5}))) / 6,
             base + Heron(e12, e14, e24) + Heron(e13, e14, e34) + Heron(e23, e24, e34), e12, base});
  ExpectRow(S().Row("椭球"), {Integral([](Real z) { return kPi * 3 * 2 * (1 - z * z); }, -1, 1),
                              kUnused, kUnused, kUnused});
}

TEST_F(GeometricFiguresCli, RoundSolidsAgreeWithSlicesOfTheirMeridians) {
  const auto arc = [](Real r, Real t0, Real t1, Real zc = 0, Real rc = 0) {
    std::vector<P2> points;
    for (const P2& p : Arc(r, t0, t1)) points.push_back({rc + p[1], zc - p[0]});
    return points;  // ρ = rc + r·sin t, z = zc − r·cos t
  };
  // Cylinder r 2, h 5: base, side, top.
  const Meridian cylinder = {
      {Segment({0, 0}, {2, 0}), Segment({2, 0}, {2, 5}), Segment({2, 5}, {0, 5})}};
  ExpectRow(S().Row("圆柱"),
            {cylinder.Volume(), cylinder.TotalArea(), cylinder.Area(1), cylinder.Area(0)});
  const Meridian cone = {{Segment({0, 0}, {3, 0}), Segment({3, 0}, {0, 4})}};
  ExpectRow(S().Row("圆锥"),
            {cone.Volume(), cone.TotalArea(), cone.Area(1), PathLength(cone.pieces[1])});
  const Meridian frustum = {
      {Segment({0, 0}, {3, 0}), Segment({3, 0}, {2, 4}), Segment({2, 4}, {0, 4})}};
  ExpectRow(S().Row("圆台"), {frustum.Volume(), frustum.TotalArea(), frustum.Area(1),
                              PathLength(frustum.pieces[1])});
  const Meridian sphere = {{arc(1, 0, kPi)}};
  const Meridian disc = {{Segment({0, 0}, {1, 0})}};
  ExpectRow(S().Row("球"),
            {sphere.Volume(), sphere.TotalArea(), 2 * PathLength(sphere.pieces[0]), disc.Area(0)});
  // Cap of height 2 on a sphere of radius 5: the base circle cuts the sphere 3 above the centre.
  const Real capAngle = std::atan2(4.0L, 3.0L);
  const Meridian cap = {{Segment({0, 3}, {4, 3}), arc(5, kPi - capAngle, kPi)}};
  ExpectRow(S().Row("球缺"), {cap.Volume(), cap.TotalArea(), cap.Area(1), cap.pieces[0].back()[0]});
  // Zone with base radii 3 and 4, 1 apart: the sphere's radius by bisection, both circles on it.
  Real lo = 4, hi = 100;
  for (int i = 0; i < 200; ++i) {
    const Real mid = (lo + hi) / 2;
    (std::sqrt(mid * mid - 9) - std::sqrt(mid * mid - 16) > 1 ? lo : hi) = mid;
  }
  const Real R = lo, z4 = std::sqrt(R * R - 16), z3 = std::sqrt(R * R - 9);
  const Meridian zone = {{Segment({0, z4}, {4, z4}),
                          arc(R, kPi - std::asin(4 / R), kPi - std::asin(3 / R)),
                          Segment({3, z3}, {0, z3})}};
  ExpectRow(S().Row("球台"), {zone.Volume(), zone.TotalArea(), zone.Area(1), R});
  const Meridian torus = {{arc(1, 0, 2 * kPi, 0, 5)}};
  ExpectRow(S().Row("圆环体"), {torus.Volume(), torus.TotalArea(), 4, 6});
}

TEST_F(GeometricFiguresCli, PlaneFiguresAgreeWithTheirVertices) {
  const Polygon square = {{{0, 0}, {2, 0}, {2, 2}, {0, 2}}};
  ExpectRow(S().Row("正方形"),
            {square.Area(), square.Perimeter(), Len(Sub(square.v[2], square.v[0])),
             Len(Sub(square.v[0], square.Centroid()))});
  const Polygon rectangle = {{{0, 0}, {3, 0}, {3, 4}, {0, 4}}};
  ExpectRow(S().Row("长方形"), {rectangle.Area(), rectangle.Perimeter(), 5, 2.5});
  const P2 side = {3 * std::cos(kPi / 3), 3 * std::sin(kPi / 3)};
  const Polygon parallelogram = {{{0, 0}, {4, 0}, {4 + side[0], side[1]}, side}};
  ExpectRow(S().Row("平行四边形"), {parallelogram.Area(), parallelogram.Perimeter(),
                                    Len(Sub(parallelogram.v[1], parallelogram.v[3])),
                                    Len(Sub(parallelogram.v[2], parallelogram.v[0]))});
  // Trapezoid with bases 8 and 4 and legs 3 and 5: the top-left corner where the two legs' circles
  // meet.
  const Real u = (16 - 25 + 9) / 8.0L, height = std::sqrt(9 - u * u);
  const Polygon trapezoid = {{{0, 0}, {8, 0}, {u + 4, height}, {u, height}}};
  ExpectRow(S().Row("梯形"),
            {trapezoid.Area(), trapezoid.Perimeter(), height,
             Len(Sub(Mid(trapezoid.v[1], trapezoid.v[2]), Mid(trapezoid.v[3], trapezoid.v[0])))});
  const Polygon rhombus = {{{3, 0}, {0, 4}, {-3, 0}, {0, -4}}};
  ExpectRow(S().Row("菱形"),
            {rhombus.Area(), rhombus.Perimeter(), 5, LineDistance({0, 0}, {3, 0}, {0, 4})});
  // Cyclic quadrilateral 2, 3, 4, 5: the circle whose chords of these lengths close up.
  const Real sides[] = {2, 3, 4, 5};
  Real lo = 2.5, hi = 100;
  for (int i = 0; i < 200; ++i) {
    const Real mid = (lo + hi) / 2, r = mid;
    Real turn = 0;
    for (const Real s : sides) turn += 2 * std::asin(s / (2 * r));
    (turn > 2 * kPi ? lo : hi) = mid;
  }
  Polygon cyclic;
  Real t = 0;
  for (const Real s : sides) {
    cyclic.v.push_back({lo * std::cos(t), lo * std::sin(t)});
    t += 2 * std::asin(s / (2 * lo));
  }
  ExpectRow(S().Row("圆内接四边形"),
            {cyclic.Area(), cyclic.Perimeter(), lo, Len(Sub(cyclic.v[2], cyclic.v[0]))});
  const Polygon circle = {Arc(1, 0, 2 * kPi)};
  ExpectRow(S().Row("圆"), {circle.Area(), circle.Perimeter(), 2, kUnused});
  const Polygon outer = {Arc(3, 0, 2 * kPi)}, inner = {Arc(2, 0, 2 * kPi)};
  ExpectRow(S().Row("圆环"),
            {outer.Area() - inner.Area(), outer.Perimeter() + inner.Perimeter(), 1, kUnused});
  Polygon sector = {Arc(2, 0, kPi / 3)};
  const Real arcLength = PathLength(sector.v);
  sector.v.push_back({0, 0});
  ExpectRow(S().Row("扇形"), {sector.Area(), sector.Perimeter(), arcLength,
                              Len(Sub(sector.v[0], sector.v[sector.v.size() - 2]))});
  // Segment of radius 2 and height 1: the chord 1 from the centre meets the circle at ±√3.
  const Real half = std::atan2(std::sqrt(3.0L), 1.0L);
  const Polygon segment = {Arc(2, -half, half)};
  ExpectRow(S().Row("弓形"), {segment.Area(), segment.Perimeter(),
                              Len(Sub(segment.v.back(), segment.v[0])), PathLength(segment.v)});
  // Ellipse: every point's distances to the two foci add up to the major axis.
  const Polygon ellipse = {[] {
    std::vector<P2> v;
    for (int i = 0; i < 200000; ++i)
      v.push_back({5 * std::cos(2 * kPi * i / 200000), 3 * std::sin(2 * kPi * i / 200000)});
    return v;
  }()};
  const int row = S().Row("椭圆");
  ExpectRow(row, {ellipse.Area(), ellipse.Perimeter(), kUnused, kUnused});
  const Real focus = S().Num(9, row) / 2;
  for (const P2& p : {ellipse.v[0], ellipse.v[30000], ellipse.v[50000]})
    ExpectClose(Len(Sub(p, {focus, 0})) + Len(Sub(p, {-focus, 0})), 10, "椭圆焦点");
  ExpectClose(S().Num(11, row), focus / 5, "离心率");
  const Polygon octagon = Walk(2, 8);
  ExpectRow(S().Row("正多边形"),
            {octagon.Area(), octagon.Perimeter(), Len(Sub(octagon.v[0], octagon.Centroid())),
             Len(Sub(Mid(octagon.v[0], octagon.v[1]), octagon.Centroid()))});
}

// Both laws on every triangle of the section, and the given parts among the results.
TEST_F(GeometricFiguresCli, SphericalTrianglesKeepTheLawsOfCosinesAndSines) {
  const int h = S().Row("5.球面三角形");
  const int given[6][3] = {{0, 1, 2}, {3, 4, 5}, {0, 4, 2}, {3, 1, 5}, {0, 1, 3}, {3, 4, 0}};
  for (int col = 3; col <= 8; ++col) {
    std::array<std::vector<Real>, 6> parts;
    for (int i = 0; i < 6; ++i) {
      std::string text = S().Text(col, h + 1 + i);
      for (std::size_t at = 0; at != std::string::npos;) {
        const std::size_t end = text.find(';', at);
        parts[i].push_back(std::stold(text.substr(at, end - at)) * kPi / 180);
        at = end == std::string::npos ? end : end + 1;
      }
    }
    const std::string header = S().Text(col, h);
    for (std::size_t k = 0; k < parts[0].size(); ++k) {
      const auto p = [&](int i) { return parts[i].at(k); };
      for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, m = (i + 2) % 3;
        EXPECT_NEAR(
            std::cos(p(i)),
            std::cos(p(j)) * std::cos(p(m)) + std::sin(p(j)) * std::sin(p(m)) * std::cos(p(3 + i)),
            1e-11L);
        EXPECT_NEAR(std::sin(p(i)) / std::sin(p(3 + i)), std::sin(p(j)) / std::sin(p(3 + j)),
                    1e-11L);
      }
      std::size_t at = 0;
      for (const int part : given[col - 3]) {
        const std::size_t end = header.find(';', at);
        EXPECT_NEAR(p(part) * 180 / kPi, std::stold(header.substr(at, end - at)), 1e-10L) << col;
        at = end + 1;
      }
    }
  }
}

TEST_F(GeometricFiguresCli, GreatCircleDistanceAndSegments) {
  const int h = S().Row("6.球面距离");
  const Real p1 = 39.9042L * kPi / 180, p2 = 31.2304L * kPi / 180,
             dl = (121.4737L - 116.4074L) * kPi / 180;
  const Real hav = std::pow(std::sin((p2 - p1) / 2), 2) +
                   std::cos(p1) * std::cos(p2) * std::pow(std::sin(dl / 2), 2);
  ExpectClose(S().Num(9, h), 2 * 6371 * std::asin(std::sqrt(hav)), "北京—上海");
  // Each segment row: its four parts, then the segment and the sector as polygons of its arc.
  const int s = S().Row("7.弓形与扇形");
  for (int row = s + 1; row <= s + 5; ++row) {
    const Real angle = S().Num(2, row) * kPi / 180, r = S().Num(3, row), c = S().Num(4, row),
               hgt = S().Num(5, row);
    ExpectClose(c / 2, r * std::sin(angle / 2), "chord");
    ExpectClose((c / 2) * (c / 2) + (r - hgt) * (r - hgt), r * r, "height");
    const Polygon segment = {Arc(r, -angle / 2, angle / 2)};
    Polygon sector = segment;
    sector.v.push_back({0, 0});
    ExpectClose(S().Num(6, row), PathLength(segment.v), "arc");
    ExpectClose(S().Num(7, row), segment.Area(), "segment area");
    ExpectClose(std::stold(S().Text(8, row)), segment.Centroid()[0], "segment centroid");
    ExpectClose(S().Num(9, row), sector.Area(), "sector area");
    ExpectClose(std::stold(S().Text(10, row)), sector.Centroid()[0], "sector centroid");
  }
}

TEST(GeometricFiguresCliEdits, FiguresWithoutValueSayWhyAndTheRestIsComputed) {
  // A triangle against the triangle inequality, a cylinder of height 0, three spherical sides
  // that do not close up, a chord longer than the diameter.
  const auto json = RunJson({U("select:几何图形"), "cell:3,3=1;2;5", "cell:3,47=2;0",
                             "cell:3,77=100;50;30", "cell:4,92=5", "run"});
  EXPECT_TRUE(json["messages"].empty()) << json["messages"].dump();
  const auto& cells = json["grid"]["cells"];
  EXPECT_EQ(cells[7][3], U("不能构成三角形"));
  EXPECT_EQ(cells[7][4], "12.000");
  EXPECT_EQ(cells[47][5], U("参数须大于0"));
  EXPECT_EQ(cells[48][5], "37.699");
  EXPECT_EQ(cells[78][3], U("不能构成球面三角形"));
  EXPECT_EQ(cells[82][4], "70.000");
  EXPECT_EQ(cells[92][2], U("参数不能构成图形"));
  EXPECT_EQ(cells[93][2], "120.000");
  EXPECT_EQ(cells[87][9], "1067.310");
}

}  // namespace
}  // namespace zarnix
