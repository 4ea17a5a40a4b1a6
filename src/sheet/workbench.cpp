// Data paths of the workbench.
#include "sheet/workbench.h"

#include "base/textfile.h"

namespace zarnix {

std::filesystem::path DataPaths::DataFile(const std::string& gbkName) const {
  return dataDir / PathFromGbk(gbkName);
}

std::filesystem::path DataPaths::PrefixedFile(const std::string& gbkStem) const {
  return PathFromGbk(dataPrefix + gbkStem);
}

std::filesystem::path DataPaths::OutFile(const std::string& gbkName) const {
  return outDir / PathFromGbk(gbkName);
}

}  // namespace zarnix
