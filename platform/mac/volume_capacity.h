#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vlmr {

/// Mac only (volume_capacity.mm): the free bytes of the volume holding the
/// existing `path` as Finder counts them (VolumeFreeBytes of the capacity
/// for important usage and the file system's 64-bit count), or nothing when
/// neither can be had.
std::optional<uint64_t> MeasureMacVolumeFreeBytes(const std::string& path);

}  // namespace vlmr
