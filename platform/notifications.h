#pragma once

#include <functional>
#include <string>

namespace vlmr {

/// Desktop notifications, one implementation per platform: the freedesktop
/// notification service over D-Bus on Linux (qt/dbus_notification_poster.h),
/// the user-notification centre on macOS (mac/user_notification_poster.mm).
class NotificationPoster {
 public:
  virtual ~NotificationPoster() = default;

  /// Shows a notification with `title` and `body`. `onClick` runs on the main
  /// thread if the user clicks it. Never blocks and never reports failure: a
  /// desktop without a notification service simply shows nothing.
  virtual void post(const std::string& title, const std::string& body,
                    std::function<void()> onClick) = 0;
};

}  // namespace vlmr
