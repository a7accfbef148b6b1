#include "session/stage_mapping.h"

#include "base/translatable.h"

#include <algorithm>

namespace vlmr {

const std::array<MessageText, kBuildStageCount> kBuildStageNames = {
    VLMR_TRANSLATABLE("BuildStages", "Check game installer"),
    VLMR_TRANSLATABLE("BuildStages", "Unpack game files"),
    VLMR_TRANSLATABLE("BuildStages", "Prepare native libraries"),
    VLMR_TRANSLATABLE("BuildStages", "Compile the game"),
    VLMR_TRANSLATABLE("BuildStages", "Package the app"),
    VLMR_TRANSLATABLE("BuildStages", "Sign for this Mac"),
};

namespace {

constexpr std::array<MessageText, 5> kLeads = {
    VLMR_TRANSLATABLE("BuildStages", "Checking your game installer and the build tools."),
    VLMR_TRANSLATABLE("BuildStages", "Unpacking the game files from your GOG installer."),
    VLMR_TRANSLATABLE("BuildStages", "Preparing the native libraries and lifted code."),
    VLMR_TRANSLATABLE("BuildStages",
                      "Compiling the native Mac app. This usually takes about 3 minutes."),
    VLMR_TRANSLATABLE("BuildStages", "Packaging the app and its resources."),
};
constexpr MessageText kLastLead = VLMR_TRANSLATABLE("BuildStages", "Signing the app for this Mac.");

// The game port's own script reports nine stages: the first three are all
// checks, stages 4 to 7 line up with the page's middle four, and everything
// from signing on is the last one.
constexpr int64_t kPortStageTotal = 9;

}  // namespace

MessageText BuildStageLead(int64_t stage) {
  if (stage >= 0 && stage < static_cast<int64_t>(kLeads.size())) {
    return kLeads[static_cast<size_t>(stage)];
  }
  return kLastLead;
}

double BuildStageProgress(int64_t stage) {
  return (static_cast<double>(stage) + 0.5) / static_cast<double>(kBuildStageCount);
}

int64_t BuildStageIndex(int64_t number, int64_t total) {
  if (total == kPortStageTotal) {
    if (number < 4) return 0;
    if (number <= 7) return number - 3;
    return 5;
  }
  if (total < 1) return 0;
  // 6 × (N − 1) / M truncated toward zero, then clamped. The two ends are
  // settled first so the product can never overflow: N ≤ 1 gives at most 0,
  // and N − 1 ≥ M gives at least 6.
  if (number <= 1) return 0;
  int64_t done = number - 1;
  if (done >= total) return kBuildStageCount - 1;
  // Here 0 < done < total: add done six times modulo total, counting the
  // wraps. Unsigned, the running sum stays below 2·total < 2^64.
  const auto divisor = static_cast<uint64_t>(total);
  int64_t index = 0;
  uint64_t remainder = 0;
  for (int64_t step = 0; step < kBuildStageCount; ++step) {
    remainder += static_cast<uint64_t>(done);
    if (remainder >= divisor) {
      remainder -= divisor;
      ++index;
    }
  }
  return std::clamp<int64_t>(index, 0, kBuildStageCount - 1);
}

}  // namespace vlmr
