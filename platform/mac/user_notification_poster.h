#pragma once

#include <memory>

#include "platform/notifications.h"

namespace vlmr {

/// Mac only (user_notification_poster.mm): notifications through the
/// user-notification centre. None when the process has no bundle identifier
/// (run outside its bundle, as tests are): the centre then raises an exception
/// nothing can catch. Making the poster asks the player, once, whether the app
/// may notify, so make it at launch; posts made before the answer wait for it
/// (NotificationBook). A click brings the app forward and runs the post's
/// handler on the main queue, which must be bound (the windowed application).
std::unique_ptr<NotificationPoster> MakeUserNotificationPoster();

}  // namespace vlmr
