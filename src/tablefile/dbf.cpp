// dBase reader: file header, field descriptors and fixed-length records.
#include "tablefile/dbf.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/date.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/textfile.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr std::size_t kHeaderBytes = 32;
constexpr std::size_t kDescriptorBytes = 32;
constexpr char kFieldTerminator = 0x0D;

struct DbfField {
  std::string name;
  char type = 'C';
  int length = 0;
  int decimals = 0;
};

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < size && at + i < bytes.size(); ++i)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}

[[noreturn]] void ThrowReadError(const std::filesystem::path& path) {
  throw EInOutError("Read beyond end of file \"" + GbkFromPath(path) + "\"");
}

std::string ReadBinaryFile(const std::filesystem::path& path) {
  RequireRegularFile(path);
  std::error_code ec;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EInOutError("Cannot open file \"" + GbkFromPath(path) + "\". No such file");
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size > kMaxTextFileBytes)
    throw EInOutError("Cannot read file \"" + GbkFromPath(path) + "\". File too large");
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

std::string Descriptor(const DbfField& f) {
  switch (f.type) {
    case 'L':
      return "C1";
    case 'M':
      return "M8.0";
    case 'N':
      return "N" + IntToStr(f.length) + "." + IntToStr(f.decimals);
    case 'T':
      return "C14";
    default:
      return std::string(1, f.type) + IntToStr(f.length);
  }
}

// A "T" field: Julian day and milliseconds since midnight, shown as a date and hh:mm.
std::string DateTimeText(const std::string& bytes, std::size_t at) {
  const std::uint32_t julian = LittleEndian(bytes, at, 4);
  const std::uint32_t ms = LittleEndian(bytes, at + 4, 4);
  const int serial = static_cast<int>(julian & 0xFFFF) + 9813;
  const std::uint32_t hours = ms / (3600 * 1000);
  const std::uint32_t minutes = (ms / 1000 - hours * 3600) / 60;
  return (serial > 36525 ? "20" : "19") + FormatShortDate(serial) + " " +
         Format("%.2d:%.2d", static_cast<std::int64_t>(hours), static_cast<std::int64_t>(minutes));
}

std::string CellText(const DbfField& f, const std::string& bytes, std::size_t at) {
  if (f.type == 'M') return IntToStr(LittleEndian(bytes, at, std::min(f.length, 4)));
  if (f.type == 'T') return DateTimeText(bytes, at);
  return bytes.substr(at, static_cast<std::size_t>(f.length));
}

void ReadDbfInto(const std::filesystem::path& path, Worksheet& grid) {
  const std::string bytes = ReadBinaryFile(path);
  if (bytes.size() < kHeaderBytes) ThrowReadError(path);
  const std::uint32_t records = LittleEndian(bytes, 4, 4);
  const std::size_t headerLength = LittleEndian(bytes, 8, 2);
  std::size_t fieldCount = headerLength >= 65 ? (headerLength - 33) / 32 : 0;
  if (kHeaderBytes + fieldCount * kDescriptorBytes > bytes.size()) ThrowReadError(path);
  // The descriptors end at the terminator byte; a longer header (the backlink area of
  // Visual FoxPro tables) holds no further fields.
  for (std::size_t i = 0; i < fieldCount; ++i) {
    if (bytes[kHeaderBytes + i * kDescriptorBytes] == kFieldTerminator) {
      fieldCount = i;
      break;
    }
  }

  std::vector<DbfField> fields(fieldCount);
  std::size_t recordBytes = 1;  // the deletion flag
  for (std::size_t i = 0; i < fieldCount; ++i) {
    const std::size_t at = kHeaderBytes + i * kDescriptorBytes;
    DbfField& f = fields[i];
    const std::string rawName = bytes.substr(at, 10);
    f.name = rawName.substr(0, rawName.find('\0'));
    f.type = bytes[at + 11];
    f.length = static_cast<unsigned char>(bytes[at + 16]);
    f.decimals = static_cast<unsigned char>(bytes[at + 17]);
    recordBytes += static_cast<std::size_t>(f.length);
  }

  const int shown = static_cast<int>(std::min<std::size_t>(fieldCount, kMaxDbfFields));
  const std::size_t available =
      bytes.size() > headerLength ? (bytes.size() - headerLength) / recordBytes : 0;
  const std::size_t complete = std::min<std::size_t>(records, available);
  if (complete + 2 > static_cast<std::size_t>(Worksheet::kMaxRows) ||
      static_cast<long long>(complete + 2) * (shown + 1) > Worksheet::kMaxLoadedCells)
    throw EInOutError("文件 " + GbkFromPath(path) + " 的记录太多");

  grid.SetRowCount(static_cast<int>(complete) + 2);
  grid.SetColCount(shown + 1);
  for (int c = 0; c < shown; ++c) {
    grid.SetCell(c + 1, 0, Descriptor(fields[c]));
    grid.SetCell(c + 1, 1, fields[c].name);
  }
  for (std::size_t r = 0; r < complete; ++r) {
    const int row = static_cast<int>(r) + 2;
    grid.SetCell(0, row, IntToStr(static_cast<std::int64_t>(r) + 1));
    std::size_t at = headerLength + r * recordBytes + 1;
    for (int c = 0; c < shown; ++c) {
      grid.SetCell(c + 1, row, CellText(fields[c], bytes, at));
      at += static_cast<std::size_t>(fields[c].length);
    }
  }
  grid.SetFixedRows(2);
  grid.SetCol(1);
  grid.SetRow(2);
  if (complete < records) ThrowReadError(path);
}

}  // namespace

void LoadDbfGrid(const std::filesystem::path& path, Worksheet& grid) {
  LoadAtomically(grid, [&](Worksheet& fresh) { ReadDbfInto(path, fresh); });
}

}  // namespace zarnix
