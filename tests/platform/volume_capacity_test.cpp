// The Mac's free-space figure from the two the system reports for a volume.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "platform/volume_capacity.h"

namespace vlmr {
namespace {

constexpr uint64_t kGiB = 1ull << 30;

TEST(VolumeFreeBytes, PurgeableSpaceCountsAndABadCapacityNeverReadsAsRoom) {
  struct Case {
    const char* name;
    std::optional<int64_t> important;
    std::optional<uint64_t> available;
    std::optional<uint64_t> expected;
  };
  const Case cases[] = {
      {"purgeable space counts, as in Finder", int64_t(12 * kGiB), 3 * kGiB, 12 * kGiB},
      {"a capacity of zero does not hide free blocks", int64_t(0), 3 * kGiB, 3 * kGiB},
      {"no capacity reported: the file system's count", std::nullopt, 3 * kGiB, 3 * kGiB},
      {"a negative capacity is not a huge one", int64_t(-1), 3 * kGiB, 3 * kGiB},
      {"a negative capacity alone measures nothing", int64_t(-4096), std::nullopt, std::nullopt},
      {"the capacity alone", int64_t(7 * kGiB), std::nullopt, 7 * kGiB},
      {"a full disk stays full", int64_t(0), uint64_t(0), uint64_t(0)},
      {"nothing reported", std::nullopt, std::nullopt, std::nullopt},
      {"volumes past 2^32 blocks", int64_t(1) << 50, uint64_t(1) << 45, uint64_t(1) << 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(VolumeFreeBytes(c.important, c.available), c.expected);
  }
}

}  // namespace
}  // namespace vlmr
