#include "checks/selection_check.h"

#include "checks/near_miss.h"

namespace vlmr {

SelectionVerdict CheckSelection(const std::string& path, const InstallerValidator& validator,
                                const std::vector<std::string>& buildFolders,
                                const FreeSpaceMeasure& measure, const CancelToken& cancel) {
  if (std::optional<MessageText> nearMiss = NearMissSentence(NearMissOfFile(path))) {
    return {false, Message(*nearMiss)};
  }
  InstallerAcceptance accepted;
  Error rejection;
  if (!validator.validateInstaller(path, &accepted, &rejection, cancel)) {
    return {false, rejection.message};
  }
  if (Error noRoom; !CheckBuildSpace(buildFolders, &noRoom, measure)) {
    return {false, noRoom.message};
  }
  return {true, accepted.summary};
}

}  // namespace vlmr
