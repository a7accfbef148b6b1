#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <regex>

#include "base/files.h"
#include "base/paths.h"
#include "platform/app_folders.h"
#include "platform/installer_log.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

// A file or folder name with a line end in it cannot write a line of its own
// into the log, nor end the header early.
TEST(InstallerLog, NamesInTheRunHeaderCannotForgeLines) {
  const std::string header =
      RunHeader("/d/a.exe\n2024-01-01 00:00:00 [installer] build finished", "/out\r\nx");
  std::regex expected(
      "\n==== \\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2} · "
      "a\\.exe\\\\n2024-01-01 00:00:00 \\[installer\\] build finished · /out\\\\r\\\\nx\n");
  EXPECT_TRUE(std::regex_match(header, expected)) << header;
}

TEST(InstallerLog, UnsetPathsShowQuestionMarkAndEmptyDirectory) {
  std::regex expected("\n==== \\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2} · \\? · \n");
  std::string header = RunHeader(std::nullopt, std::nullopt);
  EXPECT_TRUE(std::regex_match(header, expected)) << header;
}

// Anything at the log's place but a regular file, or a place that cannot be
// written, leaves the program without a log at once, never blocked: a FIFO
// without a reader would hold open() forever.
TEST(InstallerLog, OnlyARegularFileIsOpenedAndNothingBlocks) {
  struct Case {
    const char* name;
    std::function<void(const std::string& log)> make;
  } cases[] = {
      {"a FIFO", [](const std::string& log) { ASSERT_EQ(mkfifo(log.c_str(), 0644), 0); }},
      {"a folder", [](const std::string& log) { std::filesystem::create_directory(log); }},
      {"a symbolic link",
       [](const std::string& log) {
         test::WriteFile(log + ".target", "");
         std::filesystem::create_symlink(log + ".target", log);
       }},
      {"a read-only file",
       [](const std::string& log) {
         test::WriteFile(log, "");
         chmod(log.c_str(), 0444);
       }},
      {"home not writable",
       [](const std::string& log) {
         std::string logs = DeletingLastPathComponent(log);
         std::filesystem::remove_all(logs);
         test::WriteFile(logs, "a file where the folder goes");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir home;
    test::ScopedHome scoped(home.path());
    const std::string log = AppFolders::Current().installerLog();
    std::filesystem::create_directories(DeletingLastPathComponent(log));
    c.make(log);
    if (geteuid() == 0 && std::string(c.name) == "a read-only file") continue;  // root writes it
    EXPECT_EQ(OpenInstallerLog(), -1);
    AppendInstallerLog("an event");  // quietly nothing
  }
}

// The log moves aside to one previous file once it is full, and a run's own
// descriptor follows it; the two never hold much more than twice the bound.
TEST(InstallerLog, FullLogMovesAsideToOnePreviousFile) {
  test::TempDir home;
  test::ScopedHome scoped(home.path());
  const std::string log = AppFolders::Current().installerLog();
  const std::string previous = InstallerLogPrevious(log);
  int fd = OpenInstallerLog();
  ASSERT_GE(fd, 0);
  const std::string block(64 * 1024, 'x');
  for (int round = 0; round < 3; ++round) {
    for (uint64_t written = 0; written < kInstallerLogLimit; written += block.size()) {
      WriteAll(fd, block + "\n");
    }
    WriteAll(fd, "round " + std::to_string(round) + "\n");
    fd = RotatedInstallerLog(fd);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(*SizeOfFileAt(log), 0u);
    EXPECT_TRUE(test::ReadFile(previous).ends_with("round " + std::to_string(round) + "\n"));
  }
  close(fd);
  AppendInstallerLog("after");
  EXPECT_TRUE(test::ReadFile(log).ends_with("[installer] after\n"));
  EXPECT_LE(*SizeOfFileAt(previous), kInstallerLogLimit + 2 * block.size());
}

TEST(InstallerLog, TailStartsAtALineAndIsBounded) {
  test::TempDir dir;
  test::WriteFile(dir / "log", "first line\nsecond line\nthird\n");
  EXPECT_EQ(ReadLogTail(dir / "log", 100), "first line\nsecond line\nthird\n");
  EXPECT_EQ(ReadLogTail(dir / "log", 14), "third\n");
  EXPECT_EQ(ReadLogTail(dir.path(), 14), std::nullopt);
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
  EXPECT_EQ(ReadLogTail(dir / "fifo", 14), std::nullopt);
}

}  // namespace
}  // namespace vlmr
