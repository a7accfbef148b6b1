// The script's environment, argument list and the synchronous run.
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>

#include "base/paths.h"
#include "pipeline/pipeline.h"
#include "platform/home.h"
#include "platform/signal_relay.h"
#include "platform/system_tools.h"

extern char** environ;

namespace vlmr {

namespace {

// Makes the launched python3 the leader of a new process group, then becomes
// bash with the same process id, so cancelling can signal the whole group.
// Python starts with SIGPIPE and SIGXFSZ ignored and exec keeps that, so both
// go back to their default first: `yes | head -1` in the script ends quietly.
constexpr char kTrampoline[] =
    "import os,signal,sys; os.setpgrp(); "
    "signal.signal(signal.SIGPIPE, signal.SIG_DFL); signal.signal(signal.SIGXFSZ, signal.SIG_DFL); "
    "os.execv(sys.argv[1], sys.argv[1:])";

// Variables that would point the script's CMake or Python at the wrong place.
constexpr const char* kRemovedVariables[] = {"CMAKE_PREFIX_PATH", "SDL3_DIR", "PYTHONHOME",
                                             "PYTHONPATH", "VIRTUAL_ENV"};

constexpr auto kKillDelay = std::chrono::seconds(8);

// Waits for the script's shell to exit while passing every signal the relay
// catches on to its group. The shell is not reaped here, so its group stays
// ours to signal: SIGKILL goes to it 8 seconds after the first signal, and
// again once the shell has exited, for children that outlived it.
void RelaySignalsUntilExit(Process& process, SignalRelay& relay) {
  int exited[2];
  if (!MakePipe(exited)) {
    process.waitForExit();
    return;
  }
  std::thread waiter([&process, notify = exited[1]] {
    process.waitForExit();
    (void)!write(notify, "x", 1);
  });
  using Clock = std::chrono::steady_clock;
  std::optional<Clock::time_point> killAt;
  bool killed = false;
  pollfd watched[2] = {{exited[0], POLLIN, 0}, {relay.descriptor(), POLLIN, 0}};
  for (;;) {
    int timeout = -1;
    if (killAt && !killed) {
      auto left = std::chrono::ceil<std::chrono::milliseconds>(*killAt - Clock::now());
      timeout = static_cast<int>(std::max<int64_t>(0, left.count()));
    }
    int ready = poll(watched, relay.descriptor() >= 0 ? 2 : 1, timeout);
    if (ready < 0 && errno != EINTR) break;
    if (watched[0].revents != 0) break;
    if (relay.descriptor() >= 0 && watched[1].revents != 0) {
      for (int signal = relay.take(); signal != 0; signal = relay.take()) {
        process.signalGroupOrProcess(signal);
        if (!killAt) killAt = Clock::now() + kKillDelay;
      }
    }
    if (killAt && !killed && Clock::now() >= *killAt) {
      process.signalGroupOrProcess(SIGKILL);  // the shell dies of it now
      killed = true;
    }
  }
  waiter.join();
  close(exited[0]);
  close(exited[1]);
  if (relay.first() != 0) process.signalGroupOrProcess(SIGKILL);
}

}  // namespace

std::map<std::string, std::string> Pipeline::childEnvironment() const {
  std::map<std::string, std::string> environment;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const char* equals = std::strchr(*entry, '=');
    if (equals == nullptr) continue;
    // The first definition wins, as getenv sees it.
    environment.emplace(std::string(*entry, static_cast<size_t>(equals - *entry)),
                        std::string(equals + 1));
  }
  auto home = environment.find("HOME");
  if (home == environment.end() || home->second.empty()) environment["HOME"] = HomeDirectory();

  std::string tools = toolsDir.value_or("");
  environment["PATH"] = tools + "/bin:/usr/bin:/bin:/usr/sbin:/sbin";
  environment["VLMR_TOOLS_DIR"] = tools;
  environment["VLMR_SDL3_DIR"] = sdl3Dir.value_or("");
  environment["VLMR_WHEELS_DIR"] = wheelsDir.value_or("");
  for (const char* name : kRemovedVariables) environment.erase(name);
  return environment;
}

std::vector<std::string> Pipeline::scriptArguments() const {
  std::vector<std::string> arguments = {
      "-c",          kTrampoline,
      Tools().bash,  JoinPath(srcRoot.value_or(""), "tools/package_app.sh"),
      "--installer", installerPath.value_or(""),
      "--out",       stageDir.value_or(""),
  };
  if (cacheDir && !cacheDir->empty()) {
    arguments.push_back("--cache");
    arguments.push_back(*cacheDir);
  }
  return arguments;
}

TaskSpec Pipeline::makeTask() const {
  TaskSpec launch;
  launch.executable = Tools().python3;
  launch.arguments = scriptArguments();
  launch.environment = childEnvironment();
  // The supervisor ends the build if the installer dies, and keeps its
  // folders locked until then.
  Supervision supervision{Tools().supervisor, {}};
  for (const FileLock* lock : {&sourcesLock_, &outputLock_}) {
    if (lock->held()) supervision.heldDescriptors.push_back(lock->descriptor());
  }
  launch.supervision = std::move(supervision);
  return launch;
}

int32_t Pipeline::runHeadlessWithError(Error* error, SignalRelay* relay) {
  if (!lockOutput(error)) return 1;
  // Standard output and error stay the installer's own; nothing is read.
  Process process(makeTask());
  if (!process.launch(error)) return 1;
  if (relay != nullptr) RelaySignalsUntilExit(process, *relay);
  int32_t status = process.waitUntilExit();
  outputLock_.release();
  sourcesLock_.release();
  return status;
}

}  // namespace vlmr
