// Names for the files the program writes into the output folder: a random number 100 … 998
// before a fixed ending, drawn again (and at last numbered) so an earlier file is never replaced.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zarnix {

class LcgRandom;

// A path in outDir named number + gbkEnding ("123数组统计.txt", "456图象.bmp") that does not
// exist yet. Also checks each of the extra endings (a result saved as .txt and .thf shares one
// number), so the whole set is fresh.
std::filesystem::path FreshNumberedFile(const std::filesystem::path& outDir, LcgRandom& random,
                                        const std::string& gbkEnding,
                                        const std::vector<std::string>& extraEndings = {});

// The name of a written file for reports: relative to outDir when under it, UTF-8.
std::string WrittenFileName(const std::filesystem::path& outDir, const std::filesystem::path& file);

}  // namespace zarnix
