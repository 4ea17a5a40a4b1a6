// Where the program finds its data files: an explicit folder, else $ZARNIX_DATA, else the
// executable's folder, else ../share/zarnix beside it.
#pragma once

#include <filesystem>
#include <optional>

namespace zarnix {

std::filesystem::path ExecutableDir();

// `explicitDir` (a command-line option) wins; an environment value is used when set and
// not empty; the executable's folder is used when it holds the data list.
std::filesystem::path ResolveDataDir(const std::optional<std::filesystem::path>& explicitDir,
                                     const char* environmentValue,
                                     const std::filesystem::path& executableDir);

}  // namespace zarnix
