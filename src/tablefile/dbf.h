// dBase table files (".dbf"), read into a worksheet in the same layout as a table-text file:
// descriptors in row 0, names in row 1, one record per row from row 2, numbers in column 0.
#pragma once

#include <filesystem>

namespace zarnix {

class Worksheet;

// At most this many fields are shown; the record layout still honours any further ones.
inline constexpr int kMaxDbfFields = 255;

// Throws EInOutError when the file cannot be opened, holds more cells than a worksheet shows,
// or ends before the announced descriptors or records; the grid is then unchanged.
void LoadDbfGrid(const std::filesystem::path& path, Worksheet& grid);

}  // namespace zarnix
