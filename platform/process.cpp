#include "platform/process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "base/translatable.h"
#include "platform/process_spawn.h"
#include "platform/supervision.h"

extern char** environ;

namespace vlmr {

namespace {

// Owns the spawn attributes and file actions for the length of one launch.
struct SpawnSetup {
  posix_spawn_file_actions_t actions{};
  posix_spawnattr_t attributes{};
  SpawnSetup() {
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
};

// Duplicates of `passed` above every descriptor the child will be given, so
// placing one at 3 + i never overwrites another still to be placed.
std::vector<int> RaisedCopies(const std::vector<int>& passed) {
  std::vector<int> copies;
  const int floor = 3 + static_cast<int>(passed.size()) + 3;
  for (int fd : passed) copies.push_back(fcntl(fd, F_DUPFD_CLOEXEC, floor));
  return copies;
}

void PrepareStreams(SpawnSetup& setup, const TaskSpec& launch, const std::vector<int>& passed,
                    bool ownGroup) {
  if (!launch.inheritStdin) {
    posix_spawn_file_actions_addopen(&setup.actions, 0, "/dev/null", O_RDONLY, 0);
  }
  if (!launch.workingDirectory.empty()) {
    posix_spawn_file_actions_addchdir_np(&setup.actions, launch.workingDirectory.c_str());
  }
  if (launch.stdoutFd >= 0) posix_spawn_file_actions_adddup2(&setup.actions, launch.stdoutFd, 1);
  if (launch.stderrFd >= 0) posix_spawn_file_actions_adddup2(&setup.actions, launch.stderrFd, 2);
  for (size_t i = 0; i < passed.size(); ++i) {
    posix_spawn_file_actions_adddup2(&setup.actions, passed[i], 3 + static_cast<int>(i));
  }
#if defined(__APPLE__)
  // With POSIX_SPAWN_CLOEXEC_DEFAULT (set below) everything not named here,
  // or placed by a dup2 above, is closed in the child.
  for (int fd = launch.inheritStdin ? 0 : 1; fd <= 2; ++fd) {
    posix_spawn_file_actions_addinherit_np(&setup.actions, fd);
  }
#else
  // Descriptors the installer itself inherited without close-on-exec must not
  // leak into the child either.
  posix_spawn_file_actions_addclosefrom_np(&setup.actions, 3 + static_cast<int>(passed.size()));
#endif
  // The child starts with default signal handling and an empty mask, whatever
  // the installer's own threads have blocked or ignored.
  sigset_t all, none;
  sigfillset(&all);
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&setup.attributes, &all);
  posix_spawnattr_setsigmask(&setup.attributes, &none);
  short flags = POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK;
#if defined(POSIX_SPAWN_SETSID)
  // A session leader leads its group too, and may not be moved to another.
  if (launch.ownSession) {
    flags |= POSIX_SPAWN_SETSID;
    ownGroup = false;
  }
#else
  // Where spawn cannot start a session, a group of its own at least keeps
  // the signals for ours away from it.
  if (launch.ownSession) ownGroup = true;
#endif
  if (ownGroup) {
    posix_spawnattr_setpgroup(&setup.attributes, 0);
    flags |= POSIX_SPAWN_SETPGROUP;
  }
#if defined(__APPLE__)
  flags |= POSIX_SPAWN_CLOEXEC_DEFAULT;
#endif
  posix_spawnattr_setflags(&setup.attributes, flags);
}

// Whether a waitid report is the child's end: it exited, was killed or
// dumped core. Stops and continues are not ends on any system.
bool ReportsEnd(const siginfo_t& info) {
  return info.si_code == CLD_EXITED || info.si_code == CLD_KILLED || info.si_code == CLD_DUMPED;
}

}  // namespace

int SpawnChild(const std::string& program, std::vector<std::string> arguments,
               const TaskSpec& launch, const std::vector<int>& passed, bool ownGroup, pid_t* pid) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  std::vector<std::string> envStrings;
  std::vector<char*> envp;
  if (launch.environment) {
    for (const auto& [name, value] : *launch.environment) envStrings.push_back(name + "=" + value);
    for (std::string& entry : envStrings) envp.push_back(entry.data());
    envp.push_back(nullptr);
  }

  std::vector<int> copies = RaisedCopies(passed);
  int rc = 0;
  for (int fd : copies) {
    if (fd < 0) rc = errno;
  }
  if (rc == 0) {
    SpawnSetup setup;
    PrepareStreams(setup, launch, copies, ownGroup);
    rc = posix_spawn(pid, program.c_str(), &setup.actions, &setup.attributes, argv.data(),
                     launch.environment ? envp.data() : environ);
  }
  for (int fd : copies) {
    if (fd >= 0) close(fd);
  }
  return rc;
}

Process::~Process() {
  if (lifeline_ >= 0) close(lifeline_);
}

Error LaunchError(const std::string& program, int code) {
  // The system's own words for the cause: no catalogue of ours has them.
  return {Message(VLMR_TRANSLATABLE("Process", "Could not launch %1: %2."),
                  {FileName{program}, std::string(std::strerror(code))})};
}

