// Keeping the Mac awake while it builds: a "prevent idle sleep" power
// assertion, which leaves the display free to sleep. Built only on Apple
// platforms (Linux builds qt/logind_inhibitor.cpp instead). Creating and
// releasing an assertion are quick local calls, made on the main thread.
#import <Foundation/Foundation.h>
#include <IOKit/pwr_mgt/IOPMLib.h>

#include "platform/sleep_inhibitor.h"

namespace vlmr {
namespace {

class PowerAssertion final : public SleepInhibitor {
 public:
  ~PowerAssertion() override { release(); }

  void hold() override {
    if (held_) return;
    // Named so that `pmset -g assertions` tells the player who keeps the Mac awake.
    CFStringRef name = CFStringCreateWithCString(kCFAllocatorDefault, kSleepInhibitReason.source,
                                                 kCFStringEncodingUTF8);
    IOReturn result = IOPMAssertionCreateWithName(kIOPMAssertionTypePreventUserIdleSystemSleep,
                                                  kIOPMAssertionLevelOn, name, &id_);
    if (name != nullptr) CFRelease(name);
    held_ = result == kIOReturnSuccess;
  }

  void release() override {
    if (!held_) return;
    IOPMAssertionRelease(id_);
    held_ = false;
  }

 private:
  IOPMAssertionID id_ = kIOPMNullAssertionID;
  bool held_ = false;
};

}  // namespace

std::unique_ptr<SleepInhibitor> MakePowerAssertion() {
  return std::make_unique<PowerAssertion>();
}

}  // namespace vlmr
