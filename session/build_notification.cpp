#include "session/build_notification.h"

#include "base/translatable.h"

#include <utility>

namespace vlmr {

NotificationText BuildEndNotification(BuildEnd end, const std::string& failure) {
  switch (end) {
    case BuildEnd::Done:
      return {kAppReadyTitle,
              VLMR_TRANSLATABLE("BuildNotification",
                                "The build finished. Click to open the installer.")};
    case BuildEnd::Failed:
      return {kBuildFailedTitle, failure.empty()
                                     ? std::string(VLMR_TRANSLATABLE(
                                           "BuildNotification", "Click to see what went wrong."))
                                     : failure};
    case BuildEnd::Cancelled:
      return {VLMR_TRANSLATABLE("BuildNotification", "The build was cancelled"),
              VLMR_TRANSLATABLE("BuildNotification", "Click to open the installer.")};
  }
  return {};
}

bool NotifyBuildEnded(NotificationPoster& poster, bool windowActive, BuildEnd end,
                      const std::string& failure, std::function<void()> raiseWindow) {
  if (windowActive) return false;
  NotificationText text = BuildEndNotification(end, failure);
  poster.post(text.title, text.body, std::move(raiseWindow));
  return true;
}

}  // namespace vlmr
