#include "session/dock_progress.h"

#include <algorithm>

namespace vlmr {

void DockProgress::buildStarted() {
  state_ = DockTileState{true, 0.0, "", false};
}

void DockProgress::progressChanged(double fraction) {
  if (!state_.progressVisible) return;
  state_.progress = std::clamp(fraction, 0.0, 1.0);
}

void DockProgress::buildEnded(BuildEnd end, bool windowActive) {
  state_.progressVisible = false;
  state_.progress = 0.0;
  // The player is looking at the outcome already: nothing to call them back for.
  if (windowActive) return;
  state_.badge = end == BuildEnd::Done ? kDockBadgeDone : kDockBadgeAttention;
  state_.attention = true;
}

void DockProgress::windowActivated() {
  state_.badge.clear();
  state_.attention = false;
}

std::optional<DockTileState> DockTileThrottle::send(const DockTileState& state, double now) {
  sent_ = state;
  sentAt_ = now;
  waiting_.reset();
  return state;
}

std::optional<DockTileState> DockTileThrottle::offer(const DockTileState& state, double now) {
  if (sent_ == state) {
    // Back to what the tile shows: whatever waited is no longer wanted.
    waiting_.reset();
    return std::nullopt;
  }
  if (!sentAt_ || now - *sentAt_ >= interval_) return send(state, now);
  waiting_ = state;
  return std::nullopt;
}

std::optional<DockTileState> DockTileThrottle::flush(double now) {
  if (!waiting_ || (sentAt_ && now - *sentAt_ < interval_)) return std::nullopt;
  return send(*waiting_, now);
}

std::optional<double> DockTileThrottle::due() const {
  if (!waiting_ || !sentAt_) return std::nullopt;
  return *sentAt_ + interval_;
}

}  // namespace vlmr
