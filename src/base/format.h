// Text formatting of numbers and strings: Format with the specifiers %d %u %x %s %f %e %g %n,
// and the float texts used everywhere (fixed, exponent, general).
//
// Floats are first turned into 18 significant decimal digits (all an extended carries), then
// rounded half away from zero to the digits shown.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "base/extended.h"

namespace zarnix {

class FormatArg {
 public:
  enum class Kind { kInt, kFloat, kString };

  template <class T>
  requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>)
      FormatArg(T value)
      : kind_(Kind::kInt), int_(static_cast<std::int64_t>(value)) {}
  template <class T>
  requires std::is_floating_point_v<T> FormatArg(T value)
      : kind_(Kind::kFloat), float_(static_cast<Extended>(value)) {}
  FormatArg(char value) : kind_(Kind::kString), text_(&value, 1), own_(1, value) { text_ = own_; }
  FormatArg(const char* value) : kind_(Kind::kString), text_(value) {}
  FormatArg(std::string_view value) : kind_(Kind::kString), text_(value) {}
  FormatArg(const std::string& value) : kind_(Kind::kString), text_(value) {}
  FormatArg(const FormatArg& other) = delete;
  FormatArg& operator=(const FormatArg&) = delete;

  Kind kind() const { return kind_; }
  std::int64_t AsInt() const { return int_; }
  Extended AsFloat() const { return kind_ == Kind::kInt ? static_cast<Extended>(int_) : float_; }
  std::string_view AsText() const { return text_; }

 private:
  Kind kind_;
  std::int64_t int_ = 0;
  Extended float_ = 0;
  std::string_view text_;
  std::string own_;
};

// Formats with the given arguments. A specifier that does not match its argument, or a
// missing argument, throws EConvertError "Format '%s' invalid or incompatible with argument".
std::string FormatList(std::string_view format, std::span<const FormatArg* const> args);

template <class... Args>
std::string Format(std::string_view format, const Args&... args) {
  if constexpr (sizeof...(Args) == 0) {
    return FormatList(format, {});
  } else {
    const FormatArg list[] = {FormatArg(args)...};
    std::array<const FormatArg*, sizeof...(Args)> pointers;
    for (std::size_t i = 0; i < sizeof...(Args); ++i) pointers[i] = &list[i];
    return FormatList(format, pointers);
  }
}

// "%.<decimals>f": fixed notation; values of 1E18 and more fall back to GeneralFormat with
// 18 digits. decimals is clamped to 0..18.
std::string FormatFixed(Extended value, int decimals);

// "%.<decimals>e": one digit, the point, `decimals` digits, "E", the exponent's sign and at
// least three exponent digits, e.g. 12345 with 4 decimals is "1.2345E+004".
std::string FormatExponent(Extended value, int decimals);

// Shortest general text with up to `precision` significant digits: trailing zeros removed,
// scientific form ("1E20", "1.5E-7") for values below 0.00001 or with more integer digits
// than the precision. Zero is "0"; non-finite values are "NAN", "INF", "-INF".
std::string GeneralFormat(Extended value, int precision = 15);

}  // namespace zarnix
