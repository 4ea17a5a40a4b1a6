// The plane analytic-geometry items: one small function per item reads its cells, adds its
// result lines and, when asked, draws its figure.
#include "geometry/plane_geometry_category.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/convert.h"
#include "geometry/plane_geometry.h"
#include "geometry/plane_geometry_conics.h"
#include "geometry/plane_geometry_figure.h"
#include "geometry/plane_geometry_shapes.h"

namespace zarnix {

namespace {

constexpr const char* kPointWhat = "x;y";
constexpr const char* kLineWhat = "直线一般式系数A;B;C";
// StandardConic curves run out to twice their focal distance.
constexpr Extended kConicReach = 2;
constexpr int kConicSteps = 200;
// The self-crossing test compares every pair of sides: this many vertices keep it quick.
constexpr std::size_t kMaxPolygonVertices = 1000;

std::vector<Extended> Xy(std::span<const Point2> points) {
  std::vector<Extended> values;
  for (const Point2& p : points) values.insert(values.end(), {p.x, p.y});
  return values;
}

std::vector<Extended> Xy(std::initializer_list<Point2> points) {
  return Xy(std::span<const Point2>(points.begin(), points.size()));
}

Point2 PointParam(const ItemRow& row, int i, const char* what = kPointWhat) {
  const std::vector<Extended> v = ParamNumbers(row, i, 2, what);
  return {v[0], v[1]};
}

Line2 LineParam(const ItemRow& row, int i) {
  const std::vector<Extended> v = ParamNumbers(row, i, 3, kLineWhat);
  const auto line = LineOfCoefficients(v[0], v[1], v[2]);
  if (!line) throw ItemError("参数" + IntToStr(i + 1) + "：A、B不能同时为0");
  return *line;
}

Extended PositiveParam(const ItemRow& row, int i, const char* what, const char* message) {
  const Extended value = ParamNumber(row, i, what);
  if (!(value > 0)) throw ItemError(message);
  return value;
}

// --- points ---

void DrawRadius(ItemResults& out, Point2 p) {
  Figure* f = out.Drawing();
  if (!f) return;
  const Polar polar = ToPolar(p);
  f->Segment({0, 0}, p);
  f->marks = {{0, 0}, p};
  std::vector<Point2> arc;
  for (int k = 0; k <= 36; ++k) arc.push_back(FromPolar(polar.r / 4, polar.degrees * k / 36));
  if (polar.r > 0) f->Path(arc);
}

void ToPolarItem(ItemRow& row, ItemResults& out) {
  const Point2 p = PointParam(row, 0);
  const Polar polar = ToPolar(p);
  out.Add("r;θ", {polar.r, polar.degrees});
  DrawRadius(out, p);
}

void FromPolarItem(ItemRow& row, ItemResults& out) {
  const std::vector<Extended> v = ParamNumbers(row, 0, 2, "极径;极角r;θ");
  const Point2 p = FromPolar(v[0], v[1]);
  out.Add("x;y", Xy({p}));
  DrawRadius(out, p);
}

void DistanceItem(ItemRow& row, ItemResults& out) {
  const Point2 a = PointParam(row, 0);
  const Point2 b = PointParam(row, 1);
  const Point2 m = 0.5L * (a + b);
  out.Add("d", {Distance(a, b)});
  out.Add("M", Xy({m}));
  if (Figure* f = out.Drawing()) {
    f->Segment(a, b);
    f->marks = {a, b, m};
  }
}

void DivisionItem(ItemRow& row, ItemResults& out) {
  const Point2 a = PointParam(row, 0);
  const Point2 b = PointParam(row, 1);
  const auto p = DivisionPoint(a, b, ParamNumber(row, 2, "定比λ"));
  if (!p) throw ItemError("λ不能为-1");
  out.Add("P", Xy({*p}));
  if (Figure* f = out.Drawing()) {
    f->Path({a, *p, b});
    f->marks = {a, b, *p};
  }
}

// --- lines ---

// A second point of the line after p: one step along x, or up for a vertical line.
Point2 NextPoint(const Line2& line, Point2 p) {
  const auto k = Slope(line);
  return k ? p + Point2{1, *k} : p + Point2{0, 1};
}

void AddInterceptForm(ItemResults& out, const Line2& line) {
  if (PassesOrigin(line)) {
    out.Add("直线过原点，没有截距式");
  } else if (IsHorizontal(line)) {
    out.Add("直线平行于x轴，没有截距式");
  } else if (IsVertical(line)) {
    out.Add("直线平行于y轴，没有截距式");
  } else {
    out.Add("a;b", {*XIntercept(line), *YIntercept(line)});
  }
}

// The line in every form; p and q are the two points of the two-point form.
void AddLineForms(ItemResults& out, const Line2& line, Point2 p, Point2 q) {
  out.Add("A;B;C", {line.a, line.b, line.c});
  const auto k = Slope(line);
  if (k) {
    out.Add("k;b", {*k, *YIntercept(line)});
  } else {
    out.Add("x=" + out.Value(*XIntercept(line)) + "，垂直于x轴，没有斜截式");
  }
  AddInterceptForm(out, line);
  if (k) {
    out.Add("x0;y0;k", {p.x, p.y, *k});
  } else {
    out.Add("x0;y0=" + out.Values(Xy({p})) + "，斜率不存在");
  }
  out.Add("x1;y1;x2;y2", Xy({p, q}));
  out.Add("α", {InclinationDegrees(line)});
  if (Figure* f = out.Drawing()) {
    f->lines.push_back(line);
    f->marks = {p, q};
  }
}

void TwoPointLineItem(ItemRow& row, ItemResults& out) {
  const Point2 a = PointParam(row, 0);
  const Point2 b = PointParam(row, 1);
  const auto line = LineThrough(a, b);
  if (!line) throw ItemError("两点重合，不能确定直线");
  AddLineForms(out, *line, a, b);
}

void PointSlopeItem(ItemRow& row, ItemResults& out) {
  const Point2 p = PointParam(row, 0);
  const Line2 line = LineOfPointSlope(p, ParamNumber(row, 1, "斜率k"));
  AddLineForms(out, line, p, NextPoint(line, p));
}

void SlopeInterceptItem(ItemRow& row, ItemResults& out) {
  const Extended k = ParamNumber(row, 0, "斜率k");
  const Extended b = ParamNumber(row, 1, "y轴截距b");
  const Line2 line = LineOfSlopeIntercept(k, b);
  AddLineForms(out, line, {0, b}, NextPoint(line, {0, b}));
}

void InterceptItem(ItemRow& row, ItemResults& out) {
  const Extended a = ParamNumber(row, 0, "x轴截距a");
  const Extended b = ParamNumber(row, 1, "y轴截距b");
  const auto line = LineOfIntercepts(a, b);
  if (!line) throw ItemError("截距不能为0");
  AddLineForms(out, *line, {a, 0}, {0, b});
}

void GeneralLineItem(ItemRow& row, ItemResults& out) {
  const Line2 line = LineParam(row, 0);
  const Point2 p = AnchorPoint(line);
  AddLineForms(out, line, p, NextPoint(line, p));
}

const char* RelationText(LineRelation relation) {
  switch (relation) {
    case LineRelation::kIntersecting:
      return "两直线相交";
    case LineRelation::kPerpendicular:
      return "两直线垂直";
    case LineRelation::kParallel:
      return "两直线平行";
    case LineRelation::kCoincident:
      return "两直线重合";
  }
  return "";
}

void TwoLinesItem(ItemRow& row, ItemResults& out) {
  const Line2 l1 = LineParam(row, 0);
  const Line2 l2 = LineParam(row, 1);
  const LineMeeting meeting = IntersectLines(l1, l2);
  const bool meet = meeting.relation == LineRelation::kIntersecting ||
                    meeting.relation == LineRelation::kPerpendicular;
  if (meet) {
    out.Add("x;y", Xy({meeting.point}));
  } else {
    out.Add(meeting.relation == LineRelation::kParallel ? "两直线平行，没有交点" : "两直线重合");
  }
  out.Add("θ", {AngleBetweenLinesDegrees(l1, l2)});
  out.Add(RelationText(meeting.relation));
  if (Figure* f = out.Drawing()) {
    f->lines = {l1, l2};
    f->marks = {meet ? meeting.point : AnchorPoint(l1), AnchorPoint(l2)};
  }
}

void PointLineItem(ItemRow& row, ItemResults& out) {
  const Point2 p = PointParam(row, 0);
  const Line2 line = LineParam(row, 1);
  const Point2 foot = FootOfPerpendicular(p, line);
  const Point2 mirror = ReflectInLine(p, line);
  const Line2 parallel = ParallelThrough(line, p);
  const Line2 perpendicular = PerpendicularThrough(line, p);
  out.Add("d", {PointLineDistance(p, line)});
  out.Add("x;y", Xy({foot}));
  out.Add("x;y", Xy({mirror}));
  out.Add("A;B;C", {parallel.a, parallel.b, parallel.c});
  out.Add("A;B;C", {perpendicular.a, perpendicular.b, perpendicular.c});
  if (Figure* f = out.Drawing()) {
    f->lines.push_back(line);
    f->Path({p, foot, mirror});
    f->marks = {p, foot, mirror};
  }
}

void LineCircleItem(ItemRow& row, ItemResults& out) {
  const Point2 centre = PointParam(row, 0, "圆心x;y");
  const Extended r = PositiveParam(row, 1, "半径r", "半径应大于0");
  const Line2 line = LineParam(row, 2);
  const CircleLineMeeting m = IntersectCircleLine(centre, r, line);
  static constexpr const char* kRelations[] = {"直线与圆相离", "直线与圆相切", "直线与圆相交"};
  out.Add(kRelations[m.count]);
  if (m.count == 2) {
    out.Add("x1;y1;x2;y2", Xy({m.first, m.second}));
  } else if (m.count == 1) {
    out.Add("x;y", Xy({m.first}));
  } else {
    out.Add("没有交点");
  }
  out.Add("d", {m.centreDistance});
  if (m.count > 0) {
    out.Add("l", {Distance(m.first, m.second)});
  } else {
    out.Add("没有弦");
  }
  if (Figure* f = out.Drawing()) {
    f->CirclePath(centre, r);
    f->lines.push_back(line);
    f->marks = {centre};
    if (m.count > 0) f->marks.insert(f->marks.end(), {m.first, m.second});
  }
}

// --- triangles and circles ---

void TriangleItem(ItemRow& row, ItemResults& out) {
  const Point2 a = PointParam(row, 0);
  const Point2 b = PointParam(row, 1);
  const Point2 c = PointParam(row, 2);
  const auto t = AnalyseTriangle(a, b, c);
  if (!t) throw ItemError("三点共线，不能构成三角形");
  out.Add("a;b;c", t->sides);
  out.Add("A;B;C", t->angles);
  out.Add("S;L", {t->area, t->perimeter});
  out.Add("G", Xy({t->centroid}));
  const Circle& in = t->incircle;
  const Circle& circum = t->circumcircle;
  out.Add("I;r", {in.centre.x, in.centre.y, in.radius});
  out.Add("O;R", {circum.centre.x, circum.centre.y, circum.radius});
  out.Add("H", Xy({t->orthocentre}));
  if (Figure* f = out.Drawing()) {
    f->ClosedPath({a, b, c});
    f->CirclePath(circum.centre, circum.radius);
    f->CirclePath(in.centre, in.radius);
    f->marks = {t->centroid, in.centre, circum.centre, t->orthocentre};
  }
}

void AddCircleMeasures(ItemResults& out, const Circle& circle) {
  const Extended r = circle.radius;
  out.Add("S;L", {std::numbers::pi_v<Extended> * r * r, 2 * std::numbers::pi_v<Extended> * r});
}

void DrawCircle(ItemResults& out, const Circle& circle, std::vector<Point2> marks) {
  if (Figure* f = out.Drawing()) {
    f->CirclePath(circle.centre, circle.radius);
    f->marks = std::move(marks);
    f->marks.push_back(circle.centre);
  }
}

void CircleThroughItem(ItemRow& row, ItemResults& out) {
  const Point2 a = PointParam(row, 0);
  const Point2 b = PointParam(row, 1);
  const Point2 c = PointParam(row, 2);
  const auto circle = CircleThrough(a, b, c);
  if (!circle) throw ItemError("三点共线，不能确定圆");
  const CircleEquation eq = EquationOf(*circle);
  out.Add("x0;y0;r", {circle->centre.x, circle->centre.y, circle->radius});
  out.Add("D;E;F", {eq.d, eq.e, eq.f});
  AddCircleMeasures(out, *circle);
  DrawCircle(out, *circle, {a, b, c});
}

void CircleEquationItem(ItemRow& row, ItemResults& out) {
  const std::vector<Extended> v = ParamNumbers(row, 0, 3, "D;E;F");
  const CircleOfEquation of = CircleFromEquation({v[0], v[1], v[2]});
  if (of.kind == CircleEquationKind::kImaginary)
    throw ItemError("D^2+E^2-4F<0，方程不表示任何图形");
  if (of.kind == CircleEquationKind::kPoint)
    throw ItemError("D^2+E^2-4F=0，方程表示一个点：" + out.Values(Xy({of.circle.centre})));
  const Circle& circle = of.circle;
  out.Add("x0;y0;r", {circle.centre.x, circle.centre.y, circle.radius});
  AddCircleMeasures(out, circle);
  DrawCircle(out, circle, {});
}

void CircleStandardItem(ItemRow& row, ItemResults& out) {
  const Point2 centre = PointParam(row, 0, "圆心x0;y0");
  const Circle circle{centre, PositiveParam(row, 1, "半径r", "半径应大于0")};
  const CircleEquation eq = EquationOf(circle);
  out.Add("D;E;F", {eq.d, eq.e, eq.f});
  AddCircleMeasures(out, circle);
  DrawCircle(out, circle, {});
}

// --- polygons ---

std::vector<Point2> PolygonParam(const ItemRow& row) {
  const std::vector<Extended> v = ParamList(row, 0, "顶点坐标x1;y1;x2;y2;…");
  if (v.size() % 2 != 0) throw ItemError("顶点坐标的个数应为偶数");
  if (v.size() > 2 * kMaxPolygonVertices) throw ItemError("多边形最多1000个顶点");
  std::vector<Point2> vertices;
  for (std::size_t i = 0; i < v.size(); i += 2) vertices.push_back({v[i], v[i + 1]});
  // The first vertex repeated at the end only closes the polygon.
  if (vertices.size() > 3 && SamePoint(vertices.front(), vertices.back())) vertices.pop_back();
  if (vertices.size() < 3) throw ItemError("多边形至少要有三个顶点");
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const std::size_t j = (i + 1) % vertices.size();
    if (SamePoint(vertices[i], vertices[j]))
      throw ItemError("第" + IntToStr(i + 1) + "个和第" + IntToStr(j + 1) + "个顶点重合");
  }
  if (AllCollinear(vertices)) throw ItemError("各顶点在一条直线上，不构成多边形");
  return vertices;
}

const char* PlaceText(PointPlace place) {
  switch (place) {
    case PointPlace::kInside:
      return "点在多边形内";
    case PointPlace::kOutside:
      return "点在多边形外";
    case PointPlace::kOnEdge:
      return "点在多边形的边上";
  }
  return "";
}

void PolygonItem(ItemRow& row, ItemResults& out) {
  const std::vector<Point2> v = PolygonParam(row);
  const bool simple = IsSimplePolygon(v);
  const char* kSelfCrossing = "自相交多边形，";
  out.Add("", SideLengths(v));
  if (simple) {
    out.Add("", InteriorAngles(v));
    out.Add("S;L", {std::fabs(SignedArea(v)), Perimeter(v)});
    out.Add("G", Xy({PolygonCentroid(v)}));
    out.Add(IsConvexPolygon(v) ? "凸多边形" : "凹多边形");
  } else {
    out.Add(std::string(kSelfCrossing) + "不计算内角");
    out.Add("L=" + out.Value(Perimeter(v)) + "，" + kSelfCrossing + "不计算面积");
    out.Add(std::string(kSelfCrossing) + "不计算重心");
    out.Add("自相交多边形");
  }
  std::optional<Point2> probe;
  if (ParamEmpty(row, 1)) {
    out.Add("参数2可填检验点x;y");
  } else {
    probe = PointParam(row, 1);
    out.Add(PlaceText(LocatePoint(v, *probe)));
  }
  const Box box = BoundingBox(v);
  out.Add("", {box.xmin, box.ymin, box.xmax, box.ymax});
  if (Figure* f = out.Drawing()) {
    f->ClosedPath(v);
    f->ClosedPath(
        {{box.xmin, box.ymin}, {box.xmax, box.ymin}, {box.xmax, box.ymax}, {box.xmin, box.ymax}});
    if (simple) f->marks.push_back(PolygonCentroid(v));
    if (probe) f->marks.push_back(*probe);
  }
}

// --- conics ---

std::string AxisName(ConicAxis axis) {
  return axis == ConicAxis::kX ? "x" : "y";
}

// The segment of x (or y) = at across [-half, half] of the other coordinate.
void DrawAxisLine(Figure& f, ConicAxis axis, Extended at, Extended half) {
  if (axis == ConicAxis::kX) {
    f.Segment({at, -half}, {at, half});
  } else {
    f.Segment({-half, at}, {half, at});
  }
}

// The curves, the foci and vertices, and the directrices across the curves' width.
void DrawConic(ItemResults& out, const StandardConic& conic) {
  Figure* f = out.Drawing();
  if (!f) return;
  for (std::vector<Point2>& curve : ConicCurves(conic, kConicSteps, kConicReach)) {
    f->Path(curve);
  }
  f->marks = conic.foci;
  f->marks.insert(f->marks.end(), conic.vertices.begin(), conic.vertices.end());
  if (!conic.directrix) return;
  const Box box = BoundingBox(f->paths.front());
  const Extended half = conic.axis == ConicAxis::kX ? box.ymax : box.xmax;
  DrawAxisLine(*f, conic.axis, *conic.directrix, half);
  if (conic.kind != StandardConicKind::kParabola)
    DrawAxisLine(*f, conic.axis, -*conic.directrix, half);
}

void AddDirectrices(ItemResults& out, const StandardConic& conic) {
  out.Add(AxisName(conic.axis) + "=±" + out.Value(*conic.directrix));
}

void EllipseItem(ItemRow& row, ItemResults& out) {
  const auto e = Ellipse(ParamNumber(row, 0, "半轴a"), ParamNumber(row, 1, "半轴b"));
  if (!e) throw ItemError("a、b应大于0");
  out.Add("", Xy(e->foci));
  out.Add("", Xy(e->vertices));
  out.Add("e", {e->eccentricity});
  if (e->directrix) {
    AddDirectrices(out, *e);
  } else {
    out.Add("a=b，是圆，没有准线");
  }
  out.Add("", {e->major, e->minor, e->focal});
  out.Add("S", {std::numbers::pi_v<Extended> * e->a * e->b});
  DrawConic(out, *e);
}

void HyperbolaItem(ItemRow& row, ItemResults& out, ConicAxis axis) {
  const auto h = Hyperbola(ParamNumber(row, 0, "半轴a"), ParamNumber(row, 1, "半轴b"), axis);
  if (!h) throw ItemError("a、b应大于0");
  out.Add("", Xy(h->foci));
  out.Add("", Xy(h->vertices));
  out.Add("e", {h->eccentricity});
  AddDirectrices(out, *h);
  out.Add("y=±" + out.Value(h->asymptoteSlope) + "x");
  out.Add("", {h->a, h->b, h->focal});
  DrawConic(out, *h);
  if (Figure* f = out.Drawing()) {
    const Box box = BoundingBox(f->paths.front());
    const Extended reach = std::fmax(box.xmax, -box.xmin);
    for (Extended k : {h->asymptoteSlope, -h->asymptoteSlope})
      f->Segment({-reach, -k * reach}, {reach, k * reach});
  }
}

void HyperbolaXItem(ItemRow& row, ItemResults& out) {
  HyperbolaItem(row, out, ConicAxis::kX);
}

void HyperbolaYItem(ItemRow& row, ItemResults& out) {
  HyperbolaItem(row, out, ConicAxis::kY);
}

void ParabolaItem(ItemRow& row, ItemResults& out, ConicAxis axis) {
  const Extended p = ParamNumber(row, 0, "参数p");
  const auto c = Parabola(p, axis);
  if (!c) throw ItemError("p不能为0");
  const bool x = axis == ConicAxis::kX;
  out.Add("", Xy(c->foci));
  out.Add("", Xy(c->vertices));
  out.Add("e", {c->eccentricity});
  out.Add(AxisName(axis) + "=" + out.Value(*c->directrix));
  out.Add(x ? "y=0" : "x=0");
  out.Add("", {2 * std::fabs(p)});
  out.Add(x ? (p > 0 ? "开口向右" : "开口向左") : (p > 0 ? "开口向上" : "开口向下"));
  DrawConic(out, *c);
}

void ParabolaXItem(ItemRow& row, ItemResults& out) {
  ParabolaItem(row, out, ConicAxis::kX);
}

void ParabolaYItem(ItemRow& row, ItemResults& out) {
  ParabolaItem(row, out, ConicAxis::kY);
}

// --- the table ---

constexpr const char* kPolarLabels[] = {"极坐标(极角为度)"};
constexpr const char* kRectangularLabels[] = {"直角坐标"};
constexpr const char* kDistanceLabels[] = {"两点间距离", "中点"};
constexpr const char* kDivisionLabels[] = {"分点P(AP=λPB)"};
constexpr const char* kLineLabels[] = {"一般式Ax+By+C=0",    "斜截式y=kx+b", "截距式x/a+y/b=1",
                                       "点斜式y-y0=k(x-x0)", "两点式(两点)", "倾斜角(度)"};
constexpr const char* kTwoLinesLabels[] = {"交点", "夹角(度)", "位置关系"};
constexpr const char* kPointLineLabels[] = {"点到直线的距离", "垂足", "关于直线的对称点",
                                            "过该点的平行线", "过该点的垂线"};
constexpr const char* kLineCircleLabels[] = {"位置关系", "交点", "圆心到直线的距离", "弦长"};
constexpr const char* kTriangleLabels[] = {
    "边长a=BC;b=CA;c=AB", "内角(度)",        "面积;周长", "重心",
    "内心;内切圆半径",    "外心;外接圆半径", "垂心"};
constexpr const char* kCircleThroughLabels[] = {"圆心;半径", "一般方程x^2+y^2+Dx+Ey+F=0",
                                                "面积;周长"};
constexpr const char* kCircleEquationLabels[] = {"圆心;半径", "面积;周长"};
constexpr const char* kCircleStandardLabels[] = {"一般方程x^2+y^2+Dx+Ey+F=0", "面积;周长"};
constexpr const char* kPolygonLabels[] = {"边长",
                                          "内角(度)",
                                          "面积;周长",
                                          "重心",
                                          "凸凹性",
                                          "检验点的位置",
                                          "最小外接矩形xmin;ymin;xmax;ymax"};
constexpr const char* kEllipseLabels[] = {"焦点", "顶点", "离心率", "准线", "长半轴;短半轴;半焦距",
                                          "面积"};
constexpr const char* kHyperbolaLabels[] = {"焦点", "顶点",   "离心率",
                                            "准线", "渐近线", "实半轴;虚半轴;半焦距"};
constexpr const char* kParabolaLabels[] = {"焦点",   "顶点",   "离心率",  "准线",
                                           "对称轴", "通径长", "开口方向"};

constexpr AnalyticItem kItems[] = {
    {1, kPolarLabels, ToPolarItem},
    {2, kRectangularLabels, FromPolarItem},
    {3, kDistanceLabels, DistanceItem},
    {4, kDivisionLabels, DivisionItem},
    {11, kLineLabels, TwoPointLineItem},
    {12, kLineLabels, PointSlopeItem},
    {13, kLineLabels, SlopeInterceptItem},
    {14, kLineLabels, InterceptItem},
    {15, kLineLabels, GeneralLineItem},
    {16, kTwoLinesLabels, TwoLinesItem},
    {17, kPointLineLabels, PointLineItem},
    {18, kLineCircleLabels, LineCircleItem},
    {21, kTriangleLabels, TriangleItem},
    {22, kCircleThroughLabels, CircleThroughItem},
    {23, kCircleEquationLabels, CircleEquationItem},
    {24, kCircleStandardLabels, CircleStandardItem},
    {31, kPolygonLabels, PolygonItem},
    {41, kEllipseLabels, EllipseItem},
    {42, kHyperbolaLabels, HyperbolaXItem},
    {43, kHyperbolaLabels, HyperbolaYItem},
    {44, kParabolaLabels, ParabolaXItem},
    {45, kParabolaLabels, ParabolaYItem},
};

}  // namespace

void HandlePlaneAnalyticGeometry(Workbench& bench) {
  RunAnalyticItems(bench, {kItems, kFigureHint});
}

ItemOutcome PlaneFigureOfRow(Workbench& bench, int row, Figure& figure) {
  return ComputeAnalyticRow(bench, kItems, row, &figure);
}

}  // namespace zarnix
