#include "platform/qt/dbus_launcher_entry.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace vlmr {

QString LauncherEntry::objectPath() {
  return QStringLiteral("/org/velmora/Installer/LauncherEntry");
}

QString LauncherEntry::applicationUri() {
  return QStringLiteral("application://") + QString::fromLatin1(kDesktopEntryId) +
         QStringLiteral(".desktop");
}

QVariantMap LauncherEntry::properties(const DockTileState& state) {
  // Every property in every signal: a dock that saw none of the earlier ones
  // still shows the whole state.
  return {
      {QStringLiteral("progress"), state.progress},
      {QStringLiteral("progress-visible"), state.progressVisible},
      {QStringLiteral("count"), qint64(state.badge.empty() ? 0 : 1)},
      {QStringLiteral("count-visible"), !state.badge.empty()},
      {QStringLiteral("urgent"), state.attention},
  };
}

void LauncherEntry::show(const DockTileState& state) {
  QDBusMessage update = QDBusMessage::createSignal(
      objectPath(), QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
  update << applicationUri() << properties(state);
  // Queued on the connection: sending never waits for the bus.
  QDBusConnection::sessionBus().send(update);
}

}  // namespace vlmr
