#include <gtest/gtest.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "base/files.h"
#include "pipeline/pipeline.h"
#include "platform/bundle.h"
#include "platform/installer_log.h"
#include "platform/system_tools.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

using namespace std::chrono_literals;
using test::MainQueue;
using test::ReadFile;
using test::TempDir;

// A live pipeline whose "build script" is the given bash text, in a bundle
// of our own, with a private home for the sources and the installer log. The
// events record what arrives, and on which thread.
class Run : public ::testing::Test {
 protected:
  // Prepared, not yet run.
  std::shared_ptr<Pipeline> make(const std::string& script) {
    test::WriteFile(bundle_ / "src/tools/package_app.sh", script, true);
    test::WriteFile(bundle_ / "SRC_ID", "script-" + std::to_string(++scripts_));
    BuildEvents events;
    events.line = [this](const std::string& line) {
      std::lock_guard lock(mutex_);
      lines_.push_back(line);
      if (std::this_thread::get_id() == mainThread_) mainThreadLines_.push_back(line);
    };
    events.ended = [this](const BuildReport& report) {
      std::lock_guard lock(mutex_);
      ++finishes_;
      status_ = report.status;
      linesAtFinish_ = lines_.size();
    };
    auto pipeline = Pipeline::Create(BuildRequest{"/in/setup.exe", out()}, std::move(events));
    EXPECT_TRUE(pipeline->prepareSources());
    return pipeline;
  }
  std::string out() const { return home_ / "out"; }
  std::string logPath() const { return home_ / "Library/Logs/Velmora 3000/installer.log"; }
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
  void SetUp() override {
    SetResourceDirectoryForTesting(bundle_.path());
    SetTools(SystemTools::ForPlatform(test::BundledHelpersDir()));
  }
  void TearDown() override {
    MainQueue().drain();
    SetResourceDirectoryForTesting("");
    SetTools(SystemTools::ForPlatform(HelpersDirectory()));
  }

  TempDir bundle_, home_, scratch_;
  int scripts_ = 0;
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
  ASSERT_TRUE(pipeline->run());
  EXPECT_EQ(pipeline->report().status, -1);
  ASSERT_TRUE(waitForFinish());
  MainQueue().pumpFor([] { return false; }, 50ms);  // nothing more may arrive
  EXPECT_EQ(lines(), (std::vector<std::string>{"one", "two", "##done /x/app", "last"}));
  EXPECT_EQ(mainThreadLines_, std::vector<std::string>{"last"});
  EXPECT_EQ(linesAtFinish_, 4u);
  EXPECT_EQ(finishes_, 1);
  EXPECT_EQ(status_, 3);
  EXPECT_EQ(pipeline->report().status, 3);
  EXPECT_EQ(pipeline->report().appPath, "/x/app");
  EXPECT_EQ(pipeline->report().logPath, logPath());
  std::string log = ReadFile(logPath());
  EXPECT_NE(log.find(" · setup.exe · " + out() + "\none\ntwo\n##done /x/app\nlast\n"),
            std::string::npos)
      << log;
}

TEST_F(Run, ScriptLeadsItsOwnProcessGroupAndSignalDeathIsReportedAsTheSignal) {
  auto pipeline = make("echo \"$$ $(ps -o pgid= -p $$ | tr -d ' ')\"; kill -SEGV $$\n");
  ASSERT_TRUE(pipeline->run());
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
  EXPECT_FALSE(pipeline->run());
  ASSERT_TRUE(pipeline->report().startFailure);
  EXPECT_NE(pipeline->report().startFailure->english().find("/nonexistent/python3"),
            std::string::npos);
  EXPECT_EQ(pipeline->report().status, -1);
  MainQueue().pumpFor([] { return false; }, 100ms);
  EXPECT_FALSE(finished());
  EXPECT_TRUE(lines().empty());
  EXPECT_NE(ReadFile(logPath()).find("\n==== "), std::string::npos);
  pipeline->cancel();
  EXPECT_FALSE(pipeline->report().cancelled);
}

