// A build's process life from outside: launchers that ignore SIGCHLD, Ctrl-C
// on the headless build, Cancel and quit against children that will not go,
// the script's signal dispositions, one build at a time, and installers
// killed at the worst moment.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <sstream>
#include <thread>

#include "pipeline/pipeline.h"
#include "platform/bundle.h"
#include "platform/system_tools.h"
#include "tests/core/test_support.h"

extern char** environ;

namespace vlmr {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::MainQueue;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Processes of group `pgid` that have not ended (zombies do not count).
int LiveMembers(pid_t pgid) {
  int live = 0;
  DIR* proc = opendir("/proc");
  if (proc == nullptr) {
    // Without /proc nothing can be seen, which must not read as "none alive".
    ADD_FAILURE() << "/proc is missing: the processes of group " << pgid << " cannot be listed";
    return -1;
  }
  while (dirent* entry = readdir(proc)) {
    std::string stat = ReadFile(std::string("/proc/") + entry->d_name + "/stat");
    size_t close = stat.rfind(')');
    if (close == std::string::npos) continue;
    char state = 0;
    int ppid = 0, pgrp = 0;
    if (std::sscanf(stat.c_str() + close + 1, " %c %d %d", &state, &ppid, &pgrp) == 3 &&
        pgrp == pgid && state != 'Z') {
      ++live;
    }
  }
  closedir(proc);
  return live;
}

bool EventuallyNoLiveMembers(pid_t pgid) {
  for (auto until = Clock::now() + 3s; Clock::now() < until; std::this_thread::sleep_for(20ms)) {
    if (LiveMembers(pgid) == 0) return true;
  }
  return false;
}

// Waits for `path` to hold a line; returns its first number.
pid_t WaitForNumber(const std::string& path, std::chrono::seconds timeout = 10s) {
  for (auto until = Clock::now() + timeout; Clock::now() < until;
       std::this_thread::sleep_for(10ms)) {
    std::string text = ReadFile(path);
    if (text.find('\n') != std::string::npos) return std::atoi(text.c_str());
  }
  return 0;
}

// The built executable in a bundle of our own (so each test writes the build
// script), a private home and the real stand-in tools; pipelines built in
// the test read the same bundle.
class BuildLife : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(bundle_ + "/Contents/MacOS");
    fs::copy_file(VLMR_TEST_EXECUTABLE, executable());
    fs::create_directory_symlink(test::SourceDir() + "/platform/linux", bundle_ + "/Contents/Helpers");
    WriteFile(resources() + "/VERSION", "9.9");
    WriteFile(installer_, "MZ fake");
    SetResourceDirectoryForTesting(resources());
    SetTools(SystemTools::ForPlatform(bundle_ + "/Contents/Helpers"));
  }
  void TearDown() override {
    MainQueue().drain();
    SetResourceDirectoryForTesting("");
    SetTools(SystemTools::ForPlatform(HelpersDirectory()));
    // Strays that left the group on purpose.
    for (std::istringstream strays(ReadFile(state_ / "strays")); strays;) {
      pid_t pid = 0;
      if (strays >> pid && pid > 0) kill(pid, SIGKILL);
    }
  }
  std::string executable() const { return bundle_ + "/Contents/MacOS/VelmoraInstaller"; }
  std::string resources() const { return bundle_ + "/Contents/Resources"; }
  std::string sourcesDir() const {
    return home_ / "Library/Application Support/Velmora 3000/installer-src/9.9";
  }
  // A new script comes with a new snapshot identifier, so it is unpacked.
  void script(const std::string& body) {
    WriteFile(resources() + "/src/tools/package_app.sh", body, true);
    WriteFile(resources() + "/SRC_ID", "snapshot-" + std::to_string(++scripts_));
  }

  // Starts the installer's headless build into `out`, its output in a file;
  // through a python3 launcher that ignores SIGCHLD when asked.
  pid_t launchCli(const std::string& out, bool ignoringSigchld = false,
                  const std::map<std::string, std::string>& extra = {}) {
    std::vector<std::string> args;
    if (ignoringSigchld) {
      args = {"/usr/bin/python3", "-c",
              "import os,signal,sys; signal.signal(signal.SIGCHLD, signal.SIG_IGN); "
              "os.execv(sys.argv[1], sys.argv[1:])"};
    }
    for (const std::string& arg :
         {executable(), std::string("--cli"), std::string("--installer"), installer_,
          std::string("--out"), out}) {
      args.push_back(arg);
    }
    std::map<std::string, std::string> env{{"HOME", home_.path()}};
    for (char** e = environ; *e != nullptr; ++e) {
      std::string entry = *e;
      env.emplace(entry.substr(0, entry.find('=')), entry.substr(entry.find('=') + 1));
    }
    for (const auto& [name, value] : extra) env[name] = value;
    std::vector<std::string> envStrings;
    for (const auto& [name, value] : env) envStrings.push_back(name + "=" + value);
    std::vector<char*> argv, envp;
    for (std::string& a : args) argv.push_back(a.data());
    for (std::string& e : envStrings) envp.push_back(e.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    std::string log = state_ / "cli.log";
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : 0;
  }
  // The raw wait status of `pid`, or nothing (and the process killed) when it
  // has not ended within `bound`.
  static std::optional<int> waitRaw(pid_t pid, std::chrono::seconds bound = 20s) {
    for (auto until = Clock::now() + bound; Clock::now() < until;
         std::this_thread::sleep_for(10ms)) {
      int status = 0;
      if (waitpid(pid, &status, WNOHANG) == pid) return status;
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return std::nullopt;
  }

  // A pipeline running `body` as its script, outside the bundle, with
  // callbacks recording the finish.
  std::shared_ptr<Pipeline> pipelineRunning(const std::string& body) {
    WriteFile(state_ / "src/tools/package_app.sh", body, true);
    auto pipeline = Pipeline::Create();
    pipeline->configureBundledTools();
    pipeline->srcRoot = state_ / "src";
    pipeline->installerPath = installer_;
    pipeline->stageDir = state_ / "out";
    pipeline->onFinish = [this](int32_t status) {
      std::lock_guard lock(mutex_);
      finished_ = status;
    };
    return pipeline;
  }
  std::optional<int32_t> finished() {
    std::lock_guard lock(mutex_);
    return finished_;
  }

  TempDir bundleRoot_, home_, state_;
  test::ScopedHome scopedHome_{home_.path()};
  std::string bundle_ = bundleRoot_ / "Life.app";
  std::string installer_ = state_ / "setup.exe";
  std::mutex mutex_;
  std::optional<int32_t> finished_;
  int scripts_ = 0;
};

// Every way of ending a build ends it, with the right outcome, in a time far
// below what the script's processes would hold out for (60 s).
TEST_F(BuildLife, EveryEndingEndsInTimeWithTheRightOutcome) {
  enum class Drive { CliUnderIgnoredSigchld, CliInterrupted, Cancel, Quit };
  const std::string pgidFile = state_ / "pgid", strays = state_ / "strays";
  const std::string record = "echo $$ > '" + pgidFile + "'\n";
  const std::string termIgnoringChild =
      record + "(trap '' TERM INT; exec sleep 60) & sleep 60 & echo started; wait\n";
  const std::string setsidDescendant =
      record + "setsid sleep 60 & echo $! >> '" + strays + "'; echo started; exit 0\n";
  struct Case {
    const char* name;
    Drive drive;
    std::string script;
    bool bySignal;  // the outcome is a termination by `expected`, else an exit code
    int expected;
  } cases[] = {
      {"a script exiting 3 under a launcher ignoring SIGCHLD", Drive::CliUnderIgnoredSigchld,
       record + "exit 3\n", false, 3},
      {"Ctrl-C on the headless build", Drive::CliInterrupted, termIgnoringChild, true, SIGINT},
      {"Cancel with a child ignoring TERM after its shell exits", Drive::Cancel,
       termIgnoringChild, false, SIGTERM},
      {"Cancel with a setsid descendant holding the output", Drive::Cancel, setsidDescendant,
       false, 0},
      {"quit with a setsid descendant holding the output", Drive::Quit, setsidDescendant, false,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(pgidFile);
    auto started = Clock::now();
    if (c.drive == Drive::CliUnderIgnoredSigchld || c.drive == Drive::CliInterrupted) {
      script(c.script);
      pid_t pid = launchCli(state_ / "out", c.drive == Drive::CliUnderIgnoredSigchld);
      ASSERT_GT(pid, 0);
      pid_t pgid = WaitForNumber(pgidFile);
      ASSERT_GT(pgid, 0) << ReadFile(state_ / "cli.log");
      if (c.drive == Drive::CliInterrupted) {
        std::this_thread::sleep_for(200ms);  // the children are running
        started = Clock::now();
        kill(pid, SIGINT);
      }
      std::optional<int> raw = waitRaw(pid);
      ASSERT_TRUE(raw) << "the installer did not end";
      if (c.bySignal) {
        EXPECT_TRUE(WIFSIGNALED(*raw) && WTERMSIG(*raw) == c.expected) << *raw;
      } else {
        EXPECT_TRUE(WIFEXITED(*raw) && WEXITSTATUS(*raw) == c.expected) << *raw;
      }
      EXPECT_TRUE(EventuallyNoLiveMembers(pgid));
    } else {
      finished_.reset();
      auto pipeline = pipelineRunning(c.script);
      ASSERT_TRUE(pipeline->startWithError(nullptr));
      pid_t pgid = WaitForNumber(pgidFile);
      ASSERT_GT(pgid, 0);
      std::this_thread::sleep_for(200ms);
      started = Clock::now();
      if (c.drive == Drive::Cancel) {
        pipeline->cancel();
        ASSERT_TRUE(MainQueue().pumpFor([this] { return finished().has_value(); }, 20s));
      } else {
        pipeline->stopBeforeQuit();
        EXPECT_LT(Clock::now() - started, 10s);  // quitting may not wait for the stray
        MainQueue().pumpFor([this] { return finished().has_value(); }, 5s);
      }
      EXPECT_TRUE(pipeline->cancelled);
      EXPECT_EQ(finished(), c.expected);
      EXPECT_TRUE(EventuallyNoLiveMembers(pgid));
    }
    EXPECT_LT(Clock::now() - started, 20s);
  }
}

TEST_F(BuildLife, WaitWhoseStatusWasTakenByTheKernelIsNotSuccess) {
  struct sigaction ignore {}, saved{};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGCHLD, &ignore, &saved);
  Process process(TaskSpec{"/bin/sh", {"-c", "exit 0"}, std::nullopt});
  ASSERT_TRUE(process.launch(nullptr));
  int status = process.waitUntilExit();
  sigaction(SIGCHLD, &saved, nullptr);
  EXPECT_EQ(status, -1);
}

TEST_F(BuildLife, ScriptStartsWithoutSigpipeOrSigxfszIgnored) {
  std::string report = state_ / "report";
  auto pipeline = pipelineRunning("grep SigIgn /proc/$$/status > '" + report +
                                  "'; yes | head -1 >/dev/null; echo \"${PIPESTATUS[0]}\" >> '" +
                                  report + "'\n");
  ASSERT_TRUE(pipeline->startWithError(nullptr));
  ASSERT_TRUE(MainQueue().pumpFor([this] { return finished().has_value(); }, 10s));
  std::istringstream lines(ReadFile(report));
  std::string label, mask, yesStatus;
  lines >> label >> mask >> yesStatus;
  ASSERT_EQ(label, "SigIgn:");
  unsigned long long ignored = std::stoull(mask, nullptr, 16);
  EXPECT_EQ(ignored & (1ull << (SIGPIPE - 1)), 0u) << mask;
  EXPECT_EQ(ignored & (1ull << (SIGXFSZ - 1)), 0u) << mask;
  EXPECT_EQ(yesStatus, std::to_string(128 + SIGPIPE));  // ended by the signal, quietly
}

// Two builds that would share the sources or the output folder: the second is
// refused with one sentence, by the window's run and by the headless build,
// and the locks die with their holder.
TEST_F(BuildLife, SecondBuildSharingSourcesOrOutputIsRefused) {
  script("touch '" + state_ / "running" + "'; while [ ! -e '" + state_ / "go" + "' ]; do sleep 0.05; done\n");
  auto first = Pipeline::Create();
  first->configureBundledTools();
  first->installerPath = installer_;
  first->stageDir = state_ / "out";
  first->onFinish = [this](int32_t status) {
    std::lock_guard lock(mutex_);
    finished_ = status;
  };
  ASSERT_TRUE(first->prepareSourcesWithError(nullptr));

  Error error;
  auto second = Pipeline::Create();
  second->configureBundledTools();
  EXPECT_FALSE(second->prepareSourcesWithError(&error));
  EXPECT_EQ(error.message, "Another build is already running.");
  EXPECT_EQ(error.code, 3);

  ASSERT_TRUE(first->startWithError(nullptr));
  ASSERT_TRUE(MainQueue().pumpFor([this] { return fs::exists(state_ / "running"); }, 10s));
  // A build with sources of its own into the same output folder.
  auto third = pipelineRunning("exit 0\n");
  third->stageDir = state_ / "out";
  error = {};
  EXPECT_FALSE(third->startWithError(&error));
  EXPECT_EQ(error.message, "Another build is already running.");

  // The headless build says so and exits 1.
  pid_t cli = launchCli(state_ / "elsewhere");
  std::optional<int> raw = waitRaw(cli);
  ASSERT_TRUE(raw);
  EXPECT_TRUE(WIFEXITED(*raw) && WEXITSTATUS(*raw) == 1);
  EXPECT_NE(ReadFile(state_ / "cli.log").find("error: Another build is already running.\n"),
            std::string::npos);

  WriteFile(state_ / "go", "");
  ASSERT_TRUE(MainQueue().pumpFor([this] { return finished().has_value(); }, 10s));
  EXPECT_EQ(finished(), 0);
  third = pipelineRunning("exit 0\n");
  third->stageDir = state_ / "out";
  EXPECT_TRUE(second->prepareSourcesWithError(nullptr));
  EXPECT_TRUE(third->startWithError(nullptr));
}

// An installer killed while it copies the sources leaves no marker, so the
// next build copies again; a build killed mid-run runs again into the same
// output folder. Neither leaves a lock behind.
TEST_F(BuildLife, KilledInstallerNeitherHalfReusesSourcesNorBlocksTheNextBuild) {
  // The first run stops half-way (and says so); the next one completes.
  script("mkdir -p \"$4\"; echo half > \"$4/app\"\n"
         "[ -e \"$4/.again\" ] || { touch \"$4/.again\"; echo \"$$\" > '" + state_ / "pgid" +
         "'; exec sleep 60; }\n"
         "echo whole > \"$4/app\"\n");
  WriteFile(resources() + "/src/complete", "the last file of the copy");

  // A ditto that copies the script, then hangs before the rest.
  TempDir fakeTools;
  WriteFile(fakeTools / "ditto",
            "#!/bin/sh\nmkdir -p \"$2/tools\"; cp \"$1/tools/package_app.sh\" \"$2/tools/\"\n"
            "echo $$ >> '" + state_ / "strays" + "'\necho $$ > '" + state_ / "ditto" +
                "'\nexec sleep 60\n",
            true);
  pid_t copying = launchCli(state_ / "out", false, {{"VLMR_TOOLS_OVERRIDE", fakeTools.path()}});
  ASSERT_GT(WaitForNumber(state_ / "ditto"), 0);
  kill(copying, SIGKILL);
  waitRaw(copying);
  EXPECT_FALSE(fs::exists(sourcesDir() + "/.vlmr-src-id"));
  EXPECT_TRUE(fs::exists(sourcesDir() + "/tools/package_app.sh"));

  // The next build copies afresh; it is killed, script and all, mid-run.
  pid_t running = launchCli(state_ / "out");
  pid_t pgid = WaitForNumber(state_ / "pgid");
  ASSERT_GT(pgid, 0) << ReadFile(state_ / "cli.log");
  EXPECT_EQ(ReadFile(sourcesDir() + "/complete"), "the last file of the copy");
  EXPECT_EQ(ReadFile(sourcesDir() + "/.vlmr-src-id"), "snapshot-1");
  kill(running, SIGKILL);
  killpg(pgid, SIGKILL);
  waitRaw(running);
  EXPECT_EQ(ReadFile(state_ / "out/app"), "half\n");

  // Run again into the same folder: it completes.
  pid_t again = launchCli(state_ / "out");
  std::optional<int> raw = waitRaw(again);
  ASSERT_TRUE(raw);
  EXPECT_TRUE(WIFEXITED(*raw) && WEXITSTATUS(*raw) == 0) << ReadFile(state_ / "cli.log");
  EXPECT_EQ(ReadFile(state_ / "out/app"), "whole\n");
}

}  // namespace
}  // namespace vlmr
