// The Mac's free-space figures for a volume. statvfs is of no use here: its
// counts are 32-bit on the Mac and leave purgeable space out, so a nearly full
// disk with gigabytes of caches the system would clear looks full.
#import <Foundation/Foundation.h>

#include <sys/mount.h>
#include <sys/param.h>

#include "platform/mac/volume_capacity.h"
#include "platform/volume_capacity.h"

namespace vlmr {

std::optional<uint64_t> MeasureMacVolumeFreeBytes(const std::string& path) {
  std::optional<int64_t> important;
  @autoreleasepool {
    NSString* string = [[NSString alloc] initWithBytes:path.data()
                                                length:path.size()
                                              encoding:NSUTF8StringEncoding];
    if (string != nil) {
      NSURL* url = [NSURL fileURLWithPath:string];
      NSNumber* value = nil;
      if ([url getResourceValue:&value
                         forKey:NSURLVolumeAvailableCapacityForImportantUsageKey
                          error:nil] &&
          value != nil) {
        important = value.longLongValue;
      }
    }
  }
  std::optional<uint64_t> available;
  struct statfs info {};
  if (statfs(path.c_str(), &info) == 0) {
    // 64-bit counts: the default statfs on the Mac.
    available = static_cast<uint64_t>(info.f_bavail) * static_cast<uint64_t>(info.f_bsize);
  }
  return VolumeFreeBytes(important, available);
}

}  // namespace vlmr
