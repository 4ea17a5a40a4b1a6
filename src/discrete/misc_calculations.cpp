// The miscellaneous calculations category: the row loop over the item rows and one small
// function per item, chosen by the item number from a table.
#include "discrete/misc_calculations.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/date.h"
#include "base/format.h"
#include "base/fpu.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/calendar/lunar_calendar.h"
#include "discrete/calendar/lunar_tables.h"
#include "discrete/misc_dates.h"
#include "discrete/misc_elements.h"
#include "discrete/misc_finance.h"
#include "discrete/misc_item_error.h"
#include "discrete/misc_models.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kFirstParamCol = 4;
constexpr const char* kEndOfItems = "***";
constexpr const char* kElementFile = "周期表.thf";
constexpr const char* kRateFile = "ZARNIX利率.thf";
constexpr const char* kTaxFile = "ZARNIX利息税率.thf";

// Whole-number parameters beyond this size cannot be meant; refusing them keeps the integer
// arithmetic of the items exact.
constexpr Extended kMaxWhole = 1e15L;
// The texts an item writes into its result cell when it cannot compute.
constexpr const char* kParamRangeMessage = "参数超出范围";
constexpr const char* kTermError = "存期错误！";
constexpr const char* kDepositDateError = "存款日或取款日错误！";
constexpr const char* kDayNumberRangeMessage = "日序号超出范围";
constexpr const char* kEasterRangeMessage = "复活节只能计算1900年至2199年";
constexpr const char* kPopulationRangeMessage = "人口模型只适用于1949年至2100年";
constexpr const char* kNoLunarDateMessage = "无此农历日期：";
constexpr const char* kCashFlowsMessage = "现金流最多22个";
constexpr const char* kGiniGroupsMessage = "最多9组";
constexpr int kDepositFirstYear = 1991;
constexpr int kDepositLastYear = 2100;
constexpr int kMaxCashFlows = 22;
constexpr int kMaxGiniGroups = 9;

// What one run reads at most once: the element table and the deposit tables.
struct MiscRun {
  Workbench& bench;
  std::optional<std::vector<Element>> elements;
  std::optional<DepositTables> deposits;

  const std::vector<Element>& Elements() {
    if (!elements) elements = LoadElementTable(bench.paths.PrefixedFile(kElementFile));
    return *elements;
  }
  const DepositTables& Deposits() {
    if (!deposits)
      deposits = LoadDepositTables(bench.paths.DataFile(kTaxFile), bench.paths.DataFile(kRateFile));
    return *deposits;
  }
  std::string Result(Extended value) const {
    CheckFpFaults();
    return Format(bench.resultFormat, value);
  }
};

// One item row: its cells and its parameters P0, P1, ... (columns 4 up to the one before
// the result column, read as reals with 0 for anything else).
class ItemRow {
 public:
  ItemRow(Worksheet& grid, int row, int resultCol) : grid_(grid), row_(row), resultCol_(resultCol) {
    for (int col = kFirstParamCol; col < resultCol; ++col)
      params_.push_back(StrToFloatDef(grid.Cell(col, row), 0));
  }

  const std::string& Cell(int col) const { return grid_.Cell(col, row_); }
  int ResultCol() const { return resultCol_; }
  int ParamCount() const { return static_cast<int>(params_.size()); }
  Extended P(int i) const { return i < ParamCount() ? params_[i] : 0; }
  std::span<const Extended> Params() const { return params_; }

  // P rounded to a whole number.
  std::int64_t Whole(int i) const {
    const Extended value = std::nearbyint(P(i));
    if (!(std::fabs(value) <= kMaxWhole)) throw ItemError(kParamRangeMessage);
    return static_cast<std::int64_t>(value);
  }
  // P rounded and kept within [low, high]; a value outside is replaced in its cell.
  int ClampedWhole(int i, int low, int high) {
    const Extended value = std::nearbyint(P(i));
    if (value >= low && value <= high) return static_cast<int>(value);
    const int limit = value < low ? low : high;  // NaN cannot come from a cell
    grid_.SetCell(kFirstParamCol + i, row_, IntToStr(limit));
    return limit;
  }
  Extended Clamped(int i, Extended low, Extended high) {
    const Extended value = P(i);
    if (value >= low && value <= high) return value;
    const int limit = static_cast<int>(value < low ? low : high);
    grid_.SetCell(kFirstParamCol + i, row_, IntToStr(limit));
    return limit;
  }

