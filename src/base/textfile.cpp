// Whole-file text reading and writing with the program's encodings and line ends.
#include "base/textfile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "base/errors.h"
#include "base/gbk.h"

namespace zarnix {

namespace {

[[noreturn]] void ThrowFileError(const char* what, const std::filesystem::path& path, int err) {
  throw EInOutError(std::string(what) + " \"" + GbkFromPath(path) + "\". " +
                    Utf8ToGbk(std::strerror(err)));
}

}  // namespace

std::filesystem::path PathFromGbk(std::string_view gbk) {
  return std::filesystem::path(GbkToUtf8(gbk));
}

std::string GbkFromPath(const std::filesystem::path& path) {
  const std::string native = path.string();
  return IsValidUtf8(native) ? Utf8ToGbk(native) : native;
}

bool FileExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

void RequireRegularFile(const std::filesystem::path& path) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) ThrowFileError("Cannot open file", path, ENOENT);
  if (std::filesystem::is_directory(status)) ThrowFileError("Cannot open file", path, EISDIR);
  if (!std::filesystem::is_regular_file(status))
    throw EInOutError("Cannot open file \"" + GbkFromPath(path) + "\". Not a regular file");
}

std::string ReadTextFile(const std::filesystem::path& path) {
  RequireRegularFile(path);
  std::ifstream in(path, std::ios::binary);
  if (!in) ThrowFileError("Cannot open file", path, errno ? errno : ENOENT);
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) ThrowFileError("Cannot read file", path, EIO);
  if (static_cast<std::size_t>(size) > kMaxTextFileBytes)
    ThrowFileError("Cannot read file", path, EFBIG);
  in.seekg(0, std::ios::beg);
  std::string text(static_cast<std::size_t>(size), '\0');
  if (size > 0 && !in.read(text.data(), size)) ThrowFileError("Cannot read file", path, EIO);
  if (StripUtf8Bom(text)) text = Utf8ToGbk(text);
  return text;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::vector<std::string> ReadTextLines(const std::filesystem::path& path) {
  return SplitLines(ReadTextFile(path));
}

void WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) ThrowFileError("Cannot create file", path, errno ? errno : EACCES);
  for (const std::string& line : lines) {
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.write("\r\n", 2);
  }
  out.flush();
  if (!out) ThrowFileError("Cannot write file", path, errno ? errno : EIO);
}

}  // namespace zarnix
