#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/error.h"
#include "base/translatable.h"

namespace vlmr {

/// What a build needs on the disk that holds its sources and its output:
/// "about 5 GB" in the units `HumanSize` labels GB (2^30 bytes), so the figure
/// shown and the figure tested agree.
inline constexpr uint64_t kBuildSpaceNeeded = 5ull << 30;

/// `kBuildSpaceNeeded` as the sentences about a build's room state it: "5 GB".
constexpr SizeFigure BuildSpaceNeededFigure() {
  return {static_cast<double>(kBuildSpaceNeeded >> 30), 0, SizeFigure::Unit::GB};
}

/// Refusal of a build on a disk without room; "%1" takes the free space,
/// "%2" what a build needs.
inline constexpr MessageText kNoRoomToBuild = VLMR_TRANSLATABLE(
    "FreeSpace",
    "Only %1 free on this disk; the build needs about %2. Free some space, then choose the "
    "installer again.");
/// Refusal of a move to a disk without room; "%1" and "%2" take the free and
/// the needed space.
inline constexpr MessageText kNoRoomToMove = VLMR_TRANSLATABLE(
    "FreeSpace",
    "Only %1 free on that disk; the app needs about %2. Free some space, then choose Move to "
    "Applications again.");

/// Measures the bytes an ordinary user may still write on the volume holding
/// an existing `path`, or nothing when it cannot be measured.
using FreeSpaceMeasure = std::function<std::optional<uint64_t>(const std::string& path)>;

/// The free bytes of the volume holding `path`: on the Mac as Finder counts
/// them (platform/mac/volume_capacity.h), elsewhere `statvfs`'s available
/// blocks times the fragment size.
std::optional<uint64_t> MeasureFreeBytes(const std::string& path);

/// `path` itself when it exists, else its nearest existing ancestor: the
/// folder whose volume a not yet created folder will land on.
std::string NearestExistingAncestor(const std::string& path);

/// The blocks allocated to the item at `path` and, for a folder, to everything
/// inside it (links are not followed; a file hard-linked twice counts once).
uint64_t SizeOnDisk(const std::string& path);

/// `free` and `needed` (with `free` below `needed`) for people, as the
/// sentences about room show them: `HumanSize` of each, unless `free` would
/// then read as much as `needed` ("1 MB" and "1 MB", "1024 MB" and "1.0 GB"); then
/// both in the unit of `needed` with as many decimals (up to three) as it
/// takes to tell them apart, `free` rounded down and `needed` up at the last.
std::pair<SizeFigure, SizeFigure> DistinctSizes(uint64_t free, uint64_t needed);

/// The check before a build: `folders` (the prepared sources' and the
/// output's) are measured at their nearest existing ancestors and the
/// smallest figure counts. Returns false when it is below `kBuildSpaceNeeded`,
/// with `error` (when given) saying `kNoRoomToBuild`.
/// True when there is room, or when no folder could be measured (the build
/// then finds out for itself).
bool CheckBuildSpace(const std::vector<std::string>& folders, Error* error,
                     const FreeSpaceMeasure& measure = MeasureFreeBytes);

/// The same check before "Move to Applications" copies the app at `appPath`
/// to `destination`: the app's size on disk against the destination volume's
/// free bytes. An earlier copy at `destination` counts as taken, not as free:
/// it stays until the new copy is complete. Returns false with `kNoRoomToMove`
/// in `error`; true when there is room or nothing could be measured.
bool CheckMoveSpace(const std::string& appPath, const std::string& destination, Error* error,
                    const FreeSpaceMeasure& measure = MeasureFreeBytes);

}  // namespace vlmr
