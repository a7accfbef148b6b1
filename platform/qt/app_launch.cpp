#include "platform/qt/app_launch.h"

#include <QFileInfo>
#include <utility>

#include "platform/detached_launch.h"
#include "platform/qt/desktop_services.h"
#include "platform/queues.h"
#include "platform/run_capturing.h"
#include "platform/system_tools.h"

namespace vlmr {

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
  // Reading the plist runs a tool: that waits in the background, and the
  // start comes back to the main thread, where the desktop services live.
  RunInBackground([appPath] {
    const QString executable = AppBundleExecutable(appPath);
    RunOnMain([appPath, executable] {
      if (!executable.isEmpty()) {
        // Started as the desktop would start it: in its own folder and
        // session, and let go.
        TaskSpec app;
        app.executable = executable.toStdString();
        app.workingDirectory = QFileInfo(executable).absolutePath().toStdString();
        if (LaunchDetached(std::move(app), nullptr)) return;
      }
      OpenWithDesktop(appPath);
    });
  });
#endif
}

}  // namespace vlmr
