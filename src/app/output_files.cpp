// Fresh numbered names in the output folder.
#include "app/output_files.h"

#include "base/convert.h"
#include "base/random.h"
#include "base/textfile.h"

namespace zarnix {

namespace {

constexpr int kFirstNumber = 100;
constexpr int kNumbers = 899;  // 100 … 998
// Random draws before the numbers are tried in order; by then the folder is nearly full.
constexpr int kRandomTries = 64;

bool AllFree(const std::filesystem::path& outDir, const std::string& stem,
             const std::string& ending, const std::vector<std::string>& extra) {
  std::error_code error;
  if (std::filesystem::exists(outDir / PathFromGbk(stem + ending), error) || error) return false;
  for (const std::string& other : extra)
    if (std::filesystem::exists(outDir / PathFromGbk(stem + other), error) || error) return false;
  return true;
}

}  // namespace

std::filesystem::path FreshNumberedFile(const std::filesystem::path& outDir, LcgRandom& random,
                                        const std::string& gbkEnding,
                                        const std::vector<std::string>& extraEndings) {
  for (int i = 0; i < kRandomTries; ++i) {
    const std::string stem = IntToStr(kFirstNumber + random.Next(kNumbers));
    if (AllFree(outDir, stem, gbkEnding, extraEndings))
      return outDir / PathFromGbk(stem + gbkEnding);
  }
  // Every number taken that the draws met: count up through the numbers, then beyond them.
  for (long long n = kFirstNumber;; ++n) {
    const std::string stem = IntToStr(n);
    if (AllFree(outDir, stem, gbkEnding, extraEndings))
      return outDir / PathFromGbk(stem + gbkEnding);
  }
}

std::string WrittenFileName(const std::filesystem::path& outDir,
                            const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::path relative = std::filesystem::relative(file, outDir, error);
  const bool under = !error && !relative.empty() && *relative.begin() != "..";
  return (under ? relative : file).generic_string();
}

}  // namespace zarnix
