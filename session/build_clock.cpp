#include "session/build_clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>

namespace vlmr {

namespace {

std::string TwoDigits(int64_t value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

double SteadySeconds() {
  using Seconds = std::chrono::duration<double>;
  return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

BuildStopwatch::BuildStopwatch(double start, int64_t stageCount)
    : start_(start),
      stageStart_(start),
      seconds_(static_cast<size_t>(std::clamp<int64_t>(stageCount, 1, kMaxBuildStages)), 0.0) {}

void BuildStopwatch::guessStageCount(int64_t count) {
  if (stageAnnounced_ || count < 1 || count > kMaxBuildStages) return;
  seconds_.resize(static_cast<size_t>(count), 0.0);
}

void BuildStopwatch::stageBegan(int64_t number, int64_t total, double now) {
  stageAnnounced_ = true;
  seconds_[static_cast<size_t>(stage_ - 1)] += timeInStage(now);
  // A script that changes its stage count is believed from then on.
  if (total >= 1 && total <= kMaxBuildStages) seconds_.resize(static_cast<size_t>(total), 0.0);
  stage_ = std::clamp<int64_t>(number, 1, stageCount());
  stageStart_ = std::max(now, stageStart_);
}

double BuildStopwatch::elapsed(double now) const {
  return std::max(0.0, now - start_);
}

double BuildStopwatch::timeInStage(double now) const {
  return std::max(0.0, now - stageStart_);
}

BuildTimings BuildStopwatch::finished(double now) const {
  BuildTimings timings{seconds_};
  timings.stageSeconds[static_cast<size_t>(stage_ - 1)] += timeInStage(now);
  return timings;
}

std::string ElapsedText(double seconds) {
  const int64_t whole = std::isfinite(seconds) && seconds > 0 ? static_cast<int64_t>(seconds) : 0;
  const int64_t hours = whole / 3600, minutes = whole / 60 % 60, rest = whole % 60;
  if (hours > 0) return std::to_string(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(rest);
  return std::to_string(minutes) + ":" + TwoDigits(rest);
}

std::optional<Message> RemainingText(const std::optional<BuildTimings>& last, int64_t stage,
                                     int64_t stageCount, double secondsInStage) {
  if (!last || stageCount < 1 || last->stageSeconds.size() != static_cast<size_t>(stageCount) ||
      stage < 1 || stage > stageCount || !std::isfinite(secondsInStage)) {
    return std::nullopt;
  }
  const std::vector<double>& recorded = last->stageSeconds;
  const double after = std::accumulate(recorded.begin() + stage, recorded.end(), 0.0);
  const double current = recorded[static_cast<size_t>(stage - 1)] - std::max(0.0, secondsInStage);
  // Overrunning by more than everything still to come: the record is no guide.
  if (current < 0 && -current > after) return std::nullopt;
  const double remaining = std::max(0.0, current) + after;
  if (remaining > kLongestEstimate) return std::nullopt;
  if (remaining < 60) return Message(kLessThanAMinuteLeft);
  return Message::Counted(kMinutesLeft, std::llround(remaining / 60));
}

std::string BuildFinishedText(double seconds) {
  const int64_t whole = std::isfinite(seconds) && seconds > 0 ? std::llround(seconds) : 0;
  std::string text = "build finished in ";
  if (whole < 60) return text + std::to_string(whole) + " s";
  text += std::to_string(whole / 60) + " min";
  return whole % 60 == 0 ? text : text + " " + std::to_string(whole % 60) + " s";
}

}  // namespace vlmr
