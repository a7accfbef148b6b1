#pragma once

#include <optional>
#include <string>

namespace vlmr {

/// The two app paths the done page acts on. At most one is set at a time; a
/// successful move turns the built app into the installed one.
struct AppPaths {
  /// The app the last build produced, until it is moved.
  std::optional<std::string> builtAppPath;
  /// The copy in an Applications folder, once there is one.
  std::optional<std::string> installedAppPath;

  /// The app that "Open" and "Show in Finder" act on: the installed app when
  /// its path is not empty, otherwise the built app (possibly unset).
  std::optional<std::string> currentAppPath() const;

  /// true when there is a built app to move (its path set and not empty).
  bool canMove() const;

  /// Records a successful move to `destination`.
  void moved(const std::string& destination);
};

}  // namespace vlmr
