// Speed of the image page: ten curves of a thousand points recorded and rastered on the
// window's picture, the recording and the replay alone, and the regression double-click
// that tabulates 501 points per formula beside the spline and plots them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/convert.h"
#include "base/format.h"
#include "base/random.h"
#include "base/recording_canvas.h"
#include "base/scripted_ui.h"
#include "plot/curve_tables.h"
#include "plot/plot_engine.h"
#include "render/raster_canvas.h"
#include "sheet/answer_pane.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {
namespace {

// The 1024 x 768 screen's image area.
constexpr int kWidth = 1008;
constexpr int kHeight = 621;

// A plot block at row 1 with `curves` sine curves of `points` points.
Worksheet CurveBlock(int curves, int points) {
  Worksheet grid;
  grid.SetFixedCols(0);
  grid.SetColCount(curves + 2);
  grid.SetRowCount(points + 2);
  grid.SetCell(0, 1, "双击此格看图像");
  grid.SetCell(1, 1, "x");
  for (int s = 0; s < curves; ++s) grid.SetCell(2 + s, 1, "y" + IntToStr(s + 1));
  for (int k = 0; k < points; ++k) {
    const Extended x = 0.01L * k;
    grid.SetCell(1, 2 + k, Format("%.3f", x));
    for (int s = 0; s < curves; ++s) grid.SetCell(2 + s, 2 + k, Format("%.3f", std::sin(x) + s));
  }
  grid.SetRow(1);
  return grid;
}

void BM_TenCurvesRecordAndRaster(benchmark::State& state) {
  Worksheet grid = CurveBlock(10, 1000);
  ScriptedUi ui;
  RasterCanvas canvas(kWidth, kHeight);
  const PlotPorts ports{canvas, ui, PlotGeometryForScreen({1024, 768})};
  for (auto _ : state) {
    ui.ClearLog();
    benchmark::DoNotOptimize(PlotAtMarkerRow(ports, grid));
    benchmark::DoNotOptimize(canvas.Raster().data);
  }
}
BENCHMARK(BM_TenCurvesRecordAndRaster)->Unit(benchmark::kMillisecond);

void BM_TenCurvesRecordOnly(benchmark::State& state) {
  Worksheet grid = CurveBlock(10, 1000);
  ScriptedUi ui;
  RecordingCanvas canvas(kWidth, kHeight);
  const PlotPorts ports{canvas, ui, PlotGeometryForScreen({1024, 768})};
  for (auto _ : state) {
    ui.ClearLog();
    benchmark::DoNotOptimize(PlotAtMarkerRow(ports, grid));
  }
}
BENCHMARK(BM_TenCurvesRecordOnly)->Unit(benchmark::kMillisecond);

void BM_TenCurvesRasterOnly(benchmark::State& state) {
  Worksheet grid = CurveBlock(10, 1000);
  ScriptedUi ui;
  RasterCanvas canvas(kWidth, kHeight);
  const PlotPorts ports{canvas, ui, PlotGeometryForScreen({1024, 768})};
  PlotAtMarkerRow(ports, grid);
  for (auto _ : state) {
    // A caption change makes the picture draw itself anew from the same list.
    canvas.SetCaption("x");
    benchmark::DoNotOptimize(canvas.Raster().data);
  }
}
BENCHMARK(BM_TenCurvesRasterOnly)->Unit(benchmark::kMillisecond);

// A regression sheet: formula marker at row 5, the formulas from row 6, the spline's table
// of 501 points at row 28, as the category leaves it.
Worksheet RegressionSheet() {
  Worksheet grid;
  grid.SetFixedCols(0);
  grid.SetColCount(12);
  grid.SetRowCount(28 + 502);
  grid.SetCell(0, 5, "双击以下回归公式看图象");
  const char* formulas[] = {"a+b*x",       "a*x^b", "1/(a+b*x)", "x/(a*x+b)",  "a+b*ln(x)",
                            "a+b*exp(-x)", "a+b/x", "a+b*x^2",   "a+b*x+c*x^2"};
  for (int i = 0; i < 9; ++i) {
    grid.SetCell(0, 6 + i, formulas[i]);
    grid.SetCell(1, 6 + i, "1.5");
    grid.SetCell(2, 6 + i, "0.75");
    grid.SetCell(3, 6 + i, "0.01");
  }
  grid.SetCell(0, 28, "双击此格看图像");
  grid.SetCell(1, 28, "x");
  grid.SetCell(2, 28, "三次样条插值");
  for (int j = 0; j <= 500; ++j) {
    const Extended x = 1 + 7.0L * j / 500;
    grid.SetCell(0, 29 + j, IntToStr(j));
    grid.SetCell(1, 29 + j, Format("%.8f", x));
    grid.SetCell(2, 29 + j, Format("%.8f", 2 * x + 1));
  }
  return grid;
}

void BM_RegressionCurves(benchmark::State& state) {
  Worksheet grid = RegressionSheet();
  AnswerPane answer;
  std::string format = "%.8f";
  std::vector<std::string> dataList;
  ScriptedUi ui;
  DataPaths paths;
  SystemClock clock;
  LcgRandom random;
  int puzzleMode = 9;
  std::string timing;
  RasterCanvas canvas(kWidth, kHeight);
  Workbench bench{grid,    answer, format, 8,      dataList,   ui,
                  &canvas, paths,  clock,  random, puzzleMode, timing};
  const PlotPorts ports{canvas, ui, PlotGeometryForScreen({1024, 768})};
  const std::string curves = IntToStr(state.range(0));
  for (auto _ : state) {
    ui.ClearLog();
    ui.QueueAnswer(curves);
    grid.SetCol(0);
    grid.SetRow(6);
    benchmark::DoNotOptimize(PlotRegressionCurves(bench, ports));
    benchmark::DoNotOptimize(canvas.Raster().data);
  }
}
BENCHMARK(BM_RegressionCurves)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarnix
