#include <gtest/gtest.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <thread>

#include "pipeline/pipeline.h"
#include "platform/bundle.h"
#include "platform/system_tools.h"
#include "tests/core/test_support.h"

namespace vlmr {
namespace {

using namespace std::chrono_literals;
using test::MainQueue;
using test::ReadFile;
using test::TempDir;

// A pipeline whose "build script" is the given bash text, with a private home
// for the installer log. Callbacks record what arrives, and on which thread.
class Run : public ::testing::Test {
 protected:
  std::shared_ptr<Pipeline> make(const std::string& script) {
    test::WriteFile(sources_ / "tools/package_app.sh", script, true);
    auto pipeline = Pipeline::Create();
    pipeline->srcRoot = sources_.path();
    pipeline->installerPath = "/in/setup.exe";
    pipeline->stageDir = sources_ / "out";
    pipeline->toolsDir = sources_ / "tools";
    pipeline->onLine = [this](const std::string& line) {
      std::lock_guard lock(mutex_);
      lines_.push_back(line);
      if (std::this_thread::get_id() == mainThread_) mainThreadLines_.push_back(line);
    };
    pipeline->onFinish = [this](int32_t status) {
      std::lock_guard lock(mutex_);
      ++finishes_;
      status_ = status;
      linesAtFinish_ = lines_.size();
    };
    return pipeline;
  }
  bool waitForFinish(std::chrono::milliseconds timeout = 10s) {
    return MainQueue().pumpFor([this] { return finished(); }, timeout);
  }
  bool finished() {
    std::lock_guard lock(mutex_);
    return finishes_ > 0;
  }
  std::vector<std::string> lines() {
    std::lock_guard lock(mutex_);
    return lines_;
  }
  void SetUp() override { SetTools(SystemTools::ForPlatform(HelpersDirectory())); }
  void TearDown() override { MainQueue().drain(); }

