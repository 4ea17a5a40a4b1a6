// Money items of the miscellaneous calculations: the annuity formulas and the interest of a
// bank deposit under the central bank's benchmark rates and the interest tax of its time.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/date.h"
#include "base/extended.h"
#include "sheet/worksheet.h"

namespace zarnix {

// The annuity formulas need a rate above -1.
inline constexpr const char* kBadRateMessage = "利率必须大于-1";

// Rate r per period, n periods, payments at the start of each period when timing is 1, at
// the end when 0. Throw Exception(kBadRateMessage) for r <= -1.
Extended FutureValue(Extended rate, Extended periods, Extended presentValue, Extended payment,
                     int timing);
Extended AnnuityPayment(Extended rate, Extended periods, Extended presentValue,
                        Extended futureValue, int timing);
Extended PresentValue(Extended rate, Extended periods, Extended payment, Extended futureValue,
                      int timing);
// Sum of CF_i / (1 + r)^(i + 1 - timing).
Extended NetPresentValue(Extended rate, std::span<const Extended> cashFlows, int timing);

// A tax rate in percent valid from a date value on, up to the next period's start.
struct TaxPeriod {
  int from = 0;
  Extended rate = 0;
};

// The interest-tax periods closed by a final boundary at date value 80000 with rate 0.
inline constexpr int kTaxEndDate = 80000;

// The two rate files as the deposit calculation reads them.
struct DepositTables {
  Worksheet rates;  // the rate table as loaded: "C" + term headers in row 0, dates in columns 1-3
  std::vector<TaxPeriod> taxes;
};

// Loads the interest-tax table, then the rate table (table-text files). Throws the file's
// EInOutError when one cannot be read.
DepositTables LoadDepositTables(const std::filesystem::path& taxFile,
                                const std::filesystem::path& rateFile);
// Reads tax periods from a loaded tax table: rows 2... with a date in columns 1-3 and the
// rate in column 4; rows without a valid date are left out.
std::vector<TaxPeriod> TaxPeriodsOf(const Worksheet& taxTable);

// The yearly rate in percent for a term of months (0 = demand deposits) on a date: the
// column headed "C" + term, the last row dated on or before the date. nullopt when there is
// no such column or row, or the row leaves the term's rate empty (a term without a benchmark
// rate at that time).
std::optional<Extended> DepositRate(const Worksheet& rates, int termMonths,
                                    const CalendarDate& date);

// The tax on interest earned evenly from date value start to end: each tax period's share
// of the days at its rate. 0 when start = end.
Extended InterestTax(std::span<const TaxPeriod> taxes, int start, int end, Extended interest);

// The deposit terms the bank offers, in months.
bool IsDepositTerm(int termMonths);

struct DepositRequest {
  Extended principal = 0;
  CalendarDate deposit;
  CalendarDate withdrawal;  // not before the deposit
  int termMonths = 0;       // one of the deposit terms
  bool renew = false;       // roll the deposit over at each term's end
};

struct DepositOutcome {
  Extended amount = 0;  // principal + interest - tax
  Extended interest = 0;
  Extended tax = 0;
};

// The amount at withdrawal: whole terms at the rate of each term's start, the rest of the
// days at the demand rate of the withdrawal date, less the interest tax. Throws ItemError
// when the tables lack a rate the deposit needs.
DepositOutcome DepositInterest(const DepositTables& tables, const DepositRequest& request);

// The start of the next term: term months later, a day the month lacks moving to the 1st
// of the following month.
CalendarDate AddTermMonths(const CalendarDate& start, int months);

}  // namespace zarnix
