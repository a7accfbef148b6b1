#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vlmr {

/// A well-formed "##stage N/M name" line.
struct StageLine {
  int64_t number = 0;
  int64_t total = 0;
  std::string name;
};

/// The leading integer of `text`, as the line protocol reads its numbers: leading
/// whitespace skipped, an optional sign, the digits up to the first other
/// character; 0 without digits; saturated at the 64-bit limits.
int64_t IntegerValue(std::string_view text);

/// Parses the text after "##stage ": fields split at every single space, at
/// least two of them, the first made of exactly two "/"-separated parts.
std::optional<StageLine> ParseStage(std::string_view afterPrefix);

}  // namespace vlmr
