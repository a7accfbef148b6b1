#include <gtest/gtest.h>

#include "base/paths.h"
#include "platform/app_folders.h"
#include "tests/support/test_support.h"

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

}  // namespace
}  // namespace vlmr
