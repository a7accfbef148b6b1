#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vlmr {

/// How long each stage of one build took: entry i is stage i + 1, in seconds.
struct BuildTimings {
  std::vector<double> stageSeconds;
};

/// The most stages a build is believed to have; a record with more is not ours.
inline constexpr int64_t kMaxBuildStages = 64;

/// Where the last successful build's timings are kept: "Library/Application
/// Support/Velmora 3000/build-timings" under the home directory.
std::string BuildTimingsPath();

/// Writes `timings` to `path` atomically (temporary sibling, fsync, rename),
/// creating the folder first. Returns success; callers may ignore it, as a
/// missing file only costs the next build its estimate.
bool SaveBuildTimings(const BuildTimings& timings, const std::string& path = BuildTimingsPath());

/// The largest timings file that is read; a longer one is not ours.
inline constexpr size_t kMaxBuildTimingsBytes = 4096;

/// The timings at `path`, or nothing when the file is missing, unreadable,
/// not a regular file (a FIFO or a device in its place is never waited on or
/// read), longer than `kMaxBuildTimingsBytes`, or not exactly in the form
/// `SaveBuildTimings` writes. May block on a slow disk: read it off the main
/// thread (`LoadBuildTimingsInBackground`).
std::optional<BuildTimings> LoadBuildTimings(const std::string& path = BuildTimingsPath());

/// What `LoadBuildTimingsInBackground` hands to the main queue.
using TimingsCompletion = std::function<void(std::optional<BuildTimings> timings)>;

/// `LoadBuildTimings(path)` on the background queue; its answer goes to
/// `completion` on the main queue.
void LoadBuildTimingsInBackground(TimingsCompletion completion,
                                  std::string path = BuildTimingsPath());

}  // namespace vlmr
