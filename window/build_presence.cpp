// The build's presence on the desktop: the Dock tile and the sleep inhibitor.
#include "window/build_presence.h"

#include <QCoreApplication>
#include <cmath>

#include "platform/qt/desktop_presence.h"
#include "session/build_clock.h"
#include "window/app_identity.h"

namespace vlmr {

BuildPresence::BuildPresence(QObject* parent) : QObject(parent), clock_(SteadySeconds) {
  flushTimer_.setSingleShot(true);
  connect(&flushTimer_, &QTimer::timeout, this, &BuildPresence::flush);
  // A build stopped by quitting never reaches its end in the window.
  if (QCoreApplication* app = QCoreApplication::instance()) {
    connect(app, &QCoreApplication::aboutToQuit, this, &BuildPresence::releaseSleep);
  }
}

BuildPresence::~BuildPresence() {
  releaseSleep();
}

void BuildPresence::setDockTile(std::unique_ptr<DockTile> tile) {
  tile_ = std::move(tile);
  tileChosen_ = true;
}

void BuildPresence::setSleepInhibitor(std::unique_ptr<SleepInhibitor> inhibitor) {
  if (inhibitor_ != nullptr) inhibitor_->release();
  inhibitor_ = std::move(inhibitor);
  inhibitorChosen_ = true;
}

DockTile* BuildPresence::dockTile() {
  // Made on first use: most runs never build, and need no bus connection.
  if (!tileChosen_) setDockTile(MakeDesktopDockTile());
  return tile_.get();
}

SleepInhibitor* BuildPresence::sleepInhibitor() {
  // Under the application's English name, as the installer log names it.
  if (!inhibitorChosen_) setSleepInhibitor(MakeDesktopSleepInhibitor(QString::fromUtf8(kWindowTitle)));
  return inhibitor_.get();
}

void BuildPresence::buildStarted() {
  if (SleepInhibitor* inhibitor = sleepInhibitor()) inhibitor->hold();
  progress_.buildStarted();
  update();
}

void BuildPresence::progressChanged(double fraction) {
  progress_.progressChanged(fraction);
  update();
}

void BuildPresence::buildEnded(BuildEnd end, bool windowActive) {
  releaseSleep();
  progress_.buildEnded(end, windowActive);
  update();
}

void BuildPresence::releaseSleep() {
  // Only an inhibitor that was made can hold anything.
  if (inhibitor_ != nullptr) inhibitor_->release();
}

void BuildPresence::windowActivated() {
  progress_.windowActivated();
  update();
}

void BuildPresence::update() {
  if (std::optional<DockTileState> now = throttle_.offer(progress_.state(), clock_())) {
    if (DockTile* tile = dockTile()) tile->show(*now);
  }
  flush();
}

void BuildPresence::flush() {
  if (std::optional<DockTileState> due = throttle_.flush(clock_())) {
    if (DockTile* tile = dockTile()) tile->show(*due);
  }
  if (std::optional<double> at = throttle_.due()) {
    // Rounded up, so the timer never fires before the state may go.
    const double wait = std::max(0.0, *at - clock_());
    flushTimer_.start(static_cast<int>(std::ceil(wait * 1000.0)));
  } else {
    flushTimer_.stop();
  }
}

}  // namespace vlmr
