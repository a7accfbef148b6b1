#include "platform/qt/dbus_notification_poster.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

namespace vlmr {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefaultAction = QStringLiteral("default");

}  // namespace

DBusNotificationPoster::DBusNotificationPoster(QObject* parent) : QObject(parent) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
              SLOT(actionInvoked(uint, QString)));
  bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
              SLOT(notificationClosed(uint, uint)));
}

void DBusNotificationPoster::post(const std::string& title, const std::string& body,
                                  std::function<void()> onClick) {
  QDBusMessage notify =
      QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
  // Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout).
  // The "default" action is what a click on the notification itself invokes.
  notify << QStringLiteral("Velmora 3000 Installer") << uint(0) << QString()
         << QString::fromStdString(title) << QString::fromStdString(body)
         << QStringList{kDefaultAction, QStringLiteral("Show")} << QVariantMap() << int(-1);
  // Asynchronous: the main thread never waits for the notification service.
  auto* watcher =
      new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
  QPointer<DBusNotificationPoster> self(this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this,
          [self, onClick = std::move(onClick)](QDBusPendingCallWatcher* call) {
            call->deleteLater();
            QDBusPendingReply<uint> reply = *call;
            if (self == nullptr || reply.isError() || !onClick) return;
            self->handlers_.insert(reply.value(), onClick);
          });
}

void DBusNotificationPoster::actionInvoked(uint id, const QString& action) {
  if (action != kDefaultAction && action != QStringLiteral("Show")) return;
  auto handler = handlers_.take(id);
  if (handler) handler();
}

void DBusNotificationPoster::notificationClosed(uint id, uint) {
  handlers_.remove(id);
}

}  // namespace vlmr
