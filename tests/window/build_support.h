#pragma once

// What the build, outcome and done page tests share: a sandbox that runs real
// builds with the demo bundle (or a bundle of the test's own), and a recorder
// for what the window asks the desktop to open.

#include <QObject>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <memory>

#include "window/installer_controller.h"
#include "window_support.h"

namespace vlmr::test {

/// A window test sandbox (temporary home, fake probe tools) in which builds
/// really run: python3 passes the build's process-group trampoline on to the
/// real interpreter, the copy and plist tools are the Linux stand-ins, and the
/// bundle resources are the demo bundle's unless a test writes its own.
class BuildSandbox {
 public:
  BuildSandbox();
  ~BuildSandbox();

  /// A path inside the sandbox's scratch folder.
  QString path(const QString& relative) const { return sandbox_.path(relative); }
  /// A path under the temporary home.
  QString home(const QString& relative) const;
  /// The installer log's event lines, without their time stamps.
  QStringList logEvents() const { return sandbox_.logEvents(); }
  /// The whole installer log.
  QString logText() const;

  /// Makes the bundle's resources a copy of the demo's with `script` as the
  /// build script.
  void useScript(const QString& script);

 private:
  Sandbox sandbox_;
};

/// The file name of the demo's sample installer, as GOG names the real one.
inline constexpr char kSampleName[] = "setup_simcity_3000_unlimited_2.0.949(a).exe";

/// Writes the demo's sample installer (60 MiB, known to the demo bundle) to `path`.
bool MakeSampleInstaller(const QString& path);

/// A build script that makes "Velmora 3000.app" in its output folder, whose
/// Info.plist names `executable`; the app's own program leaves a mark at
/// `mark` when run. The script says "##done" with the app and exits with `status`.
QString AppScript(const QString& executable = QStringLiteral("Velmora 3000"),
                  const QString& mark = QString(), int status = 0);

/// With room on the disk: launches the window, continues to the installer
/// page, drops `installer`, presses "Build" and waits until the build has ended.
void BuildToTheEnd(InstallerController& controller, const QString& installer);

/// Records what the window asks the desktop to open with a file URL, instead
/// of opening it, for as long as it exists.
class OpenedUrls : public QObject {
  Q_OBJECT
 public:
  OpenedUrls();
  ~OpenedUrls() override;
  QList<QUrl> urls;

 public slots:
  void record(const QUrl& url) { urls << url; }
};

}  // namespace vlmr::test
