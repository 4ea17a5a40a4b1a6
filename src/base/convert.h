// Number <-> text conversions with the program's rules: strict conversions throw
// EConvertError with the fixed texts, defaulting ones return a default instead.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/extended.h"

namespace zarnix {

// Strict real: optional sign, digits, "." and an optional exponent (e/E with optional sign),
// blanks allowed around the number. A value outside the extended range is not a number.
std::optional<Extended> TryStrToFloat(std::string_view text);
Extended StrToFloat(std::string_view text);  // "'%s' is not a valid floating point value"
Extended StrToFloatDef(std::string_view text, Extended def = 0);

// Strict integers: leading blanks, optional sign and decimal digits; the value must fit.
std::optional<std::int64_t> TryStrToInt64(std::string_view text);
std::int64_t StrToInt64(std::string_view text);  // "'%s' is not a valid integer value"
std::int64_t StrToInt64Def(std::string_view text, std::int64_t def);
std::optional<std::int32_t> TryStrToInt(std::string_view text);
std::int32_t StrToInt(std::string_view text);  // "'%s' is not a valid integer value"
std::int32_t StrToIntDef(std::string_view text, std::int32_t def);

std::string IntToStr(std::int64_t value);

// The conversion errors "'%s' is not a valid floating point value" and "'%s' is not a valid
// integer value". A long text is quoted with its first kMaxQuotedBytes only and "…", so a
// message box never has to show a pasted page.
inline constexpr std::size_t kMaxQuotedBytes = 200;
std::string QuotedOperand(std::string_view text);
[[noreturn]] void ThrowNotFloat(std::string_view text);
[[noreturn]] void ThrowNotInteger(std::string_view text);
// Shortest general text with 15 significant digits (see GeneralFormat).
std::string FloatToStr(Extended value);

// Trims characters with a code <= 32 (blanks and control characters).
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
std::string Trim(std::string_view text);

// ASCII letters only; two-byte GBK characters are left alone.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

}  // namespace zarnix
