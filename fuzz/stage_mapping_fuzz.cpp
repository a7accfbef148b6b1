// The script's stage numbers mapped onto the page's six stages: any pair of
// 64-bit numbers gives a stage in range, the same one that exact 128-bit
// arithmetic gives, and later stages never map further back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "session/stage_mapping.h"

namespace {

int64_t Reference(int64_t number, int64_t total) {
  if (total == 9) return number < 4 ? 0 : number <= 7 ? number - 3 : 5;
  if (total < 1) return 0;
  __int128 index = static_cast<__int128>(6) * (static_cast<__int128>(number) - 1) / total;
  return static_cast<int64_t>(std::clamp<__int128>(index, 0, 5));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 16) return 0;
  int64_t number, total;
  std::memcpy(&number, data, 8);
  std::memcpy(&total, data + 8, 8);
  int64_t index = vlmr::BuildStageIndex(number, total);
  if (index != Reference(number, total)) std::abort();
  if (number < std::numeric_limits<int64_t>::max() &&
      vlmr::BuildStageIndex(number + 1, total) < index) {
    std::abort();
  }
  return 0;
}
