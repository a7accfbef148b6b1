#pragma once

#include "platform/queues.h"

namespace vlmr {

/// The main queue bound to Qt's event loop: work runs as queued calls on the
/// application object, delays through single-shot timers. Needs a
/// QCoreApplication; safe to submit to from any thread.
class QtMainQueue final : public MainQueue {
 public:
  void async(Work work) override;
  void after(std::chrono::nanoseconds delay, Work work) override;
};

}  // namespace vlmr
