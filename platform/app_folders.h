#pragma once

#include <string>
#include <utility>

namespace vlmr {

/// The name of the installer's own folder under Application Support and under
/// Logs. Written here only: every path below is made from it.
inline constexpr char kAppFolderName[] = "Velmora 3000";

/// Where the installer keeps its files, all under one home directory. Every
/// layer asks this type for them, so each path is spelled in one place.
class AppFolders {
 public:
  /// The folders under `home`.
  explicit AppFolders(std::string home) : home_(std::move(home)) {}
  /// The folders of the user running the installer (`HomeDirectory`), looked
  /// up anew on every call.
  static AppFolders Current();

  /// The home directory they lie under.
  const std::string& home() const { return home_; }
  /// "Library/Application Support/Velmora 3000".
  std::string applicationSupport() const;
  /// "Library/Logs/Velmora 3000/installer.log".
  std::string installerLog() const;
  /// "build-timings" in Application Support: the last build's stage times.
  std::string buildTimings() const;
  /// "Move to Applications" in Application Support: the folder of aliases
  /// earlier versions' "Show in Finder" filled, which it now removes.
  std::string finderFolder() const;
  /// "installer-src" in Application Support: the unpacked build sources.
  std::string sources() const;
  /// The sources of bundle version `version`: "installer-src/<version>".
  std::string sourcesOf(const std::string& version) const;
  /// "installer-stage" in Application Support: the window's build output.
  std::string stage() const;

 private:
  std::string home_;
};

}  // namespace vlmr
