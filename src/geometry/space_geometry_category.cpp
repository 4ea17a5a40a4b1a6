// The space analytic-geometry items: one small function per item reads its cells and adds its
// result lines.
#include "geometry/space_geometry_category.h"

#include <cmath>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "base/convert.h"
#include "geometry/analytic_items.h"
#include "geometry/space_geometry.h"

namespace zarnix {

namespace {

constexpr const char* kPointWhat = "x;y;z";
constexpr const char* kDirectionWhat = "方向向量l;m;n";
constexpr const char* kPlaneWhat = "平面一般式系数A;B;C;D";

std::vector<Extended> Xyz(std::initializer_list<Vec3> points) {
  std::vector<Extended> values;
  for (const Vec3& p : points) values.insert(values.end(), {p.x, p.y, p.z});
  return values;
}

Vec3 VectorParam(const ItemRow& row, int i, const char* what) {
  const std::vector<Extended> v = ParamNumbers(row, i, 3, what);
  return {v[0], v[1], v[2]};
}

Vec3 PointParam(const ItemRow& row, int i) {
  return VectorParam(row, i, kPointWhat);
}

Vec3 DirectionParam(const ItemRow& row, int i) {
  const Vec3 s = VectorParam(row, i, kDirectionWhat);
  if (IsZeroVector(s)) throw ItemError("参数" + IntToStr(i + 1) + "：方向向量不能为零");
  return s;
}

Plane PlaneParam(const ItemRow& row, int i) {
  const std::vector<Extended> v = ParamNumbers(row, i, 4, kPlaneWhat);
  const auto plane = PlaneOfCoefficients(v[0], v[1], v[2], v[3]);
  if (!plane) throw ItemError("参数" + IntToStr(i + 1) + "：A、B、C不能同时为0");
  return *plane;
}

void AddAngle(ItemResults& out, Extended radians) {
  out.Add("θ", {radians, DegreesOf(radians)});
}

// --- coordinates ---

Cylindrical CylindricalParam(const ItemRow& row) {
  const std::vector<Extended> v = ParamNumbers(row, 0, 3, "柱坐标ρ;φ;z");
  return {v[0], v[1], v[2]};
}

Spherical SphericalParam(const ItemRow& row) {
  const std::vector<Extended> v = ParamNumbers(row, 0, 3, "球坐标r;θ;φ");
  return {v[0], v[1], v[2]};
}

void AddCylindrical(ItemResults& out, Vec3 p) {
  const Cylindrical c = ToCylindrical(p);
  out.Add("ρ;φ;z", {c.rho, c.phi, c.z});
}

void AddSpherical(ItemResults& out, Vec3 p) {
  const Spherical s = ToSpherical(p);
  out.Add("r;θ;φ", {s.r, s.theta, s.phi});
}

void ToCylindricalItem(ItemRow& row, ItemResults& out) {
  AddCylindrical(out, PointParam(row, 0));
}

void FromCylindricalItem(ItemRow& row, ItemResults& out) {
  out.Add("x;y;z", Xyz({FromCylindrical(CylindricalParam(row))}));
}

void ToSphericalItem(ItemRow& row, ItemResults& out) {
  AddSpherical(out, PointParam(row, 0));
}

void FromSphericalItem(ItemRow& row, ItemResults& out) {
  out.Add("x;y;z", Xyz({FromSpherical(SphericalParam(row))}));
}

void CylindricalToSphericalItem(ItemRow& row, ItemResults& out) {
  AddSpherical(out, FromCylindrical(CylindricalParam(row)));
}

void SphericalToCylindricalItem(ItemRow& row, ItemResults& out) {
  AddCylindrical(out, FromSpherical(SphericalParam(row)));
}

// --- points, lines and planes ---

void DistanceItem(ItemRow& row, ItemResults& out) {
  const Vec3 a = PointParam(row, 0);
  const Vec3 b = PointParam(row, 1);
  out.Add("d", {Distance(a, b)});
  out.Add("M", Xyz({0.5L * (a + b)}));
  if (SamePoint(a, b)) {
    out.Add("两点重合，没有方向");
  } else {
    out.Add("cosα;cosβ;cosγ", Xyz({DirectionCosines(b - a)}));
  }
}

void DivisionItem(ItemRow& row, ItemResults& out) {
  const Vec3 a = PointParam(row, 0);
  const Vec3 b = PointParam(row, 1);
  const auto p = DivisionPoint(a, b, ParamNumber(row, 2, "定比λ"));
  if (!p) throw ItemError("λ不能为-1");
  out.Add("P", Xyz({*p}));
}

void AddFoot(ItemResults& out, Extended distance, Vec3 p, Vec3 foot) {
  out.Add("d", {distance});
  out.Add("x;y;z", Xyz({foot}));
  out.Add("x;y;z", Xyz({2 * foot - p}));
}

void PointLineItem(ItemRow& row, ItemResults& out) {
  const Vec3 p = PointParam(row, 0);
  const Line3 line{PointParam(row, 1), DirectionParam(row, 2)};
  AddFoot(out, PointLineDistance(p, line), p, FootOnLine(p, line));
}

void PointPlaneItem(ItemRow& row, ItemResults& out) {
  const Vec3 p = PointParam(row, 0);
  const Plane plane = PlaneParam(row, 1);
  AddFoot(out, PointPlaneDistance(p, plane), p, FootOnPlane(p, plane));
}

// What keeps a plane from its intercept form: the origin on it, or axes it runs along.
std::string NoInterceptText(const Plane& plane) {
  if (plane.d == 0) return "平面过原点，没有截距式";
  const Vec3 n = plane.normal;
  if (n.x == 0 && n.y == 0) return "平面平行于xOy面，没有截距式";
  if (n.y == 0 && n.z == 0) return "平面平行于yOz面，没有截距式";
  if (n.x == 0 && n.z == 0) return "平面平行于zOx面，没有截距式";
  const char* axis = n.x == 0 ? "x" : (n.y == 0 ? "y" : "z");
  return std::string("平面平行于") + axis + "轴，没有截距式";
}

// The plane in every form; anchor is the point of the point-normal form.
void AddPlaneForms(ItemResults& out, const Plane& plane, Vec3 anchor) {
  const Vec3 n = plane.normal;
  out.Add("A;B;C;D", {n.x, n.y, n.z, plane.d});
  out.Add("x0;y0;z0;A;B;C", Xyz({anchor, n}));
  if (plane.d == 0 || n.x == 0 || n.y == 0 || n.z == 0) {
    out.Add(NoInterceptText(plane));
  } else {
    out.Add("a;b;c", {-plane.d / n.x, -plane.d / n.y, -plane.d / n.z});
  }
  // The unit normal that points from the origin to the plane, so that p ≥ 0.
  const Extended size = Length(n);
  const Extended sign = plane.d > 0 ? -1 : 1;
  const Vec3 unit = (sign / size) * n;
  out.Add("cosα;cosβ;cosγ;p", {unit.x, unit.y, unit.z, -sign * plane.d / size});
}

void ThreePointPlaneItem(ItemRow& row, ItemResults& out) {
  const Vec3 a = PointParam(row, 0);
  const Vec3 b = PointParam(row, 1);
  const Vec3 c = PointParam(row, 2);
  const auto plane = PlaneThrough(a, b, c);
  if (!plane) throw ItemError("三点共线，不能确定平面");
  AddPlaneForms(out, *plane, a);
  out.Add("S", {TriangleArea(a, b, c)});
}

void PointNormalPlaneItem(ItemRow& row, ItemResults& out) {
  const Vec3 p = PointParam(row, 0);
  const auto plane = PlaneOfPointNormal(p, VectorParam(row, 1, "法向量A;B;C"));
  if (!plane) throw ItemError("法向量不能为零");
  AddPlaneForms(out, *plane, p);
}

void InterceptPlaneItem(ItemRow& row, ItemResults& out) {
  const std::vector<Extended> v = ParamNumbers(row, 0, 3, "截距a;b;c");
  const auto plane = PlaneOfIntercepts(v[0], v[1], v[2]);
  if (!plane) throw ItemError("截距不能为0");
  AddPlaneForms(out, *plane, {v[0], 0, 0});
}

void GeneralPlaneItem(ItemRow& row, ItemResults& out) {
  const Plane plane = PlaneParam(row, 0);
  AddPlaneForms(out, plane, PlanePointNearestOrigin(plane));
}

void TwoPlanesItem(ItemRow& row, ItemResults& out) {
  const PlanesMeeting m = IntersectPlanes(PlaneParam(row, 0), PlaneParam(row, 1));
  switch (m.relation) {
    case PlanesRelation::kIntersecting:
      out.Add("l;m;n", Xyz({m.line.direction}));
      out.Add("x0;y0;z0", Xyz({m.line.point}));
      return;
    case PlanesRelation::kParallel:
      out.Add("两平面平行");
      out.Add("没有交线");
      return;
    case PlanesRelation::kCoincident:
      out.Add("两平面重合");
      out.Add("没有确定的交线");
      return;
  }
}

// --- angles and distances ---

void LinesAngleItem(ItemRow& row, ItemResults& out) {
  AddAngle(out, AngleBetweenLines(DirectionParam(row, 0), DirectionParam(row, 1)));
}

void PlanesAngleItem(ItemRow& row, ItemResults& out) {
  AddAngle(out, AngleBetweenLines(PlaneParam(row, 0).normal, PlaneParam(row, 1).normal));
}

void LinePlaneAngleItem(ItemRow& row, ItemResults& out) {
  AddAngle(out, AngleLinePlane(DirectionParam(row, 0), PlaneParam(row, 1).normal));
}

void SkewLinesItem(ItemRow& row, ItemResults& out) {
  const Line3 l1{PointParam(row, 0), DirectionParam(row, 1)};
  const Line3 l2{PointParam(row, 2), DirectionParam(row, 3)};
  const LinesNearness n = NearestPoints(l1, l2);
  out.Add("d", {n.distance});
  switch (n.relation) {
    case LinesRelation::kSkew:
      out.Add("两直线异面");
      out.Add("x1;y1;z1;x2;y2;z2", Xyz({n.foot1, n.foot2}));
      out.Add("l;m;n", Xyz({n.direction}));
      return;
    case LinesRelation::kIntersecting:
      out.Add("两直线相交于" + out.Values(Xyz({n.foot1})));
      out.Add("x1;y1;z1;x2;y2;z2", Xyz({n.foot1, n.foot1}));
      out.Add("l;m;n", Xyz({n.direction}));
      return;
    case LinesRelation::kParallel:
      out.Add("两直线平行");
      out.Add("两直线平行，公垂线不唯一");
      out.Add("l;m;n", Xyz({n.direction}));
      return;
    case LinesRelation::kCoincident:
      out.Add("两直线重合");
      out.Add("两直线重合，没有公垂线");
      out.Add("两直线重合，没有公垂线");
      return;
  }
}

void LinePlaneItem(ItemRow& row, ItemResults& out) {
  const Line3 line{PointParam(row, 0), DirectionParam(row, 1)};
  const Plane plane = PlaneParam(row, 2);
  const LinePlaneMeeting m = IntersectLinePlane(line, plane);
  if (m.relation == LinePlaneRelation::kIntersecting) {
    out.Add("x;y;z", Xyz({m.point}));
  } else {
    out.Add(m.relation == LinePlaneRelation::kParallel ? "直线与平面平行，没有交点"
                                                       : "直线在平面内");
  }
  AddAngle(out, AngleLinePlane(line.direction, plane.normal));
}

void TetrahedronItem(ItemRow& row, ItemResults& out) {
  const Vec3 a = PointParam(row, 0);
  const Vec3 b = PointParam(row, 1);
  const Vec3 c = PointParam(row, 2);
  const Vec3 d = PointParam(row, 3);
  const Extended six = TetrahedronSixVolume(a, b, c, d);
  const Extended scale = Length(b - a) * Length(c - a) * Length(d - a);
  if (NearlyZero(six, scale)) {
    out.Add("V=" + out.Value(0) + "，四点共面");
  } else {
    out.Add("V", {std::fabs(six) / 6});
  }
  const auto base = PlaneThrough(a, b, c);
  if (base) {
    out.Add("S;h", {TriangleArea(a, b, c), PointPlaneDistance(d, *base)});
  } else {
    out.Add("A、B、C三点共线，没有底面");
  }
  out.Add("S", {TriangleArea(a, b, c) + TriangleArea(a, b, d) + TriangleArea(a, c, d) +
                TriangleArea(b, c, d)});
}

// --- the table ---

constexpr const char* kCylindricalLabels[] = {"柱坐标"};
constexpr const char* kRectangularLabels[] = {"直角坐标"};
constexpr const char* kSphericalLabels[] = {"球坐标"};
constexpr const char* kDistanceLabels[] = {"两点间距离", "中点", "AB的方向余弦"};
constexpr const char* kDivisionLabels[] = {"分点P(AP=λPB)"};
constexpr const char* kPointLineLabels[] = {"点到直线的距离", "垂足", "关于直线的对称点"};
constexpr const char* kPointPlaneLabels[] = {"点到平面的距离", "垂足", "关于平面的对称点"};
constexpr const char* kPlaneLabels[] = {"一般式Ax+By+Cz+D=0", "点法式(点;法向量)",
                                        "截距式x/a+y/b+z/c=1", "法线式xcosα+ycosβ+zcosγ=p"};
constexpr const char* kThreePointLabels[] = {"一般式Ax+By+Cz+D=0", "点法式(点;法向量)",
                                             "截距式x/a+y/b+z/c=1", "法线式xcosα+ycosβ+zcosγ=p",
                                             "三角形ABC的面积"};
constexpr const char* kTwoPlanesLabels[] = {"交线的方向向量", "交线上离原点最近的点"};
constexpr const char* kAngleLabels[] = {"夹角(弧度;度)"};
constexpr const char* kSkewLabels[] = {"距离", "位置关系", "公垂线的垂足(直线1上;直线2上)",
                                       "公垂线的方向向量"};
constexpr const char* kLinePlaneLabels[] = {"交点", "直线与平面的夹角(弧度;度)"};
constexpr const char* kTetrahedronLabels[] = {"体积", "底面ABC的面积;D到底面的高", "表面积"};

constexpr AnalyticItem kItems[] = {
    {1, kCylindricalLabels, ToCylindricalItem},
    {2, kRectangularLabels, FromCylindricalItem},
    {3, kSphericalLabels, ToSphericalItem},
    {4, kRectangularLabels, FromSphericalItem},
    {5, kSphericalLabels, CylindricalToSphericalItem},
    {6, kCylindricalLabels, SphericalToCylindricalItem},
    {11, kDistanceLabels, DistanceItem},
    {12, kDivisionLabels, DivisionItem},
    {13, kPointLineLabels, PointLineItem},
    {14, kPointPlaneLabels, PointPlaneItem},
    {21, kThreePointLabels, ThreePointPlaneItem},
    {22, kPlaneLabels, PointNormalPlaneItem},
    {23, kPlaneLabels, InterceptPlaneItem},
    {24, kPlaneLabels, GeneralPlaneItem},
    {25, kTwoPlanesLabels, TwoPlanesItem},
    {31, kAngleLabels, LinesAngleItem},
    {32, kAngleLabels, PlanesAngleItem},
    {33, kAngleLabels, LinePlaneAngleItem},
    {34, kSkewLabels, SkewLinesItem},
    {35, kLinePlaneLabels, LinePlaneItem},
    {41, kTetrahedronLabels, TetrahedronItem},
};

}  // namespace

void HandleSpaceAnalyticGeometry(Workbench& bench) {
  RunAnalyticItems(bench, {kItems, nullptr});
}

}  // namespace zarnix
