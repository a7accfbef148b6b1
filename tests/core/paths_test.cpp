#include <gtest/gtest.h>

#include "base/paths.h"
#include "platform/app_folders.h"
#include "tests/core/test_support.h"

namespace vlmr {
namespace {

TEST(Paths, JoinKeepsOneSeparatorAndSplittingIgnoresTrailingSlashes) {
  struct Join {
    const char *base, *component, *joined;
  } joins[] = {
      {"/a", "b", "/a/b"}, {"/a/", "/b", "/a/b"},   {"/a//", "b/c", "/a/b/c"},
      {"/", "b", "/b"},    {"", "b", "b"},          {"/a", "", "/a"},
      {"/a", "/", "/a"},   {"a", "../b", "a/../b"},
  };
  for (const Join& c : joins) {
    EXPECT_EQ(JoinPath(c.base, c.component), c.joined) << c.base << " + " << c.component;
  }

  struct Split {
    const char *path, *last, *parent;
  } splits[] = {
      {"/a/b.app", "b.app", "/a"}, {"/a/b/", "b", "/a"}, {"/a", "a", "/"}, {"/", "/", "/"},
      {"name", "name", ""},
  };
  for (const Split& c : splits) {
    EXPECT_EQ(LastPathComponent(c.path), c.last) << c.path;
    EXPECT_EQ(DeletingLastPathComponent(c.path), c.parent) << c.path;
  }
}

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
