#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/error.h"
#include "base/translatable.h"
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

/// Refusal of a destination that holds something else; "%1" takes its path.
inline constexpr MessageText kNotOursSentence = VLMR_TRANSLATABLE(
    "Installing", "%1 already exists and wasn't made by this installer. Move or rename it first.");
/// Refusal of an earlier copy that cannot be removed; "%1" takes its path.
inline constexpr MessageText kNotReplaceableSentence =
    VLMR_TRANSLATABLE("Installing", "%1 couldn't be replaced. Check its permissions.");

/// A copy that failed because the destination's folder is read-only; "%1"
/// takes the folder's path.
inline constexpr MessageText kFolderReadOnlySentence =
    VLMR_TRANSLATABLE("Installing", "Copying the app failed: %1 is read-only.");
/// A copy that failed because the destination's folder is not a folder (or
/// is missing); "%1" takes its path.
inline constexpr MessageText kNotAFolderSentence =
    VLMR_TRANSLATABLE("Installing", "Copying the app failed: %1 is not a folder.");

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

  /// Copies the app at `source` to `destination`: first, with ditto, to the
  /// temporary ".installing" sibling; only once that copy is complete does it
  /// take the destination's place, exchanged in one step with an earlier copy
  /// of ours, which is removed afterwards. Returns true on success; otherwise
  /// `error` (when given) receives one sentence for the user, an earlier copy
  /// is exactly as it was and no temporary copy is left. The source is never
  /// changed.
  bool installBuiltAppFrom(const std::string& source, const std::string& destination,
                           Error* error) const;

 private:
  std::string systemFolder_;
};

/// The arguments ditto gets for the copy into an Applications folder:
/// "--noqtn" first, so the installed game never carries the quarantine
/// attribute of a downloaded file (the stand-in ditto elsewhere ignores it).
std::vector<std::string> AppCopyArguments(const std::string& source, const std::string& copy);

/// How `SwapIntoPlace` trades two items.
enum class SwapMethod {
  /// The system's exchange in one step, or `Aside` where it has none.
  System,
  /// The existing item renamed aside, the new one into its place, and back
  /// again when that fails.
  Aside,
};

/// Puts the item at `replacement` at `existing`'s path and the item that was
/// there at `replacement`'s path, so neither is ever lost. Returns 0 when
/// the exchange happened, else the system's `errno`, leaving both where they
/// were.
int SwapIntoPlace(const std::string& replacement, const std::string& existing,
                  SwapMethod method = SwapMethod::System);

/// What a move delivers to the main queue: whether the app was moved and,
/// when not, why.
using MoveCompletion = std::function<void(bool moved, const Error& error)>;

/// On the background queue, checks that the destination's disk has room for
/// the app (`CheckMoveSpace` with `measure`), then runs
/// `installBuiltAppFrom(source, destination)`, and hands the first failure (or
/// success) to `completion` on the main queue. The paths are taken now, as
/// copies, so the caller's are never read from another thread.
void MoveAppInBackground(const AppInstaller& installer, std::string source, std::string destination,
                         MoveCompletion completion, FreeSpaceMeasure measure = MeasureFreeBytes);

}  // namespace vlmr
