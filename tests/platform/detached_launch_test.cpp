#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>
#include <cstring>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/detached_launch.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

using namespace std::chrono_literals;
using test::MainQueue;
using test::TempDir;
using test::WriteFile;

// An app started for the player runs in its own folder and leads its own
// session, out of reach of our terminal and our group's signals; once it has
// ended it is collected on the main queue, not left a zombie for as long as
// the installer runs.
TEST(LaunchDetached, RunsInItsFolderAndSessionAndIsCollectedOnceEnded) {
  TempDir dir;
  const std::string folder = dir / "Velmora 3000.app/Contents/MacOS";
  WriteFile(folder + "/Velmora 3000",
            "#!/bin/sh\n: > here\nwhile [ ! -e go ]; do sleep 0.05; done\n", true);
  TaskSpec app;
  app.executable = folder + "/Velmora 3000";
  app.workingDirectory = folder;
  Error error;
  pid_t pid = 0;
  ASSERT_TRUE(LaunchDetached(app, &error, &pid)) << error.message.english();
  ASSERT_GT(pid, 0);
  auto exists = [](const std::string& path) { return std::filesystem::exists(path); };
  for (int i = 0; i < 400 && !exists(folder + "/here"); ++i) std::this_thread::sleep_for(25ms);
  ASSERT_TRUE(exists(folder + "/here")) << "the app did not start in its own folder";
  EXPECT_EQ(getpgid(pid), pid);
#if defined(POSIX_SPAWN_SETSID)
  EXPECT_EQ(getsid(pid), pid);
#endif

  WriteFile(folder + "/go", "");
  // An ended child answers kill(pid, 0) until it is collected.
  const bool collected =
      MainQueue().pumpFor([pid] { return kill(pid, 0) != 0 && errno == ESRCH; }, 10s);
  EXPECT_TRUE(collected) << "the ended app was left a zombie";
  if (!collected) kill(pid, SIGKILL);
}

// A missing executable is reported, so the caller can open the app another way.
TEST(LaunchDetached, MissingExecutableFailsWithTheSystemsError) {
  TempDir dir;
  TaskSpec app;
  app.executable = dir / "missing";
  Error error;
  EXPECT_FALSE(LaunchDetached(app, &error));
  EXPECT_EQ(error.message.english(),
            "Could not launch " + app.executable + ": " + std::strerror(ENOENT) + ".");
}

}  // namespace
}  // namespace vlmr
