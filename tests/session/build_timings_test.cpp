#include "session/build_timings.h"
#include "session/build_clock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/test_support.h"

namespace vlmr {
namespace {

std::optional<std::string> English(const std::optional<Message>& message) {
  return message ? std::optional(message->english()) : std::nullopt;
}

using test::ReadFile;
using test::ScopedHome;
using test::TempDir;
using test::WriteFile;

TEST(BuildTimings, ElapsedAndFinishedTexts) {
  const std::pair<double, const char*> elapsed[] = {
      {0, "0:00"},         {7.9, "0:07"},
      {72, "1:12"},        {725, "12:05"},
      {3723, "1:02:03"},   {-5, "0:00"},
      {36000, "10:00:00"}, {std::numeric_limits<double>::quiet_NaN(), "0:00"},
  };
  for (const auto& [seconds, text] : elapsed) EXPECT_EQ(ElapsedText(seconds), text) << seconds;
  const std::pair<double, const char*> finished[] = {
      {161, "build finished in 2 min 41 s"}, {41, "build finished in 41 s"},
      {0.4, "build finished in 0 s"},        {59.6, "build finished in 1 min"},
      {120, "build finished in 2 min"},      {3725, "build finished in 62 min 5 s"},
  };
  for (const auto& [seconds, text] : finished) {
    EXPECT_EQ(BuildFinishedText(seconds), text) << seconds;
  }
}

TEST(BuildTimings, RemainingTimeFromTheLastBuild) {
  // Six stages: 10 s, 30 s, 120 s, 60 s, 20 s, 5 s (245 s in all).
  const BuildTimings last{{10, 30, 120, 60, 20, 5}};
  struct Row {
    int64_t stage, count;
    double inStage;
    std::optional<std::string> text;
  };
  const Row rows[] = {
      {1, 6, 0, "about 4 min left"},         // 245 s
      {3, 6, 30, "about 3 min left"},        // 90 + 85 = 175 s
      {4, 6, 0, "about 1 min left"},         // 85 s
      {5, 6, 0, "less than a minute left"},  // 25 s
      {6, 6, 5, "less than a minute left"},  // exactly on time: 0 s
      {3, 6, 150, "about 1 min left"},       // 30 s over; the 85 s after it remain
      {3, 6, 205, "about 1 min left"},       // 85 s over: still no more than what follows
      {3, 6, 206, std::nullopt},             // overran by more than all that follows
      {6, 6, 6, std::nullopt},               // the last stage overran
      {2, 5, 0, std::nullopt},               // another script: other stage count
      {0, 6, 0, std::nullopt},
      {7, 6, 0, std::nullopt},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(English(RemainingText(last, row.stage, row.count, row.inStage)), row.text)
        << "stage " << row.stage << " at " << row.inStage << " s";
  }
  EXPECT_EQ(RemainingText(std::nullopt, 1, 6, 0), std::nullopt) << "first build";
}

// A damaged record of absurd durations gives no estimate, not "about 70560 min left".
TEST(BuildTimings, AnEstimateOfMoreThanAFewHoursIsNone) {
  struct Row {
    std::vector<double> stageSeconds;
    std::optional<std::string> text;
  };
  const Row rows[] = {
      {std::vector<double>(9, 604800), std::nullopt},  // nine stages of a week each
      {{3600, 3600, 3600, 3600, 1}, std::nullopt},     // just over four hours
      {{3600, 3600, 3600, 3600}, "about 240 min left"},
      {{60, 7200}, "about 121 min left"},
  };
  for (const Row& row : rows) {
    const int64_t count = static_cast<int64_t>(row.stageSeconds.size());
    EXPECT_EQ(English(RemainingText(BuildTimings{row.stageSeconds}, 1, count, 0)), row.text)
        << count;
  }
  // Read from a file as it would be kept, the week-long stages give none either.
  TempDir dir;
  std::string text = "velmora-build-timings 1\n9\n";
  for (int i = 0; i < 9; ++i) text += "604800000\n";
  WriteFile(dir / "build-timings", text);
  std::optional<BuildTimings> kept = LoadBuildTimings(dir / "build-timings");
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(RemainingText(kept, 1, 9, 0), std::nullopt);
}

TEST(BuildTimings, StopwatchRecordsEachStageUntilTheNextBegins) {
  BuildStopwatch watch(100, 6);
  EXPECT_EQ(watch.stage(), 1);
  watch.stageBegan(1, 6, 102);  // the script's own "stage 1" line after the preparation
  watch.stageBegan(2, 6, 112);
  watch.stageBegan(4, 6, 140);  // a skipped stage took no time
  EXPECT_DOUBLE_EQ(watch.elapsed(150), 50);
  EXPECT_DOUBLE_EQ(watch.timeInStage(150), 10);
  EXPECT_DOUBLE_EQ(watch.elapsed(90), 0) << "a clock read early never goes negative";
  watch.stageBegan(6, 6, 160);
  BuildTimings timings = watch.finished(161);
  EXPECT_EQ(timings.stageSeconds, (std::vector<double>{12, 28, 0, 20, 0, 1}));
}

TEST(BuildTimings, RoundTripThroughApplicationSupport) {
  TempDir home;
  ScopedHome scoped(home.path());
  const std::string path = BuildTimingsPath();
  EXPECT_EQ(path, home / "Library/Application Support/Velmora 3000/build-timings");
  EXPECT_EQ(LoadBuildTimings(), std::nullopt) << "first build: nothing kept yet";

  ASSERT_TRUE(SaveBuildTimings(BuildTimings{{12.3456, 0, 7200}}));
  std::optional<BuildTimings> read = LoadBuildTimings();
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->stageSeconds, (std::vector<double>{12.346, 0, 7200}));
  // Written through a temporary sibling that does not stay behind.
  EXPECT_EQ(ReadFile(path), "velmora-build-timings 1\n3\n12346\n0\n7200000\n");
  EXPECT_FALSE(SaveBuildTimings(BuildTimings{}));
}

TEST(BuildTimings, DamagedFileGivesNoEstimate) {
  TempDir dir;
  const std::string path = dir / "build-timings";
  for (const char* text : {
           "",
           "velmora-build-timings 1\n2\n1000\n",        // cut short
           "velmora-build-timings 1\n2\n1000\n2000",    // no final line feed
           "velmora-build-timings 1\n1\n1000\n2000\n",  // more than announced
           "velmora-build-timings 2\n1\n1000\n",        // a later format
           "velmora-build-timings 1\n1\n-5\n",
           "velmora-build-timings 1\n1\n1.5\n",
           "velmora-build-timings 1\n1\n 1000\n",
           "velmora-build-timings 1\n0\n",
           "velmora-build-timings 1\n1\n99999999999999999999\n",
           "\x01\x02garbage\n",
       }) {
    WriteFile(path, text);
    EXPECT_EQ(LoadBuildTimings(path), std::nullopt) << text;
  }
  WriteFile(path, "velmora-build-timings 1\n1\n1000\n");
  EXPECT_TRUE(LoadBuildTimings(path).has_value()) << "the well-formed control case";
}

// Whatever is put in the file's place is neither waited on nor read without
// bound: each row would hang or exhaust memory if it were read like a file.
TEST(BuildTimings, AFileThatIsNotASmallRegularFileIsNeverWaitedOnOrReadInFull) {
  TempDir dir;
  const std::string fifo = dir / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const std::string zero = dir / "zero";
  ASSERT_EQ(symlink("/dev/zero", zero.c_str()), 0);
  const std::string folder = dir / "folder";
  ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
  // Well-formed, but padded past the size a timings file can have.
  std::string oversized = "velmora-build-timings 1\n1\n1000\n";
  const std::string tooLong = dir / "too-long";
  WriteFile(tooLong, oversized + std::string(kMaxBuildTimingsBytes, '\n'));
  // A file whose claimed size is 0 but which reads without end.
  for (const std::string& path :
       {fifo, zero, folder, tooLong, std::string("/proc/self/maps"), std::string("/dev/urandom")}) {
    EXPECT_EQ(LoadBuildTimings(path), std::nullopt) << path;
  }
  // A link to a well-formed regular file is still read.
  WriteFile(dir / "real", oversized);
  ASSERT_EQ(symlink((dir / "real").c_str(), (dir / "link").c_str()), 0);
  EXPECT_TRUE(LoadBuildTimings(dir / "link").has_value());
}

// The window reads the file this way: on the background queue, with the
// answer on the main queue; a FIFO there is answered too, with nothing.
TEST(BuildTimings, ReadInTheBackgroundAndHandedToTheMainQueue) {
  TempDir dir;
  const std::string fifo = dir / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  WriteFile(dir / "kept", "velmora-build-timings 1\n2\n1000\n2500\n");
  struct Row {
    std::string path;
    std::optional<std::vector<double>> seconds;
  };
  for (const Row& row : {Row{dir / "kept", std::vector<double>{1, 2.5}}, Row{fifo, std::nullopt},
                         Row{dir / "missing", std::nullopt}}) {
    std::optional<std::optional<BuildTimings>> answer;
    std::thread::id answeredOn;
    LoadBuildTimingsInBackground(
        [&](std::optional<BuildTimings> timings) {
          answer = std::move(timings);
          answeredOn = std::this_thread::get_id();
        },
        row.path);
    ASSERT_TRUE(
        test::MainQueue().pumpFor([&] { return answer.has_value(); }, std::chrono::seconds(20)))
        << row.path;
    EXPECT_EQ(answeredOn, std::this_thread::get_id());
    ASSERT_EQ(answer->has_value(), row.seconds.has_value()) << row.path;
    if (row.seconds) {
      EXPECT_EQ((*answer)->stageSeconds, *row.seconds);
    }
  }
}

TEST(BuildTimings, TheLastBuildsStageCountIsAGuessOnlyUntilTheScriptNamesOne) {
  BuildStopwatch guessed(0, 1);
  guessed.guessStageCount(6);
  EXPECT_EQ(guessed.stageCount(), 6);
  BuildStopwatch named(0, 1);
  named.stageBegan(1, 9, 1);
  named.guessStageCount(6);
  EXPECT_EQ(named.stageCount(), 9);
}

}  // namespace
}  // namespace vlmr
