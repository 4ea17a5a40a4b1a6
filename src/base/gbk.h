// GBK text helpers. Inside the program every std::string is GBK; UTF-8 appears only at the
// edges (terminal, JSON, Qt, file names on disk).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zarnix {

// True for the first byte of a two-byte GBK character.
inline bool IsLeadByte(unsigned char c) {
  return c >= 0x80;
}

// Length in bytes of the character starting at text[pos] (1 or 2; 1 at the last byte).
inline std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
  return (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) ? 2 : 1;
}

// Number of characters (a two-byte character counts once).
std::size_t CharCount(std::string_view text);

// Conversions. Bytes that cannot be converted become '?'; neither ever fails.
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

// True when the text is well-formed UTF-8 (ASCII included).
bool IsValidUtf8(std::string_view text);

// Removes a UTF-8 byte-order mark; returns true when there was one.
bool StripUtf8Bom(std::string& text);

}  // namespace zarnix
