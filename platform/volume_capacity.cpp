#include "platform/volume_capacity.h"

#include <algorithm>

namespace vlmr {

std::optional<uint64_t> VolumeFreeBytes(std::optional<int64_t> importantUsage,
                                        std::optional<uint64_t> available) {
  std::optional<uint64_t> important;
  // A negative figure cast to unsigned would read as an enormous free space.
  if (importantUsage && *importantUsage >= 0) important = static_cast<uint64_t>(*importantUsage);
  if (important && available) return std::max(*important, *available);
  return important ? important : available;
}

}  // namespace vlmr
