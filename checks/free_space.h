#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vlmr {

/// What a build needs on the disk that holds its sources and its output:
/// "about 5 GB" in the units `HumanSize` labels GB (2^30 bytes), so the figure
/// shown and the figure tested agree.
inline constexpr uint64_t kBuildSpaceNeeded = 5ull << 30;

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

/// The verdict when the build would run out of room: `folders` (the prepared
/// sources' and the output's) are measured at their nearest existing
/// ancestors, the smallest figure wins, and below `kBuildSpaceNeeded` the
/// answer is "Only %@ free on this disk; the build needs about 5 GB. Free some
/// space, then choose the installer again.". Nothing when there is room, or
/// when no folder could be measured (the build then finds out for itself).
std::optional<std::string> BuildSpaceProblem(const std::vector<std::string>& folders,
                                             const FreeSpaceMeasure& measure = MeasureFreeBytes);

/// The same check before "Move to Applications" copies the app at `appPath`
/// to `destination`: the app's size on disk against the destination volume's
/// free bytes plus what an item already at `destination` occupies (the copy
/// replaces an earlier one of ours, and refuses anything else before copying).
/// Nothing when there is room or nothing could be measured.
std::optional<std::string> MoveSpaceProblem(const std::string& appPath,
                                            const std::string& destination,
                                            const FreeSpaceMeasure& measure = MeasureFreeBytes);

}  // namespace vlmr
