#pragma once

#include <QString>
#include <memory>

#include "platform/dock_tile.h"
#include "platform/notifications.h"
#include "platform/sleep_inhibitor.h"

namespace vlmr {

// The desktop's own services for a build's presence beyond the window, one
// choice per platform made here. Each is made when first needed: most runs
// never build, and need none of them.

/// Notifications posted as `appName`: the user-notification centre on the Mac
/// (none outside the bundle; making it asks the player's permission), the
/// freedesktop service over the session bus elsewhere.
std::unique_ptr<NotificationPoster> MakeDesktopNotificationPoster(const QString& appName);

/// The application's tile: the Dock's on the Mac, the launcher entry elsewhere.
std::unique_ptr<DockTile> MakeDesktopDockTile();

/// What keeps the machine awake during a build, held as `appName`: a power
/// assertion on the Mac, logind's inhibitor lock elsewhere.
std::unique_ptr<SleepInhibitor> MakeDesktopSleepInhibitor(const QString& appName);

}  // namespace vlmr
