#pragma once

#include <string>

#include "base/message.h"

namespace vlmr {

/// How a build ended, as far as the player needs to know: the page it leads
/// to, the Dock's badge and the notification.
enum class BuildEnd {
  Done,       ///< an app was made: the done page
  Cancelled,  ///< back to the installer page with the cancel notice
  Failed,     ///< the error page
};

/// How a build ended, whole: where it leads, the app it made and what the
/// player is told. The session makes it; the pages, the Dock tile and the
/// notification take it as it is.
struct BuildOutcome {
  BuildEnd end = BuildEnd::Failed;
  /// The app the done page offers (Done only).
  std::string appPath;
  /// Failed: the advice, the error page's title, or the build script's own
  /// words (`Message::Verbatim`) when no advice fits them. Cancelled: the
  /// notice on the installer page. Done: none.
  Message message;
  bool operator==(const BuildOutcome&) const = default;
};

}  // namespace vlmr
