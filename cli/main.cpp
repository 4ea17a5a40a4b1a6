// zarnix-cli entry point.
#include <iostream>

#include "cli_driver.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return zarnix::RunCli(args, std::cout, std::cerr);
}
