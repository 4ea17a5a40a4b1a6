// zarnix-cli on the image page: double-click plots on the shipped sheets of the categories
// that compute (array statistics, regression, nonlinear equations, differential equations),
// the pictures written as PNG, BMP and SVG, the screen size behind the grid, saving under a
// fresh name, opening pictures and the JSON that reports it all.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/gbk.h"
#include "cli_runner.h"
#include "support/temp_dir.h"

namespace zarnix {
namespace {

const char* const kScalePrompt = "请输入坐标起点坐标值x0,y0,坐标轴每格增量dx,dy";

class PlotCli : public TempDirTest {
 protected:
  nlohmann::json Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--json", "--out-dir", dir_.string()});
    const CliRun run = RunZarnixCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.status == 0 ? run.Json() : nlohmann::json::object();
  }

  // The answer given to the last prompt with this caption (UTF-8).
  static std::string PromptAnswer(const nlohmann::json& json, const std::string& caption) {
    std::string answer = "<not asked>";
    for (const auto& m : json["messages"])
      if (m["kind"] == "prompt" && m["text"] == caption) answer = m["answer"];
    return answer;
  }

  static std::vector<std::string> Messages(const nlohmann::json& json) {
    std::vector<std::string> texts;
    for (const auto& m : json["messages"])
      if (m["kind"] == "message") texts.push_back(m["text"]);
    return texts;
  }

  static std::string Cell(const nlohmann::json& json, int col, int row) {
    return json["grid"]["cells"][row][col];
  }

  // Width and height from a PNG's header.
  std::pair<int, int> PngSize(const std::string& name) {
    const std::string png = Read(dir_ / name);
    auto be32 = [&](std::size_t at) {
      return static_cast<int>(static_cast<unsigned char>(png[at]) << 24 |
                              static_cast<unsigned char>(png[at + 1]) << 16 |
                              static_cast<unsigned char>(png[at + 2]) << 8 |
                              static_cast<unsigned char>(png[at + 3]));
    };
    if (png.size() < 24 || png.substr(1, 3) != "PNG") return {0, 0};
    return {be32(16), be32(20)};
  }

