// Strict and defaulting number conversions, trims and case mapping.
#include "base/convert.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>

#include "base/errors.h"
#include "base/format.h"
#include "base/gbk.h"

namespace zarnix {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Checks the real-number grammar on [begin, end) after the blanks are gone.
bool IsRealSyntax(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == s.size();
}

std::string_view StripBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

std::string QuotedOperand(std::string_view text) {
  if (text.size() <= kMaxQuotedBytes) return std::string(text);
  std::size_t end = 0;
  while (end < text.size() && end + CharLengthAt(text, end) <= kMaxQuotedBytes)
    end += CharLengthAt(text, end);
  return std::string(text.substr(0, end)) + "…";
}

void ThrowNotFloat(std::string_view text) {
  throw EConvertError(Format("'%s' is not a valid floating point value", QuotedOperand(text)));
}

void ThrowNotInteger(std::string_view text) {
  throw EConvertError(Format("'%s' is not a valid integer value", QuotedOperand(text)));
}

std::optional<Extended> TryStrToFloat(std::string_view text) {
  const std::string_view s = StripBlanks(text);
  if (!IsRealSyntax(s)) return std::nullopt;
  const std::string copy(s);
  // Parsing must not leave fault flags behind for the caller's next check.
  std::fexcept_t saved;
  std::fegetexceptflag(&saved, FE_ALL_EXCEPT);
  const Extended value = std::strtold(copy.c_str(), nullptr);
  std::fesetexceptflag(&saved, FE_ALL_EXCEPT);
  if (std::isinf(value)) return std::nullopt;
  return value;
}

Extended StrToFloat(std::string_view text) {
  if (auto value = TryStrToFloat(text)) return *value;
  ThrowNotFloat(text);
}

Extended StrToFloatDef(std::string_view text, Extended def) {
  return TryStrToFloat(text).value_or(def);
}

std::optional<std::int64_t> TryStrToInt64(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  // Accumulate as a negative number so that INT64_MIN fits.
  std::int64_t value = 0;
  constexpr std::int64_t kMin = INT64_MIN;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return std::nullopt;
    const int digit = text[i] - '0';
    if (value < (kMin + digit) / 10) return std::nullopt;
    value = value * 10 - digit;
  }
  if (!negative) {
    if (value == kMin) return std::nullopt;
    value = -value;
  }
  return value;
}

std::int64_t StrToInt64(std::string_view text) {
  if (auto value = TryStrToInt64(text)) return *value;
  ThrowNotInteger(text);
}

std::int64_t StrToInt64Def(std::string_view text, std::int64_t def) {
  return TryStrToInt64(text).value_or(def);
}

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
  const auto value = TryStrToInt64(text);
  if (!value || *value < INT32_MIN || *value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

std::int32_t StrToInt(std::string_view text) {
  if (auto value = TryStrToInt(text)) return *value;
  ThrowNotInteger(text);
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t def) {
  return TryStrToInt(text).value_or(def);
}

std::string IntToStr(std::int64_t value) {
  return std::to_string(value);
}

std::string FloatToStr(Extended value) {
  return GeneralFormat(value);
}

std::string TrimLeft(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= 32) ++i;
  return std::string(text.substr(i));
}

std::string TrimRight(std::string_view text) {
  std::size_t n = text.size();
  while (n > 0 && static_cast<unsigned char>(text[n - 1]) <= 32) --n;
  return std::string(text.substr(0, n));
}

std::string Trim(std::string_view text) {
  return TrimRight(TrimLeft(text));
}

namespace {
// Maps the ASCII letters from..from+25 by delta, stepping over two-byte characters so that
// a trailing byte that happens to be a letter is never changed.
std::string MapAsciiLetters(std::string_view text, char from, int delta) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); i += CharLengthAt(out, i)) {
    if (out[i] >= from && out[i] <= from + 25) out[i] = static_cast<char>(out[i] + delta);
  }
  return out;
}
}  // namespace

std::string UpperCase(std::string_view text) {
  return MapAsciiLetters(text, 'a', 'A' - 'a');
}

std::string LowerCase(std::string_view text) {
  return MapAsciiLetters(text, 'A', 'a' - 'A');
}

}  // namespace zarnix
