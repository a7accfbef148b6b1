#pragma once

#include <string>

namespace vlmr {

/// How a build ended, as far as the player needs to know: the page it leads
/// to, the Dock's badge and the notification.
enum class BuildEnd {
  Done,       ///< an app was made: the done page
  Cancelled,  ///< back to the installer page with the cancel notice
  Failed,     ///< the error page
};

/// How a build ended, with what the page that follows shows.
struct BuildOutcome {
  BuildEnd end = BuildEnd::Failed;
  /// The app the done page offers (Done only).
  std::string appPath;
  /// The error page's title, the advice for the failure (Failed only).
  std::string advice;
  bool operator==(const BuildOutcome&) const = default;
};

}  // namespace vlmr
