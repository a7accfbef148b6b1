#include "checks/free_space.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <utility>

#include "base/paths.h"
#include "base/text.h"
#include "checks/installer_validation.h"
#include "platform/bundle.h"
#if defined(__APPLE__)
#include "platform/mac/volume_capacity.h"
#endif

namespace vlmr {

namespace fs = std::filesystem;

std::optional<uint64_t> MeasureFreeBytes(const std::string& path) {
#if defined(__APPLE__)
  // Finder's figure, which counts purgeable space; statvfs does not.
  return MeasureMacVolumeFreeBytes(path);
#else
  struct statvfs info {};
  if (statvfs(path.c_str(), &info) != 0) return std::nullopt;
  // f_bavail, not f_bfree: the blocks kept for root are not ours to fill.
  return static_cast<uint64_t>(info.f_bavail) * static_cast<uint64_t>(info.f_frsize);
#endif
}

std::string NearestExistingAncestor(const std::string& path) {
  std::string candidate = path;
  struct stat info {};
  // stat, not lstat: a dangling link leads to no volume, so its folder decides.
  while (!candidate.empty() && stat(candidate.c_str(), &info) != 0) {
    std::string parent = DeletingLastPathComponent(candidate);
    if (parent == candidate) break;
    candidate = parent;
  }
  // A bare relative name with nothing of it on disk lands in the working folder.
  return candidate.empty() ? "." : candidate;
}

uint64_t SizeOnDisk(const std::string& path) {
  std::set<std::pair<dev_t, ino_t>> seen;
  auto allocated = [&seen](const std::string& item) -> uint64_t {
    struct stat info {};
    if (lstat(item.c_str(), &info) != 0) return 0;
    if (info.st_nlink > 1 && !S_ISDIR(info.st_mode) &&
        !seen.insert({info.st_dev, info.st_ino}).second) {
      return 0;
    }
    return static_cast<uint64_t>(info.st_blocks) * 512;
  };
  uint64_t total = allocated(path);
  std::error_code error;
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return total;
  // Unreadable corners are skipped: the figure is an estimate for a check.
  for (fs::recursive_directory_iterator
           it(path, fs::directory_options::skip_permission_denied, error),
       end;
       !error && it != end; it.increment(error)) {
    total += allocated(it->path().string());
  }
  return total;
}

namespace {

// The smallest free figure among the volumes of `folders`, or nothing.
std::optional<uint64_t> SmallestFree(const std::vector<std::string>& folders,
                                     const FreeSpaceMeasure& measure) {
  std::optional<uint64_t> smallest;
  for (const std::string& folder : folders) {
    std::optional<uint64_t> free = measure(NearestExistingAncestor(folder));
    if (free && (!smallest || *free < *smallest)) smallest = free;
  }
  return smallest;
}

}  // namespace

std::pair<std::string, std::string> DistinctSizes(uint64_t free, uint64_t needed) {
  std::string freeText = HumanSize(free), neededText = HumanSize(needed);
  // Compared as read: "1024 MB" reads as much as "1.0 GB".
  auto megabytesRead = [](const std::string& text) {
    const double value = std::strtod(text.c_str(), nullptr);
    return text.ends_with(" GB") ? value * 1024 : value;
  };
  if (free >= needed || megabytesRead(freeText) < megabytesRead(neededText)) {
    return {freeText, neededText};
  }
  const bool gigabytes = (needed >> 30) != 0;
  const double unit = gigabytes ? double(1ull << 30) : double(1ull << 20);
  const char* suffix = gigabytes ? " GB" : " MB";
  auto format = [](double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return std::string(text);
  };
  for (int decimals = 1; decimals <= 3; ++decimals) {
    freeText = format(free / unit, decimals);
    neededText = format(needed / unit, decimals);
    if (freeText != neededText) return {freeText + suffix, neededText + suffix};
  }
  // Closer than the last decimal: rounded apart, never overstating the room.
  const double scale = 1000;
  return {format(std::floor(free / unit * scale) / scale, 3) + suffix,
          format(std::ceil(needed / unit * scale) / scale, 3) + suffix};
}

bool CheckBuildSpace(const std::vector<std::string>& folders, Error* error,
                     const FreeSpaceMeasure& measure) {
  std::optional<uint64_t> free = SmallestFree(folders, measure);
  if (!free || *free >= kBuildSpaceNeeded) return true;
  if (error != nullptr) {
    *error =
        InstallerError(FreeSpaceErrorCode::NoRoom,
                       Format(kNoRoomToBuild, {DistinctSizes(*free, kBuildSpaceNeeded).first}));
  }
  return false;
}

bool CheckMoveSpace(const std::string& appPath, const std::string& destination, Error* error,
                    const FreeSpaceMeasure& measure) {
  std::optional<uint64_t> free = SmallestFree({destination}, measure);
  if (!free) return true;
  const uint64_t needed = SizeOnDisk(appPath);
  if (*free >= needed) return true;
  if (error != nullptr) {
    auto [freeText, neededText] = DistinctSizes(*free, needed);
    *error =
        InstallerError(FreeSpaceErrorCode::NoRoom, Format(kNoRoomToMove, {freeText, neededText}));
  }
  return false;
}

}  // namespace vlmr
