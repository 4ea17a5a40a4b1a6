// Format and the float texts: decimal digits of an extended, rounding half away from zero,
// and the fixed, exponent and general layouts.
#include "base/format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/errors.h"

namespace zarnix {

namespace {

constexpr int kMaxDigits = 18;

// A finite value as decimal digits: value = 0.d1d2d3... x 10^exponent.
// Zero has no digits.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

Decimal ToDecimal(Extended value) {
  Decimal d;
  d.negative = std::signbit(value);
  if (value == 0) return d;
  char buffer[64];
  // "%.17Le" gives 18 correctly rounded significant digits: d.ddd...e+X
  std::snprintf(buffer, sizeof buffer, "%.17Le", static_cast<long double>(std::fabs(value)));
  const char* p = buffer;
  for (; *p && *p != 'e'; ++p)
    if (*p != '.') d.digits.push_back(*p);
  d.exponent = (*p == 'e' ? std::atoi(p + 1) : 0) + 1;
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Keeps `count` significant digits, rounding half away from zero.
void RoundDigits(Decimal& d, int count) {
  if (count >= static_cast<int>(d.digits.size())) return;
  if (count < 0) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[count] >= '5';
  d.digits.resize(count);
  if (up) {
    int i = count - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {  // 0.999... rounded up to 1.000...
      d.digits = "1";
      ++d.exponent;
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

char DigitAt(const Decimal& d, int index) {
  return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0';
}

const char* NonFiniteText(Extended value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

std::string Sign(const Decimal& d) {
  return d.negative && !d.digits.empty() ? "-" : "";
}

}  // namespace

std::string FormatFixed(Extended value, int decimals) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  decimals = std::clamp(decimals, 0, kMaxDigits);
  Decimal d = ToDecimal(value);
  if (d.exponent > kMaxDigits) return GeneralFormat(value, kMaxDigits);
  RoundDigits(d, d.exponent + decimals);
  std::string out = Sign(d);
  if (d.digits.empty() || d.exponent <= 0) {
    out += '0';
  } else {
    for (int i = 0; i < d.exponent; ++i) out += DigitAt(d, i);
  }
  if (decimals > 0) {
    out += '.';
    for (int k = 0; k < decimals; ++k) out += d.digits.empty() ? '0' : DigitAt(d, d.exponent + k);
  }
  return out;
}

std::string FormatExponent(Extended value, int decimals) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  decimals = std::clamp(decimals, 0, kMaxDigits - 1);
  Decimal d = ToDecimal(value);
  RoundDigits(d, decimals + 1);
  std::string out = Sign(d);
  out += d.digits.empty() ? '0' : d.digits[0];
  if (decimals > 0) {
    out += '.';
    for (int k = 1; k <= decimals; ++k) out += DigitAt(d, k);
  }
  const int exponent = d.digits.empty() ? 0 : d.exponent - 1;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "E%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return out + buffer;
}

std::string GeneralFormat(Extended value, int precision) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = std::clamp(precision, 1, kMaxDigits);
  Decimal d = ToDecimal(value);
  RoundDigits(d, precision);
  if (d.digits.empty()) return "0";
  std::string out = Sign(d);
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent > precision || d.exponent < -4) {
    out += d.digits[0];
    if (n > 1) out += "." + d.digits.substr(1);
    return out + "E" + std::to_string(d.exponent - 1);
  }
  if (d.exponent <= 0) return out + "0." + std::string(-d.exponent, '0') + d.digits;
  for (int i = 0; i < d.exponent; ++i) out += DigitAt(d, i);
  if (n > d.exponent) out += "." + d.digits.substr(d.exponent);
  return out;
}

namespace {

// One parsed "%[index:][-][width][.prec]type" specifier.
struct Directive {
  bool leftAlign = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

[[noreturn]] void ThrowBadFormat(std::string_view format) {
  throw EConvertError("Format '" + std::string(format) + "' invalid or incompatible with argument");
}

class Formatter {
 public:
  Formatter(std::string_view format, std::span<const FormatArg* const> args)
      : format_(format), args_(args) {}

  std::string Run() {
    std::string out;
    std::size_t i = 0;
    while (i < format_.size()) {
      const char c = format_[i++];
      if (c != '%') {
        out += c;
        continue;
      }
      if (i < format_.size() && format_[i] == '%') {
        out += '%';
        ++i;
        continue;
      }
      const Directive directive = ParseDirective(i);
      out += Pad(directive, Convert(directive));
    }
    return out;
  }

