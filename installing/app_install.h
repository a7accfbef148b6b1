#pragma once

#include <functional>
#include <optional>
#include <string>

#include "checks/free_space.h"

namespace vlmr {

/// The game app's display name.
inline constexpr char kAppDisplayName[] = "Velmora 3000";
/// The name the app bundle gets in an Applications folder.
inline constexpr char kAppBundleName[] = "Velmora 3000.app";
/// The bundle identifier the build script writes into the app's Info.plist;
/// an app at the destination is ours exactly when it carries this one.
inline constexpr char kGameBundleIdentifier[] = VLMR_GAME_BUNDLE_ID;
/// The system-wide Applications folder.
inline constexpr char kSystemApplicationsFolder[] = "/Applications";

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

  /// YES when there is a built app to move (its path set and not empty).
  bool canMove() const;

  /// Records a successful move to `destination`.
  void moved(const std::string& destination);
};

/// Copies a built app into an Applications folder, replacing only an earlier
/// copy made by this installer. Runs external tools synchronously and touches
/// no window state, so it may be used on any thread.
class AppInstaller {
 public:
  /// `systemFolder` is the system-wide Applications folder (tests use their own).
  explicit AppInstaller(std::string systemFolder = kSystemApplicationsFolder);

  /// The folder to install into, chosen anew on every call: the system folder
  /// when the user may write there, otherwise "Applications" under home.
  std::string applicationsFolder() const;

  /// `applicationsFolder()` with "Velmora 3000.app" appended.
  std::string destination() const;

  /// Copies the app at `source` to `destination` through a temporary
  /// ".installing" sibling and ditto. Returns nothing on success, else one
  /// sentence for the user. The source is never changed.
  std::optional<std::string> installBuiltAppFrom(const std::string& source,
                                                 const std::string& destination) const;

 private:
  std::string systemFolder_;
};

/// What a move delivers to the main queue: nothing on success, else the sentence.
using MoveCompletion = std::function<void(std::optional<std::string> failure)>;

/// On the background queue, checks that the destination's disk has room for
/// the app (`MoveSpaceProblem` with `measure`), then runs
/// `installBuiltAppFrom(source, destination)`, and hands the first failure (or
/// success) to `completion` on the main queue. The paths are taken now, as
/// copies, so the caller's are never read from another thread.
void MoveAppInBackground(const AppInstaller& installer, std::string source, std::string destination,
                         MoveCompletion completion, FreeSpaceMeasure measure = MeasureFreeBytes);

}  // namespace vlmr
