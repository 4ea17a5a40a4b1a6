// Item-row worksheets for the end-to-end tests of the general and integer categories: the test
// writes its rows as a table file, zarnix-cli opens it in the category and runs it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/gbk.h"
#include "cli_runner.h"

namespace zarnix {

// Cells from column 1 on: item number, name, description, parameters.
using SheetRow = std::vector<std::string>;

struct SheetRun {
  nlohmann::json json;
  // Messages shown, UTF-8.
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& m : json["messages"]) texts.push_back(m["text"]);
    return texts;
  }
  const nlohmann::json& Cells() const { return json["grid"]["cells"]; }
  // Cell (col, row) where row 2 is the first item row; UTF-8.
  std::string Cell(int col, int row) const { return Cells()[row][col]; }
  std::string Result(int row) const {
    return Cells()[row][json["grid"]["colCount"].get<int>() - 1];
  }
  // The answer lines after the line `header` (GBK) up to the next empty line.
  std::vector<std::string> Block(const std::string& header) const {
    std::vector<std::string> lines;
    const auto& answer = json["answer"];
    std::size_t i = 0;
    while (i < answer.size() && answer[i] != U(header)) ++i;
    for (++i; i < answer.size() && answer[i] != ""; ++i) lines.push_back(answer[i]);
    return lines;
  }
};

// Selects `category` (GBK), opens a worksheet with `params` parameter columns and the rows, runs
// it after the extra actions.
inline SheetRun RunItemSheet(const std::string& category, int params,
                             const std::vector<SheetRow>& rows,
                             const std::vector<std::string>& actions = {}) {
  static int serial = 0;
  const auto path =
      std::filesystem::temp_directory_path() /
      ("zarnix_items_" + std::to_string(::getpid()) + "_" + std::to_string(++serial) + ".thf");
  std::string descriptors = "C4`C24`C40";
  std::string names = "编号`项目`说明";
  for (int i = 1; i <= params; ++i) {
    descriptors += "`C40";
    names += "`参数" + std::to_string(i);
  }
  std::string text = descriptors + "`C60\r\n" + names + "`结果\r\n";
  for (SheetRow row : rows) {
    row.resize(static_cast<std::size_t>(params) + 4);
    for (std::size_t i = 0; i < row.size(); ++i) text += (i ? "`" : "") + row[i];
    text += "\r\n";
  }
  std::ofstream(path, std::ios::binary) << text;
  std::vector<std::string> args = {"--json", "select:" + U(category), "open:" + path.string()};
  args.insert(args.end(), actions.begin(), actions.end());
  args.push_back("run");
  const CliRun run = RunZarnixCli(args);
  std::filesystem::remove(path);
  EXPECT_EQ(run.status, 0) << run.err;
  return {run.Json()};
}

}  // namespace zarnix
