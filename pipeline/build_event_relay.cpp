#include "pipeline/build_event_relay.h"

#include <algorithm>

#include "base/text.h"
#include "platform/queues.h"

namespace vlmr {
namespace {

// The room a waiting report's text takes; only lines have any.
size_t LineBytes(const BuildEvent& event) {
  const auto* line = std::get_if<BuildOutputLine>(&event);
  return line != nullptr ? line->text.size() : 0;
}

}  // namespace

std::shared_ptr<BuildEventRelay> BuildEventRelay::Create(Deliver deliver) {
  return std::shared_ptr<BuildEventRelay>(new BuildEventRelay(std::move(deliver)));
}

void BuildEventRelay::pushLine(std::string line) {
  BuildOutputLine event;
  if (line.size() > kMaxShownLineBytes) {
    event.wholeBytes = line.size();
    line.resize(Utf8BoundaryAtOrBefore(line, kMaxShownLineBytes));
    line.shrink_to_fit();
  }
  event.text = std::move(line);
  push(BuildEvent(std::move(event)));
}

void BuildEventRelay::pushStage(int64_t stage, int64_t number, int64_t total) {
  push(BuildEvent(BuildStageChange{stage, number, total}));
}

void BuildEventRelay::pushFinish(const BuildReport& report) {
  push(BuildEvent(std::make_unique<const BuildReport>(report)));
}

void BuildEventRelay::push(BuildEvent event) {
  bool first = false;
  {
    std::lock_guard lock(mutex_);
    // The window shows only the newest lines and the latest stage: what a
    // flood has pushed far behind is dropped rather than held.
    const size_t bytes = LineBytes(event);
    while (!events_.empty() &&
           (events_.size() >= kMaxWaitingEvents || waitingBytes_ + bytes > kMaxWaitingBytes)) {
      waitingBytes_ -= LineBytes(events_.front());
      events_.pop_front();
    }
    waitingBytes_ += bytes;
    events_.push_back(std::move(event));
    first = !scheduled_;
    scheduled_ = true;
  }
  if (first) schedule();
}

void BuildEventRelay::schedule() {
  RunOnMain([relay = shared_from_this()] { relay->drain(); });
}

void BuildEventRelay::drain() {
  std::vector<BuildEvent> batch;
  bool more = false;
  {
    std::lock_guard lock(mutex_);
    size_t bytes = 0;
    while (!events_.empty() && batch.size() < batchLimit_ && bytes < kMaxBytesPerBatch) {
      bytes += LineBytes(events_.front());
      waitingBytes_ -= LineBytes(events_.front());
      batch.push_back(std::move(events_.front()));
      events_.pop_front();
    }
    more = !events_.empty();
    scheduled_ = more;
  }
  // The rest waits behind whatever else the main queue has to do.
  if (more) schedule();
  if (batch.empty() || !deliver_) return;
  const auto start = std::chrono::steady_clock::now();
  const size_t size = batch.size();
  deliver_(batch);
  const auto took = std::chrono::steady_clock::now() - start;
  // Aim the next share at the turn budget: smaller after a slow hand-over,
  // back up to the full share once they are quick again.
  if (took > kTurnBudget) {
    // In size_t throughout: the rep of milliseconds is long with libstdc++
    // but long long with libc++, and std::max takes one type.
    const auto budgetMs = static_cast<size_t>(kTurnBudget.count());
    const auto tookMs = static_cast<size_t>(
        std::max<int64_t>(1, std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
    batchLimit_ = std::max(kMinEventsPerBatch, size * budgetMs / tookMs);
  } else if (took < kTurnBudget / 2 && size >= batchLimit_) {
    batchLimit_ = std::min(kMaxEventsPerBatch, batchLimit_ * 2);
  }
}

}  // namespace vlmr
