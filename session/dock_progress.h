#pragma once

#include <optional>

#include "platform/dock_tile.h"
#include "session/build_notification.h"

namespace vlmr {

/// The badge of a build that finished with an app.
inline constexpr char kDockBadgeDone[] = "✓";
/// The badge of a build that ended any other way: the player has something to look at.
inline constexpr char kDockBadgeAttention[] = "!";

/// What the Dock tile shows around a build: the bar while it runs, at the
/// value of the build page's bar; a badge and one request for attention when
/// it ends while the window is not active, both gone once it is.
class DockProgress {
 public:
  /// A build started: the bar shows, empty; an earlier badge goes.
  void buildStarted();
  /// The build page's bar moved to `fraction` (0..1); nothing when no build runs.
  void progressChanged(double fraction);
  /// The build ended: the bar goes; unless `windowActive`, a badge ("✓" when
  /// it made an app, else "!") and the request for attention.
  void buildEnded(BuildEnd end, bool windowActive);
  /// The window became active: the badge and the request go.
  void windowActivated();

  /// What the tile should show now.
  const DockTileState& state() const { return state_; }

 private:
  DockTileState state_;
};

/// Keeps the Dock tile's updates to a few a second: a new state goes at once
/// when the last one went at least `interval` seconds ago, else it waits for
/// that moment, where only the newest waiting state goes. A state equal to the
/// last one sent is not sent again; before the first, the tile shows nothing
/// (the default state). Times are seconds on a steady clock.
class DockTileThrottle {
 public:
  /// At most one update per this many seconds.
  static constexpr double kDefaultInterval = 0.25;

  explicit DockTileThrottle(double interval = kDefaultInterval) : interval_(interval) {}

  /// The tile should show `state` from `now`. Returns the state to send now,
  /// or nothing: then it is unchanged, or waits until due().
  std::optional<DockTileState> offer(const DockTileState& state, double now);
  /// The waiting state, when its moment has come by `now`.
  std::optional<DockTileState> flush(double now);
  /// When the waiting state may go; nothing when none waits.
  std::optional<double> due() const;

 private:
  std::optional<DockTileState> send(const DockTileState& state, double now);

  double interval_;
  DockTileState sent_;
  std::optional<double> sentAt_;
  std::optional<DockTileState> waiting_;
};

}  // namespace vlmr
