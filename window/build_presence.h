#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "platform/dock_tile.h"
#include "platform/sleep_inhibitor.h"
#include "session/dock_progress.h"

namespace vlmr {

/// What the desktop sees of a build beyond the window: the Dock tile's
/// progress, badge and request for attention (at most a few updates a
/// second), and the machine kept awake from the build's start to its end.
/// The desktop's own tile and inhibitor are made on first use unless tests
/// set theirs. Main thread only.
class BuildPresence : public QObject {
  Q_OBJECT

 public:
  explicit BuildPresence(QObject* parent = nullptr);
  ~BuildPresence() override;

  /// The tile to show the build on (null: none).
  void setDockTile(std::unique_ptr<DockTile> tile);
  /// What keeps the machine awake (null: nothing).
  void setSleepInhibitor(std::unique_ptr<SleepInhibitor> inhibitor);
  /// The clock the tile's updates are spaced on, in seconds.
  void setClock(std::function<double()> clock) { clock_ = std::move(clock); }

  /// A build started: the machine stays awake, the tile shows an empty bar.
  void buildStarted();
  /// The build page's bar moved to `fraction`.
  void progressChanged(double fraction);
  /// The build ended: the machine may sleep, the bar goes, and unless the
  /// window is active a badge and a request for attention come.
  void buildEnded(BuildEnd end, bool windowActive);
  /// The machine may sleep again (the application is quitting, or the build
  /// is over). Safe to call any number of times.
  void releaseSleep();
  /// The window became active: the badge and the request go.
  void windowActivated();

 private:
  DockTile* dockTile();
  SleepInhibitor* sleepInhibitor();
  // Hands the model's state to the throttle, and what it lets through to the tile.
  void update();
  void flush();

  DockProgress progress_;
  DockTileThrottle throttle_;
  QTimer flushTimer_;
  std::function<double()> clock_;
  std::unique_ptr<DockTile> tile_;
  bool tileChosen_ = false;
  std::unique_ptr<SleepInhibitor> inhibitor_;
  bool inhibitorChosen_ = false;
};

}  // namespace vlmr
