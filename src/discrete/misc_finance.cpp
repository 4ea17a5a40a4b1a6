// Annuities in closed form and the deposit-interest walk: term by term at the benchmark rate
// of each term's start, then demand interest, each slice taxed by the periods it spans.
#include "discrete/misc_finance.h"

#include <algorithm>
#include <cmath>

#include "base/convert.h"
#include "base/format.h"
#include "sheet/item_sheet.h"
#include "tablefile/table_text.h"

namespace zarnix {

namespace {

constexpr int kDepositTerms[] = {3, 6, 12, 24, 36, 60};

void RequireRate(Extended rate) {
  if (!(rate > -1)) throw Exception(kBadRateMessage);
}

// q = (1 + r)^n and the annuity factor A = (1 + r t)(q - 1) / r, A = n for r = 0.
struct AnnuityFactors {
  Extended q;
  Extended a;
};
AnnuityFactors Factors(Extended rate, Extended periods, int timing) {
  RequireRate(rate);
  const Extended q = std::pow(1 + rate, periods);
  const Extended a = rate == 0 ? periods : (1 + rate * timing) * (q - 1) / rate;
  return {q, a};
}

std::optional<CalendarDate> RowDate(const Worksheet& table, int row) {
  const CalendarDate date{StrToIntDef(Trim(table.Cell(1, row)), 0),
                          StrToIntDef(Trim(table.Cell(2, row)), 0),
                          StrToIntDef(Trim(table.Cell(3, row)), 0)};
  if (!TryEncodeDate(date.year, date.month, date.day)) return std::nullopt;
  return date;
}

bool OnOrBefore(const CalendarDate& a, const CalendarDate& b) {
  return EncodeDate(a.year, a.month, a.day) <= EncodeDate(b.year, b.month, b.day);
}

int DateValue(const CalendarDate& date) {
  return EncodeDate(date.year, date.month, date.day);
}

Extended RequiredRate(const DepositTables& tables, int termMonths, const CalendarDate& date) {
  if (const auto rate = DepositRate(tables.rates, termMonths, date)) return *rate;
  const std::string term = termMonths == 0 ? "活期" : IntToStr(termMonths) + "个月";
  throw ItemError(
      Format("利率表中没有%d年%d月%d日%s存款的利率", date.year, date.month, date.day, term));
}

}  // namespace

Extended FutureValue(Extended rate, Extended periods, Extended presentValue, Extended payment,
                     int timing) {
  const AnnuityFactors f = Factors(rate, periods, timing);
  return -(presentValue * f.q + payment * f.a);
}

Extended AnnuityPayment(Extended rate, Extended periods, Extended presentValue,
                        Extended futureValue, int timing) {
  const AnnuityFactors f = Factors(rate, periods, timing);
  return -(presentValue * f.q + futureValue) / f.a;
}

Extended PresentValue(Extended rate, Extended periods, Extended payment, Extended futureValue,
                      int timing) {
  const AnnuityFactors f = Factors(rate, periods, timing);
  return -(payment * f.a + futureValue) / f.q;
}

Extended NetPresentValue(Extended rate, std::span<const Extended> cashFlows, int timing) {
  RequireRate(rate);
  Extended sum = 0;
  for (std::size_t i = 0; i < cashFlows.size(); ++i)
    sum += cashFlows[i] / std::pow(1 + rate, static_cast<Extended>(i) + 1 - timing);
  return sum;
}

DepositTables LoadDepositTables(const std::filesystem::path& taxFile,
                                const std::filesystem::path& rateFile) {
  DepositTables tables;
  Worksheet taxTable;
  LoadGridFile(taxFile, taxTable);
  tables.taxes = TaxPeriodsOf(taxTable);
  LoadGridFile(rateFile, tables.rates);
  return tables;
}

std::vector<TaxPeriod> TaxPeriodsOf(const Worksheet& taxTable) {
  std::vector<TaxPeriod> periods;
  for (int row = 2; row < taxTable.RowCount(); ++row) {
    if (const auto date = RowDate(taxTable, row))
      periods.push_back({DateValue(*date), StrToFloatDef(Trim(taxTable.Cell(4, row)), 0)});
  }
  periods.push_back({kTaxEndDate, 0});
  return periods;
}

std::optional<Extended> DepositRate(const Worksheet& rates, int termMonths,
                                    const CalendarDate& date) {
  const std::string heading = "C" + IntToStr(termMonths);
  for (int col = 1; col < rates.ColCount(); ++col) {
    if (rates.Cell(col, 0) != heading) continue;
    for (int row = rates.RowCount() - 1; row >= 2; --row) {
      const auto from = RowDate(rates, row);
      if (!from || !OnOrBefore(*from, date)) continue;
      return TryStrToFloat(rates.Cell(col, row));
    }
    return std::nullopt;
  }
  return std::nullopt;
}

Extended InterestTax(std::span<const TaxPeriod> taxes, int start, int end, Extended interest) {
  if (start == end) return 0;
  Extended tax = 0;
  for (std::size_t i = 0; i + 1 < taxes.size(); ++i) {
    const int overlap = std::min(end, taxes[i + 1].from) - std::max(start, taxes[i].from);
    if (overlap > 0) tax += interest * taxes[i].rate / 100 * overlap / (end - start);
  }
  return tax;
}

bool IsDepositTerm(int termMonths) {
  return std::find(std::begin(kDepositTerms), std::end(kDepositTerms), termMonths) !=
         std::end(kDepositTerms);
}

CalendarDate AddTermMonths(const CalendarDate& start, int months) {
  const int index = start.year * 12 + (start.month - 1) + months;
  CalendarDate next{index / 12, index % 12 + 1, start.day};
  if (next.day > DaysInMonth(next.year, next.month)) {
    next.day = 1;
    next.month = next.month % 12 + 1;
    if (next.month == 1) ++next.year;
  }
  return next;
}

DepositOutcome DepositInterest(const DepositTables& tables, const DepositRequest& request) {
  // A deposit made on February 29 counts from March 1.
  CalendarDate start = request.deposit;
  if (start.month == 2 && start.day == 29) start = {start.year, 3, 1};
  const CalendarDate& end = request.withdrawal;
  const int months =
      (end.year - start.year) * 12 + (end.month - start.month) - (end.day < start.day ? 1 : 0);
  int terms = months / request.termMonths;
  if (!request.renew) terms = std::min(terms, 1);

  DepositOutcome outcome;
  Extended balance = request.principal;
  for (int i = 0; i < terms; ++i) {
    const CalendarDate next = AddTermMonths(start, request.termMonths);
    if (!OnOrBefore(next, end)) break;
    const Extended rate = RequiredRate(tables, request.termMonths, start);
    const Extended interest = rate / 100 * request.termMonths / 12 * std::trunc(balance);
    const Extended tax = InterestTax(tables.taxes, DateValue(start), DateValue(next), interest);
    balance += interest - tax;
    outcome.interest += interest;
    outcome.tax += tax;
    start = next;
  }

  const int days = DateValue(end) - DateValue(start);
  if (days > 0) {
    const Extended rate = RequiredRate(tables, 0, end);
    const Extended interest = rate / 100 * std::trunc(balance) * days / 360;
    outcome.interest += interest;
    outcome.tax += InterestTax(tables.taxes, DateValue(start), DateValue(end), interest);
  }
  outcome.amount = request.principal + outcome.interest - outcome.tax;
  return outcome;
}

}  // namespace zarnix
