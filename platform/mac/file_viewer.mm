// Revealing a file in Finder through the shared workspace.
#import <AppKit/AppKit.h>
#import <Foundation/Foundation.h>

#include "platform/mac/file_viewer.h"

namespace vlmr {

void SelectInFileViewer(const std::string& path) {
  NSString* string = [[NSString alloc] initWithBytes:path.data()
                                              length:path.size()
                                            encoding:NSUTF8StringEncoding];
  if (string == nil || string.length == 0) return;
  NSURL* url = [NSURL fileURLWithPath:string];
  [[NSWorkspace sharedWorkspace] activateFileViewerSelectingURLs:@[ url ]];
}

}  // namespace vlmr
