#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/queues.h"

namespace vlmr {

/// A main queue that its owner runs by hand: work submitted from any thread
/// waits until the owning thread pumps it. Deterministic, for tests and for
/// programs without an event loop.
class PumpedMainQueue final : public MainQueue {
 public:
  using Clock = std::chrono::steady_clock;

  void async(Work work) override;
  void after(std::chrono::nanoseconds delay, Work work) override;

  /// Runs due work, in order, until `done` holds or `deadline` passes; waits
  /// for new work in between. Returns whether `done` held.
  bool pumpUntil(const std::function<bool()>& done, Clock::time_point deadline);

  /// `pumpUntil` with a deadline `timeout` from now.
  bool pumpFor(const std::function<bool()>& done, std::chrono::milliseconds timeout);

  /// Runs every item that is due now (none that they submit in turn).
  void drain();

 private:
  struct Item {
    Clock::time_point due;
    unsigned long long order;
    Work work;
  };
  bool takeDue(Work& work);

  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<Item> items_;
  unsigned long long nextOrder_ = 0;
};

}  // namespace vlmr
