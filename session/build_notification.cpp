#include "session/build_notification.h"

namespace vlmr {

NotificationText BuildEndNotification(const BuildOutcome& outcome) {
  switch (outcome.end) {
    case BuildEnd::Done:
      return {Message(kAppReadyTitle),
              Message(VLMR_TRANSLATABLE("BuildNotification",
                                        "The build finished. Click to open the installer."))};
    case BuildEnd::Failed:
      return {Message(kBuildFailedTitle),
              outcome.message.empty()
                  ? Message(VLMR_TRANSLATABLE("BuildNotification", "Click to see what went wrong."))
                  : outcome.message};
    case BuildEnd::Cancelled:
      return {Message(VLMR_TRANSLATABLE("BuildNotification", "The build was cancelled")),
              Message(VLMR_TRANSLATABLE("BuildNotification", "Click to open the installer."))};
  }
  return {};
}

}  // namespace vlmr
