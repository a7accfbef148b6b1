#pragma once

// What the tests of a build's process life share: the built installer in a
// bundle of their own, a private home, and ways to see which processes of a
// build are left and whether its folders are locked. Linux only (/proc).
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "pipeline/pipeline.h"
#include "platform/bundle.h"
#include "platform/system_tools.h"
#include "tests/support/test_support.h"

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

// Processes of group `pgid` that have not ended (zombies do not count); -1,
// and a failure, where there is no /proc to see them in.
int LiveMembers(pid_t pgid) {
  int live = 0;
  DIR* proc = opendir("/proc");
  if (proc == nullptr) {
    ADD_FAILURE() << "/proc is missing: no process of the build can be seen, alive or not";
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

bool EventuallyNoLiveMembers(pid_t pgid, std::chrono::seconds bound = 3s) {
  for (auto until = Clock::now() + bound; Clock::now() < until; std::this_thread::sleep_for(20ms)) {
    int live = LiveMembers(pgid);
    if (live < 0) return false;
    if (live == 0) return true;
  }
  return false;
}

// true while `pid` is a process that has not ended; a failure where there is
// no /proc to tell.
bool Alive(pid_t pid) {
  if (!fs::is_directory("/proc/self")) {
    ADD_FAILURE() << "/proc is missing: cannot tell whether process " << pid << " is alive";
    return true;
  }
  std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
  size_t close = stat.rfind(')');
  return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z';
}

// The processes listed in `path` (one id a line) that are still alive.
std::vector<pid_t> LiveListed(const std::string& path) {
  std::vector<pid_t> live;
  std::istringstream ids(ReadFile(path));
  for (pid_t pid = 0; ids >> pid;) {
    if (Alive(pid)) live.push_back(pid);
  }
  return live;
}

bool EventuallyNoneListedAlive(const std::string& path, std::chrono::seconds bound = 3s) {
  for (auto until = Clock::now() + bound; Clock::now() < until; std::this_thread::sleep_for(20ms)) {
    if (LiveListed(path).empty()) return true;
  }
  return false;
}

// Waits until `folder` can be locked again, that is until no build holds it.
bool EventuallyUnlocked(const std::string& folder, std::chrono::seconds bound = 10s) {
  for (auto until = Clock::now() + bound; Clock::now() < until; std::this_thread::sleep_for(20ms)) {
    FileLock probe;
    if (probe.tryLock(folder) == FileLock::Outcome::Taken) return true;
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
    fs::create_directory_symlink(test::BundledHelpersDir(), bundle_ + "/Contents/Helpers");
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
                  const std::map<std::string, std::string>& extra = {}, bool asNobody = false) {
    std::vector<std::string> args;
    if (asNobody && geteuid() == 0) {
      args = {"/usr/bin/setpriv", "--reuid=" + std::to_string(kNobody),
              "--regid=" + std::to_string(kNobody), "--clear-groups", "--"};
    }
    if (ignoringSigchld) {
      args.insert(args.end(),
                  {"/usr/bin/python3", "-c",
                   "import os,signal,sys; signal.signal(signal.SIGCHLD, signal.SIG_IGN); "
                   "os.execv(sys.argv[1], sys.argv[1:])"});
    }
    for (const std::string& arg : {executable(), std::string("--cli"), std::string("--installer"),
                                   installer_, std::string("--out"), out}) {
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

  // A live pipeline into `out`, recording its end; not prepared yet.
  std::shared_ptr<Pipeline> livePipeline(const std::string& out) {
    BuildEvents events;
    events.ended = [this](const BuildReport& report) {
      std::lock_guard lock(mutex_);
      finished_ = report.status;
    };
    return Pipeline::Create(BuildRequest{installer_, out}, std::move(events));
  }
  // A live pipeline with `body` as its script, its sources prepared.
  std::shared_ptr<Pipeline> preparedPipeline(const std::string& body) {
    script(body);
    auto pipeline = livePipeline(state_ / "out");
    EXPECT_TRUE(pipeline->prepareSources());
    return pipeline;
  }
  std::optional<int32_t> finished() {
    std::lock_guard lock(mutex_);
    return finished_;
  }

  // The user a test runs the installer as when a folder's mode must bar it.
  static constexpr uid_t kNobody = 65534;

  TempDir bundleRoot_, home_, state_;
  test::ScopedHome scopedHome_{home_.path()};
  std::string bundle_ = bundleRoot_ / "Life.app";
  std::string installer_ = state_ / "setup.exe";
  std::mutex mutex_;
  std::optional<int32_t> finished_;
  int scripts_ = 0;
};

}  // namespace
}  // namespace vlmr
