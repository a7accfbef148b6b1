#include "session/build_timings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>

#include "base/files.h"
#include "base/paths.h"
#include "platform/app_folders.h"
#include "platform/queues.h"

namespace vlmr {

namespace {

// The file: this header line, the stage count, then one line per stage with
// its duration in whole milliseconds. Integers only, so the reading does not
// depend on the locale's decimal mark.
constexpr char kHeader[] = "velmora-build-timings 1";
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

}  // namespace

std::string BuildTimingsPath() {
  return AppFolders::Current().buildTimings();
}

bool SaveBuildTimings(const BuildTimings& timings, const std::string& path) {
  if (timings.stageSeconds.empty() ||
      timings.stageSeconds.size() > static_cast<size_t>(kMaxBuildStages)) {
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
  if (!count || *count < 1 || *count > kMaxBuildStages ||
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

}  // namespace vlmr