  TempDir home_, sources_;
  test::ScopedHome scoped_{home_.path()};
  std::mutex mutex_;
  std::vector<std::string> lines_, mainThreadLines_;
  int finishes_ = 0;
  int32_t status_ = 0;
  size_t linesAtFinish_ = 0;
  std::thread::id mainThread_ = std::this_thread::get_id();
};

TEST_F(Run, DeliversLinesInOrderThenAnUnterminatedLastLineOnTheMainQueueThenFinishOnce) {
  auto pipeline = make("echo one; echo two >&2; echo '##done /x/app'; printf 'last'; exit 3\n");
  Error error;
  ASSERT_TRUE(pipeline->startWithError(&error)) << error.message;
  EXPECT_EQ(pipeline->exitStatus, -1);
  ASSERT_TRUE(waitForFinish());
  MainQueue().pumpFor([] { return false; }, 50ms);  // nothing more may arrive
  EXPECT_EQ(lines(), (std::vector<std::string>{"one", "two", "##done /x/app", "last"}));
  EXPECT_EQ(mainThreadLines_, std::vector<std::string>{"last"});
  EXPECT_EQ(linesAtFinish_, 4u);
  EXPECT_EQ(finishes_, 1);
  EXPECT_EQ(status_, 3);
  EXPECT_EQ(pipeline->exitStatus, 3);
  EXPECT_EQ(pipeline->appPath, "/x/app");
  EXPECT_EQ(pipeline->logFile, -1);
  std::string log = ReadFile(*pipeline->logPath);
  EXPECT_NE(log.find(" · setup.exe · " + sources_ / "out" + "\none\ntwo\n##done /x/app\nlast\n"),
            std::string::npos)
      << log;
}

TEST_F(Run, ScriptLeadsItsOwnProcessGroupAndSignalDeathIsReportedAsTheSignal) {
  auto pipeline = make("echo \"$$ $(ps -o pgid= -p $$ | tr -d ' ')\"; kill -SEGV $$\n");
  ASSERT_TRUE(pipeline->startWithError(nullptr));
  ASSERT_TRUE(waitForFinish());
  ASSERT_EQ(lines().size(), 1u);
  std::string pid = lines()[0].substr(0, lines()[0].find(' '));
  EXPECT_EQ(lines()[0], pid + " " + pid);
  EXPECT_EQ(status_, SIGSEGV);
}

TEST_F(Run, FailedLaunchStillWritesTheRunHeaderAndCallsNothing) {
  SystemTools tools = Tools();
  tools.python3 = "/nonexistent/python3";
  SetTools(tools);
  auto pipeline = make("echo never\n");
  Error error;
  EXPECT_FALSE(pipeline->startWithError(&error));
  EXPECT_FALSE(error.message.empty());
  EXPECT_EQ(pipeline->exitStatus, 0);
  MainQueue().pumpFor([] { return false; }, 100ms);
  EXPECT_FALSE(finished());
  EXPECT_TRUE(lines().empty());
  EXPECT_NE(ReadFile(*pipeline->logPath).find("\n==== "), std::string::npos);
  pipeline->cancel();
  EXPECT_FALSE(pipeline->cancelled);
}

TEST_F(Run, CancelStopsTheScriptAndItsChildrenInTheGroup) {
  std::string marker = sources_ / "child-survived";
  auto pipeline = make("(sleep 3; touch '" + marker + "') & echo started; wait\n");
  ASSERT_TRUE(pipeline->startWithError(nullptr));
  ASSERT_TRUE(MainQueue().pumpFor([this] { return !lines().empty(); }, 5s));
  pipeline->cancel();
  EXPECT_TRUE(pipeline->cancelled);
  ASSERT_TRUE(waitForFinish(5s));
  EXPECT_EQ(status_, SIGTERM);
  std::this_thread::sleep_for(3500ms);
  EXPECT_FALSE(std::filesystem::exists(marker));
  pipeline->cancel();  // after the end: nothing
}

TEST_F(Run, CancelBeforeStartDoesNothing) {
  auto pipeline = make("exit 0\n");
  pipeline->cancel();
  EXPECT_FALSE(pipeline->cancelled);
}

TEST_F(Run, ScriptIgnoringTermIsKilledEightSecondsLater) {
  auto pipeline = make("trap '' TERM; echo ready; while :; do sleep 0.1; done\n");
  ASSERT_TRUE(pipeline->startWithError(nullptr));
  ASSERT_TRUE(MainQueue().pumpFor([this] { return !lines().empty(); }, 5s));
  auto cancelledAt = std::chrono::steady_clock::now();
  pipeline->cancel();
  EXPECT_FALSE(MainQueue().pumpFor([this] { return finished(); }, 7s));  // TERM ignored
  ASSERT_TRUE(waitForFinish(4s));
  EXPECT_EQ(status_, SIGKILL);
  EXPECT_GE(std::chrono::steady_clock::now() - cancelledAt, 8s);
}

TEST_F(Run, BackgroundChildHoldingTheOutputDelaysTheEnd) {
  auto pipeline = make("(sleep 1; echo from-child) & echo parent-done\n");
  auto started = std::chrono::steady_clock::now();
  ASSERT_TRUE(pipeline->startWithError(nullptr));
  ASSERT_TRUE(waitForFinish());
  EXPECT_GE(std::chrono::steady_clock::now() - started, 900ms);
  EXPECT_EQ(lines(), (std::vector<std::string>{"parent-done", "from-child"}));
  EXPECT_EQ(status_, 0);
}

TEST_F(Run, ReleasedPipelineCallsNothingWhileTheScriptRunsToItsEnd) {
  std::string marker = sources_ / "ran-to-end";
  auto pipeline =
      make("sleep 0.5; head -c 300000 /dev/zero | tr '\\0' 'x'; echo; touch '" + marker + "'\n");
  ASSERT_TRUE(pipeline->startWithError(nullptr));
  std::weak_ptr<Pipeline> weak = pipeline;
  pipeline.reset();
  EXPECT_TRUE(weak.expired());
  // The output outgrows the pipe: the reader must keep draining for the
  // script to reach its end.
  for (int i = 0; i < 100 && !std::filesystem::exists(marker); ++i) {
    MainQueue().pumpFor([] { return false; }, 50ms);
  }
  MainQueue().pumpFor([] { return false; }, 200ms);
  EXPECT_TRUE(std::filesystem::exists(marker));
  EXPECT_TRUE(lines().empty());
  EXPECT_FALSE(finished());
}

}  // namespace
}  // namespace vlmr
