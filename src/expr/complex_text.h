// Complex numbers as text: the literal forms the complex wrappers read (a+b*i and its
// variants), the text they write, and the looser reading of complex cell texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/extended.h"
#include "expr/complex_math.h"

namespace zarnix {

// One real and one imaginary term at most, each optionally signed, in either order:
// a, I, b*I, I*b, a+b*I, a+I, a+I*b, b*I+a, I*b+a, I+a (signs + or -, any case, blanks between
// the pieces, unsigned numbers as in formulas). The empty text is 0. Nothing for any other
// text, such as "3+4", "2I" or "I*I".
std::optional<ComplexValue> ParseComplexLiteral(std::string_view text);

// re and im with a printf-style format: "R", "R+I*i", "R-I*i", "I*i" or "0", where a part
// whose text reads as zero counts as zero.
std::string FormatComplex(std::string_view format, Extended re, Extended im);

// A complex cell text: "a", "b*i", "i/b", "i", "-i", "a+i", "a-i", "a+b*i", "a-b*i" (lower or
// upper case). A text that does not convert throws EConvertError.
void ParseComplexText(std::string_view text, Extended& re, Extended& im);

}  // namespace zarnix
