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
const QString kBodyMarkup = QStringLiteral("body-markup");

// `text` as markup that shows exactly `text`: the five characters markup
// gives a meaning to, as entities.
QString EscapedMarkup(const QString& text) {
  return text.toHtmlEscaped().replace(QLatin1Char('\''), QStringLiteral("&apos;"));
}

}  // namespace

DBusNotificationPoster::DBusNotificationPoster(QString appName, QObject* parent)
    : QObject(parent), appName_(std::move(appName)) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
              SLOT(actionInvoked(uint, QString)));
  bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
              SLOT(notificationClosed(uint, uint)));
}

void DBusNotificationPoster::post(const std::string& title, const std::string& body,
                                  std::function<void()> onClick) {
  Notification notification{QString::fromStdString(title), QString::fromStdString(body),
                            std::move(onClick)};
  if (markup_ == Markup::Plain || markup_ == Markup::Read) {
    send(std::move(notification));
    return;
  }
  waiting_.append(std::move(notification));
  if (markup_ == Markup::Unknown) askCapabilities();
}

void DBusNotificationPoster::askCapabilities() {
  markup_ = Markup::Asking;
  QDBusMessage ask = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                    QStringLiteral("GetCapabilities"));
  // Asynchronous, like the posts: the main thread never waits for the service.
  auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(ask), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this,
          &DBusNotificationPoster::capabilitiesArrived);
}

void DBusNotificationPoster::capabilitiesArrived(QDBusPendingCallWatcher* call) {
  call->deleteLater();
  QDBusPendingReply<QStringList> reply = *call;
  if (reply.isError()) {
    // Asked again with the next post: a service may start later. Until one
    // answers, a body is escaped; the worst that shows is an entity, never
    // markup the text did not mean.
    markup_ = Markup::Unknown;
  } else {
    markup_ = reply.value().contains(kBodyMarkup) ? Markup::Read : Markup::Plain;
  }
  const QList<Notification> waiting = std::move(waiting_);
  waiting_.clear();
  for (const Notification& notification : waiting) send(notification);
}

void DBusNotificationPoster::send(Notification notification) {
  const QString body =
      markup_ == Markup::Plain ? notification.body : EscapedMarkup(notification.body);
  QDBusMessage notify =
      QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
  // Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout).
  // The summary is plain text to every service; only the body may be markup.
  // The "default" action is what a click on the notification itself invokes.
  //: The button of a desktop notification about the build: brings the installer's window to
  //: the front.
  const QString show = tr("Show");
  notify << appName_ << uint(0) << QString() << notification.title << body
         << QStringList{kDefaultAction, show} << QVariantMap() << int(-1);
  // Asynchronous: the main thread never waits for the notification service.
  auto* watcher =
      new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
  QPointer<DBusNotificationPoster> self(this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this,
          [self, onClick = std::move(notification.onClick)](QDBusPendingCallWatcher* call) {
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
