// Reading a Finder alias file: a bookmark on disk, whose recorded path
// Foundation hands out without resolving the alias.
#import <Foundation/Foundation.h>

#include "platform/mac/alias_file.h"

namespace vlmr {

std::optional<std::string> MacAliasOriginal(const std::string& path) {
  @autoreleasepool {
    NSString* string = [[NSString alloc] initWithBytes:path.data()
                                                length:path.size()
                                              encoding:NSUTF8StringEncoding];
    if (string == nil) return std::nullopt;
    NSData* bookmark = [NSURL bookmarkDataWithContentsOfURL:[NSURL fileURLWithPath:string]
                                                      error:nil];
    if (bookmark == nil) return std::nullopt;
    NSDictionary<NSURLResourceKey, id>* values = [NSURL resourceValuesForKeys:@[ NSURLPathKey ]
                                                             fromBookmarkData:bookmark];
    id original = values[NSURLPathKey];
    if (![original isKindOfClass:[NSString class]]) return std::nullopt;
    return std::string([(NSString*)original fileSystemRepresentation]);
  }
}

}  // namespace vlmr
