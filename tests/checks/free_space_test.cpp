#include "checks/free_space.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <string>
#include <vector>

#include "checks/installer_validation.h"
#include "tests/support/fake_tools.h"

namespace vlmr {
namespace {

using test::TempDir;
using test::WriteFile;

constexpr uint64_t kGiB = 1ull << 30;

// A measure that answers from a table of folders and records what it was asked.
struct FakeVolumes {
  std::map<std::string, std::optional<uint64_t>> free;
  std::vector<std::string> asked;
  FreeSpaceMeasure measure() {
    return [this](const std::string& path) -> std::optional<uint64_t> {
      asked.push_back(path);
      auto found = free.find(path);
      return found == free.end() ? std::nullopt : found->second;
    };
  }
};

// The sentence of a failed check, or nothing when it passed.
std::optional<std::string> BuildProblem(const std::vector<std::string>& folders,
                                        const FreeSpaceMeasure& measure) {
  Error error;
  if (CheckBuildSpace(folders, &error, measure)) return std::nullopt;
  return error.message.english();
}

std::optional<std::string> MoveProblem(const std::string& app, const std::string& destination,
                                       const FreeSpaceMeasure& measure) {
  Error error;
  if (CheckMoveSpace(app, destination, &error, measure)) return std::nullopt;
  return error.message.english();
}

TEST(FreeSpace, BuildNeedsFiveGiBOnTheSmallerOfBothVolumes) {
  TempDir home;
  WriteFile(home / "Library/Application Support/keep", "");
  WriteFile(home / "out/keep", "");
  const std::string sources = home / "Library/Application Support/Velmora 3000/installer-src/1.0";
  const std::string output = home / "out/stage";
  const std::string tooLittle =
      "Only 4.5 GB free on this disk; the build needs about 5 GB. Free some space, then choose "
      "the installer again.";
  struct Row {
    std::optional<uint64_t> sourcesFree, outputFree;
    std::optional<std::string> problem;
  };
  const Row rows[] = {
      {5 * kGiB, 5 * kGiB, std::nullopt},
      // Rounded like the need, the room would read as "5.0 GB".
      {5 * kGiB - 1, 9 * kGiB,
       "Only 4.999 GB free on this disk; the build needs about 5 GB. Free "
       "some space, then choose the installer again."},
      {9 * kGiB, 4 * kGiB + kGiB / 2, tooLittle},
      {4 * kGiB + kGiB / 2, 9 * kGiB, tooLittle},
      {300ull << 20, std::nullopt,
       "Only 300 MB free on this disk; the build needs about 5 GB. Free some space, then choose "
       "the installer again."},
      // Nothing measurable: the build is not held back on a guess.
      {std::nullopt, std::nullopt, std::nullopt},
  };
  for (const Row& row : rows) {
    FakeVolumes volumes;
    volumes.free[home / "Library/Application Support"] = row.sourcesFree;
    volumes.free[home / "out"] = row.outputFree;
    EXPECT_EQ(BuildProblem({sources, output}, volumes.measure()), row.problem);
    // Measured where the folders will be created: their nearest existing ancestors.
    EXPECT_EQ(volumes.asked,
              (std::vector<std::string>{home / "Library/Application Support", home / "out"}));
  }
}

TEST(FreeSpace, MoveComparesTheAppsSizeOnDiskWithTheDestination) {
  TempDir dir;
  WriteFile(dir / "build/Velmora 3000.app/Contents/MacOS/game", std::string(3 << 20, 'x'));
  WriteFile(dir / "build/Velmora 3000.app/Contents/Info.plist", "<plist/>");
  const std::string app = dir / "build/Velmora 3000.app";
  const uint64_t size = SizeOnDisk(app);
  ASSERT_GE(size, 3u << 20);
  // A hard link inside the bundle takes no more room.
  ASSERT_EQ(link((app + "/Contents/MacOS/game").c_str(), (app + "/Contents/MacOS/same").c_str()),
            0);
  EXPECT_EQ(SizeOnDisk(app), size);

  WriteFile(dir / "Applications/keep", "");
  const std::string destination = dir / "Applications/Velmora 3000.app";
  FakeVolumes volumes;
  volumes.free[dir / "Applications"] = size;
  EXPECT_EQ(MoveProblem(app, destination, volumes.measure()), std::nullopt);
  volumes.free[dir / "Applications"] = 1 << 20;
  EXPECT_EQ(MoveProblem(app, destination, volumes.measure()),
            "Only 1 MB free on that disk; the app needs about " + HumanSize(size) +
                ". Free some space, then choose Move to Applications again.");
}

TEST(FreeSpace, MoveDoesNotCountTheEarlierCopyAsFreeItStaysUntilTheNewOneIsInPlace) {
  TempDir dir;
  const std::string app = dir / "build/Velmora 3000.app";
  WriteFile(app + "/Contents/MacOS/game", std::string(3 << 20, 'x'));
  const std::string destination = dir / "Applications/Velmora 3000.app";
  WriteFile(destination + "/Contents/MacOS/game", std::string(3 << 20, 'y'));
  FakeVolumes volumes;
  volumes.free[destination] = 1 << 20;
  EXPECT_EQ(MoveProblem(app, destination, volumes.measure()),
            "Only 1 MB free on that disk; the app needs about " + HumanSize(SizeOnDisk(app)) +
                ". Free some space, then choose Move to Applications again.");
}

TEST(FreeSpace, RoomAndNeedNeverReadAsTheSameFigure) {
  constexpr uint64_t kMiB = 1ull << 20;
  struct Row {
    uint64_t free, needed;
    const char* freeText;
    const char* neededText;
  };
  const Row rows[] = {
      // Apart already as rounded: unchanged.
      {300 * kMiB, 5 * kGiB, "300 MB", "5.0 GB"},
      {4 * kGiB + kGiB / 2, 5 * kGiB, "4.5 GB", "5.0 GB"},
      {kMiB, 3 * kMiB + 5, "1 MB", "4 MB"},
      // Both "1 MB": one decimal tells them apart.
      {kMiB / 2, kMiB * 9 / 10, "0.5 MB", "0.9 MB"},
      // Both "6 MB".
      {5 * kMiB + kMiB / 5, 5 * kMiB + kMiB * 9 / 10, "5.2 MB", "5.9 MB"},
      // Both "5.0 GB", and still at one decimal.
      {5 * kGiB - kGiB / 25, 5 * kGiB, "4.96 GB", "5.00 GB"},
      // "1024 MB" reads as much as "1.0 GB".
      {kGiB - kMiB / 2, kGiB + kGiB / 25, "1.00 GB", "1.04 GB"},
      // Closer than three decimals: rounded apart, the room down, the need up.
      {5 * kGiB - 1, 5 * kGiB, "4.999 GB", "5.000 GB"},
      {kMiB - 1, kMiB, "0.999 MB", "1.000 MB"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.free) + " of " + std::to_string(row.needed));
    const auto [free, needed] = DistinctSizes(row.free, row.needed);
    EXPECT_EQ(std::make_pair(free.english(), needed.english()),
              std::make_pair(std::string(row.freeText), std::string(row.neededText)));
  }
}

TEST(FreeSpace, RealMeasureAndAncestorsOfMissingFolders) {
  TempDir dir;
  EXPECT_EQ(NearestExistingAncestor(dir / "a/b/c"), dir.path());
  EXPECT_EQ(NearestExistingAncestor(dir.path()), dir.path());
  EXPECT_EQ(NearestExistingAncestor("/no-such-root-folder/x"), "/");
  EXPECT_TRUE(MeasureFreeBytes(dir.path()).has_value());
  EXPECT_EQ(MeasureFreeBytes(dir / "missing"), std::nullopt);
}

// Every sentence about a build's room takes its figure from the constant the
// check compares with, so the two cannot drift apart.
TEST(FreeSpace, TheStatedNeedIsTheCheckedOne) {
  const SizeFigure stated = BuildSpaceNeededFigure();
  EXPECT_EQ(stated.english(), "5 GB");
  EXPECT_EQ(static_cast<uint64_t>(stated.value) << 30, kBuildSpaceNeeded);
  EXPECT_EQ(stated.decimals, 0);
}

}  // namespace
}  // namespace vlmr
