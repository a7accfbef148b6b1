#pragma once

#include <atomic>
#include <memory>

namespace vlmr {

/// A request to stop work that is no longer wanted. Copies share one flag, so
/// the one who started the work keeps a copy and the work checks another;
/// either may be used from any thread.
class CancelToken {
 public:
  /// Asks the work to stop at its next check. Never undone.
  void cancel() const { flag_->store(true, std::memory_order_relaxed); }
  /// true once `cancel()` was called on any copy.
  bool cancelled() const { return flag_->load(std::memory_order_relaxed); }

 private:
  std::shared_ptr<std::atomic<bool>> flag_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace vlmr
