// Every table-file reader on the same bytes: the first byte picks the file's ending (the
// format), the rest is the file. A loaded grid is saved and loaded back.
#include <array>

#include "fuzz_support.h"
#include "sheet/worksheet.h"
#include "tablefile/dbf.h"
#include "tablefile/table_text.h"

namespace zarnix::fuzz {
namespace {

constexpr std::array<const char*, 8> kEndings = {".thf", ".dhf", ".sdf", ".9hf",
                                                 ".txt", ".dbf", ".csv", ".THF"};

}  // namespace
}  // namespace zarnix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zarnix;
  if (size == 0) return 0;
  const std::string ending = fuzz::kEndings[data[0] % fuzz::kEndings.size()];
  const auto path = fuzz::ScratchFile(fuzz::Text(data + 1, size - 1), ending);
  fuzz::Guarded([&] {
    Worksheet grid;
    grid.SetCell(1, 1, "kept");
    LoadGridFile(path, grid);
    const auto saved = fuzz::ScratchFile("", "_saved.thf");
    SaveGridFile(saved, grid);
    Worksheet again;
    LoadGridFile(saved, again);
  });
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return 0;
}
