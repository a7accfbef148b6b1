#pragma once

#include <cstdint>
#include <optional>

namespace vlmr {

/// The free bytes of a volume from the two figures the Mac reports for it:
/// `importantUsage`, the capacity available for important usage (what Finder
/// shows: it counts space the system would purge to make room; a signed
/// count, missing for volumes that do not report it), and `available`, the
/// file system's count of available blocks times their size (which leaves
/// purgeable space out). The larger of those reported, since the file
/// system's figure is free whatever the other says; a negative capacity counts
/// as not reported. Nothing when neither was.
std::optional<uint64_t> VolumeFreeBytes(std::optional<int64_t> importantUsage,
                                        std::optional<uint64_t> available);

}  // namespace vlmr
