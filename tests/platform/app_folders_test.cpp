#include <gtest/gtest.h>

#include "platform/app_folders.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

// The installer's folders are where earlier versions left their files: a
// moved folder would lose the log, the timings and the unpacked sources.
TEST(AppFolders, EachFolderLiesWhereEarlierVersionsPutIt) {
  const AppFolders folders("/Users/p");
  const std::string support = "/Users/p/Library/Application Support/Velmora 3000";
  EXPECT_EQ(folders.applicationSupport(), support);
  EXPECT_EQ(folders.installerLog(), "/Users/p/Library/Logs/Velmora 3000/installer.log");
  EXPECT_EQ(folders.buildTimings(), support + "/build-timings");
  EXPECT_EQ(folders.finderFolder(), support + "/Move to Applications");
  EXPECT_EQ(folders.sources(), support + "/installer-src");
  EXPECT_EQ(folders.sourcesOf("1.2.0"), support + "/installer-src/1.2.0");
  EXPECT_EQ(folders.stage(), support + "/installer-stage");

  // The current user's come from HOME, read on every call.
  test::ScopedHome home("/home/other/");
  EXPECT_EQ(AppFolders::Current().installerLog(),
            "/home/other/Library/Logs/Velmora 3000/installer.log");
}

}  // namespace
}  // namespace vlmr
