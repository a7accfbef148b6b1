#include "checks/selection_check.h"

#include "checks/near_miss.h"

namespace vlmr {

SelectionVerdict CheckSelection(const std::string& path, const InstallerValidator& validator,
                                const std::vector<std::string>& buildFolders,
                                const FreeSpaceMeasure& measure) {
  if (std::optional<std::string> nearMiss = NearMissSentence(NearMissOfFile(path))) {
    return {false, *nearMiss};
  }
  SelectionVerdict verdict;
  verdict.usable = validator.validateInstaller(path, &verdict.summary, nullptr);
  if (!verdict.usable) return verdict;
  if (std::optional<std::string> noRoom = BuildSpaceProblem(buildFolders, measure)) {
    return {false, *noRoom};
  }
  return verdict;
}

}  // namespace vlmr
