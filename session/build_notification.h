#pragma once

#include "base/translatable.h"
#include "session/build_outcome.h"

namespace vlmr {

/// The headline of a finished build: the done page's title and its notification's.
inline constexpr MessageText kAppReadyTitle =
    VLMR_TRANSLATABLE("BuildNotification", "Velmora 3000 is ready");
/// The headline of a failed build: the error page's title and its notification's.
inline constexpr MessageText kBuildFailedTitle =
    VLMR_TRANSLATABLE("BuildNotification", "The build didn't finish");

/// A notification's two texts.
struct NotificationText {
  Message title;
  Message body;
};

/// The notification that says how a build ended, posted while the window is
/// not the active one. A failed build's body is its outcome's message (the
/// error page's title) when there is one.
NotificationText BuildEndNotification(const BuildOutcome& outcome);

}  // namespace vlmr