  // P(first), P(first + 1), P(first + 2) as a valid date.
  CalendarDate Date(int first) const {
    const Extended y = std::nearbyint(P(first));
    const Extended m = std::nearbyint(P(first + 1));
    const Extended d = std::nearbyint(P(first + 2));
    const bool small = std::fabs(y) < 1e6 && std::fabs(m) < 1e6 && std::fabs(d) < 1e6;
    if (!small || !TryEncodeDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)))
      throw ItemError(InvalidDateText(y, m, d));
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
  }

 private:
  Worksheet& grid_;
  int row_;
  int resultCol_;
  std::vector<Extended> params_;
};

std::int64_t DayNumberOf(const CalendarDate& date) {
  return *DayNumber(date.year, date.month, date.day);
}

std::string DateText(const CalendarDate& date) {
  return IntToStr(date.year) + "年" + IntToStr(date.month) + "月" + IntToStr(date.day) + "日";
}

int Timing(Extended flag) {
  return flag > 0.1L ? 1 : 0;
}

std::string Money(Extended value) {
  CheckFpFaults();
  return Format("%.2f", value);
}

// --- the items ---

std::string Parallel(ItemRow& row, MiscRun& run) {
  return run.Result(ParallelCombination(row.Params()));
}

std::string MolecularWeightItem(ItemRow& row, MiscRun& run) {
  const MolecularWeightResult result = MolecularWeight(row.Cell(kFirstParamCol), run.Elements());
  CheckFpFaults();
  return "分子量：" + Format("%.3f", result.weight) + ",含" + result.names + "元素";
}

std::string DayNumberItem(ItemRow& row, MiscRun&) {
  return IntToStr(DayNumberOf(row.Date(0)));
}

std::string DateOfDayNumberItem(ItemRow& row, MiscRun&) {
  const auto date = DateOfDayNumber(row.Whole(0));
  if (!date) throw ItemError(kDayNumberRangeMessage);
  return DateText(*date);
}

std::string DaysBetweenItem(ItemRow& row, MiscRun&) {
  const std::int64_t days = DayNumberOf(row.Date(3)) - DayNumberOf(row.Date(0));
  return IntToStr(days) + "天=" + BigMultiply(IntToStr(days < 0 ? -days : days), "86400") + "秒";
}

std::string MoonPhaseItem(ItemRow& row, MiscRun& run) {
  return run.Result(MoonPhase(DayNumberOf(row.Date(0))));
}

std::string EasterItem(ItemRow& row, MiscRun&) {
  const std::int64_t year = row.Whole(0);
  const auto easter = year >= kEasterFirstYear && year <= kEasterLastYear
                          ? EasterDate(static_cast<int>(year))
                          : std::nullopt;
  if (!easter) throw ItemError(kEasterRangeMessage);
  return IntToStr(easter->month) + "月" + IntToStr(easter->day) + "日";
}

std::string WeekdayItem(ItemRow& row, MiscRun&) {
  return WeekdayName(WeekdayOfDayNumber(DayNumberOf(row.Date(0))));
}

std::string GregorianToLunarItem(ItemRow& row, MiscRun&) {
  const CalendarDate date = row.Date(0);
  if (date.year < kLunarFirstYear || date.year > kLunarLastYear)
    throw ItemError(kLunarRangeMessage);
  const LunarConversion lunar = GregorianToLunar(date.year, date.month, date.day);
  return GanZhiYearName(lunar.date.year) + (lunar.date.leap ? "闰" : "") +
         LunarMonthName(lunar.date.month, true) + LunarDayName(lunar.date.day) +
         SolarTermNameOf(lunar.solarTerm);
}

