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

std::pair<SizeFigure, SizeFigure> DistinctSizes(uint64_t free, uint64_t needed) {
  const SizeFigure freeSize = HumanSizeFigure(free), neededSize = HumanSizeFigure(needed);
  // Compared as read: "1024 MB" reads as much as "1.0 GB".
  auto megabytesRead = [](const SizeFigure& size) {
    const double value = std::strtod(size.english().c_str(), nullptr);
    return size.unit == SizeFigure::Unit::GB ? value * 1024 : value;
  };
  if (free >= needed || megabytesRead(freeSize) < megabytesRead(neededSize)) {
    return {freeSize, neededSize};
  }
  const SizeFigure::Unit unit = (needed >> 30) != 0 ? SizeFigure::Unit::GB : SizeFigure::Unit::MB;
  const double scale = unit == SizeFigure::Unit::GB ? double(1ull << 30) : double(1ull << 20);
  for (int decimals = 1; decimals <= 3; ++decimals) {
    const SizeFigure freeAt{free / scale, decimals, unit}, neededAt{needed / scale, decimals, unit};
    if (freeAt.english() != neededAt.english()) return {freeAt, neededAt};
  }
  // Closer than the last decimal: rounded apart, never overstating the room.
  const double thousandths = 1000;
  return {SizeFigure{std::floor(free / scale * thousandths) / thousandths, 3, unit},
          SizeFigure{std::ceil(needed / scale * thousandths) / thousandths, 3, unit}};
}

bool CheckBuildSpace(const std::vector<std::string>& folders, Error* error,
                     const FreeSpaceMeasure& measure) {
  std::optional<uint64_t> free = SmallestFree(folders, measure);
  if (!free || *free >= kBuildSpaceNeeded) return true;
  if (error != nullptr) {
    *error = {Message(kNoRoomToBuild,
                      {DistinctSizes(*free, kBuildSpaceNeeded).first, BuildSpaceNeededFigure()})};
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
    auto [freeSize, neededSize] = DistinctSizes(*free, needed);
    *error = {Message(kNoRoomToMove, {freeSize, neededSize})};
  }
  return false;
}

}  // namespace vlmr
