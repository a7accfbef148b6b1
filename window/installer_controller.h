#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "checks/free_space.h"
#include "platform/notifications.h"
#include "session/installer_session.h"
#include "window/app_identity.h"

#include <QMainWindow>

class QMenuBar;

namespace vlmr {

class BuildCoordinator;
class BuildRun;
class FileOpenFilter;
class OutcomePages;
class PageStack;
class SelectionFlow;
class WelcomeFlow;

/// The shell of the windowed application: the menu, the window with its
/// stack of pages, and the session, with the flows that act on them (the
/// welcome page's check, the installer selection, the build, the pages a
/// build ends on) joined up here. Main thread only.
class InstallerController : public QObject {
  Q_OBJECT

 public:
  /// A controller without a window; applicationDidFinishLaunching makes one.
  explicit InstallerController(QObject* parent = nullptr);
  ~InstallerController() override;

  /// Menu, window, the two launch log lines, the prerequisite check with its
  /// welcome page, then brings the window to the front.
  void applicationDidFinishLaunching();

  // What tests and the desktop may read.

  /// The application's only window (none before the launch).
  QMainWindow* window() const { return window_.get(); }
  /// The page on screen, or none.
  QWidget* currentPage() const;
  /// What the window knows: selection, verdict, build phase, app and log paths.
  const InstallerSession& session() const { return session_; }
  /// A prerequisite check runs.
  bool prerequisiteCheckRunning() const;
  /// The build in progress, or none.
  const BuildRun* buildRun() const;

  // What tests may set in place of the machine's own.

  /// How the free space of a disk is measured (`MeasureFreeBytes`).
  void setFreeSpaceMeasure(FreeSpaceMeasure measure);
  /// The clock builds are timed on, in seconds (a steady clock).
  void setBuildClock(std::function<double()> clock);
  /// Where the end of a build is announced while the window is not active
  /// (the desktop's notifications unless set). Null: nowhere.
  void setNotificationPoster(std::unique_ptr<NotificationPoster> poster);

 private:
  // The main menu: About, a separator and Quit on the platform's Quit shortcut.
  void buildMenu();
  // The window of one page's size titled `WindowTitle()`: closable,
  // minimisable, not resizable; centred and shown.
  void buildWindow();
  // The page that follows a build's end.
  void showOutcome(const BuildOutcome& outcome);

  // Members go in the reverse of this order. The flows hold the session and
  // the page stack, so they go before both, the selection (which hears
  // opened files) and a check still running first; the window takes the
  // stack with it.
  InstallerSession session_;
  // Ours until buildWindow puts it in the window; the Mac's global bar stays ours.
  std::unique_ptr<QMenuBar> menuBar_;
  // Ours until buildWindow makes it the window's content.
  std::unique_ptr<PageStack> unplacedPages_;
  // The stack, wherever it is owned: the flows and the window's content.
  PageStack* pages_ = nullptr;
  std::unique_ptr<QMainWindow> window_;
  std::unique_ptr<OutcomePages> outcome_;
  std::unique_ptr<BuildCoordinator> build_;
  std::unique_ptr<WelcomeFlow> welcome_;
  std::unique_ptr<SelectionFlow> selection_;
  std::unique_ptr<FileOpenFilter> fileOpen_;
  QMetaObject::Connection focusWatch_;
};

}  // namespace vlmr
