#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include "platform/notifications.h"

namespace vlmr {

/// Notifications through the freedesktop service `org.freedesktop.Notifications`
/// on the session bus, as "Velmora 3000 Installer", each with a default action
/// so that a click (the service's ActionInvoked signal) calls its handler.
/// Lives on the main thread; needs a QCoreApplication.
class DBusNotificationPoster final : public QObject, public NotificationPoster {
  Q_OBJECT

 public:
  explicit DBusNotificationPoster(QObject* parent = nullptr);

  void post(const std::string& title, const std::string& body,
            std::function<void()> onClick) override;

 private slots:
  void actionInvoked(uint id, const QString& action);
  void notificationClosed(uint id, uint reason);

 private:
  // Click handlers of the notifications still on screen, by the service's id.
  QHash<uint, std::function<void()>> handlers_;
};

}  // namespace vlmr
