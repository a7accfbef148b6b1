#include "platform/qt/dbus_logind_inhibitor.h"

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <utility>

namespace vlmr {

LogindInhibitor::LogindInhibitor(QString appName, QObject* parent)
    : QObject(parent), appName_(std::move(appName)) {}

LogindInhibitor::~LogindInhibitor() {
  release();
}

void LogindInhibitor::hold() {
  if (wanted_) return;
  wanted_ = true;
  const uint64_t request = ++request_;
  QDBusMessage inhibit = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
      QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
  // Idle sleep only: the display may still sleep. "block", not "delay": the
  // machine stays up until the lock is closed.
  inhibit << QStringLiteral("idle:sleep") << appName_
          << QCoreApplication::translate(kSleepInhibitReason.context, kSleepInhibitReason.source)
          << QStringLiteral("block");
  // Asynchronous: the main thread never waits for logind (polkit may take a while).
  auto* watcher =
      new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(inhibit), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this,
          [this, request](QDBusPendingCallWatcher* call) {
            call->deleteLater();
            QDBusPendingReply<QDBusUnixFileDescriptor> reply = *call;
            // No logind, or not allowed: the machine may sleep as before.
            if (reply.isError()) return;
            // Released (or asked again) before the answer came: the lock
            // goes with the reply, since nothing keeps a copy of it.
            if (!wanted_ || request != request_ || lock_ >= 0) return;
            const QDBusUnixFileDescriptor lock = reply.value();
            if (lock.isValid()) lock_ = fcntl(lock.fileDescriptor(), F_DUPFD_CLOEXEC, 0);
          });
}

void LogindInhibitor::release() {
  wanted_ = false;
  // Our copy of the descriptor is closed here; the reply's went with it.
  if (lock_ >= 0) close(lock_);
  lock_ = -1;
}

}  // namespace vlmr