  static std::string ShippedPicture() {
    return (std::filesystem::path(ZARNIX_TESTS_DIR).parent_path() / "data" / "zarnix.jpg").string();
  }
};

TEST_F(PlotCli, ArrayStatisticsBlockToPngBmpAndSvg) {
  const auto json =
      Run({U("select:数组统计"), "goto:0,6", "dblclick", "plot:s.png", "plot:s.bmp", "plot:s.svg"});
  EXPECT_EQ(json["page"], "image");
  EXPECT_EQ(json["image"]["kind"], "plot");
  EXPECT_EQ(json["image"]["width"], 1008);
  EXPECT_EQ(json["image"]["height"], 621);
  EXPECT_EQ(json["image"]["caption"], U("曲线1: 数组"));
  EXPECT_EQ(PromptAnswer(json, U(kScalePrompt)), "1.00,11.79,0.60,0.19");
  EXPECT_EQ(json["files"], (nlohmann::json{"s.png", "s.bmp", "s.svg"}));
  EXPECT_EQ(PngSize("s.png"), std::make_pair(1008, 621));
  EXPECT_EQ(Read(dir_ / "s.bmp").substr(0, 2), "BM");
  EXPECT_NE(Read(dir_ / "s.svg").find("<svg"), std::string::npos);
  EXPECT_TRUE(Messages(json).empty());
}

TEST_F(PlotCli, TheScreenSizeSetsTheGridAndThePicture) {
  const auto json = Run({"--screen", "800x600", U("select:数组统计"), "goto:0,6", "dblclick"});
  // 22 by 16 cells: dx = 14 x 1.2 / 22.
  EXPECT_EQ(PromptAnswer(json, U(kScalePrompt)), "1.00,11.79,0.76,0.24");
  EXPECT_EQ(json["image"]["width"], 784);
  EXPECT_EQ(json["image"]["height"], 458);
}

TEST_F(PlotCli, RegressionFormulasBesideTheSpline) {
  auto json = Run({"--answer", "3", U("select:一元回归插值"), "goto:0,6", "dblclick"});
  EXPECT_EQ(PromptAnswer(json, U("请输入自本行起的曲线数（最多9条）")), "3");
  EXPECT_EQ(json["grid"]["rowCount"], 28 + 502);
  EXPECT_EQ(Cell(json, 1, 28), "x");
  EXPECT_EQ(Cell(json, 2, 28), U("三次样条插值"));
  EXPECT_EQ(Cell(json, 3, 28), "a+b*x");
  EXPECT_EQ(Cell(json, 4, 28), "a*x^b");
  EXPECT_EQ(Cell(json, 5, 28), "1/(a+b*x)");
  EXPECT_EQ(Cell(json, 6, 28), "");
  // a + b x at x = 1 with the fitted coefficients.
  EXPECT_EQ(Cell(json, 3, 29), "3.01666667");
  EXPECT_EQ(json["image"]["caption"],
            U("曲线1: 三次样条插值; 曲线2: a+b*x; 曲线3: a*x^b; 曲线4: 1/(a+b*x)"));
  EXPECT_EQ(json["page"], "image");

  // Twelve asked: nine formulas and the spline.
  json = Run({"--answer", "12", U("select:一元回归插值"), "goto:0,6", "dblclick"});
  EXPECT_EQ(json["grid"]["colCount"], 12);
  EXPECT_EQ(Cell(json, 11, 28), "a+b*x+c*x^2");
  const std::string caption = json["image"]["caption"];
  EXPECT_NE(caption.find(U("曲线10: a+b*x+c*x^2")), std::string::npos);
  EXPECT_EQ(caption.find(U("曲线11")), std::string::npos);

  // The spline's own marker plots the spline alone.
  json = Run({U("select:一元回归插值"), "goto:0,28", "dblclick"});
  EXPECT_EQ(json["image"]["caption"], U("曲线1: 三次样条插值"));
}

TEST_F(PlotCli, NonlinearEquationsCurveThenTheEquationIsSolvedAgain) {
  const auto json = Run({"--answer", "50", U("select:非线性方程"), "goto:3,10", "dblclick"});
  EXPECT_EQ(PromptAnswer(json, U("请输入曲线的点数")), "50");
  EXPECT_EQ(json["grid"]["rowCount"], 19 + 50 + 3);
  EXPECT_EQ(Cell(json, 1, 20), U("x(双击此格看图像)"));
  EXPECT_EQ(Cell(json, 2, 20), "9");
  EXPECT_EQ(Cell(json, 1, 21), "0.000");
  EXPECT_EQ(Cell(json, 2, 21), "1.000");   // a e^-x - x at 0 with a = 1
  EXPECT_EQ(Cell(json, 2, 71), "-4.993");  // at 5
  EXPECT_EQ(json["image"]["caption"], U("曲线1: 9"));
  // The run after the plot solved the clicked equation.
  ASSERT_FALSE(json["answer"].empty());
  EXPECT_EQ(json["answer"][0], U("超越方程的解："));
  EXPECT_EQ(json["answer"][1], "0.567");
}

TEST_F(PlotCli, NonlinearEquationsPointListTypedIntoTheSheet) {
  const auto json = Run({U("select:非线性方程"), "cell:2,13=x:1;2;3;4", "cell:2,14=y1:1;4;9;16",
                         "cell:2,15=Y2:2;2;2;2", "cell:2,16=", "goto:2,13", "dblclick"});
  EXPECT_EQ(Cell(json, 1, 20), U("x(双击此格看图像)"));
  EXPECT_EQ(Cell(json, 2, 20), "y1");
  EXPECT_EQ(Cell(json, 3, 20), "y2");
  EXPECT_EQ(Cell(json, 1, 24), "4");
  EXPECT_EQ(Cell(json, 2, 24), "16");
  EXPECT_EQ(Cell(json, 3, 24), "2");
  EXPECT_EQ(json["image"]["caption"], U("曲线1: y1; 曲线2: y2"));
  EXPECT_EQ(json["page"], "image");
}

TEST_F(PlotCli, DifferentialEquationsBlockAsSvg) {
  const auto json = Run({U("select:微分方程组"), "goto:0,6", "dblclick", "plot:ode.svg"});
  EXPECT_EQ(json["image"]["caption"], U("曲线1: y1"));
  EXPECT_EQ(json["files"], nlohmann::json{"ode.svg"});
  EXPECT_NE(Read(dir_ / "ode.svg").find("<svg"), std::string::npos);
}

TEST_F(PlotCli, SavedPlotsGetFreshNumberedNames) {
  const auto json = Run(
      {"savepicture", U("select:数组统计"), "goto:0,6", "dblclick", "savepicture", "savepicture"});
  const std::vector<std::string> messages = Messages(json);
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0], U("非曲线图像不保存"));
  ASSERT_EQ(json["files"].size(), 2u);
  const std::string first = json["files"][0];
  const std::string second = json["files"][1];
  EXPECT_NE(first, second);
  for (const std::string& name : {first, second}) {
    EXPECT_EQ(name.size(), 3 + U("图象.bmp").size()) << name;
    EXPECT_EQ(name.substr(3), U("图象.bmp"));
    EXPECT_EQ(
        Read(dir_ / std::filesystem::path(std::u8string(name.begin(), name.end()))).substr(0, 2),
        "BM");
  }
  EXPECT_EQ(messages[1], U("已保存为：") + (dir_ / first).string());
}

