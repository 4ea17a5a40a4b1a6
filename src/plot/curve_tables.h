// Curve tables the worksheet's double-click computes before plotting them: the regression
// formulas' curves, function curves (explicit, parametric, polar) and typed point lists.
// Each acts on the current cell and checks for itself whether the cell is one of its own.
#pragma once

#include "plot/plot_engine.h"

namespace zarnix {

struct Workbench;

enum class PlotOutcome {
  kNotMine,  // the cell starts nothing here
  kRefused,  // started, but nothing was drawn (a message said why, or the scale was refused)
  kPlotted,  // the picture shows the new plot
};

// Points one function curve is drawn with at most; larger answers are cut to it.
inline constexpr int kMaxCurvePoints = 20000;

inline constexpr const char* kRegressionCountCaption = "请输入自本行起的曲线数（最多9条）";
inline constexpr const char* kCurvePointsCaption = "请输入曲线的点数";
inline constexpr const char* kNoOutputAreaMessage =
    "工作表中没有“***”行：曲线表写在“***”行之下，请先加上这一行";
inline constexpr const char* kAboveOutputAreaMessage = "曲线的公式或点列须写在“***”行之上";
inline constexpr const char* kBadPointCountMessage = "曲线的点数须为正整数";
inline constexpr const char* kNoPointCurvesMessage =
    "没有可画的点列：x:行之下须有y1:、y2:…开头的行";

// Regression category: a double-click in column 0 on a formula row (its text holds an x)
// between the formula marker and the spline table's marker. The formulas of the asked
// number of rows from here are tabulated beside the spline and plotted with it.
PlotOutcome PlotRegressionCurves(Workbench& bench, const PlotPorts& ports);

// Nonlinear equations (equationSheet) and functions and curves: a double-click on a cell
// holding "=" in a row whose column 5 gives the interval. The table goes below the "***" row
// and onto the clipboard.
PlotOutcome PlotFunctionCurves(Workbench& bench, const PlotPorts& ports, bool equationSheet);

// The same categories: a double-click on a cell beginning with "x:" plots the y lists of the
// rows below it against those xs.
PlotOutcome PlotPointLists(Workbench& bench, const PlotPorts& ports);

// Whether the text holds this ASCII character as a character of its own (not as the second
// byte of a two-byte character).
bool HasAsciiChar(std::string_view text, char wanted);

}  // namespace zarnix
