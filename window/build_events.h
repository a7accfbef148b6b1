#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vlmr {

/// What the running build reports to the page: an output line or a stage change.
struct BuildEvent {
  enum class Kind { Line, Stage };
  Kind kind = Kind::Line;
  std::string line;   ///< the output line, for Kind::Line
  int64_t stage = 0;  ///< the page's stage index, for Kind::Stage
};

/// Carries a build's line and stage reports from the pipeline's reader thread to
/// the main queue, in the order they were made. Reports that arrive while a
/// hand-over is already queued ride along with it, so a script printing many
/// lines costs one main-queue item per batch instead of one per line.
class BuildEventRelay : public std::enable_shared_from_this<BuildEventRelay> {
 public:
  /// Receives each batch on the main queue, oldest report first.
  using Deliver = std::function<void(std::vector<BuildEvent>& batch)>;

  /// A relay handing its batches to `deliver`.
  static std::shared_ptr<BuildEventRelay> Create(Deliver deliver);

  /// Queues an output line; callable from any thread.
  void pushLine(std::string line);
  /// Queues a stage change to the page's `stage`; callable from any thread.
  void pushStage(int64_t stage);

  /// Delivers everything queued so far, now, on the calling (main) thread.
  void drain();

 private:
  explicit BuildEventRelay(Deliver deliver) : deliver_(std::move(deliver)) {}
  void push(BuildEvent event);

  Deliver deliver_;
  std::mutex mutex_;
  std::vector<BuildEvent> events_;
  bool scheduled_ = false;  // a drain is queued on the main queue
};

}  // namespace vlmr