TEST_F(PlotCli, OpenedPicturesAndTheStartUpPicture) {
  auto json = Run({"show", "savepicture", "page:image"});
  EXPECT_EQ(json["image"]["kind"], "picture");
  EXPECT_EQ(json["image"]["caption"], "zarnix.jpg");
  EXPECT_EQ(json["page"], "image");
  EXPECT_EQ(Messages(json), std::vector<std::string>{U("非曲线图像不保存")});

  Write("broken.png", "\x89PNG not a picture");
  json = Run({"openpicture:" + ShippedPicture(), "openpicture:" + (dir_ / "broken.png").string(),
              "plot:copy.png"});
  EXPECT_EQ(json["image"]["kind"], "picture");
  EXPECT_EQ(json["image"]["width"], 640);
  EXPECT_EQ(json["image"]["height"], 400);
  ASSERT_EQ(Messages(json).size(), 1u);
  EXPECT_NE(Messages(json)[0].find("broken.png"), std::string::npos);
  EXPECT_EQ(PngSize("copy.png"), std::make_pair(640, 400));
}

TEST_F(PlotCli, ARefusedScaleLeavesThePageAndThePicture) {
  const auto json = Run({"--answer", "0,0,0,1", U("select:数组统计"), "goto:0,6", "dblclick"});
  EXPECT_EQ(json["image"]["kind"], "empty");
  EXPECT_EQ(json["page"], "calc");
  EXPECT_EQ(Messages(json).size(), 1u);
}

TEST_F(PlotCli, PlotNamesNeedAPictureExtension) {
  for (const char* action : {"plot:", "plot:out", "plot:out.jpg"}) {
    const CliRun run = RunZarnixCli({"--out-dir", dir_.string(), action});
    EXPECT_EQ(run.status, 2) << action;
    EXPECT_FALSE(run.err.empty()) << action;
  }
  const CliRun run = RunZarnixCli({"--out-dir", (dir_ / "missing").string(), "plot:x.png"});
  EXPECT_EQ(run.status, 2);
}

}  // namespace
}  // namespace zarnix
