#include "platform/qt/desktop_services.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#ifdef Q_OS_MACOS
#include "platform/mac/file_viewer.h"
#else
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#endif

namespace vlmr {

void OpenWithDesktop(const QString& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

#ifdef Q_OS_MACOS

void RevealInFileManager(const QString& path) {
  // Finder always answers; the folder fallback is for the bus-less Linux desktop.
  SelectInFileViewer(path.toStdString());
}

#else

namespace {

void OpenContainingFolder(const QString& path) {
  OpenWithDesktop(QFileInfo(path).absolutePath());
}

}  // namespace

void RevealInFileManager(const QString& path) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    OpenContainingFolder(path);
    return;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.FileManager1"),
      QStringLiteral("/org/freedesktop/FileManager1"),
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
  call << QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)} << QString();
  // The answer comes back through the event loop: a file manager that is slow
  // to start never holds up the window. Without one, the bus answers with an
  // error and the folder is opened instead.
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                   [path](QDBusPendingCallWatcher* finished) {
                     if (finished->isError()) OpenContainingFolder(path);
                     finished->deleteLater();
                   });
}

#endif

}  // namespace vlmr