std::string LunarToGregorianItem(ItemRow& row, MiscRun&) {
  const std::int64_t year = row.Whole(0);
  const std::int64_t month = row.Whole(1);
  const std::int64_t day = row.Whole(2);
  const bool leap = row.Whole(3) == 1;
  if (year < kLunarFirstYear || year > kLunarLastYear) throw ItemError(kLunarRangeMessage);
  const bool small = month >= 1 && month <= 12 && day >= 1 && day <= 30;
  const auto count = small ? DayCountFromLunar({static_cast<int>(year), static_cast<int>(month),
                                                static_cast<int>(day), leap})
                           : std::nullopt;
  if (!count)
    throw ItemError(kNoLunarDateMessage + IntToStr(year) + "年" + (leap ? "闰" : "") +
                    IntToStr(month) + "月" + IntToStr(day) + "日");
  const CalendarDate date = DecodeDate(*count + kLunarEpochDate);
  if (date.year > kLunarLastYear) throw ItemError(kLunarRangeMessage);
  return DateText(date) + SolarTermName(date);
}

std::string TimeDifferenceItem(ItemRow& row, MiscRun&) {
  return TimeDifferenceText(row.Whole(0), row.Whole(1), row.Whole(2), row.Whole(3), row.Whole(4),
                            row.Whole(5));
}

std::string FutureValueItem(ItemRow& row, MiscRun&) {
  return Money(
      FutureValue(row.P(0), std::nearbyint(row.P(1)), row.P(2), row.P(3), Timing(row.P(4))));
}

std::string NetPresentValueItem(ItemRow& row, MiscRun&) {
  const std::string& list = row.Cell(kFirstParamCol + 1);
  if (CountOccurrences(list, ";") + 1 > kMaxCashFlows) throw ItemError(kCashFlowsMessage);
  const std::vector<Extended> flows =
      Trim(list).empty() ? std::vector<Extended>{} : SplitReals(list, ';');
  return Money(NetPresentValue(row.P(0), flows, Timing(row.P(2))));
}

std::string PaymentItem(ItemRow& row, MiscRun&) {
  return Money(
      AnnuityPayment(row.P(0), std::nearbyint(row.P(1)), row.P(2), row.P(3), Timing(row.P(4))));
}

std::string PresentValueItem(ItemRow& row, MiscRun&) {
  return Money(
      PresentValue(row.P(0), std::nearbyint(row.P(1)), row.P(2), row.P(3), Timing(row.P(4))));
}

std::string RateFormulaItem(ItemRow& row, MiscRun&) {
  return Money(row.P(0) * 360 * (row.P(1) - row.P(2)) / (row.P(1) - row.P(3)));
}

// yyyymmdd as a date, not yet checked.
CalendarDate PackedDate(std::int64_t packed) {
  return {static_cast<int>(packed / 10000), static_cast<int>(packed / 100 % 100),
          static_cast<int>(packed % 100)};
}

std::string DepositItem(ItemRow& row, MiscRun& run) {
  const int term = StrToIntDef(Trim(row.Cell(kFirstParamCol + 3)), -1);
  if (!IsDepositTerm(term)) return kTermError;
  const Extended packedLimit = (kDepositLastYear + 1) * 10000.0L;
  if (!(std::fabs(row.P(1)) < packedLimit && std::fabs(row.P(2)) < packedLimit))
    return kDepositDateError;
  const CalendarDate deposit = PackedDate(row.Whole(1));
  const CalendarDate withdrawal = PackedDate(row.Whole(2));
  for (const CalendarDate& date : {deposit, withdrawal}) {
    if (date.year < kDepositFirstYear || date.year > kDepositLastYear) return kDepositDateError;
    if (!TryEncodeDate(date.year, date.month, date.day))
      throw ItemError(InvalidDateText(date.year, date.month, date.day));
  }
  if (EncodeDate(withdrawal.year, withdrawal.month, withdrawal.day) <
      EncodeDate(deposit.year, deposit.month, deposit.day))
    return kDepositDateError;
  const DepositRequest request{row.P(0), deposit, withdrawal, term, row.P(4) > 0.01L};
  return Money(DepositInterest(run.Deposits(), request).amount);
}

std::string PopulationItem(ItemRow& row, MiscRun& run) {
  const std::int64_t year = row.Whole(0);
  const auto population = year >= kPopulationFirstYear && year <= kPopulationLastYear
                              ? PopulationModel(static_cast<int>(year))
                              : std::nullopt;
  if (!population) throw ItemError(kPopulationRangeMessage);
  return run.Result(*population);
}

