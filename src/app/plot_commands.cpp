// The image page's commands: the worksheet double-click and the plots it starts by
// category, opening a picture and saving a drawn plot.
#include <string>

#include "app/output_files.h"
#include "app/tform1.h"
#include "base/canvas.h"
#include "base/textfile.h"
#include "plot/curve_tables.h"
#include "plot/plot_engine.h"

namespace zarnix {

namespace {

constexpr const char* kPlotMarker = "双击此格看图像";
constexpr const char* kPictureFilter =
    "图象文件 (*.bmp;*.png;*.jpg;*.jpeg;*.ico)|*.bmp;*.png;*.jpg;*.jpeg;*.ico|所有文件 (*.*)|*.*";
constexpr const char* kSavedPlotEnding = "图象.bmp";
constexpr const char* kNotAPlotMessage = "非曲线图像不保存";
constexpr const char* kSavedMessage = "已保存为：";

using PlotPath = PlotOutcome (*)(Workbench&, const PlotPorts&);

PlotOutcome PlotBlockAtMarker(Workbench& bench, const PlotPorts& ports) {
  return PlotAtMarkerRow(ports, bench.grid) ? PlotOutcome::kPlotted : PlotOutcome::kRefused;
}

// What a double-click on a marker cell ("双击此格看图像") plots, by category. A category
// that draws a picture of its own adds one case here, e.g.
//   case 15: return PlotRoute;  (linear programming's route)
//   case 1: return PlotFigure;  (plane analytic geometry's figure)
PlotPath MarkerPlotOf(int category) {
  switch (category) {
    default:
      return PlotBlockAtMarker;
  }
}

// Plots a double-click starts on other cells, by category, tried in this order. Each path
// checks the cell itself; runAgain computes the category again once the path started.
struct CellPlot {
  int category;
  PlotPath plot;
  bool runAgain;
};

const CellPlot kCellPlots[] = {
    {3, PlotRegressionCurves, false},
    {10, [](Workbench& b, const PlotPorts& p) { return PlotFunctionCurves(b, p, true); }, true},
    {10, PlotPointLists, true},
    {17, [](Workbench& b, const PlotPorts& p) { return PlotFunctionCurves(b, p, false); }, true},
    {17, PlotPointLists, true},
};

}  // namespace

void TForm1::StringGrid1DblClick() {
  Guarded([&] {
    Workbench bench = MakeWorkbench();
    const PlotPorts ports{*canvas_, ui_, PlotGeometryForScreen(options_.screen)};
    const std::string cell = StringGrid1.Cell(StringGrid1.Col(), StringGrid1.Row());
    if (!cell.empty() && cell.find(kPlotMarker) != std::string::npos &&
        MarkerPlotOf(CategoryIndex)(bench, ports) == PlotOutcome::kPlotted) {
      ActivePage = Page::kImage;
    }
    for (const CellPlot& path : kCellPlots) {
      if (path.category != CategoryIndex) continue;
      const PlotOutcome outcome = path.plot(bench, ports);
      if (outcome == PlotOutcome::kPlotted) ActivePage = Page::kImage;
      if (outcome != PlotOutcome::kNotMine && path.runAgain) BitBtn1Click();
    }
  });
}

Canvas& TForm1::Image1() {
  return *canvas_;
}

const Canvas& TForm1::Image1() const {
  return *canvas_;
}

void TForm1::BitBtn10Click() {
  Guarded([&] {
    const auto chosen = ui_.PickOpenFile(kPictureFilter, paths_.dataDir);
    if (chosen) canvas_->LoadPicture(*chosen);
  });
}

void TForm1::OpenPictureFile(const std::filesystem::path& path) {
  Guarded([&] { canvas_->LoadPicture(path); });
}

void TForm1::BitBtn11Click() {
  Guarded([&] {
    if (canvas_->Picture().kind != PictureKind::kPlot) {
      ui_.ShowMessage(kNotAPlotMessage);
      return;
    }
    const std::filesystem::path file = FreshNumberedFile(paths_.outDir, random_, kSavedPlotEnding);
    canvas_->SaveImage(file);
    WrittenFiles.push_back(file);
    ui_.ShowMessage(kSavedMessage + GbkFromPath(file));
  });
}

}  // namespace zarnix
