#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include "platform/notifications.h"

class QDBusPendingCallWatcher;

namespace vlmr {

/// Notifications through the freedesktop service `org.freedesktop.Notifications`
/// on the session bus, each with a default action so that a click (the
/// service's ActionInvoked signal) calls its handler. A service that reads
/// markup in the body (it announces "body-markup") gets the body escaped, so
/// the text shows as written. Lives on the main thread; needs a QCoreApplication.
class DBusNotificationPoster final : public QObject, public NotificationPoster {
  Q_OBJECT

 public:
  /// Posts as the application `appName`.
  explicit DBusNotificationPoster(QString appName, QObject* parent = nullptr);

  void post(const std::string& title, const std::string& body,
            std::function<void()> onClick) override;

 private slots:
  void actionInvoked(uint id, const QString& action);
  void notificationClosed(uint id, uint reason);

 private:
  struct Notification {
    QString title, body;
    std::function<void()> onClick;
  };
  // What the service does with markup in a body, once it has said so.
  enum class Markup { Unknown, Asking, Plain, Read };

  // Asks the service for its capabilities; the posts wait for the answer.
  void askCapabilities();
  void capabilitiesArrived(QDBusPendingCallWatcher* call);
  // Sends `notification`, its body escaped unless the service shows it plain.
  void send(Notification notification);

  QString appName_;
  Markup markup_ = Markup::Unknown;
  // Posts made while the capabilities are being asked for, in order.
  QList<Notification> waiting_;
  // Click handlers of the notifications still on screen, by the service's id.
  QHash<uint, std::function<void()>> handlers_;
};

}  // namespace vlmr
