#pragma once

#include <mutex>

#include "platform/queues.h"

namespace vlmr {

/// The main queue bound to Qt's event loop: work runs as queued calls on the
/// application object, delays through single-shot timers. Needs a
/// QCoreApplication until close(); safe to submit to from any thread.
class QtMainQueue final : public MainQueue {
 public:
  void async(Work work) override;
  void after(std::chrono::nanoseconds delay, Work work) override;
  /// The application object is about to go: work submitted from now on is
  /// dropped (background work can still finish while the program exits).
  void close();

 private:
  std::mutex mutex_;
  bool open_ = true;
};

}  // namespace vlmr
