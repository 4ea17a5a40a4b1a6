// Data folder resolution.
#include "app/data_location.h"

#include "base/textfile.h"

namespace zarnix {

std::filesystem::path ExecutableDir() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : exe.parent_path();
}

std::filesystem::path ResolveDataDir(const std::optional<std::filesystem::path>& explicitDir,
                                     const char* environmentValue,
                                     const std::filesystem::path& executableDir) {
  if (explicitDir) return *explicitDir;
  if (environmentValue && *environmentValue) return environmentValue;
  const std::filesystem::path dataList = PathFromGbk("zarnix数据.txt");
  if (FileExists(executableDir / dataList)) return executableDir;
  const std::filesystem::path installed = executableDir / ".." / "share" / "zarnix";
  if (FileExists(installed / dataList)) return installed.lexically_normal();
  return executableDir;
}

}  // namespace zarnix
