#include "platform/pumped_queue.h"

#include <algorithm>

namespace vlmr {

void PumpedMainQueue::async(Work work) {
  after(std::chrono::nanoseconds(0), std::move(work));
}

void PumpedMainQueue::after(std::chrono::nanoseconds delay, Work work) {
  {
    std::lock_guard lock(mutex_);
    auto due = Clock::now() + std::chrono::duration_cast<Clock::duration>(delay);
    items_.push_back(Item{due, nextOrder_++, std::move(work)});
  }
  arrived_.notify_all();
}

bool PumpedMainQueue::takeDue(Work& work) {
  std::lock_guard lock(mutex_);
  auto now = Clock::now();
  // Earliest due first; submission order among equals, as a serial queue runs them.
  auto best = items_.end();
  for (auto it = items_.begin(); it != items_.end(); ++it) {
    if (it->due > now) continue;
    if (best == items_.end() || it->due < best->due ||
        (it->due == best->due && it->order < best->order)) {
      best = it;
    }
  }
  if (best == items_.end()) return false;
  work = std::move(best->work);
  items_.erase(best);
  return true;
}

bool PumpedMainQueue::pumpUntil(const std::function<bool()>& done, Clock::time_point deadline) {
  for (;;) {
    if (done()) return true;
    Work work;
    if (takeDue(work)) {
      work();
      continue;
    }
    if (Clock::now() >= deadline) return done();
    std::unique_lock lock(mutex_);
    auto wakeAt = deadline;
    for (const Item& item : items_) wakeAt = std::min(wakeAt, item.due);
    // Short waits keep `done` conditions that other threads change (without
    // submitting work) from being noticed late.
    wakeAt = std::min(wakeAt, Clock::now() + std::chrono::milliseconds(20));
    arrived_.wait_until(lock, wakeAt);
  }
}

bool PumpedMainQueue::pumpFor(const std::function<bool()>& done,
                              std::chrono::milliseconds timeout) {
  return pumpUntil(done, Clock::now() + timeout);
}

void PumpedMainQueue::drain() {
  size_t count;
  {
    std::lock_guard lock(mutex_);
    count = items_.size();
  }
  Work work;
  while (count-- > 0 && takeDue(work)) work();
}

}  // namespace vlmr
