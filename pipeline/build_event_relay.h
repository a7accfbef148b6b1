#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

#include "pipeline/build_request.h"

namespace vlmr {

/// An output line of a running build, as the window is to show it.
struct BuildOutputLine {
  std::string text;
  /// The line's whole length in bytes when `text` holds only its start (a
  /// line longer than `BuildEventRelay::kMaxShownLineBytes`), else 0.
  uint64_t wholeBytes = 0;
};

/// A running build reached the page's `stage`, the script's own `number` of
/// `total`.
struct BuildStageChange {
  int64_t stage = 0;
  int64_t number = 0;
  int64_t total = 0;
};

/// What a running build reports to the window: an output line, a stage
/// change, or the end of the build with its report, whole. The report is
/// held apart, so that a line costs no report's worth of room while it waits.
using BuildEvent =
    std::variant<BuildOutputLine, BuildStageChange, std::unique_ptr<const BuildReport>>;

/// Carries a build's reports from the pipeline's threads to the main queue in
/// the order they were made. Reports that arrive while a hand-over is queued
/// ride along with it, and each hand-over takes at most a bounded share, so a
/// script printing a flood of lines costs few main-queue items and never
/// holds up the main thread for long; the end of the build is handed over
/// after the last line before it. Plain C++: the window and tests bind the
/// main queue it hands over on.
class BuildEventRelay : public std::enable_shared_from_this<BuildEventRelay> {
 public:
  /// Receives each batch on the main queue, oldest report first.
  using Deliver = std::function<void(std::vector<BuildEvent>& batch)>;

  /// At most this many reports, or this many bytes of lines, per hand-over.
  static constexpr size_t kMaxEventsPerBatch = 5000;
  static constexpr size_t kMaxBytesPerBatch = 512 * 1024;
  /// The share shrinks (down to this many reports) while handing one over
  /// takes longer than the turn budget, as on a machine busy with the build.
  static constexpr size_t kMinEventsPerBatch = 200;
  static constexpr std::chrono::milliseconds kTurnBudget{20};
  /// A longer line is queued cut to its start (at a character's edge), with
  /// its whole length: the log file holds it whole, a window cannot lay it out.
  static constexpr size_t kMaxShownLineBytes = 4096;
  /// While more reports than this, or more bytes of lines, wait for the main
  /// thread, the oldest waiting ones are dropped (the log view shows fewer
  /// lines than that; the installer log keeps them all), so a flood faster
  /// than the window costs bounded memory. The end is never dropped.
  static constexpr size_t kMaxWaitingEvents = 50000;
  static constexpr size_t kMaxWaitingBytes = 16 * 1024 * 1024;

  /// A relay handing its batches to `deliver`.
  static std::shared_ptr<BuildEventRelay> Create(Deliver deliver);

  /// Queues an output line (cut when overlong; the oldest waiting lines
  /// dropped past `kMaxWaitingEvents`); callable from any thread.
  void pushLine(std::string line);
  /// Queues a stage change to the page's `stage` (the script's `number` of
  /// `total`); callable from any thread.
  void pushStage(int64_t stage, int64_t number = 0, int64_t total = 0);
  /// Queues the end of the build with its final `report`; callable from any thread.
  void pushFinish(const BuildReport& report);

  /// Hands over the next batch now, on the calling (main) thread, and queues
  /// another hand-over when reports are left.
  void drain();

 private:
  explicit BuildEventRelay(Deliver deliver) : deliver_(std::move(deliver)) {}
  void push(BuildEvent event);
  void schedule();

  Deliver deliver_;
  std::mutex mutex_;
  std::deque<BuildEvent> events_;
  size_t waitingBytes_ = 0;
  bool scheduled_ = false;                  // a drain is queued on the main queue
  size_t batchLimit_ = kMinEventsPerBatch;  // main thread only; grows while hand-overs are quick
};

}  // namespace vlmr
