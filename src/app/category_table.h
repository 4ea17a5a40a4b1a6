// The 21 categories: names in dispatch order with their handlers, the radio group's order
// of the same names, and the grid settings that selection applies to each category.
#pragma once

#include <array>
#include <string_view>

namespace zarnix {

struct Workbench;

using CategoryHandler = void (*)(Workbench&);

inline constexpr int kCategoryCount = 21;

struct CategoryEntry {
  const char* name;
  CategoryHandler handler;  // null while the category is not built
};

// Position = CategoryIndex.
extern const std::array<CategoryEntry, kCategoryCount> kCategoryTable;

// The radio group's items, 7 columns, in display order.
extern const std::array<const char*, kCategoryCount> kRadioItems;

// CategoryIndex of a name (first exact match), -1 when there is none.
int FindCategory(std::string_view name);

// What selecting a category does to the worksheet after loading its file.
struct GridSettings {
  enum class Then { kNothing, kLoadData, kCurrentRow3 };
  bool threeQuarterWidth;  // page width div 4 * 3, else unchanged (full)
  int fixedCols;           // -1: unchanged
  int fixedRows;           // -1: unchanged
  Then then;
};

const GridSettings& GridSettingsOf(int categoryIndex);

// Names the window and handlers refer to.
inline constexpr const char* kGeneralCategory = "通用计算";
inline constexpr const char* kIntegerCategory = "整数运算";
inline constexpr const char* kPuzzleCategory = "数独幻方八皇后";
inline constexpr const char* kTableCategory = "表格计算";
inline constexpr int kPuzzleCategoryIndex = 14;

}  // namespace zarnix
