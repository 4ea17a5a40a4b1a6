// What every fuzz target shares: the input as text, a scratch file per process, and the one
// rule that a program error (an Exception with its message) is an expected outcome while
// anything else (a crash, a sanitizer report, a hang) is a finding.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/errors.h"
#include "base/fpu.h"

namespace zarnix::fuzz {

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A file of this process in the temporary folder, holding the bytes, named with the ending.
inline std::filesystem::path ScratchFile(std::string_view bytes, const std::string& ending) {
  const auto path =
      std::filesystem::temp_directory_path() / ("zarnix_fuzz_" + std::to_string(getpid()) + ending);
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

// Runs one input; the program's own errors end it as they end a command in the window.
template <class Body>
void Guarded(Body&& body) {
  try {
    body();
  } catch (const Exception&) {
  }
  ClearFpFaults();
}

}  // namespace zarnix::fuzz
