// Worksheet table files: the table-text formats (backquote, comma, fixed-width and TAB
// separated, with descriptor and name lines), comma text, the two writers and the rate lookup.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/date.h"
#include "base/extended.h"

namespace zarnix {

class Worksheet;

// Longest line a table file may hold; a longer one ends the load with a message.
inline constexpr std::size_t kMaxTableLineBytes = std::size_t{1} << 20;

// Loads a table file into the grid by its extension: ".dbf" dBase, first letter after the
// dot T (backquote), D (comma), S (fixed width), 9 (TAB) table text, anything else (".txt"
// included) comma text.
// The grid is not cleared first. Throws EInOutError for an unreadable file (or one with more
// cells than a worksheet shows) and EConvertError for a descriptor without a width; a failed
// load leaves the grid exactly as it was.
void LoadGridFile(const std::filesystem::path& path, Worksheet& grid);

// One grid row per line from row 0, fields by the comma-text rules; no fixed columns.
void LoadCommaTextGrid(const std::filesystem::path& path, Worksheet& grid);

// Rows 0 and 1 as they stand, then the record rows trimmed; columns 1..last, backquotes.
void SaveGridFile(const std::filesystem::path& path, const Worksheet& grid);

// A data set (no fixed column) with synthetic descriptors "C10" and names "a1", "a2", ...
void SaveDataSetFile(const std::filesystem::path& path, const Worksheet& grid);

// Rate in percent for a deposit term of `termMonths` on `date` from a loaded rate table:
// the column headed "C" + term, the last row dated on or before the date. 0 when none matches.
Extended LookupRate(const Worksheet& rates, int termMonths, const CalendarDate& date);

// Splits a comma-text line into fields: leading blanks skipped, quoted fields with doubled
// quotes, unquoted fields ending at a comma or any character <= 32.
std::vector<std::string> SplitCommaText(std::string_view line);

}  // namespace zarnix
