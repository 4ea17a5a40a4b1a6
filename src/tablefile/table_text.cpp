// Table-text and comma-text loading, the table writers and the deposit-rate lookup.
#include "tablefile/table_text.h"

#include <algorithm>
#include <tuple>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/gbk.h"
#include "base/textfile.h"
#include "sheet/text_utils.h"
#include "sheet/worksheet.h"
#include "tablefile/dbf.h"

namespace zarnix {

namespace {

constexpr char kBackquote = '`';

enum class TableFormat { kDbf, kBackquote, kComma, kFixedWidth, kTab, kCommaText };

TableFormat FormatOf(const std::filesystem::path& path) {
  const std::string ext = path.extension().string();
  if (LowerCase(ext) == ".dbf") return TableFormat::kDbf;
  // Plain text files are comma text although their letter is T.
  if (ext.size() < 2 || LowerCase(ext) == ".txt") return TableFormat::kCommaText;
  switch (UpperCase(ext.substr(1, 1))[0]) {
    case 'T':
      return TableFormat::kBackquote;
    case 'D':
      return TableFormat::kComma;
    case 'S':
      return TableFormat::kFixedWidth;
    case '9':
      return TableFormat::kTab;
    default:
      return TableFormat::kCommaText;
  }
}

// The file's lines, refusing lines too long for a worksheet row.
std::vector<std::string> ReadTableLines(const std::filesystem::path& path) {
  std::vector<std::string> lines = ReadTextLines(path);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() > kMaxTableLineBytes)
      throw EInOutError(Format("文件 %s 的第 %d 行太长（超过 %d 字节）", GbkFromPath(path),
                               static_cast<int>(i + 1), static_cast<int>(kMaxTableLineBytes)));
  }
  return lines;
}

// Writes parts into row `row` from column `firstCol` on, filling `fieldCount` cells: parts
// beyond them are dropped, missing ones leave empty cells.
void StoreFields(Worksheet& grid, int row, int firstCol, int fieldCount,
                 const std::vector<std::string>& parts) {
  for (int i = 0; i < fieldCount; ++i)
    grid.SetCell(firstCol + i, row, i < static_cast<int>(parts.size()) ? parts[i] : "");
}

// Field width from a descriptor: "N8.3" and "M8.0" -> the digits before the point,
// "C10" -> the digits after the letter. Kept to a byte, as the file format stores it.
int FieldWidth(const std::string& descriptor) {
  std::size_t start = 0;
  while (start < descriptor.size() && descriptor[start] == ' ') ++start;
  const std::string t = descriptor.substr(start);
  const char letter = t.empty() ? '\0' : t[0];
  std::string digits;
  if (letter == 'N' || letter == 'M') {
    const std::size_t point = t.find('.');
    digits = point == std::string::npos || point < 1 ? "" : t.substr(1, point - 1);
  } else {
    digits = t.size() > 1 ? t.substr(1) : "";
  }
  return StrToInt(digits) & 0xFF;
}

// One fixed-width record: `width` characters per field, one separator character skipped.
std::vector<std::string> SplitFixedWidth(const std::string& line, const std::vector<int>& widths) {
  std::vector<std::string> parts;
  std::size_t pos = 0;
  for (int width : widths) {
    parts.push_back(pos < line.size() ? line.substr(pos, width) : "");
    pos += static_cast<std::size_t>(width) + 1;
  }
  return parts;
}

void LoadTableText(const std::filesystem::path& path, Worksheet& grid, TableFormat format) {
  const std::vector<std::string> lines = ReadTableLines(path);
  const auto line = [&](std::size_t i) -> const std::string& {
    static const std::string kNone;
    return i < lines.size() ? lines[i] : kNone;
  };
  const char separator = format == TableFormat::kBackquote ? kBackquote
                         : format == TableFormat::kComma   ? ','
                         : format == TableFormat::kTab     ? '\t'
                                                           : ' ';
  // Header lines: descriptors in row 0, names in row 1, from column 1.
  const int fields = CountOccurrences(line(0), std::string(1, separator)) + 1;
  if (fields + 1 > Worksheet::kMaxCols)
    throw EInOutError(Format("文件 %s 的字段太多", GbkFromPath(path)));
  grid.SetColCount(fields + 1);
  grid.SetRowCount(2);
  StoreFields(grid, 0, 1, fields, SplitText(line(0), separator));
  StoreFields(grid, 1, 1, fields, SplitText(line(1), separator));

  std::vector<int> widths;
  for (int c = 1; c <= fields; ++c) widths.push_back(FieldWidth(grid.Cell(c, 0)));

  // Records: at least one line is read, so a file of two header lines gives one empty record.
  const std::size_t recordLines = std::max<std::size_t>(lines.size(), 3) - 2;
  if (recordLines + 2 > static_cast<std::size_t>(Worksheet::kMaxRows) ||
      static_cast<long long>(recordLines + 2) * (fields + 1) > Worksheet::kMaxLoadedCells)
    throw EInOutError(Format("文件 %s 的记录太多", GbkFromPath(path)));
  for (std::size_t i = 0; i < recordLines; ++i) {
    const int row = static_cast<int>(i) + 2;
    const std::string& text = line(i + 2);
    grid.SetRowCount(row + 1);
    StoreFields(grid, row, 1, fields,
                format == TableFormat::kFixedWidth ? SplitFixedWidth(text, widths)
                                                   : SplitText(text, separator));
  }
  for (int row = 2; row < grid.RowCount(); ++row) grid.SetCell(0, row, IntToStr(row - 1));
  grid.SetFixedRows(2);
  grid.SetCol(1);
  grid.SetRow(2);
}

