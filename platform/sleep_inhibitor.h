#pragma once

#include "base/translatable.h"

#include <memory>

namespace vlmr {

/// The reason given to the system for keeping the machine awake.
inline constexpr MessageText kSleepInhibitReason =
    VLMR_TRANSLATABLE("SleepInhibitor", "Building Velmora 3000");

/// Keeps the machine from sleeping while the player is away, one
/// implementation per platform: an IOKit power assertion on macOS
/// (mac/power_assertion.mm), logind's inhibitor lock on Linux
/// (qt/dbus_logind_inhibitor.h). Only idle sleep is held off; the display may
/// still sleep. Used on the main thread; neither call ever blocks.
class SleepInhibitor {
 public:
  virtual ~SleepInhibitor() = default;

  /// Holds idle sleep off until release(); holding twice is holding once.
  /// Never reports failure: without the system's service nothing is held.
  virtual void hold() = 0;
  /// Lets the machine sleep again; nothing when nothing is held.
  virtual void release() = 0;
};

#if defined(__APPLE__)
/// A "prevent idle sleep" power assertion (mac/power_assertion.mm).
std::unique_ptr<SleepInhibitor> MakePowerAssertion();
#endif

}  // namespace vlmr
