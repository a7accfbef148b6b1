#include "pipeline/build_timings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <numeric>

#include "base/files.h"
#include "base/paths.h"
#include "platform/app_folders.h"
#include "platform/bundle.h"
#include "platform/queues.h"

namespace vlmr {

namespace {

// The file: this header line, the stage count, then one line per stage with
// its duration in whole milliseconds. Integers only, so the reading does not
// depend on the locale's decimal mark.
constexpr char kHeader[] = "velmora-build-timings 1";
constexpr int64_t kMaxStages = 64;
constexpr int64_t kMaxStageMilliseconds = 7LL * 24 * 3600 * 1000;

std::optional<int64_t> ParseInteger(std::string_view text) {
  int64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The contents of the regular file at `path` when it holds at most `limit`
// bytes. Opened without blocking, so a FIFO put in its place is turned away
// rather than waited on; a device or anything else that is not a regular file
// is never read; and no more than `limit` + 1 bytes are read whatever the
// file claims its size is.
std::optional<std::string> ReadSmallRegularFile(const std::string& path, size_t limit) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> contents;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
      static_cast<uint64_t>(info.st_size) <= limit) {
    std::string bytes(limit + 1, '\0');
    size_t filled = 0;
    for (;;) {
      const ssize_t n = read(fd, bytes.data() + filled, bytes.size() - filled);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        if (n == 0) contents = bytes.substr(0, filled);
        break;
      }
      filled += static_cast<size_t>(n);
      if (filled > limit) break;  // grew past what it claimed
    }
  }
  close(fd);
  return contents;
}

std::string TwoDigits(int64_t value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string BuildTimingsPath() {
  return AppFolders::Current().buildTimings();
}

bool SaveBuildTimings(const BuildTimings& timings, const std::string& path) {
  if (timings.stageSeconds.empty() ||
      timings.stageSeconds.size() > static_cast<size_t>(kMaxStages)) {
    return false;
  }
  std::string text =
      std::string(kHeader) + "\n" + std::to_string(timings.stageSeconds.size()) + "\n";
  for (double seconds : timings.stageSeconds) {
    const double milliseconds = std::clamp(std::isfinite(seconds) ? seconds * 1000 : 0.0, 0.0,
                                           static_cast<double>(kMaxStageMilliseconds));
    text += std::to_string(std::llround(milliseconds)) + "\n";
  }
  CreateDirectories(DeletingLastPathComponent(path));
  return WriteFileAtomically(path, text);
}

std::optional<BuildTimings> LoadBuildTimings(const std::string& path) {
  std::optional<std::string> bytes = ReadSmallRegularFile(path, kMaxBuildTimingsBytes);
  if (!bytes || bytes->empty() || bytes->back() != '\n') return std::nullopt;
  std::vector<std::string_view> lines;
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    size_t end = rest.find('\n');
    lines.push_back(rest.substr(0, end));
    rest.remove_prefix(end + 1);
  }
  if (lines.size() < 2 || lines[0] != kHeader) return std::nullopt;
  std::optional<int64_t> count = ParseInteger(lines[1]);
  if (!count || *count < 1 || *count > kMaxStages ||
      lines.size() != static_cast<size_t>(*count) + 2) {
    return std::nullopt;
  }
  BuildTimings timings;
  for (size_t i = 2; i < lines.size(); ++i) {
    std::optional<int64_t> milliseconds = ParseInteger(lines[i]);
    if (!milliseconds || *milliseconds < 0 || *milliseconds > kMaxStageMilliseconds) {
      return std::nullopt;
    }
    timings.stageSeconds.push_back(static_cast<double>(*milliseconds) / 1000);
  }
  return timings;
}

void LoadBuildTimingsInBackground(TimingsCompletion completion, std::string path) {
  RunInBackground([completion = std::move(completion), path = std::move(path)]() mutable {
    std::optional<BuildTimings> timings = LoadBuildTimings(path);
    RunOnMain([completion = std::move(completion), timings = std::move(timings)]() mutable {
      completion(std::move(timings));
    });
  });
}

BuildStopwatch::BuildStopwatch(double start, int64_t stageCount)
    : start_(start),
      stageStart_(start),
      seconds_(static_cast<size_t>(std::clamp<int64_t>(stageCount, 1, kMaxStages)), 0.0) {}

void BuildStopwatch::guessStageCount(int64_t count) {
  if (stageAnnounced_ || count < 1 || count > kMaxStages) return;
  seconds_.resize(static_cast<size_t>(count), 0.0);
}

void BuildStopwatch::stageBegan(int64_t number, int64_t total, double now) {
  stageAnnounced_ = true;
  seconds_[static_cast<size_t>(stage_ - 1)] += timeInStage(now);
  // A script that changes its stage count is believed from then on.
  if (total >= 1 && total <= kMaxStages) seconds_.resize(static_cast<size_t>(total), 0.0);
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

std::optional<std::string> RemainingText(const std::optional<BuildTimings>& last, int64_t stage,
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
  if (remaining < 60) return kLessThanAMinuteLeft;
  std::string text = kMinutesLeft;
  text.replace(text.find("%n"), 2, std::to_string(std::llround(remaining / 60)));
  return text;
}

std::string BuildFinishedText(double seconds) {
  const int64_t whole = std::isfinite(seconds) && seconds > 0 ? std::llround(seconds) : 0;
  std::string text = "build finished in ";
  if (whole < 60) return text + std::to_string(whole) + " s";
  text += std::to_string(whole / 60) + " min";
  return whole % 60 == 0 ? text : text + " " + std::to_string(whole % 60) + " s";
}

}  // namespace vlmr
