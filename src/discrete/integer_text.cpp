// Checks of the whole numbers and decimals that the digit-text items read from their cells.
// The digit-text routines take any character as a digit; the items check first.
#include "discrete/integer_text.h"

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"

namespace zarnix {

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool IsBaseDigits(std::string_view text, int base) {
  if (text.empty()) return false;
  for (char c : text) {
    const int value = DigitValue(c);
    if (value < 0 || value >= base) return false;
  }
  return true;
}

std::string BaseDigitsOf(std::string_view cellText, int base) {
  const std::string text = Trim(cellText);
  if (!IsBaseDigits(text, base))
    throw EConvertError("'" + std::string(cellText) + "'不是" + IntToStr(base) + "进制整数");
  return UpperCase(text);
}

std::string DecimalTextOf(std::string_view cellText) {
  const std::string text = Trim(cellText);
  std::size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  int digits = 0;
  int points = 0;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9')
      ++digits;
    else if (text[i] == '.' && points == 0)
      ++points;
    else
      break;
  }
  if (digits == 0 || i != text.size()) ThrowNotFloat(cellText);
  return text;
}

std::string DigitTextOf(std::string_view cellText) {
  const std::string text = Trim(cellText);
  if (!IsBaseDigits(text, 10)) ThrowNotInteger(cellText);
  return text;
}

int DigitLength(std::string_view number) {
  if (!number.empty() && number[0] == '-') number.remove_prefix(1);
  if (number == "0") return 0;
  return static_cast<int>(number.size());
}

}  // namespace zarnix
