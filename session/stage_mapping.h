#pragma once

#include <array>
#include <cstdint>

#include "base/message.h"

namespace vlmr {

/// The number of stages the build page shows.
inline constexpr int64_t kBuildStageCount = 6;

/// The names of the build page's six stage pills, in index order.
extern const std::array<MessageText, kBuildStageCount> kBuildStageNames;

/// The lead sentence of `stage`; any index outside 0..4 gives the last stage's sentence.
MessageText BuildStageLead(int64_t stage);

/// The progress bar value of `stage`: the middle of its sixth of the bar, (stage + 0.5) / 6.
double BuildStageProgress(int64_t stage);

/// The build page's stage index (0..5) for the script's stage `number` of `total`.
/// Scripts counting nine stages map onto the page's six by a fixed table; other totals
/// are scaled, and a total below 1 means the first stage.
int64_t BuildStageIndex(int64_t number, int64_t total);

}  // namespace vlmr
