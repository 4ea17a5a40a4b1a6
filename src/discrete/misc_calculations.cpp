// The miscellaneous calculations category: its item table and one small function per item,
// run by the item-sheet loop; each item returns the text of its result cell.
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
#include "discrete/misc_models.h"
#include "sheet/item_sheet.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kFirstParamCol = 4;
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

// P(i) rounded to a whole number.
std::int64_t Whole(const ItemRow& row, int i) {
  const Extended value = std::nearbyint(row.P(i));
  if (!(std::fabs(value) <= kMaxWhole)) throw ItemError(kParamRangeMessage);
  return static_cast<std::int64_t>(value);
}

// P(first), P(first + 1), P(first + 2) as a valid date.
CalendarDate RowDate(const ItemRow& row, int first) {
  const Extended y = std::nearbyint(row.P(first));
  const Extended m = std::nearbyint(row.P(first + 1));
  const Extended d = std::nearbyint(row.P(first + 2));
  const bool small = std::fabs(y) < 1e6 && std::fabs(m) < 1e6 && std::fabs(d) < 1e6;
  if (!small || !TryEncodeDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)))
    throw ItemError(InvalidDateText(y, m, d));
  return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

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
  return IntToStr(DayNumberOf(RowDate(row, 0)));
}

std::string DateOfDayNumberItem(ItemRow& row, MiscRun&) {
  const auto date = DateOfDayNumber(Whole(row, 0));
  if (!date) throw ItemError(kDayNumberRangeMessage);
  return DateText(*date);
}

std::string DaysBetweenItem(ItemRow& row, MiscRun&) {
  const std::int64_t days = DayNumberOf(RowDate(row, 3)) - DayNumberOf(RowDate(row, 0));
  return IntToStr(days) + "天=" + BigMultiply(IntToStr(days < 0 ? -days : days), "86400") + "秒";
}

std::string MoonPhaseItem(ItemRow& row, MiscRun& run) {
  return run.Result(MoonPhase(DayNumberOf(RowDate(row, 0))));
}

std::string EasterItem(ItemRow& row, MiscRun&) {
  const std::int64_t year = Whole(row, 0);
  const auto easter = year >= kEasterFirstYear && year <= kEasterLastYear
                          ? EasterDate(static_cast<int>(year))
                          : std::nullopt;
  if (!easter) throw ItemError(kEasterRangeMessage);
  return IntToStr(easter->month) + "月" + IntToStr(easter->day) + "日";
}

std::string WeekdayItem(ItemRow& row, MiscRun&) {
  return WeekdayName(WeekdayOfDayNumber(DayNumberOf(RowDate(row, 0))));
}

std::string GregorianToLunarItem(ItemRow& row, MiscRun&) {
  const CalendarDate date = RowDate(row, 0);
  if (date.year < kLunarFirstYear || date.year > kLunarLastYear)
    throw ItemError(kLunarRangeMessage);
  const LunarConversion lunar = GregorianToLunar(date.year, date.month, date.day);
  return GanZhiYearName(lunar.date.year) + (lunar.date.leap ? "闰" : "") +
         LunarMonthName(lunar.date.month, true) + LunarDayName(lunar.date.day) +
         SolarTermNameOf(lunar.solarTerm);
}

std::string LunarToGregorianItem(ItemRow& row, MiscRun&) {
  const std::int64_t year = Whole(row, 0);
  const std::int64_t month = Whole(row, 1);
  const std::int64_t day = Whole(row, 2);
  const bool leap = Whole(row, 3) == 1;
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
  return TimeDifferenceText(Whole(row, 0), Whole(row, 1), Whole(row, 2), Whole(row, 3),
                            Whole(row, 4), Whole(row, 5));
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
  const CalendarDate deposit = PackedDate(Whole(row, 1));
  const CalendarDate withdrawal = PackedDate(Whole(row, 2));
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
  const std::int64_t year = Whole(row, 0);
  const auto population = year >= kPopulationFirstYear && year <= kPopulationLastYear
                              ? PopulationModel(static_cast<int>(year))
                              : std::nullopt;
  if (!population) throw ItemError(kPopulationRangeMessage);
  return run.Result(*population);
}

std::string ChildItem(ItemRow& row, MiscRun&) {
  const int years = row.ClampedCount(0, 0, 10);
  const int months = row.ClampedCount(1, 0, 12);
  const int sex = static_cast<int>(Whole(row, 2));
  const HeightWeight hw = ChildHeightWeight(months + 12 * years, sex);
  CheckFpFaults();
  return Format("%.0f", std::nearbyint(hw.height)) + "cm;" +
         Format("%.0f", std::nearbyint(hw.weight)) + "kg";
}

std::string AdultHeightItem(ItemRow& row, MiscRun&) {
  const int year = row.ClampedCount(0, 1900, 2100);
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

using MiscItem = ItemEntry<std::string (*)(ItemRow&, MiscRun&)>;

constexpr MiscItem kItems[] = {
    {1, 1, Parallel},
    {2, 2, Parallel},
    {3, 3, MolecularWeightItem},
    {31, 31, DayNumberItem},
    {32, 32, DateOfDayNumberItem},
    {33, 33, DaysBetweenItem},
    {34, 34, MoonPhaseItem},
    {35, 35, EasterItem},
    {36, 36, WeekdayItem},
    {37, 37, GregorianToLunarItem},
    {38, 38, LunarToGregorianItem},
    {39, 39, TimeDifferenceItem},
    {41, 41, FutureValueItem},
    {42, 42, NetPresentValueItem},
    {43, 43, PaymentItem},
    {44, 44, PresentValueItem},
    {45, 45, RateFormulaItem},
    {46, 46, DepositItem},
    {51, 51, PopulationItem},
    {52, 52, ChildItem},
    {53, 53, AdultHeightItem},
    {54, 54, StandardWeightItem},
    {61, 61, GiniItem},
    {62, 62, GiniTwoItem},
};

constexpr ColumnWidth kWidths[] = {{0, 1}, {1, 20}, {2, 150}, {3, 220}, {kLastColumn, 90}};

}  // namespace

void HandleMiscCalculations(Workbench& bench) {
  MiscRun run{bench, std::nullopt, std::nullopt};
  ItemSheetOptions options;
  options.columns = {40, kWidths};
  options.skipLastRow = true;
  options.errorsInResultCell = true;
  RunItemRows(bench, options,
              [&](ItemRow& row) { return ComputeItem<MiscItem>(kItems, row, run); });
}

}  // namespace zarnix
