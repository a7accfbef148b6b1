#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/translatable.h"
#include "session/build_timings.h"

namespace vlmr {

/// The estimate beside the build clock under a minute.
inline constexpr MessageText kLessThanAMinuteLeft =
    VLMR_TRANSLATABLE("BuildTimings", "less than a minute left");
/// The estimate beside the build clock; "%n" takes the whole minutes.
inline constexpr MessageText kMinutesLeft =
    VLMR_TRANSLATABLE_N("BuildTimings", "about %n min left");

/// Seconds on the machine's steady clock, the clock builds are timed on.
double SteadySeconds();

/// Follows the stages of a running build on a clock the caller reads (seconds
/// on a steady clock), so the time shown and the timings kept come from one
/// place. A build starts in stage 1.
class BuildStopwatch {
 public:
  /// A build of `stageCount` stages that started at `start`.
  BuildStopwatch(double start, int64_t stageCount);

  /// Stage `number` of `total` began at `now` (numbers outside 1…total are clamped).
  void stageBegan(int64_t number, int64_t total, double now);
  /// A better guess of the stage count (the last build's) while the script
  /// has named none; ignored once it has.
  void guessStageCount(int64_t count);

  /// Seconds since the build started (never negative).
  double elapsed(double now) const;
  /// Seconds since the current stage began (never negative).
  double timeInStage(double now) const;
  /// The stage running now (1-based).
  int64_t stage() const { return stage_; }
  /// How many stages the build has.
  int64_t stageCount() const { return static_cast<int64_t>(seconds_.size()); }

  /// The timings of a build that ended at `now`: each stage's time from its
  /// start to the next stage's (a stage never announced took 0 s).
  BuildTimings finished(double now) const;

 private:
  double start_;
  double stageStart_;
  int64_t stage_ = 1;
  bool stageAnnounced_ = false;
  std::vector<double> seconds_;
};

/// The build clock next to the stage counter: "0:07", "1:12", "12:05",
/// "1:02:03" (whole seconds elapsed, never negative).
std::string ElapsedText(double seconds);

/// The longest time left that is shown as an estimate: four hours.
inline constexpr double kLongestEstimate = 4 * 3600;

/// What is left of a build in stage `stage` of `stageCount`, `secondsInStage`
/// into it, judged by the last successful build: "about 2 min left" (minutes
/// rounded) or "less than a minute left". Nothing without a last build, when
/// it had another number of stages, or once the current stage has overrun
/// its recorded time by more than all the recorded time after it, or when
/// what is left would be more than `kLongestEstimate` (no build takes that
/// long; such a record is damaged). A smaller overrun counts the current
/// stage as ending now, so the estimate never goes negative.
std::optional<Message> RemainingText(const std::optional<BuildTimings>& last, int64_t stage,
                                     int64_t stageCount, double secondsInStage);

/// The log's closing line of a successful build: "build finished in 2 min 41 s",
/// "build finished in 2 min", "build finished in 41 s" (rounded to seconds).
std::string BuildFinishedText(double seconds);

}  // namespace vlmr