std::string JoinCells(const Worksheet& grid, int row, int firstCol, bool trim) {
  std::string text;
  for (int c = firstCol; c < grid.ColCount(); ++c) {
    if (c > firstCol) text += kBackquote;
    text += trim ? Trim(grid.Cell(c, row)) : grid.Cell(c, row);
  }
  return text;
}

}  // namespace

std::vector<std::string> SplitCommaText(std::string_view line) {
  const auto at = [&](std::size_t i) -> unsigned char {
    return i < line.size() ? static_cast<unsigned char>(line[i]) : 0;
  };
  const auto isBlank = [](unsigned char c) { return c >= 1 && c <= ' '; };
  std::vector<std::string> fields;
  std::size_t p = 0;
  while (isBlank(at(p))) ++p;
  while (at(p) != 0) {
    std::string field;
    if (at(p) == '"') {
      ++p;
      while (at(p) != 0) {
        if (at(p) == '"') {
          if (at(p + 1) != '"') {
            ++p;
            break;
          }
          ++p;  // a doubled quote stands for one
        }
        const std::size_t len = CharLengthAt(line, p);
        field.append(line.substr(p, len));
        p += len;
      }
    } else {
      const std::size_t start = p;
      while (at(p) > ' ' && at(p) != ',') p += CharLengthAt(line, p);
      field.assign(line.substr(start, p - start));
    }
    fields.push_back(std::move(field));
    while (isBlank(at(p))) ++p;
    if (at(p) == ',') {
      if (at(p + 1) == 0) fields.emplace_back();  // a trailing comma adds an empty field
      do ++p;
      while (isBlank(at(p)));
    }
  }
  return fields;
}

namespace {

void ReadCommaTextInto(const std::filesystem::path& path, Worksheet& grid) {
  std::vector<std::string> lines = ReadTableLines(path);
  for (std::string& l : lines) l.erase(std::find(l.begin(), l.end(), '\0'), l.end());
  const int columns =
      std::min(lines.empty() ? 1 : CountOccurrences(lines[0], ",") + 1, Worksheet::kMaxCols);
  if (lines.size() > static_cast<std::size_t>(Worksheet::kMaxRows) ||
      static_cast<long long>(lines.size()) * columns > Worksheet::kMaxLoadedCells)
    throw EInOutError(Format("文件 %s 的行太多", GbkFromPath(path)));
  grid.SetColCount(columns);
  grid.SetRowCount(static_cast<int>(lines.size()));
  for (std::size_t r = 0; r < lines.size(); ++r) {
    std::vector<std::string> fields = SplitCommaText(lines[r]);
    for (std::string& f : fields)
      if (f.empty()) f = " ";
    StoreFields(grid, static_cast<int>(r), 0, columns, fields);
  }
  grid.SetFixedCols(0);
}

}  // namespace

void LoadCommaTextGrid(const std::filesystem::path& path, Worksheet& grid) {
  LoadAtomically(grid, [&](Worksheet& fresh) { ReadCommaTextInto(path, fresh); });
}

void LoadGridFile(const std::filesystem::path& path, Worksheet& grid) {
  const TableFormat format = FormatOf(path);
  if (format == TableFormat::kDbf) return LoadDbfGrid(path, grid);
  if (format == TableFormat::kCommaText) return LoadCommaTextGrid(path, grid);
  LoadAtomically(grid, [&](Worksheet& fresh) { LoadTableText(path, fresh, format); });
}

void SaveGridFile(const std::filesystem::path& path, const Worksheet& grid) {
  std::vector<std::string> lines;
  for (int row = 0; row < grid.RowCount(); ++row)
    lines.push_back(JoinCells(grid, row, 1, row >= 2));
  WriteTextLines(path, lines);
}

void SaveDataSetFile(const std::filesystem::path& path, const Worksheet& grid) {
  std::string descriptors, names;
  for (int c = 0; c < grid.ColCount(); ++c) {
    if (c > 0) {
      descriptors += kBackquote;
      names += kBackquote;
    }
    descriptors += "C10";
    names += "a" + IntToStr(c + 1);
  }
  std::vector<std::string> lines = {descriptors, names};
  for (int row = 0; row < grid.RowCount(); ++row) lines.push_back(JoinCells(grid, row, 0, false));
  WriteTextLines(path, lines);
}

Extended LookupRate(const Worksheet& rates, int termMonths, const CalendarDate& date) {
  const std::string heading = "C" + IntToStr(termMonths);
  for (int c = 1; c < rates.ColCount(); ++c) {
    if (rates.Cell(c, 0) != heading) continue;
    for (int row = rates.RowCount() - 1; row >= 2; --row) {
      const CalendarDate from{StrToIntDef(Trim(rates.Cell(1, row)), 0),
                              StrToIntDef(Trim(rates.Cell(2, row)), 0),
                              StrToIntDef(Trim(rates.Cell(3, row)), 0)};
      const bool onOrBefore =
          std::tie(from.year, from.month, from.day) <= std::tie(date.year, date.month, date.day);
      if (onOrBefore) return StrToFloatDef(Trim(rates.Cell(c, row)), 0);
    }
    return 0;
  }
  return 0;
}

}  // namespace zarnix
