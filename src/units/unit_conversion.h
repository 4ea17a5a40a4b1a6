// The unit table of the unit-conversion page: quantity groups "[name]" with lines of unit
// name, symbol and factor, and the conversion of one value into every unit of a quantity.
#pragma once

#include <string>
#include <vector>

#include "base/extended.h"

namespace zarnix {

// Unit lines of one quantity that are read at most.
inline constexpr int kMaxUnitsPerQuantity = 100;
// The quantity converted by formula; its first three units are kelvin, Celsius, Fahrenheit.
inline constexpr const char* kTemperatureQuantity = "温度";

struct UnitEntry {
  std::string name;
  std::string symbol;  // may be empty
  std::string factor;  // how many of this unit make one reference unit, as written
  // name + " (" + symbol + ")", or the name alone without a symbol.
  std::string Display() const;
};

// The quantity names, in file order: the text between "[" and "]" of each group line.
std::vector<std::string> QuantityNames(const std::vector<std::string>& lines);

// The units of a quantity: the lines after "[" + quantity + "]``" up to the next group line,
// at most kMaxUnitsPerQuantity. A line with fewer than three fields is skipped.
std::vector<UnitEntry> UnitsOf(const std::vector<std::string>& lines, const std::string& quantity);

struct ConvertedUnits {
  std::vector<std::string> full;   // every unit's value with full precision
  std::vector<std::string> shown;  // the same values formatted for display
};

// `valueText` given in unit `selected`, expressed in every unit. Throws EConvertError for a
// value or factor that is not a number (a factor's message names its unit) and the
// floating-point faults for a zero factor or an overflowing value.
ConvertedUnits ConvertUnits(const std::string& quantity, const std::vector<UnitEntry>& units,
                            int selected, const std::string& valueText, int decimals);

// One value for display: fixed with `decimals` places when value / base is within
// 0.001 … 1000 (or the base is 0), else scientific with one place more.
std::string UnitValueText(Extended value, Extended base, int decimals);

}  // namespace zarnix
