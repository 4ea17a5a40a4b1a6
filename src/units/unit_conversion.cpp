// Reading the unit table's groups and converting a value between the units of a quantity.
#include "units/unit_conversion.h"

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/fpu.h"
#include "base/gbk.h"
#include "sheet/text_utils.h"

namespace zarnix {

namespace {

constexpr char kSeparator = '`';

// Position of an ASCII character standing as a character of its own (GBK trail bytes can
// equal "[" or "]"), npos when there is none.
std::size_t FindAscii(const std::string& text, char wanted) {
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i))
    if (text[i] == wanted) return i;
  return std::string::npos;
}

bool IsGroupLine(const std::string& line) {
  return FindAscii(line, '[') != std::string::npos;
}

Extended FactorOf(const UnitEntry& unit) {
  const auto factor = TryStrToFloat(unit.factor);
  if (!factor)
    throw EConvertError(
        Format("'%s' is not a valid floating point value（单位：%s）", unit.factor, unit.name));
  return *factor;
}

// Kelvin, Celsius and Fahrenheit rows for a value in the selected unit; the selected row
// shows the value as typed.
ConvertedUnits TemperatureRows(const std::string& selectedText, Extended v,
                               const std::string& typed) {
  Extended values[3];
  int typedRow = 0;
  if (selectedText.starts_with("开尔文")) {
    values[0] = v;
    values[1] = v - 273.15L;
    values[2] = (v - 273.15L) * 1.8L + 32;
  } else if (selectedText.starts_with("摄氏度")) {
    typedRow = 1;
    values[0] = v + 273.15L;
    values[1] = v;
    values[2] = v * 1.8L + 32;
  } else if (selectedText.starts_with("华氏度")) {
    typedRow = 2;
    values[0] = (v - 32) / 1.8L + 273.15L;
    values[1] = (v - 32) / 1.8L;
    values[2] = v;
  } else {
    return {};
  }
  ConvertedUnits rows;
  for (int i = 0; i < 3; ++i) {
    const Extended value = Checked(values[i]);
    rows.full.push_back(GeneralFormat(value, 15));
    rows.shown.push_back(i == typedRow ? typed : Format("%.2f", value));
  }
  return rows;
}

}  // namespace

std::string UnitEntry::Display() const {
  return symbol.empty() ? name : name + " (" + symbol + ")";
}

std::vector<std::string> QuantityNames(const std::vector<std::string>& lines) {
  std::vector<std::string> names;
  for (const std::string& line : lines) {
    if (!line.starts_with("[")) continue;
    const std::size_t close = FindAscii(line, ']');
    if (close != std::string::npos) names.push_back(line.substr(1, close - 1));
  }
  return names;
}

std::vector<UnitEntry> UnitsOf(const std::vector<std::string>& lines, const std::string& quantity) {
  std::vector<UnitEntry> units;
  const std::string header = "[" + quantity + "]``";
  std::size_t i = 0;
  while (i < lines.size() && lines[i] != header) ++i;
  for (++i; i < lines.size() && static_cast<int>(units.size()) < kMaxUnitsPerQuantity; ++i) {
    if (IsGroupLine(lines[i])) break;
    const std::vector<std::string> fields = SplitText(lines[i], kSeparator);
    // A short line has no factor of its own; it is no unit.
    if (fields.size() < 3) continue;
    units.push_back({fields[0], fields[1], fields[2]});
  }
  return units;
}

std::string UnitValueText(Extended value, Extended base, int decimals) {
  // The bounds allow for the last bits of a factor like 1/0.001, which is not exactly 1000.
  constexpr Extended kSlack = 1e-15L;
  const Extended share = base == 0 ? 1 : value / base;
  const bool fixed = share >= 0.001L * (1 - kSlack) && share <= 1000 * (1 + kSlack);
  const std::string format =
      fixed ? "%." + IntToStr(decimals) + "f" : "%1." + IntToStr(decimals + 1) + "e";
  return Format(format, value);
}

ConvertedUnits ConvertUnits(const std::string& quantity, const std::vector<UnitEntry>& units,
                            int selected, const std::string& valueText, int decimals) {
  if (selected < 0 || selected >= static_cast<int>(units.size())) return {};
  const Extended v = StrToFloat(valueText);
  FpFaultScope faults;
  if (quantity == kTemperatureQuantity)
    return TemperatureRows(units[selected].Display(), v, valueText);

  const Extended base = FactorOf(units[selected]);
  std::vector<Extended> ratios;
  for (const UnitEntry& unit : units) ratios.push_back(Checked(FactorOf(unit) / base));
  ConvertedUnits rows;
  for (const Extended ratio : ratios) {
    const Extended value = Checked(v * ratio);
    rows.full.push_back(GeneralFormat(value, 15));
    rows.shown.push_back(UnitValueText(value, v, decimals));
  }
  return rows;
}

}  // namespace zarnix
