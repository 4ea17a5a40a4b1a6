// Category table, radio order and per-category grid settings.
#include "app/category_table.h"

#include <string_view>

#include "app/table_calculation.h"
#include "discrete/fun_calculations.h"
#include "discrete/general_calculation.h"
#include "discrete/integer_arithmetic.h"
#include "discrete/linear_programming.h"
#include "discrete/misc_calculations.h"
#include "discrete/puzzles_category.h"
#include "formulas/common_formulas.h"
#include "formulas/functions_curves.h"
#include "geometry/geometric_figures.h"
#include "geometry/plane_geometry_category.h"
#include "geometry/space_geometry_category.h"
#include "geometry/vector_operations.h"
#include "numeric/array_stats_category.h"
#include "numeric/control_category.h"
#include "numeric/higher_math_category.h"
#include "numeric/linear_algebra_category.h"
#include "numeric/multivariate_category.h"
#include "numeric/nonlinear_category.h"
#include "numeric/ode_category.h"
#include "numeric/regression_category.h"

namespace zarnix {

const std::array<CategoryEntry, kCategoryCount> kCategoryTable = {{
    {"几何图形", HandleGeometricFigures},
    {"平面解析几何", HandlePlaneAnalyticGeometry},
    {"数组统计", HandleArrayStatistics},
    {"一元回归插值", HandleRegressionInterpolation},
    {"多元回归插值", HandleMultivariateRegression},
    {"常用公式计算", HandleCommonFormulas},
    {"整数运算", HandleIntegerArithmetic},
    {"趣味计算", HandleFunCalculations},
    {"杂项计算", HandleMiscCalculations},
    {"线性代数", HandleLinearAlgebra},
    {"非线性方程", HandleNonlinearEquations},
    {"微分方程组", HandleOdeSystem},
    {"表格计算", HandleTableCalculation},
    {"矢量运算", HandleVectorOperations},
    {"数独幻方八皇后", HandlePuzzles},
    {"线性规划", HandleLinearProgramming},
    {"控制系统仿真", HandleControlSystem},
    {"函数与曲线", HandleFunctionsCurves},
    {"通用计算", HandleGeneralCalculation},
    {"空间解析几何", HandleSpaceAnalyticGeometry},
    {"高等数学", HandleHigherMathematics},
}};

const std::array<const char*, kCategoryCount> kRadioItems = {
    "通用计算",       "整数运算",     "空间解析几何", "几何图形",   "平面解析几何", "数组统计",
    "一元回归插值",   "多元回归插值", "常用公式计算", "函数与曲线", "表格计算",     "趣味计算",
    "线性代数",       "非线性方程",   "微分方程组",   "矢量运算",   "高等数学",     "杂项计算",
    "数独幻方八皇后", "线性规划",     "控制系统仿真",
};

int FindCategory(std::string_view name) {
  for (int i = 0; i < kCategoryCount; ++i)
    if (name == kCategoryTable[i].name) return i;
  return -1;
}

namespace {

using Then = GridSettings::Then;
constexpr GridSettings kDataSet{true, 0, 1, Then::kLoadData};           // 2, 4, 9, 13
constexpr GridSettings kFullDataSet{false, 0, 1, Then::kLoadData};      // 3, 11
constexpr GridSettings kTable{true, -1, -1, Then::kLoadData};           // 12
constexpr GridSettings kCurrentItem{true, -1, -1, Then::kCurrentRow3};  // 7, 10, 16
constexpr GridSettings kItems{true, -1, -1, Then::kNothing};            // 6, 14, 15, 17-20
constexpr GridSettings kFullItems{false, -1, -1, Then::kNothing};       // 0, 1, 5, 8

const std::array<GridSettings, kCategoryCount> kGridSettings = {
    kFullItems,   kFullItems, kDataSet,     kFullDataSet, kDataSet,     kFullItems, kItems,
    kCurrentItem, kFullItems, kDataSet,     kCurrentItem, kFullDataSet, kTable,     kDataSet,
    kItems,       kItems,     kCurrentItem, kItems,       kItems,       kItems,     kItems,
};

}  // namespace

const GridSettings& GridSettingsOf(int categoryIndex) {
  static constexpr GridSettings kUnchanged{false, -1, -1, Then::kNothing};
  if (categoryIndex < 0 || categoryIndex >= kCategoryCount) return kUnchanged;
  return kGridSettings[categoryIndex];
}

}  // namespace zarnix