TEST_F(Run, CancelStopsTheScriptAndItsChildrenInTheGroup) {
  std::string marker = scratch_ / "child-survived";
  auto pipeline = make("(sleep 3; touch '" + marker + "') & echo started; wait\n");
  ASSERT_TRUE(pipeline->run());
  ASSERT_TRUE(MainQueue().pumpFor([this] { return !lines().empty(); }, 5s));
  pipeline->cancel();
  EXPECT_TRUE(pipeline->report().cancelled);
  ASSERT_TRUE(waitForFinish(5s));
  EXPECT_EQ(status_, SIGTERM);
  std::this_thread::sleep_for(3500ms);
  EXPECT_FALSE(std::filesystem::exists(marker));
  pipeline->cancel();  // after the end: nothing
}

TEST_F(Run, CancelBeforeTheRunEndsAsCancelledWithoutStartingTheScript) {
  std::string marker = scratch_ / "started";
  auto pipeline = make("touch '" + marker + "'\n");
  pipeline->cancel();
  EXPECT_TRUE(pipeline->run());
  ASSERT_TRUE(waitForFinish(2s));
  EXPECT_EQ(status_, -1);
  EXPECT_TRUE(pipeline->report().cancelled);
  MainQueue().pumpFor([] { return false; }, 300ms);
  EXPECT_FALSE(std::filesystem::exists(marker));
  EXPECT_EQ(finishes_, 1);
  EXPECT_TRUE(lines().empty());
}

TEST_F(Run, ScriptIgnoringTermIsKilledEightSecondsLater) {
  auto pipeline = make("trap '' TERM; echo ready; while :; do sleep 0.1; done\n");
  ASSERT_TRUE(pipeline->run());
  ASSERT_TRUE(MainQueue().pumpFor([this] { return !lines().empty(); }, 5s));
  auto cancelledAt = std::chrono::steady_clock::now();
  pipeline->cancel();
  EXPECT_FALSE(MainQueue().pumpFor([this] { return finished(); }, 7s));  // TERM ignored
  ASSERT_TRUE(waitForFinish(4s));
  EXPECT_EQ(status_, SIGKILL);
  EXPECT_GE(std::chrono::steady_clock::now() - cancelledAt, 8s);
}

// The build ends with its script, as the headless one does: a background
// child it left holding the output is ended, not waited for; what the child
// wrote before is kept.
TEST_F(Run, BackgroundChildLeftByTheScriptEndsWithIt) {
  auto pipeline =
      make("(echo from-child; sleep 5; echo too-late) & sleep 0.3; echo parent-done\n");
  auto started = std::chrono::steady_clock::now();
  ASSERT_TRUE(pipeline->run());
  ASSERT_TRUE(waitForFinish());
  EXPECT_LT(std::chrono::steady_clock::now() - started, 4s);
  EXPECT_EQ(lines(), (std::vector<std::string>{"from-child", "parent-done"}));
  EXPECT_EQ(status_, 0);
}

// A chatty build moves the installer log aside as it fills: the log and the
// one before it hold the latest output, within their bound.
TEST_F(Run, ChattyBuildKeepsTheLogWithinItsBound) {
  auto pipeline = make("yes 'a line of a chatty build' | head -n 1500000; echo the-last-line\n");
  ASSERT_TRUE(pipeline->run());
  ASSERT_TRUE(waitForFinish(60s));
  const std::string previous = InstallerLogPrevious(logPath());
  EXPECT_LE(*SizeOfFileAt(logPath()), kInstallerLogLimit + 512 * 1024);
  EXPECT_LE(*SizeOfFileAt(previous), kInstallerLogLimit + 512 * 1024);
  EXPECT_TRUE(ReadFile(logPath()).ends_with("the-last-line\n"));
}

