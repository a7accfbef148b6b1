#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/translatable.h"
#include "platform/notifications.h"
#include "session/build_outcome.h"

namespace vlmr {

/// The headline of a finished build: the done page's title and its notification's.
inline constexpr char kAppReadyTitle[] =
    VLMR_TRANSLATABLE("BuildNotification", "Velmora 3000 is ready");
/// The headline of a failed build: the error page's title and its notification's.
inline constexpr char kBuildFailedTitle[] =
    VLMR_TRANSLATABLE("BuildNotification", "The build didn't finish");

/// A notification's two texts.
struct NotificationText {
  std::string title;
  std::string body;
};

/// The notification that says how a build ended. `failure` (the error page's
/// title, say) becomes the body of a failed build's notification when given.
NotificationText BuildEndNotification(BuildEnd end, const std::string& failure = {});

/// Posts `BuildEndNotification` through `poster` unless the window is the
/// active one (the player is looking at the outcome already); a click runs
/// `raiseWindow`. Returns whether something was posted.
bool NotifyBuildEnded(NotificationPoster& poster, bool windowActive, BuildEnd end,
                      const std::string& failure, std::function<void()> raiseWindow);

}  // namespace vlmr
