// Whole numbers and decimals typed into cells for the exact digit-text arithmetic: the checks
// that keep a stray letter or blank from silently counting as the digit 0.
#pragma once

#include <string>
#include <string_view>

namespace zarnix {

// Every character is a digit of the base (letters in either case) and there is at least one.
bool IsBaseDigits(std::string_view text, int base);

// The cell text without surrounding blanks, letters upper-cased. Throws EConvertError
// "'text'不是B进制整数" when it is not a whole number written in the base.
std::string BaseDigitsOf(std::string_view cellText, int base);

// The cell text without surrounding blanks when it is a decimal number: an optional "-", digits
// and at most one point, with at least one digit. Otherwise throws EConvertError
// "'%s' is not a valid floating point value".
std::string DecimalTextOf(std::string_view cellText);

// The cell text without surrounding blanks when it holds only decimal digits (at least one).
// Otherwise throws EConvertError "'%s' is not a valid integer value".
std::string DigitTextOf(std::string_view cellText);

// Number of digits of a result in the summaries: "0" counts as no digit, a sign is no digit.
int DigitLength(std::string_view number);

}  // namespace zarnix
