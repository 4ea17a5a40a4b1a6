// Runs zarnix-cli with arguments and collects its exit status, stdout and stderr (UTF-8).
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace zarnix {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
  nlohmann::json Json() const { return nlohmann::json::parse(out); }
};

// Arguments are UTF-8, as typed on a command line.
CliRun RunZarnixCli(const std::vector<std::string>& args);

// Test literals are GBK; the command line and the output are UTF-8.
std::string U(const std::string& gbk);

// Runs the actions with --json, expects exit status 0 and returns the JSON object.
nlohmann::json RunJson(const std::vector<std::string>& actions);

}  // namespace zarnix
