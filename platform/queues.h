#pragma once

#include <chrono>
#include <functional>

namespace vlmr {

/// A unit of work handed to a queue.
using Work = std::function<void()>;

/// The program's main queue: work runs one item at a time, in order, on the
/// main thread. The window binds it to Qt's event loop; tests pump it.
class MainQueue {
 public:
  virtual ~MainQueue() = default;
  /// Runs `work` later on the main thread.
  virtual void async(Work work) = 0;
  /// Runs `work` on the main thread once `delay` has passed.
  virtual void after(std::chrono::nanoseconds delay, Work work) = 0;
};

/// Installs the main queue binding (not owned; it must outlive its use).
void SetMainQueue(MainQueue* queue);

/// Runs `work` asynchronously on the main queue.
void RunOnMain(Work work);

/// Runs `work` on the main queue after `delay`.
void RunOnMainAfter(std::chrono::nanoseconds delay, Work work);

/// Runs `work` on the background (user-initiated) queue: a pool that starts
/// another thread whenever none is idle, so a reader blocked for a whole build
/// never starves other work.
void RunInBackground(Work work);

/// Ends the background queue before the program ends: work not started yet
/// is dropped (and so is any submitted from now on), and the work running is
/// waited for up to `bound`. Returns false when some is still running then; the
/// caller must then end the process without running static destructors,
/// which that work may still be using. Main thread, once, after the loop.
bool FinishBackgroundWork(std::chrono::milliseconds bound);

}  // namespace vlmr
