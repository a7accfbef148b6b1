#pragma once

#include <string>
#include <vector>

#include "checks/free_space.h"
#include "checks/installer_validation.h"

namespace vlmr {

/// The verdict on a file brought to the installer page.
struct SelectionVerdict {
  /// "Build" may be enabled.
  bool usable = false;
  /// The verdict line (red when not usable), also logged as the installer check.
  Message summary;
};

/// Everything the installer page checks about a selection, in order: a near
/// miss (archive, unfinished download, Mac installer, data part) is named
/// without hashing; anything else is validated; a usable installer is then
/// held back when the disk that will hold `buildFolders` (the prepared
/// sources and the build output) lacks room for a build. Blocks while the
/// file is hashed: run it off the main thread. Cancelling `cancel` (a newer
/// selection, the installer quitting) stops the hash within a block; the
/// verdict is then not usable and says `kCheckStopped`.
SelectionVerdict CheckSelection(const std::string& path, const InstallerValidator& validator,
                                const std::vector<std::string>& buildFolders,
                                const FreeSpaceMeasure& measure = MeasureFreeBytes,
                                const CancelToken& cancel = {});

}  // namespace vlmr
