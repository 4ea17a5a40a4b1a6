// Files on disk: GBK names to native paths, and whole-file reading and writing of GBK text
// lines (CR LF written; CR LF, LF and a UTF-8 file with a byte-order mark accepted).
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zarnix {

// Linux file names are UTF-8; the program's texts are GBK.
std::filesystem::path PathFromGbk(std::string_view gbk);
std::string GbkFromPath(const std::filesystem::path& path);

bool FileExists(const std::filesystem::path& path);
// Throws EInOutError unless the path names a regular file: a directory, a named pipe or a
// device is never opened (reading a pipe would wait for ever).
void RequireRegularFile(const std::filesystem::path& path);

// Largest file the program reads; anything bigger is refused with a message.
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{512} << 20;

// The file's bytes as GBK text. A UTF-8 file with a byte-order mark is converted.
// Throws EInOutError when the file cannot be read.
std::string ReadTextFile(const std::filesystem::path& path);

// Splits text into lines at CR LF, LF or CR; a final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

std::vector<std::string> ReadTextLines(const std::filesystem::path& path);

// Creates or replaces the file with the lines, each ended by CR LF.
// Throws EInOutError when the file cannot be written.
void WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace zarnix
