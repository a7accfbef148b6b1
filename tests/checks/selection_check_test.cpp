#include "checks/selection_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_tools.h"

namespace vlmr {
namespace {

using test::TempDir;
using test::WriteSparseFile;

constexpr uint64_t kEnough = 52428800;
const std::string kByName =
    "50 MB · this build is not the known GOG 2.0.949(a) one, so the game files are checked "
    "after extraction";
const std::string kNoRoom =
    "Only 1.0 GB free on this disk; the build needs about 5 GB. Free some space, then choose the "
    "installer again.";

// Near misses are named before any hashing; the disk is judged only for a
// usable installer, whose verdict it can still take back.
TEST(SelectionCheck, NearMissThenValidationThenRoomForTheBuild) {
  TempDir dir;
  WriteSparseFile(dir / "SimCity 3000.exe", kEnough, "MZ");
  WriteSparseFile(dir / "SimCity 3000.zip", kEnough, "MZ");
  WriteSparseFile(dir / "game.exe", kEnough, "MZ");
  struct Row {
    const char* name;
    uint64_t free;
    bool usable;
    std::string summary;
    bool hashed;
  };
  const Row rows[] = {
      {"SimCity 3000.exe", 6ull << 30, true, kByName, true},
      {"SimCity 3000.exe", 1ull << 30, false, kNoRoom, true},
      {"SimCity 3000.zip", 6ull << 30, false,
       "That's an archive. Open it and use the installer (.exe) inside.", false},
      {"game.exe", 1ull << 30, false,
       "That doesn't look like the GOG SimCity 3000 Unlimited installer. Look for "
       "setup_simcity_3000_unlimited_2.0.949(a)….exe in your GOG library.",
       true},
  };
  for (const Row& row : rows) {
    int hashes = 0;
    InstallerValidator validator(dir / "no-list", [&](const std::string&) {
      ++hashes;
      return std::optional<std::string>();
    });
    auto measure = [&](const std::string&) { return std::optional<uint64_t>(row.free); };
    SelectionVerdict verdict = CheckSelection(dir / row.name, validator, {dir / "out"}, measure);
    EXPECT_EQ(verdict.usable, row.usable) << row.name;
    EXPECT_EQ(verdict.summary.english(), row.summary) << row.name;
    EXPECT_EQ(hashes, row.hashed ? 1 : 0) << row.name;
  }
}

}  // namespace
}  // namespace vlmr