 private:
  // Reads digits or "*" (taken from the next argument); -1 when there are none.
  int ReadNumber(std::size_t& i) {
    if (i < format_.size() && format_[i] == '*') {
      ++i;
      return static_cast<int>(NextArg(FormatArg::Kind::kInt).AsInt());
    }
    int value = -1;
    while (i < format_.size() && format_[i] >= '0' && format_[i] <= '9') {
      value = (value < 0 ? 0 : value) * 10 + (format_[i++] - '0');
      if (value > 100000) ThrowBadFormat(format_);
    }
    return value;
  }

  Directive ParseDirective(std::size_t& i) {
    Directive directive;
    int number = ReadNumber(i);
    if (i < format_.size() && format_[i] == ':') {  // argument index
      ++i;
      if (number < 0) ThrowBadFormat(format_);
      next_ = static_cast<std::size_t>(number);
      number = -1;
    }
    if (number < 0) {
      if (i < format_.size() && format_[i] == '-') {
        directive.leftAlign = true;
        ++i;
      }
      number = ReadNumber(i);
    }
    directive.width = number;
    if (i < format_.size() && format_[i] == '.') {
      ++i;
      directive.precision = std::max(ReadNumber(i), 0);
    }
    if (i >= format_.size()) ThrowBadFormat(format_);
    directive.type = static_cast<char>(std::tolower(static_cast<unsigned char>(format_[i++])));
    return directive;
  }

  const FormatArg& NextArg(FormatArg::Kind wanted) {
    if (next_ >= args_.size()) ThrowBadFormat(format_);
    const FormatArg& arg = *args_[next_++];
    const bool ok = arg.kind() == wanted ||
                    (wanted == FormatArg::Kind::kFloat && arg.kind() == FormatArg::Kind::kInt);
    if (!ok) ThrowBadFormat(format_);
    return arg;
  }

  std::string Convert(const Directive& directive) {
    switch (directive.type) {
      case 'd':
        return Integer(NextArg(FormatArg::Kind::kInt).AsInt(), directive.precision);
      case 'u':
        return MinDigits(
            std::to_string(static_cast<std::uint64_t>(NextArg(FormatArg::Kind::kInt).AsInt())),
            directive.precision);
      case 'x': {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%llX",
                      static_cast<unsigned long long>(NextArg(FormatArg::Kind::kInt).AsInt()));
        return MinDigits(buffer, directive.precision);
      }
      case 's': {
        std::string text(NextArg(FormatArg::Kind::kString).AsText());
        if (directive.precision >= 0 && text.size() > static_cast<std::size_t>(directive.precision))
          text.resize(directive.precision);
        return text;
      }
      case 'f':
        return FormatFixed(NextArg(FormatArg::Kind::kFloat).AsFloat(),
                           directive.precision < 0 ? 2 : directive.precision);
      case 'e':
        return FormatExponent(NextArg(FormatArg::Kind::kFloat).AsFloat(),
                              directive.precision < 0 ? 14 : directive.precision);
      case 'g':
        return GeneralFormat(NextArg(FormatArg::Kind::kFloat).AsFloat(),
                             directive.precision < 0 ? 15 : directive.precision);
      case 'n':
        return GroupThousands(FormatFixed(NextArg(FormatArg::Kind::kFloat).AsFloat(),
                                          directive.precision < 0 ? 2 : directive.precision));
      default:
        ThrowBadFormat(format_);
    }
  }

  static std::string MinDigits(std::string digits, int precision) {
    if (precision > static_cast<int>(digits.size()))
      digits.insert(0, precision - digits.size(), '0');
    return digits;
  }

  static std::string Integer(std::int64_t value, int precision) {
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    return (value < 0 ? "-" : "") + MinDigits(std::to_string(magnitude), precision);
  }

  static std::string GroupThousands(const std::string& fixed) {
    std::size_t start = fixed[0] == '-' ? 1 : 0;
    std::size_t end = fixed.find('.');
    if (end == std::string::npos) end = fixed.size();
    if (end - start > kMaxDigits + 1) return fixed;  // general-format fallback
    std::string out = fixed.substr(0, start);
    for (std::size_t i = start; i < end; ++i) {
      if (i > start && (end - i) % 3 == 0) out += ',';
      out += fixed[i];
    }
    return out + fixed.substr(end);
  }

  static std::string Pad(const Directive& directive, std::string text) {
    if (directive.width > static_cast<int>(text.size())) {
      const std::string fill(directive.width - text.size(), ' ');
      text = directive.leftAlign ? text + fill : fill + text;
    }
    return text;
  }

  std::string_view format_;
  std::span<const FormatArg* const> args_;
  std::size_t next_ = 0;
};

}  // namespace

std::string FormatList(std::string_view format, std::span<const FormatArg* const> args) {
  return Formatter(format, args).Run();
}

}  // namespace zarnix
