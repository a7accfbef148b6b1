#include "platform/qt/desktop_presence.h"

#ifdef Q_OS_MACOS
#include "platform/mac/user_notification_poster.h"
#else
#include "platform/qt/dbus_launcher_entry.h"
#include "platform/qt/dbus_logind_inhibitor.h"
#include "platform/qt/dbus_notification_poster.h"
#endif

namespace vlmr {

std::unique_ptr<NotificationPoster> MakeDesktopNotificationPoster(const QString& appName) {
#ifdef Q_OS_MACOS
  // The centre shows the bundle's own name.
  Q_UNUSED(appName);
  return MakeUserNotificationPoster();
#else
  return std::make_unique<DBusNotificationPoster>(appName);
#endif
}

std::unique_ptr<DockTile> MakeDesktopDockTile() {
#ifdef Q_OS_MACOS
  return MakeApplicationDockTile();
#else
  return std::make_unique<LauncherEntry>();
#endif
}

std::unique_ptr<SleepInhibitor> MakeDesktopSleepInhibitor(const QString& appName) {
#ifdef Q_OS_MACOS
  // The assertion names its reason, not the application.
  Q_UNUSED(appName);
  return MakePowerAssertion();
#else
  return std::make_unique<LogindInhibitor>(appName);
#endif
}

}  // namespace vlmr
