#pragma once

// A sandbox for window tests: a temporary home (so the installer log is ours),
// an empty bundle, fake tools, and the main queue bound to Qt's loop.

#include <QDir>
#include <QFile>
#include <QRectF>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>

#include "components/appearance.h"
#include "components/button_base.h"
#include "components/frame.h"
#include "components/label.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/system_tools.h"
#include "tests/support/test_support.h"
#include "window/build_page.h"
#include "window/done_page.h"
#include "window/error_page.h"
#include "window/installer_controller.h"
#include "window/installer_page.h"
#include "window/welcome_page.h"

namespace vlmr::test {

/// How the fake tools behave. Each field is a shell snippet run by the tool.
struct ToolScript {
  std::string xcodeSelect = "exit 0";
  std::string xcrun = "exit 0";
  // Exit status 1 when the script imports venv: a Python 3.9+ without venv.
  std::string python3 = "exit 0";
  std::string shasum = "exec /usr/bin/shasum \"$@\"";
};

class Sandbox {
 public:
  explicit Sandbox(const ToolScript& script = ToolScript());
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  /// A path inside the sandbox's scratch folder.
  QString path(const QString& relative) const {
    return QString::fromStdString(root_ / relative.toStdString());
  }
  /// The installer log's lines, without their time stamps ("[installer] " stripped).
  QStringList logEvents() const;
  /// Replaces one fake tool; `name` as in the tool table's file names ("python3").
  void setTool(const std::string& name, const std::string& body);

 private:
  TempDir root_;
  ScopedHome home_{root_ / "home"};
  SystemTools savedTools_;
  SystemTools tools_;
};

/// Writes a sparse file of `size` bytes starting with `head` (test::WriteSparseFile for Qt's strings).
inline void WriteSparseFile(const QString& path, qint64 size, const QByteArray& head) {
  WriteSparseFile(path.toStdString(), static_cast<uint64_t>(size), head.toStdString());
}

/// The first widget of type T under `root` whose text (label) or title (button) is `text`.
template <class T>
T* FindByText(QWidget* root, const QString& text) {
  for (T* widget : root->findChildren<T*>()) {
    if (widget->text() == text) return widget;
  }
  return nullptr;
}

/// The widget of type T under `root` at `frame` (bottom-left based) in a parent at `parentFrame`.
template <class T>
T* FindByFrame(QWidget* root, const QRectF& frame, const QRectF& parentFrame) {
  for (T* widget : root->findChildren<T*>()) {
    if (FrameOf(widget) == frame && widget->parentWidget() != nullptr &&
        FrameOf(widget->parentWidget()) == parentFrame) {
      return widget;
    }
  }
  return nullptr;
}

/// The controller's page on screen when it is a `Page`, else null.
template <class Page>
Page* PageOf(const InstallerController& controller) {
  return qobject_cast<Page*>(controller.currentPage());
}

/// A disk with room for any build: tests that expect a usable verdict must not
/// depend on how full the machine running them is.
inline std::optional<uint64_t> PlentyOfRoom(const std::string&) {
  return uint64_t(1) << 50;
}

/// `name` as the pages show it inside a sentence: between U+2068 FIRST STRONG ISOLATE and
/// U+2069 POP DIRECTIONAL ISOLATE.
inline QString Isolated(const QString& name) {
  return QChar(0x2068) + name + QChar(0x2069);
}

/// The pages now in the window's content.
QList<QWidget*> PagesIn(QWidget* content);

/// Writes `text` to an executable file at `path`, making its folder; whether it is there now.
bool WriteExecutable(const QString& path, const QByteArray& text);

/// Launches `controller` (menu, window, prerequisite check) and waits until
/// the check, which runs in the background, has answered with its page.
void LaunchChecked(InstallerController& controller);

/// The pages of `controller`'s window: one, once the page before has gone.
QList<QWidget*> PagesOf(const InstallerController& controller);

/// The single page in the controller's window, or null (none yet, or the page
/// before still there).
QWidget* CurrentPage(const InstallerController& controller);

/// Launches `controller` until its window is up and the check has answered,
/// then presses "Continue" on the welcome page (all present): the installer page.
void LaunchToInstallerPage(InstallerController& controller);

/// Drops `files` on the page's drop zone as the platform would deliver them;
/// fails the test when the page has no zone.
void DropFiles(QWidget* page, const QStringList& files);

/// From the installer page, drops `installer` and waits until "Build" is enabled.
void SelectUsableInstaller(InstallerController& controller, const QString& installer);

/// With room on the disk: launches `controller` to the installer page, drops
/// `installer` and waits until "Build" is enabled.
void ReadyToBuild(InstallerController& controller, const QString& installer);

/// Clicks the button titled `title` on the page on screen; false when there is none.
bool Click(InstallerController& controller, const QString& title);

}  // namespace vlmr::test
