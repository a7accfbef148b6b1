#include "platform/queues.h"

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace vlmr {

namespace {

std::atomic<MainQueue*> gMainQueue{nullptr};

MainQueue& BoundMainQueue() {
  MainQueue* queue = gMainQueue.load(std::memory_order_acquire);
  if (queue == nullptr) {
    // A programming error, not a user's: work for the main thread would be lost.
    std::fputs("VelmoraInstaller: main-queue work submitted before a main queue was bound\n",
               stderr);
    std::abort();
  }
  return *queue;
}

// The user-initiated background queue. A new thread starts whenever every
// existing one is busy; idle threads wait for more work and are joined when
// the program ends.
class BackgroundPool {
 public:
  ~BackgroundPool() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }

  void submit(Work work) {
    std::lock_guard lock(mutex_);
    if (stopping_) return;  // the program is ending: nobody is left to hear of it
    queue_.push_back(std::move(work));
    // Idle threads not yet claimed by earlier submissions can take this item.
    if (queue_.size() > idle_) {
      threads_.emplace_back([this] { serve(); });
    } else {
      wake_.notify_one();
    }
  }

 private:
  void serve() {
    std::unique_lock lock(mutex_);
    for (;;) {
      ++idle_;
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      --idle_;
      if (queue_.empty()) return;  // stopping with nothing left to do
      Work work = std::move(queue_.front());
      queue_.pop_front();
      ++busy_;
      lock.unlock();
      work();
      work = nullptr;  // release captures before taking the lock again
      lock.lock();
      --busy_;
      finished_.notify_all();
    }
  }

 public:
  bool finish(std::chrono::milliseconds bound) {
    std::deque<Work> dropped;
    std::vector<std::thread> threads;
    {
      std::unique_lock lock(mutex_);
      stopping_ = true;
      dropped.swap(queue_);
      wake_.notify_all();
      if (!finished_.wait_for(lock, bound, [this] { return busy_ == 0; })) return false;
      threads.swap(threads_);
    }
    // Every thread is idle or leaving now; none takes more work.
    for (std::thread& thread : threads) thread.join();
    return true;
  }

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable finished_;
  size_t busy_ = 0;
  std::deque<Work> queue_;
  std::vector<std::thread> threads_;
  size_t idle_ = 0;
  bool stopping_ = false;
};

BackgroundPool& Pool() {
  static BackgroundPool pool;
  return pool;
}

}  // namespace

void SetMainQueue(MainQueue* queue) {
  gMainQueue.store(queue, std::memory_order_release);
}

void RunOnMain(Work work) {
  BoundMainQueue().async(std::move(work));
}

void RunOnMainAfter(std::chrono::nanoseconds delay, Work work) {
  BoundMainQueue().after(delay, std::move(work));
}

void RunInBackground(Work work) {
  Pool().submit(std::move(work));
}

bool FinishBackgroundWork(std::chrono::milliseconds bound) {
  return Pool().finish(bound);
}

}  // namespace vlmr
