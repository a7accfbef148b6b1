#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/error.h"
#include "base/translatable.h"

namespace vlmr {

/// What a build needs on the disk that holds its sources and its output:
/// "about 5 GB" in the units `HumanSize` labels GB (2^30 bytes), so the figure
/// shown and the figure tested agree.
inline constexpr uint64_t kBuildSpaceNeeded = 5ull << 30;

/// Whether `sentence` states `bytes` as a whole number of GB (2^30 bytes):
/// "<n> GB" with no digit before n. `bytes` that are no whole number of GB
/// are stated by no sentence.
constexpr bool StatesWholeGigabytes(std::string_view sentence, uint64_t bytes) {
  if (bytes == 0 || bytes % (1ull << 30) != 0) return false;
  // "<n> GB" in a plain array: not every standard library can make a
  // std::string at compile time.
  char reversed[20] = {};
  size_t digits = 0;
  for (uint64_t n = bytes >> 30; n != 0; n /= 10)
    reversed[digits++] = static_cast<char>('0' + n % 10);
  char figure[24] = {};
  size_t length = 0;
  while (digits > 0) figure[length++] = reversed[--digits];
  for (char c : {' ', 'G', 'B'}) figure[length++] = c;
  // Searched by hand: the library's search is not a constant expression under
  // every sanitizer.
  for (size_t at = 0; at + length <= sentence.size(); ++at) {
    bool same = true;
    for (size_t i = 0; i < length && same; ++i) same = sentence[at + i] == figure[i];
    if (same && (at == 0 || sentence[at - 1] < '0' || sentence[at - 1] > '9')) return true;
  }
  return false;
}

/// Whether `sentence` states what a build needs as `kBuildSpaceNeeded` reads.
/// The sentences that do are translated as written, so they cannot take the
/// figure as a "%@" value: each is checked against the constant at compile
/// time instead, where it is defined.
constexpr bool StatesBuildSpaceNeeded(std::string_view sentence) {
  return StatesWholeGigabytes(sentence, kBuildSpaceNeeded);
}

/// The codes of the installer errors the checks of room return.
enum class FreeSpaceErrorCode {
  /// The disk has less free space than the build or the app needs.
  NoRoom = 1,
};

/// Refusal of a build on a disk without room; "%@" takes the free space.
inline constexpr char kNoRoomToBuild[] = VLMR_TRANSLATABLE(
    "FreeSpace",
    "Only %@ free on this disk; the build needs about 5 GB. Free some space, then choose the "
    "installer again.");
static_assert(StatesBuildSpaceNeeded(kNoRoomToBuild));
/// Refusal of a move to a disk without room; "%@" take the free and the needed space.
inline constexpr char kNoRoomToMove[] = VLMR_TRANSLATABLE(
    "FreeSpace",
    "Only %@ free on that disk; the app needs about %@. Free some space, then choose Move to "
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
std::pair<std::string, std::string> DistinctSizes(uint64_t free, uint64_t needed);

/// The check before a build: `folders` (the prepared sources' and the
/// output's) are measured at their nearest existing ancestors and the
/// smallest figure counts. Returns false when it is below `kBuildSpaceNeeded`,
/// with `error` (when given) saying "Only %@ free on this disk; the build
/// needs about 5 GB. Free some space, then choose the installer again.".
/// true when there is room, or when no folder could be measured (the build
/// then finds out for itself).
bool CheckBuildSpace(const std::vector<std::string>& folders, Error* error,
                     const FreeSpaceMeasure& measure = MeasureFreeBytes);

/// The same check before "Move to Applications" copies the app at `appPath`
/// to `destination`: the app's size on disk against the destination volume's
/// free bytes. An earlier copy at `destination` counts as taken, not as free:
/// it stays until the new copy is complete. Returns false with "Only %@ free on
/// that disk; the app needs about %@. Free some space, then choose Move to
/// Applications again." in `error`; true when there is room or nothing could
/// be measured.
bool CheckMoveSpace(const std::string& appPath, const std::string& destination, Error* error,
                    const FreeSpaceMeasure& measure = MeasureFreeBytes);

}  // namespace vlmr