bool Process::launch(Error* error) {
  std::lock_guard lock(mutex_);
  if (pid_ != 0) {
    if (error != nullptr)
      *error = {Message(VLMR_TRANSLATABLE("Process", "The process was already launched."))};
    return false;
  }
  if (launch_.supervision) return launchSupervised(error);
  std::vector<std::string> arguments = {launch_.executable};
  arguments.insert(arguments.end(), launch_.arguments.begin(), launch_.arguments.end());
  pid_t pid = 0;
  int rc = SpawnChild(launch_.executable, std::move(arguments), launch_, {}, false, &pid);
  if (rc != 0) {
    if (error != nullptr) {
      *error = LaunchError(launch_.executable, rc);
    }
    return false;
  }
  pid_ = pid;
  return true;
}

pid_t Process::pid() {
  std::lock_guard lock(mutex_);
  return pid_;
}

void Process::askToFinish() {
  std::lock_guard lock(mutex_);
  if (lifeline_ >= 0 && !reaped_) SendOnLifeline(lifeline_, kFinishRequest);
}

void Process::finishWithScript() {
  askToFinish();
}

void Process::waitForExit() {
  pid_t child = pid();
  if (child == 0) return;
  askToFinish();
  if (launch_.supervision) {
    superviseUntilExit(child);
    return;
  }
  for (;;) {
    siginfo_t info{};
    if (waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT) != 0) {
      if (errno == EINTR) continue;
      return;  // nothing left to wait for (ECHILD): the reap reports the loss
    }
    if (info.si_pid == child && ReportsEnd(info)) return;
    // Darwin's waitid can report a stopped or continued child although only
    // WEXITED was asked for. Returning then would have the caller block in its
    // reap while holding the lock that Cancel needs to signal the child. Take
    // the report off (it is not an end) and wait again, pausing a moment in
    // case the system keeps handing back the same one.
    siginfo_t taken{};
    waitid(P_PID, static_cast<id_t>(child), &taken, WSTOPPED | WCONTINUED | WNOHANG);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

int Process::waitUntilExit() {
  if (pid() == 0) return -1;
  // Wait without reaping first, so `signalGroupOrProcess` on another thread
  // never races with the reap: an exited child stays a zombie (its id cannot
  // be reused) until we reap it under the lock.
  waitForExit();
  std::unique_lock lock(mutex_);
  if (!reaped_) {
    int status = 0;
    pid_t reaped;
    while ((reaped = waitpid(pid_, &status, 0)) < 0 && errno == EINTR) {
    }
    // A failed wait (ECHILD) leaves `status` at 0, which would read as success.
    status_ = reaped == pid_ ? TerminationStatus(status) : -1;
    reaped_ = true;
    if (lifeline_ >= 0) {
      // Whatever the supervisor wrote back is waiting: it has exited.
      LifelineReports reports = ReadLifelineReports(lifeline_);
      refusing_ = reports.refused;
      // Without its own word the supervisor did not end the build: its
      // status says how the supervisor died, not how the script ended.
      lost_ = !reports.ended;
      if (lost_) status_ = -1;
      close(lifeline_);
    }
    lifeline_ = -1;
    if (lost_) {
      // Outside the lock: ending the group takes a grace period, and a
      // signal asked for meanwhile finds the process reaped and does nothing.
      lock.unlock();
      endLostBuild();
      lock.lock();
    }
  }
  return status_;
}

bool Process::leftRefusingProcesses() {
  std::lock_guard lock(mutex_);
  return refusing_;
}

bool Process::supervisorLost() {
  std::lock_guard lock(mutex_);
  return lost_;
}

bool Process::isRunning() {
  std::lock_guard lock(mutex_);
  if (pid_ == 0 || reaped_) return false;
  siginfo_t info{};
  info.si_pid = 0;
  if (waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0) return false;
  // No report yet, or only a stop or continue (see waitForExit): still running.
  return info.si_pid == 0 || !ReportsEnd(info);
}

void Process::signalGroupOrProcess(int signal) {
  std::lock_guard lock(mutex_);
  if (pid_ == 0 || reaped_) return;
  if (lifeline_ >= 0) {
    // The supervisor delivers it; a supervisor that has just exited leaves
    // the write failing quietly (no SIGPIPE: see MakeLifeline).
    unsigned char number = static_cast<unsigned char>(signal);
    SendOnLifeline(lifeline_, number);
    if (signal == SIGKILL) {
      // It must answer this one at once; a supervisor that does not is
      // ended by the waits, with its build.
      killAsked_ = true;
      auto by = std::chrono::steady_clock::now() + kSupervisorAnswer;
      if (!exitBy_ || by < *exitBy_) exitBy_ = by;
    }
    return;
  }
  // An exited child that we have not reaped yet is a zombie: its id is still
  // ours, so signalling it (or its group) is harmless.
  if (getpgid(pid_) == pid_) {
    killpg(pid_, signal);
  } else {
    kill(pid_, signal);
  }
}

int TerminationStatus(int waitStatus) {
  if (WIFEXITED(waitStatus)) return WEXITSTATUS(waitStatus);
  if (WIFSIGNALED(waitStatus)) return WTERMSIG(waitStatus);
  return waitStatus;
}

bool MakePipe(int fds[2]) {
#if defined(__APPLE__)
  if (pipe(fds) != 0) return false;
  for (int i = 0; i < 2; ++i) fcntl(fds[i], F_SETFD, FD_CLOEXEC);
  return true;
#else
  return pipe2(fds, O_CLOEXEC) == 0;
#endif
}

}  // namespace vlmr
