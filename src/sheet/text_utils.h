// Splitting cell texts into parts and numbers, substring counting and removal, the real
// power, the short-array sorts and extremes that category handlers share.
// Positions in texts are counted from 1, in bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/extended.h"

namespace zarnix {

// Parts one split stores at most.
inline constexpr int kMaxSplitParts = 32767;

// Splits at every separator into `parts`. count becomes the number of parts when every part
// found a place (at most kMaxSplitParts and at most parts.size()); otherwise the parts that
// fit are stored, the rest dropped and count is left as it was.
void SplitText(std::string_view text, char separator, std::span<std::string> parts, int& count);
// All parts (at most kMaxSplitParts); an empty text gives one empty part.
std::vector<std::string> SplitText(std::string_view text, char separator);

// Splits and converts each part with the strict real conversion. Values are stored while
// they fit; count is written only when the last part has been converted into the array.
// An empty text stores nothing. A bad part (empty ones included) throws EConvertError.
void SplitReals(std::string_view text, char separator, std::span<Extended> values, int& count);
std::vector<Extended> SplitReals(std::string_view text, char separator);

// As SplitReals, with the strict 64-bit integer conversion.
void SplitInt64s(std::string_view text, char separator, std::span<std::int64_t> values, int& count);
std::vector<std::int64_t> SplitInt64s(std::string_view text, char separator);

// Comma-separated reals rounded to single precision, at most 101 of them (and at most
// values.size()). Afterwards text holds the last part, or the unconverted rest when there
// were more parts than places; count is written only when the last part was stored.
void SplitSingles(std::string& text, std::span<float> values, int& count);

// Whether a cell text counts as empty: nothing, or blanks and control characters only (comma
// text stores an empty field as one blank).
bool IsEmptyCell(std::string_view text);

// Occurrences of sub in text, overlapping ones included; 0 for an empty sub or text.
int CountOccurrences(std::string_view text, std::string_view sub);
// Position of the first occurrence at or after start, 0 when there is none.
int FindFrom(int start, std::string_view text, std::string_view sub);
// The text without any occurrence of sub, found character by character so that a match
// never starts inside a two-byte character.
std::string RemoveAll(std::string_view text, std::string_view sub);

// x to the power y; see the definition for negative bases and zero.
Extended RealPower(Extended x, Extended y);

// Shell sorts of the first n elements, ascending, in place.
void ShellSortReals(int n, std::span<float> values);
void ShellSortIntegers(int n, std::span<std::int32_t> values);
void ShellSortInt64s(int n, std::span<std::int64_t> values);

// Indices of the largest and of the smallest of values[0..n-1]; ties keep the first.
struct MinMaxIndex {
  int largest = 0;
  int smallest = 0;
};
MinMaxIndex MinMaxIndexOfSingles(std::span<const float> values, int n);

}  // namespace zarnix
