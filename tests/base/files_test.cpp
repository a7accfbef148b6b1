#include <gtest/gtest.h>
#include <unistd.h>

#include "base/files.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(FileTests, FollowAFinalSymlinkAndTreatADanglingOneAsNothing) {
  TempDir dir;
  WriteFile(dir / "file", "x");
  mkdir((dir / "folder").c_str(), 0755);
  symlink((dir / "folder").c_str(), (dir / "to-folder").c_str());
  symlink((dir / "file").c_str(), (dir / "to-file").c_str());
  symlink((dir / "gone").c_str(), (dir / "dangling").c_str());
  mkfifo((dir / "fifo").c_str(), 0644);
  struct Case {
    const char* name;
    bool isFile, isDirectory, exists;
  } cases[] = {{"file", true, false, true},      {"folder", false, true, true},
               {"to-folder", false, true, true}, {"to-file", true, false, true},
               {"dangling", false, false, true}, {"fifo", true, false, true},
               {"missing", false, false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsFile(dir / c.name), c.isFile) << c.name;
    EXPECT_EQ(IsDirectory(dir / c.name), c.isDirectory) << c.name;
    EXPECT_EQ(ItemExists(dir / c.name), c.exists) << c.name;  // the link itself counts
  }
  EXPECT_FALSE(IsFile(std::nullopt));
  EXPECT_FALSE(IsDirectory(std::nullopt));
}

}  // namespace
}  // namespace vlmr
