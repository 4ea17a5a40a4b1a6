// The linear-programming category on the item-sheet loop. Every item reads the rows below its
// own: the constraints of a program, the parameters of the simulations, the stations of the
// loop; a tour writes its route into the last column of its row and of the next one.
#include "discrete/linear_programming.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/fpu.h"
#include "base/ui.h"
#include "discrete/loop_transport.h"
#include "discrete/service_simulation.h"
#include "discrete/simplex.h"
#include "discrete/traveling_shop.h"
#include "sheet/item_sheet.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kFirstParamCol = 4;
constexpr int kNameCol = 2;
constexpr ColumnWidth kWidths[] = {{0, 1}, {1, 24}, {2, 90}, {3, 130}};

constexpr const char* kInfeasibleMessage = "线性规划问题不可行";
constexpr const char* kUnboundedMessage = "线性规划问题无解";
constexpr const char* kStalledMessage = "线性规划迭代次数超过限制";
constexpr const char* kObjectiveMessage = "目标函数行应为各变量的系数，其后为max或min";
constexpr const char* kRelationMessage = "约束关系应为<、<=、=、>或>=：";
constexpr const char* kSizeMessage = "线性规划最多200个变量和200个约束";
constexpr const char* kMeanTimeMessage = "平均时间必须大于0";
constexpr const char* kFewCitiesMessage = "货郎担问题至少需要3个城市";
constexpr const char* kManyCitiesNote = "城市超过20个，只计算前20个城市";
constexpr const char* kPlotMarker = "双击此格看图像";
constexpr const char* kRouteCaption = "出发点坐标：";
// The tour needs a marker column left of its route column that is not its city list.
constexpr int kMinTourColumns = kFirstParamCol + 3;

// --- item 1: a linear program ---

// The objective's coefficients stand before the first cell whose word starts with "m".
int VariableCount(ItemRow& row) {
  for (int col = kFirstParamCol; col < row.Bench().grid.ColCount(); ++col) {
    const std::string word = LowerCase(Trim(row.Cell(col)));
    if (!word.empty() && word[0] == 'm') {
      if (col == kFirstParamCol) break;
      if (col - kFirstParamCol > kMaxLpSize) throw Exception(kSizeMessage);
      return col - kFirstParamCol;
    }
  }
  throw Exception(kObjectiveMessage);
}

Relation ReadRelation(const std::string& text) {
  if (text.find('<') != std::string::npos) return Relation::kAtMost;
  if (text.find('>') != std::string::npos) return Relation::kAtLeast;
  if (text.find('=') != std::string::npos) return Relation::kEqual;
  throw Exception(kRelationMessage + text);
}

std::vector<Extended> ReadCoefficients(const ItemRow& row, int offset, int n) {
  std::vector<Extended> values;
  for (int j = 0; j < n; ++j)
    values.push_back(StrToFloat(row.CellBelow(offset, kFirstParamCol + j)));
  return values;
}

// The constraints: the rows below with column 4 filled and no item number.
std::vector<LpRow> ReadProgram(ItemRow& row, int n, bool maximise) {
  std::vector<LpRow> rows;
  const Worksheet& grid = row.Bench().grid;
  for (int k = 1; row.Row() + k < grid.RowCount(); ++k) {
    if (Trim(row.CellBelow(k, kFirstParamCol)).empty() || !Trim(row.CellBelow(k, 1)).empty()) break;
    if (k > kMaxLpSize) throw Exception(kSizeMessage);
    rows.push_back({ReadCoefficients(row, k, n), ReadRelation(row.CellBelow(k, kFirstParamCol + n)),
                    StrToFloat(row.CellBelow(k, kFirstParamCol + n + 1))});
  }
  std::vector<Extended> objective = ReadCoefficients(row, 0, n);
  if (maximise)
    for (Extended& c : objective) c = -c;
  rows.push_back({objective, Relation::kAtMost, 0});
  return rows;
}

void LinearProgramItem(ItemRow& row) {
  const int n = VariableCount(row);
  const bool maximise = LowerCase(Trim(row.Cell(kFirstParamCol + n))).starts_with("max");
  const std::vector<LpRow> rows = ReadProgram(row, n, maximise);
  row.Add(row.Cell(kNameCol));
  const SimplexResult result = SimplexSolve(n, static_cast<int>(rows.size()) - 1, rows);
  Ui& ui = row.Bench().ui;
  switch (result.status) {
    case kLpInfeasible:
      ui.ShowMessage(kInfeasibleMessage);
      return;
    case kLpUnbounded:
      ui.ShowMessage(kUnboundedMessage);
      return;
    case kLpStalled:
      ui.ShowMessage(kStalledMessage);
      return;
  }
  const Extended minimum = result.values[0];
  row.Add(maximise ? "目标函数极大值: " + row.Real(-minimum)
                   : "目标函数极小值: " + row.Real(minimum));
  row.Add("变量值");
  for (int j = 1; j <= n; ++j) row.Add(row.Real(result.values[j]));
  row.Add("");
}

// --- item 2: the service simulations ---

Extended StrictRealBelow(const ItemRow& row, int offset, int col) {
  return StrToFloat(row.CellBelow(offset, col));
}

int StrictWholeBelow(const ItemRow& row, int offset, int col) {
  const std::string& text = row.CellBelow(offset, col);
  if (const auto value = TryStrToInt(Trim(text))) return *value;
  throw EConvertError(Format("'%s' is not a valid integer value", text));
}

// A whole number kept within [low, high]; a value outside is replaced in its cell.
int ClampedWholeBelow(ItemRow& row, int offset, int col, int low, int high) {
  const int value = StrictWholeBelow(row, offset, col);
  const int clamped = std::clamp(value, low, high);
  if (clamped != value) row.SetCellBelow(offset, col, IntToStr(clamped));
  return clamped;
}

