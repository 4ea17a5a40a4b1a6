// GBK <-> UTF-8 conversion through iconv, with '?' for anything unconvertible.
#include "base/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace zarnix {

namespace {

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

// Converts with iconv; an invalid or unconvertible input sequence is skipped (one character
// where the source length is known, else one byte) and '?' is written instead.
std::string Convert(const char* to, const char* from, std::string_view in, bool fromUtf8) {
  iconv_t raw = iconv_open(to, from);
  if (raw == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::unique_ptr<void, IconvCloser> cd(raw);
  std::string out;
  out.reserve(in.size() * 3 / 2 + 4);
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char buffer[4096];
  while (srcLeft > 0) {
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    const std::size_t rc = iconv(raw, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, dst);
    if (rc != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: replace the offending character.
    std::size_t skip = 1;
    if (fromUtf8) {
      const unsigned char c = static_cast<unsigned char>(*src);
      const std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
      if (len <= srcLeft && IsValidUtf8(std::string_view(src, len))) skip = len;
    } else if (IsLeadByte(static_cast<unsigned char>(*src)) && srcLeft >= 2) {
      skip = 2;
    }
    out.push_back('?');
    src += skip;
    srcLeft -= skip;
    iconv(raw, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

}  // namespace

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) ++count;
  return count;
}

std::string GbkToUtf8(std::string_view gbk) {
  for (unsigned char c : gbk)
    if (c >= 0x80) return Convert("UTF-8", "GBK", gbk, false);
  return std::string(gbk);
}

std::string Utf8ToGbk(std::string_view utf8) {
  for (unsigned char c : utf8)
    if (c >= 0x80) return Convert("GBK", "UTF-8", utf8, true);
  return std::string(utf8);
}

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    std::size_t len;
    if (c < 0x80)
      len = 1;
    else if (c >= 0xC2 && c <= 0xDF)
      len = 2;
    else if (c >= 0xE0 && c <= 0xEF)
      len = 3;
    else if (c >= 0xF0 && c <= 0xF4)
      len = 4;
    else
      return false;
    if (i + len > text.size()) return false;
    for (std::size_t k = 1; k < len; ++k)
      if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) return false;
    i += len;
  }
  return true;
}

bool StripUtf8Bom(std::string& text) {
  if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    text.erase(0, 3);
    return true;
  }
  return false;
}

}  // namespace zarnix
