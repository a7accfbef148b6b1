// The application's Dock tile on macOS: a progress bar drawn over the icon by
// a content view of our own, the tile's badge label, and one request for the
// user's attention. Built only on Apple platforms (Linux builds
// qt/launcher_entry.cpp instead). Runs on the main thread.
#import <AppKit/AppKit.h>

#include "platform/dock_tile.h"

// The icon with a bar along its lower part, as the Finder draws copy progress.
@interface VLMRDockProgressView : NSView
@property(nonatomic) double progress;
@end

@implementation VLMRDockProgressView
- (void)drawRect:(NSRect)dirtyRect {
  (void)dirtyRect;
  const NSRect bounds = self.bounds;
  [[NSApp applicationIconImage] drawInRect:bounds];

  const CGFloat inset = NSWidth(bounds) * 0.1;
  const CGFloat height = NSHeight(bounds) * 0.1;
  const NSRect track = NSMakeRect(inset, NSHeight(bounds) * 0.1, NSWidth(bounds) - 2 * inset, height);
  NSBezierPath* trackPath = [NSBezierPath bezierPathWithRoundedRect:track
                                                            xRadius:height / 2
                                                            yRadius:height / 2];
  [[NSColor colorWithWhite:0.0 alpha:0.55] setFill];
  [trackPath fill];

  const double fraction = self.progress < 0 ? 0 : (self.progress > 1 ? 1 : self.progress);
  if (fraction <= 0) return;
  NSRect filled = NSInsetRect(track, 1.5, 1.5);
  filled.size.width = MAX(filled.size.height, filled.size.width * fraction);
  NSBezierPath* fillPath = [NSBezierPath bezierPathWithRoundedRect:filled
                                                           xRadius:NSHeight(filled) / 2
                                                           yRadius:NSHeight(filled) / 2];
  [[NSColor controlAccentColor] setFill];
  [fillPath fill];
}
@end

namespace vlmr {
namespace {

class ApplicationDockTile final : public DockTile {
 public:
  void show(const DockTileState& state) override {
    NSDockTile* tile = NSApp.dockTile;
    if (state.progressVisible) {
      if (view_ == nil) {
        view_ = [[VLMRDockProgressView alloc]
            initWithFrame:NSMakeRect(0, 0, tile.size.width, tile.size.height)];
      }
      view_.progress = state.progress;
      tile.contentView = view_;
    } else {
      // Without a content view the Dock draws the plain icon again.
      tile.contentView = nil;
    }
    tile.badgeLabel = state.badge.empty() ? nil : [NSString stringWithUTF8String:state.badge.c_str()];
    [tile display];

    // An informational request bounces the icon once; it ends by itself when
    // the app becomes active, and is withdrawn when the state says so earlier.
    if (state.attention && !attention_) {
      request_ = [NSApp requestUserAttention:NSInformationalRequest];
    } else if (!state.attention && attention_ && request_ != 0) {
      [NSApp cancelUserAttentionRequest:request_];
      request_ = 0;
    }
    attention_ = state.attention;
  }

 private:
  VLMRDockProgressView* view_ = nil;
  bool attention_ = false;
  NSInteger request_ = 0;
};

}  // namespace

std::unique_ptr<DockTile> MakeApplicationDockTile() {
  return std::make_unique<ApplicationDockTile>();
}

}  // namespace vlmr
