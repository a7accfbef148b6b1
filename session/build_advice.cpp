#include "session/build_advice.h"

#include "base/translatable.h"
#include "checks/free_space.h"

namespace vlmr {
namespace {

// "%1" takes what a build needs.
constexpr MessageText kDiskFullAdvice =
    VLMR_TRANSLATABLE("BuildAdvice", "Your disk is full. Free about %1, then build again.");

// Known technical causes and the advice shown for them, tried in order; a
// full disk comes last. Constant-initialised, so it is ready for callers
// running before main.
struct Advice {
  const char* cause;
  MessageText text;
};
constexpr Advice kAdvice[] = {
    {"does not contain Apps/SC3U.exe",
     VLMR_TRANSLATABLE("BuildAdvice",
                       "That installer doesn't contain the SimCity 3000 Unlimited game files. Use "
                       "the GOG offline "
                       "backup installer for SimCity 3000 Unlimited.")},
    {"is not GOG 2.0.949(a)",
     VLMR_TRANSLATABLE(
         "BuildAdvice",
         "The game files in that installer aren't version 2.0.949(a), which is the release this "
         "project can build. Update it from GOG and try again.")},
    {"Command Line Tools",
     VLMR_TRANSLATABLE("BuildAdvice",
                       "The Xcode Command Line Tools got out of date or incomplete. Run "
                       "xcode-select --install, then "
                       "reopen this installer.")},
};

}  // namespace

Message FriendlyMessageFor(const Message& stated) {
  if (stated.empty()) return Message(kSomethingWentWrong);
  const std::string text = stated.english();
  for (const Advice& advice : kAdvice) {
    // Case matters: the causes are the script's and the tools' own words.
    if (text.find(advice.cause) != std::string::npos) return Message(advice.text);
  }
  if (SaysDiskIsFull(text)) return Message(kDiskFullAdvice, {BuildSpaceNeededFigure()});
  return stated;
}

}  // namespace vlmr
