#pragma once

#include <QObject>
#include <QPointer>
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
  QMainWindow* window() const { return window_; }
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

  InstallerSession session_;
  // Made with the controller, so the flows can hold it; the window takes it
  // at launch.
  QPointer<PageStack> pages_;
  QPointer<QMainWindow> window_;
  QPointer<QMenuBar> menuBar_;
  WelcomeFlow* welcome_ = nullptr;
  SelectionFlow* selection_ = nullptr;
  BuildCoordinator* build_ = nullptr;
  OutcomePages* outcome_ = nullptr;
  QMetaObject::Connection focusWatch_;
};

}  // namespace vlmr