TEST_F(Run, ReleasedPipelineCallsNothingWhileTheScriptRunsToItsEnd) {
  std::string marker = scratch_ / "ran-to-end";
  auto pipeline =
      make("sleep 0.5; head -c 300000 /dev/zero | tr '\\0' 'x'; echo; touch '" + marker + "'\n");
  ASSERT_TRUE(pipeline->run());
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

TEST_F(Run, UnwritableLogFolderStillDeliversEveryLineAndTheEnd) {
  test::WriteFile(home_ / "Library/Logs", "a file where the folder should be");
  auto pipeline = make("echo a; echo '##done /x'; printf b\n");
  ASSERT_TRUE(pipeline->run());
  ASSERT_TRUE(waitForFinish());
  EXPECT_EQ(lines(), (std::vector<std::string>{"a", "##done /x", "b"}));
  EXPECT_EQ(status_, 0);
  EXPECT_EQ(pipeline->report().appPath, "/x");
}

// A build that never starts says why in the installer log, since that is
// where the error page sends the player; the script never runs.
TEST_F(Run, BuildThatCannotStartLogsWhyAndNeverRunsTheScript) {
  std::string marker = scratch_ / "script-ran";
  const std::string script = "touch '" + marker + "'\n";
  std::shared_ptr<Pipeline> holder;
  auto replacing = [](std::string SystemTools::*tool, std::string path) {
    return [tool, path] {
      SystemTools tools = Tools();
      tools.*tool = path;
      SetTools(tools);
    };
  };
  struct Case {
    const char* name;
    std::function<void()> arrange;
    std::string out;
    // The sentence in English; for a launch, how it begins (the rest is the system's).
    std::string sentence;
  } cases[] = {
      {"another build holds the sources", [&] { holder = make(script); }, out(),
       "Another build is already running."},
      {"the sources cannot be unpacked", replacing(&SystemTools::ditto, "/bin/false"), out(),
       "Could not unpack the build sources into Application Support."},
      {"the output folder cannot be created", [&] { test::WriteFile(home_ / "file", "x"); },
       home_ / "file/out", "Could not create the output folder " + home_ / "file/out" + "."},
      {"python3 cannot be launched", replacing(&SystemTools::python3, "/nonexistent/python3"),
       out(), "Could not launch /nonexistent/python3: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(logPath());
    SetTools(SystemTools::ForPlatform(test::BundledHelpersDir()));
    c.arrange();
    test::WriteFile(bundle_ / "src/tools/package_app.sh", script, true);
    test::WriteFile(bundle_ / "SRC_ID", std::string("case ") + c.name);
    auto pipeline = Pipeline::Create(BuildRequest{"/in/setup.exe", c.out});
    pipeline->prepareSources();
    holder.reset();
    EXPECT_FALSE(pipeline->run());
    ASSERT_TRUE(pipeline->report().startFailure);
    const std::string sentence = pipeline->report().startFailure->english();
    EXPECT_EQ(sentence.substr(0, c.sentence.size()), c.sentence);
    // A sentence of ours, for the window to translate: none joined in English.
    EXPECT_FALSE(pipeline->report().startFailure->context().empty());
    std::string log = ReadFile(logPath());
    EXPECT_NE(log.find(" [installer] build failed to start: " + sentence + "\n"), std::string::npos)
        << log;
    MainQueue().pumpFor([] { return false; }, 100ms);
    EXPECT_FALSE(std::filesystem::exists(marker));
  }
  EXPECT_FALSE(finished());
}

// A pipeline runs its script once, and only with prepared sources: a run
// before the preparation or a second run is refused and starts nothing.
TEST_F(Run, UnpreparedOrSecondRunIsRefused) {
  std::string marker = scratch_ / "script-ran";
  auto unprepared = Pipeline::Create(BuildRequest{"/in/setup.exe", out()});
  EXPECT_FALSE(unprepared->run());
  ASSERT_TRUE(unprepared->report().startFailure);
  EXPECT_EQ(unprepared->report().startFailure->english(), "The build sources are not prepared.");

  auto pipeline = make("echo x >> '" + marker + "'\n");
  ASSERT_TRUE(pipeline->run());
  ASSERT_TRUE(waitForFinish());
  const BuildReport first = pipeline->report();
  EXPECT_FALSE(pipeline->run());
  EXPECT_EQ(pipeline->report().status, first.status);
  EXPECT_FALSE(pipeline->report().startFailure);
  MainQueue().pumpFor([] { return false; }, 100ms);
  EXPECT_EQ(ReadFile(marker), "x\n");
}

}  // namespace
}  // namespace vlmr
