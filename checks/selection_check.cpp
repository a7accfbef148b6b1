#include "checks/selection_check.h"

#include "checks/near_miss.h"

namespace vlmr {

SelectionVerdict CheckSelection(const std::string& path, const InstallerValidator& validator,
                                const std::vector<std::string>& buildFolders,
                                const FreeSpaceMeasure& measure, const CancelToken& cancel) {
  if (std::optional<std::string> nearMiss = NearMissSentence(NearMissOfFile(path))) {
    return {false, *nearMiss};
  }
  SelectionVerdict verdict;
  verdict.usable = validator.validateInstaller(path, &verdict.summary, nullptr, cancel);
  if (!verdict.usable) return verdict;
  if (Error noRoom; !CheckBuildSpace(buildFolders, &noRoom, measure)) {
    return {false, noRoom.message};
  }
  return verdict;
}

}  // namespace vlmr