void QueueItem(ItemRow& row) {
  const Extended meanArrival = StrictRealBelow(row, 1, kFirstParamCol);
  const Extended meanService = StrictRealBelow(row, 1, kFirstParamCol + 1);
  Extended horizon = StrictRealBelow(row, 1, kFirstParamCol + 2);
  if (!(meanArrival > 0 && meanService > 0)) {
    row.Bench().ui.ShowMessage(kMeanTimeMessage);
    return;
  }
  const Extended longest = kMaxQueueArrivals * meanArrival;
  if (horizon > longest) {
    horizon = longest;
    row.SetCellBelow(1, kFirstParamCol + 2, FloatToStr(longest));
  }
  const QueueStatistics stats =
      QueueSimulation(meanArrival, meanService, horizon, row.Bench().random);
  row.Add("顾客排队平均时间: " + row.Real(stats.meanWait));
  row.Add("服务员忙的相对时间: " + row.Real(stats.busyFraction));
}

void ExchangeItem(ItemRow& row) {
  const int subscribers = ClampedWholeBelow(row, 2, kFirstParamCol, 1, kMaxSubscribers);
  const int lines = ClampedWholeBelow(row, 2, kFirstParamCol + 1, 0, subscribers);
  const int duration = ClampedWholeBelow(row, 2, kFirstParamCol + 2, 0, kMaxExchangeTicks);
  const int meanGap = StrictWholeBelow(row, 2, kFirstParamCol + 3);
  const int meanLength = StrictWholeBelow(row, 2, kFirstParamCol + 4);
  if (meanGap <= 0 || meanLength <= 0) {
    row.Bench().ui.ShowMessage(kMeanTimeMessage);
    return;
  }
  const Extended rate =
      ExchangeSimulation(subscribers, lines, duration, meanGap, meanLength, row.Bench().random);
  row.Add("成功率: " + row.Real(rate));
}

void ServiceSimulationItem(ItemRow& row) {
  row.Add("2.单队单服务员系统");
  QueueItem(row);
  row.Add("");
  row.Add("多队单服务员系统");
  ExchangeItem(row);
}

// --- item 3: the travelling salesman ---

std::string RouteList(std::span<const Extended> values, const std::vector<int>& tour) {
  std::string list;
  for (const int city : tour) list += FloatToStr(values[city]) + ";";
  return list + FloatToStr(values[tour.front()]);
}

std::string TourLetters(const std::vector<int>& tour) {
  std::string letters;
  for (const int city : tour) letters += static_cast<char>('A' + city);
  return letters + "A";
}

void WriteRoute(ItemRow& row, std::span<const Extended> xs, std::span<const Extended> ys,
                const std::vector<int>& tour) {
  Worksheet& grid = row.Bench().grid;
  if (grid.ColCount() < kMinTourColumns) grid.SetColCount(kMinTourColumns);
  if (grid.RowCount() <= row.Row() + 1) grid.SetRowCount(row.Row() + 2);
  const int last = grid.ColCount() - 1;
  row.SetCell(last, RouteList(xs, tour));
  row.SetCellBelow(1, last, RouteList(ys, tour));
  row.SetCell(last - 1, kPlotMarker);
}

void TravelingShopItem(ItemRow& row) {
  row.Add("");
  row.Add("3.货郎担问题");
  const std::vector<Extended> values = SplitReals(row.Cell(kFirstParamCol), ';');
  int n = static_cast<int>(values.size() / 2);
  if (n < 3) {
    row.Bench().ui.ShowMessage(kFewCitiesMessage);
    return;
  }
  if (n > kMaxShopCities) {
    row.Add(kManyCitiesNote);
    n = kMaxShopCities;
  }
  std::vector<Extended> xs, ys;
  for (int i = 0; i < n; ++i) {
    xs.push_back(values[2 * i]);
    ys.push_back(values[2 * i + 1]);
  }
  TTravelingShop shop(n);
  shop.LoadCities(xs, ys);
  const ShopTour tour = shop.Solve();
  CheckFpFaults();
  row.Add("最短距离: " + Format("%.3f", tour.length));
  row.Add("最短路径:" + TourLetters(tour.cities));
  WriteRoute(row, xs, ys, tour.cities);
}

// --- item 4: the closed loop ---

void LoopTransportItem(ItemRow& row) {
  LoopTransport(row.Bench().grid, row.ResultFormat(), row.Row());
}

using LpItem = ItemEntry<void (*)(ItemRow&)>;
constexpr LpItem kItems[] = {
    {1, 1, LinearProgramItem},
    {2, 2, ServiceSimulationItem},
    {3, 3, TravelingShopItem},
    {4, 4, LoopTransportItem},
};

}  // namespace

void HandleLinearProgramming(Workbench& bench) {
  ItemSheetOptions options;
  options.columns = {60, kWidths};
  options.params = ParamKind::kNone;
  options.keepLastColumn = true;
  RunItemRows(bench, options, [](ItemRow& row) { return ComputeItem<LpItem>(kItems, row); });
}

RoutePoints ReadRoute(const Worksheet& grid, int row) {
  const int last = grid.ColCount() - 1;
  const std::string& xText = grid.Cell(last, row);
  const std::string& yText = grid.Cell(last, row + 1);
  RoutePoints route{SplitReals(xText, ';'), SplitReals(yText, ';'), ""};
  const std::size_t count = std::min(route.xs.size(), route.ys.size());
  route.xs.resize(count);
  route.ys.resize(count);
  route.caption = grid.Cell(kNameCol, row) + kRouteCaption + SplitText(xText, ';').front() + "," +
                  SplitText(yText, ';').front();
  return route;
}

}  // namespace zarnix
