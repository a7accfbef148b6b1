#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "pipeline/build_request.h"
#include "platform/notifications.h"
#include "session/build_outcome.h"
#include "window/build_run.h"

namespace vlmr {

class BuildPresence;
class InstallerSession;
class PageStack;

/// A build from the window, from "Build" to its outcome: the run with its
/// build page, Cancel, and once it has ended the session's judgement, the
/// timings kept, the Dock tile, the sleep inhibitor and the notification.
/// The page that follows is the shell's (`ended`). Main thread only.
class BuildCoordinator : public QObject {
  Q_OBJECT

 public:
  /// Builds the session's selection, showing the build page on `pages`.
  BuildCoordinator(InstallerSession& session, PageStack& pages, QObject* parent = nullptr);
  /// A build still running goes with its run (quitting has stopped it by then).
  ~BuildCoordinator() override;

  /// The clock builds are timed on, in seconds (a steady clock unless set).
  void setClock(std::function<double()> clock) { clock_ = std::move(clock); }
  /// Where the end of a build is announced while the window is not active
  /// (the desktop's notifications unless set). Null: nowhere.
  void setNotificationPoster(std::unique_ptr<NotificationPoster> poster);
  /// The poster set, else the desktop's, made now (on the Mac this asks the
  /// player's permission).
  NotificationPoster* notificationPoster();
  /// The build in progress, or none.
  const BuildRun* run() const { return run_; }

  /// "Build": starts a build of the selection and shows its page, unless one runs.
  void beginBuild();
  /// "Cancel": stops the running build.
  void cancelBuild();
  /// The window became the active one: the Dock's badge and request go.
  void windowActivated();

 signals:
  /// The build has ended as `outcome` says: the session knows, the run is
  /// gone; the Dock and the notification follow once this returns.
  void ended(const vlmr::BuildOutcome& outcome);

 private:
  void runEnded(const BuildReport& report);
  // A successful build: its time in the log, its timings kept for the next estimate.
  void recordFinishedBuild(const BuildRun& run);
  // Tells the Dock, and the desktop unless the window is the active one.
  void announce(const BuildOutcome& outcome);

  InstallerSession& session_;
  PageStack& pages_;
  BuildPresence* presence_ = nullptr;
  QPointer<BuildRun> run_;
  std::function<double()> clock_;
  std::unique_ptr<NotificationPoster> poster_;
  bool posterChosen_ = false;
};

}  // namespace vlmr
