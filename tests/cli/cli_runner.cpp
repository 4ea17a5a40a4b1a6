// Child-process runner for the end-to-end tests.
#include "cli_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/gbk.h"

namespace zarnix {

namespace {
std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

CliRun RunZarnixCli(const std::vector<std::string>& args) {
  const auto dir = std::filesystem::temp_directory_path();
  const std::string stem = "zarnix_cli_" + std::to_string(::getpid());
  const auto outPath = dir / (stem + ".out");
  const auto errPath = dir / (stem + ".err");
  CliRun run;
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(out, 1);
    ::dup2(err, 2);
    std::vector<char*> argv;
    std::string program = ZARNIX_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = Slurp(outPath);
  run.err = Slurp(errPath);
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return run;
}

std::string U(const std::string& gbk) {
  return GbkToUtf8(gbk);
}

nlohmann::json RunJson(const std::vector<std::string>& actions) {
  std::vector<std::string> args = {"--json"};
  args.insert(args.end(), actions.begin(), actions.end());
  const CliRun run = RunZarnixCli(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return run.Json();
}

}  // namespace zarnix
