#include "window/desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "pipeline/host.h"
#include "platform/system_tools.h"

namespace vlmr {
namespace {

// How long the file manager gets to answer a request to select a file.
constexpr int kFileManagerTimeoutMs = 3000;

#ifndef Q_OS_MACOS
// Freedesktop's file-manager interface selects files; without a session bus
// or a file manager offering it the call fails and the caller falls back.
bool SelectInFreedesktopFileManager(const QString& path) {
  const QString dbusSend = QStandardPaths::findExecutable(QStringLiteral("dbus-send"));
  if (dbusSend.isEmpty() || qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return false;
  QProcess call;
  call.start(dbusSend, {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                        QStringLiteral("--reply-timeout=%1").arg(kFileManagerTimeoutMs),
                        QStringLiteral("--dest=org.freedesktop.FileManager1"),
                        QStringLiteral("/org/freedesktop/FileManager1"),
                        QStringLiteral("org.freedesktop.FileManager1.ShowItems"),
                        QStringLiteral("array:string:") +
                            QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded),
                        QStringLiteral("string:")});
  if (!call.waitForFinished(kFileManagerTimeoutMs + 500)) {
    call.kill();
    call.waitForFinished();
    return false;
  }
  return call.exitStatus() == QProcess::NormalExit && call.exitCode() == 0;
}
#endif

}  // namespace

void OpenWithDesktop(const QString& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void RevealInFileManager(const QString& path) {
#ifdef Q_OS_MACOS
  if (QProcess::startDetached(QStringLiteral("/usr/bin/open"), {QStringLiteral("-R"), path}))
    return;
#else
  if (SelectInFreedesktopFileManager(path)) return;
#endif
  OpenWithDesktop(QFileInfo(path).absolutePath());
}

QString AppBundleExecutable(const QString& appPath) {
  const std::string& plistBuddy = Tools().plistBuddy;
  if (plistBuddy.empty()) return QString();
  std::string name;
  const std::string plist = (appPath + QStringLiteral("/Contents/Info.plist")).toStdString();
  if (RunCapturing(plistBuddy, {"-c", "Print :CFBundleExecutable", plist}, &name) != 0) {
    return QString();
  }
  // A bare file name only: the plist must not send us out of the bundle.
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
    return QString();
  }
  const QString executable =
      appPath + QStringLiteral("/Contents/MacOS/") + QString::fromStdString(name);
  const QFileInfo info(executable);
  return info.isFile() && info.isExecutable() ? executable : QString();
}

void LaunchAppBundle(const QString& appPath) {
#ifdef Q_OS_MACOS
  OpenWithDesktop(appPath);
#else
  const QString executable = AppBundleExecutable(appPath);
  if (!executable.isEmpty() &&
      QProcess::startDetached(executable, {}, QFileInfo(executable).absolutePath())) {
    return;
  }
  OpenWithDesktop(appPath);
#endif
}

}  // namespace vlmr