std::string ChildItem(ItemRow& row, MiscRun&) {
  const int years = row.ClampedWhole(0, 0, 10);
  const int months = row.ClampedWhole(1, 0, 12);
  const int sex = static_cast<int>(row.Whole(2));
  const HeightWeight hw = ChildHeightWeight(months + 12 * years, sex);
  CheckFpFaults();
  return Format("%.0f", std::nearbyint(hw.height)) + "cm;" +
         Format("%.0f", std::nearbyint(hw.weight)) + "kg";
}

std::string AdultHeightItem(ItemRow& row, MiscRun&) {
  const int year = row.ClampedWhole(0, 1900, 2100);
  const Extended d = AdultHeightForecast(year, row.P(1), row.P(2), row.P(3));
  CheckFpFaults();
  return Format("%.0f", d) + "-" + Format("%.0f", d + 3) + "cm";
}

std::string StandardWeightItem(ItemRow& row, MiscRun&) {
  const Extended weight = StandardWeight(row.Clamped(0, 11, 80), row.P(1));
  CheckFpFaults();
  return Format("%.1f", weight) + "kg";
}

std::string GiniItem(ItemRow& row, MiscRun&) {
  int groups = 0;
  while (groups < row.ParamCount() && !Trim(row.Cell(kFirstParamCol + groups)).empty()) ++groups;
  if (groups > kMaxGiniGroups) throw ItemError(kGiniGroupsMessage);
  const Extended gini = GiniCoefficient(row.Params().first(groups));
  CheckFpFaults();
  return Format("%.3f", gini);
}

std::string GiniTwoItem(ItemRow& row, MiscRun&) {
  const Extended gini = GiniTwoGroups(row.P(0), row.P(1));
  CheckFpFaults();
  return Format("%.3f", gini);
}

using ItemFunction = std::string (*)(ItemRow&, MiscRun&);
struct MiscItem {
  int number;
  ItemFunction compute;
};

constexpr MiscItem kItems[] = {
    {1, Parallel},
    {2, Parallel},
    {3, MolecularWeightItem},
    {31, DayNumberItem},
    {32, DateOfDayNumberItem},
    {33, DaysBetweenItem},
    {34, MoonPhaseItem},
    {35, EasterItem},
    {36, WeekdayItem},
    {37, GregorianToLunarItem},
    {38, LunarToGregorianItem},
    {39, TimeDifferenceItem},
    {41, FutureValueItem},
    {42, NetPresentValueItem},
    {43, PaymentItem},
    {44, PresentValueItem},
    {45, RateFormulaItem},
    {46, DepositItem},
    {51, PopulationItem},
    {52, ChildItem},
    {53, AdultHeightItem},
    {54, StandardWeightItem},
    {61, GiniItem},
    {62, GiniTwoItem},
};

ItemFunction FindItem(int number) {
  for (const MiscItem& item : kItems)
    if (item.number == number) return item.compute;
  return nullptr;
}

void SetColumnWidths(Worksheet& grid) {
  grid.SetDefaultColWidth(40);
  grid.SetColWidth(0, 1);
  grid.SetColWidth(1, 20);
  grid.SetColWidth(2, 150);
  grid.SetColWidth(3, 220);
  grid.SetColWidth(grid.ColCount() - 1, 90);
}

}  // namespace

void HandleMiscCalculations(Workbench& bench) {
  Worksheet& grid = bench.grid;
  SetColumnWidths(grid);
  MiscRun run{bench, std::nullopt, std::nullopt};
  const int resultCol = grid.ColCount() - 1;
  for (int row = 2; row < grid.RowCount() - 1; ++row) {
    if (grid.Cell(1, row) == kEndOfItems) break;
    grid.SetCell(resultCol, row, "");
    const int number = StrToIntDef(Trim(grid.Cell(1, row)), 0);
    if (number == 0 || Trim(grid.Cell(kFirstParamCol, row)).empty()) continue;
    const ItemFunction compute = FindItem(number);
    if (!compute) continue;
    ItemRow item(grid, row, resultCol);
    ClearFpFaults();
    std::string result;
    try {
      result = compute(item, run);
    } catch (const ItemError& error) {
      result = error.Message();
    }
    CheckFpFaults();
    grid.SetCell(resultCol, row, std::move(result));
  }
}

}  // namespace zarnix
