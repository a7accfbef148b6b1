// The Dock tile's rules around a build and the spacing of its updates, without
// a desktop: plain values and a clock given by the test.
#include <gtest/gtest.h>

#include <vector>

#include "platform/notification_book.h"
#include "session/dock_progress.h"

namespace vlmr {
namespace {

DockTileState Bar(double progress) {
  return {true, progress, "", false};
}
DockTileState Badge(const char* badge) {
  return {false, 0.0, badge, true};
}

// Once the app has asked the Mac's notification centre, a badge it did not
// ask for is suppressed: every badge a build can end in needs the Badge option.
TEST(DockProgress, EveryBadgeABuildEndsInIsAskedForWithTheNotificationPermission) {
  constexpr NotificationAuthorization asked = NotificationBook::requestedAuthorization();
  for (BuildEnd end : {BuildEnd::Done, BuildEnd::Failed, BuildEnd::Cancelled}) {
    DockProgress progress;
    progress.buildStarted();
    progress.buildEnded(end, false);
    if (!progress.state().badge.empty()) {
      EXPECT_TRUE(asked.badge) << "badge " << progress.state().badge;
    }
  }
  EXPECT_TRUE(asked.alert);  // the banner of a build that ended unseen
}

TEST(DockProgress, BarFollowsTheBuildAndEndsInABadgeOnlyWhileInactive) {
  struct Case {
    BuildEnd end;
    bool windowActive;
    DockTileState after;
  } cases[] = {
      {BuildEnd::Done, false, Badge("✓")},       {BuildEnd::Failed, false, Badge("!")},
      {BuildEnd::Cancelled, false, Badge("!")},  {BuildEnd::Done, true, DockTileState()},
      {BuildEnd::Failed, true, DockTileState()},
  };
  for (const Case& c : cases) {
    DockProgress progress;
    progress.progressChanged(0.5);  // no build: no bar
    EXPECT_EQ(progress.state(), DockTileState());
    progress.buildStarted();
    EXPECT_EQ(progress.state(), Bar(0.0));
    progress.progressChanged(7.0 / 12.0);
    EXPECT_EQ(progress.state(), Bar(7.0 / 12.0));
    progress.progressChanged(2.0);
    EXPECT_EQ(progress.state(), Bar(1.0));
    progress.buildEnded(c.end, c.windowActive);
    EXPECT_EQ(progress.state(), c.after);
    progress.progressChanged(0.25);  // a late stage after the end moves nothing
    EXPECT_EQ(progress.state(), c.after);
    progress.windowActivated();
    EXPECT_EQ(progress.state(), DockTileState());
  }
}

// A new build clears the last one's badge: the bar alone shows.
TEST(DockProgress, NewBuildClearsAnOldBadge) {
  DockProgress progress;
  progress.buildStarted();
  progress.buildEnded(BuildEnd::Failed, false);
  progress.buildStarted();
  EXPECT_EQ(progress.state(), Bar(0.0));
}

TEST(DockTileThrottle, AFloodOfUpdatesIsSpacedAndTheLastOneArrives) {
  DockTileThrottle throttle(0.25);
  std::vector<std::pair<double, DockTileState>> sent;
  auto take = [&](std::optional<DockTileState> state, double now) {
    if (state) sent.emplace_back(now, *state);
  };
  // 1000 updates a second for two seconds, each a new value.
  double now = 100.0;
  for (int i = 0; i < 2000; ++i, now += 0.001) {
    take(throttle.offer(Bar(i / 2000.0), now), now);
    take(throttle.flush(now), now);
  }
  ASSERT_TRUE(throttle.due().has_value());
  now = *throttle.due();
  take(throttle.flush(now), now);
  EXPECT_FALSE(throttle.due().has_value());

  ASSERT_GE(sent.size(), 2u);
  EXPECT_LE(sent.size(), 10u);  // 2 s at 4 a second, plus the first and the last
  for (size_t i = 1; i < sent.size(); ++i) {
    EXPECT_GE(sent[i].first - sent[i - 1].first, 0.25 - 1e-9) << i;
  }
  EXPECT_EQ(sent.front().second, Bar(0.0));
  EXPECT_EQ(sent.back().second, Bar(1999 / 2000.0));
}

TEST(DockTileThrottle, UnchangedStatesAreNotSentAgain) {
  DockTileThrottle throttle(0.25);
  // Before anything is sent the tile shows nothing: no update needed for that.
  EXPECT_EQ(throttle.offer(DockTileState(), 0.0), std::nullopt);
  EXPECT_EQ(throttle.offer(Bar(0.0), 1.0), Bar(0.0));
  EXPECT_EQ(throttle.offer(Bar(0.0), 1.05), std::nullopt);
  // A change that waits, then a return to what the tile shows: nothing waits.
  EXPECT_EQ(throttle.offer(Bar(0.5), 1.1), std::nullopt);
  EXPECT_EQ(throttle.due(), 1.25);
  EXPECT_EQ(throttle.offer(Bar(0.0), 1.15), std::nullopt);
  EXPECT_EQ(throttle.due(), std::nullopt);
  EXPECT_EQ(throttle.flush(2.0), std::nullopt);
  // A flush too early sends nothing and keeps the state waiting.
  EXPECT_EQ(throttle.offer(Badge("!"), 3.0), Badge("!"));
  EXPECT_EQ(throttle.offer(DockTileState(), 3.1), std::nullopt);
  EXPECT_EQ(throttle.flush(3.2), std::nullopt);
  EXPECT_EQ(throttle.flush(3.25), DockTileState());
}

}  // namespace
}  // namespace vlmr
