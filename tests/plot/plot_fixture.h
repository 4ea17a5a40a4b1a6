// A worksheet, a scripted Ui and a raster picture for plot tests, with helpers that fill a
// plot block and read the picture's pixels.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/convert.h"
#include "base/scripted_ui.h"
#include "plot/plot_engine.h"
#include "render/raster_canvas.h"
#include "sheet/worksheet.h"

namespace zarnix {

class PlotTest : public ::testing::Test {
 protected:
  // The 1024 x 768 screen's grid on a picture just large enough for it and its captions.
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 520;

  PlotPorts Ports() { return PlotPorts{canvas, ui, geometry}; }

  // A plot block at marker row `marker`: x names and values in column 1, one column per
  // curve from column 2, rows marker + 1 ... down to the grid's last row.
  void Block(int marker, const std::string& xName, const std::vector<Extended>& xs,
             const std::vector<std::string>& names, const std::vector<std::vector<Extended>>& ys) {
    grid.SetFixedCols(0);
    grid.SetFixedRows(1);
    grid.SetColCount(static_cast<int>(names.size()) + 3);
    grid.SetRowCount(marker + static_cast<int>(xs.size()) + 1);
    grid.SetCell(0, marker, "双击此格看图像");
    grid.SetCell(1, marker, xName);
    for (std::size_t s = 0; s < names.size(); ++s) {
      grid.SetCell(2 + static_cast<int>(s), marker, names[s]);
      for (std::size_t k = 0; k < xs.size() && k < ys[s].size(); ++k)
        grid.SetCell(2 + static_cast<int>(s), marker + 1 + static_cast<int>(k),
                     FloatToStr(ys[s][k]));
    }
    for (std::size_t k = 0; k < xs.size(); ++k)
      grid.SetCell(1, marker + 1 + static_cast<int>(k), FloatToStr(xs[k]));
    grid.SetCol(0);
    grid.SetRow(marker);
  }

  static std::vector<Extended> Range(Extended from, Extended to, Extended step) {
    std::vector<Extended> values;
    for (Extended v = from; v <= to + step / 2; v += step) values.push_back(v);
    return values;
  }

  Color Pixel(int x, int y) { return canvas.PixelAt(x, y); }

  // Pixels in the rectangle that are not white.
  int InkIn(int left, int top, int right, int bottom) {
    int ink = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) ink += Pixel(x, y) != kWhite;
    return ink;
  }

  // The last prompt's answer as the program received it.
  std::string LastPromptAnswer() const {
    for (auto it = ui.Log().rbegin(); it != ui.Log().rend(); ++it)
      if (it->kind == UiLogEntry::Kind::kPrompt) return it->answer;
    return "";
  }

  Worksheet grid;
  ScriptedUi ui;
  RasterCanvas canvas{kWidth, kHeight};
  PlotGeometry geometry{};
};

}  // namespace zarnix
