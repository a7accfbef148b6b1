#include "window/build_events.h"

#include "platform/queues.h"

namespace vlmr {

std::shared_ptr<BuildEventRelay> BuildEventRelay::Create(Deliver deliver) {
  return std::shared_ptr<BuildEventRelay>(new BuildEventRelay(std::move(deliver)));
}

void BuildEventRelay::pushLine(std::string line) {
  push(BuildEvent{BuildEvent::Kind::Line, std::move(line), 0});
}

void BuildEventRelay::pushStage(int64_t stage) {
  push(BuildEvent{BuildEvent::Kind::Stage, std::string(), stage});
}

void BuildEventRelay::push(BuildEvent event) {
  bool schedule = false;
  {
    std::lock_guard lock(mutex_);
    events_.push_back(std::move(event));
    schedule = !scheduled_;
    scheduled_ = true;
  }
  // Whatever the pipeline queues on the main queue after this report (its
  // finish above all) comes after this drain, so no report is overtaken.
  if (schedule) {
    RunOnMain([relay = shared_from_this()] { relay->drain(); });
  }
}

void BuildEventRelay::drain() {
  std::vector<BuildEvent> batch;
  {
    std::lock_guard lock(mutex_);
    batch.swap(events_);
    scheduled_ = false;
  }
  if (!batch.empty() && deliver_) deliver_(batch);
}

}  // namespace vlmr
