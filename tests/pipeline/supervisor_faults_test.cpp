// A build whose supervisor is hit from outside (killed alone, stopped, or not
// answering), a script that cleans up on SIGTERM, a terminal that stops
// background writers, and a daemon left holding the output.
#include "platform/installer_log.h"
#include "platform/supervision.h"
#include "tests/pipeline/build_life_fixture.h"

namespace vlmr {
namespace {

// The parent of `pid` as /proc tells it, 0 when it cannot be read.
pid_t ParentOf(pid_t pid) {
  std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
  size_t close = stat.rfind(')');
  char state = 0;
  int ppid = 0;
  if (close == std::string::npos ||
      std::sscanf(stat.c_str() + close + 1, " %c %d", &state, &ppid) != 2)
    return 0;
  return ppid;
}

class SupervisorFaults : public BuildLife {
 protected:
  std::string pgidFile() const { return state_ / "pgid"; }
  // A script that records its group, then runs until it is ended (a minute
  // at most, should a failed test leave it).
  std::string recordedRunner(const std::string& extra = "") const {
    return extra + "echo $$ > '" + pgidFile() +
           "'\nn=0; while [ $n -lt 600 ]; do sleep 0.1 & wait $!; n=$((n + 1)); done\n";
  }
  std::string log() { return ReadFile(home_ / "Library/Logs/Velmora 3000/installer.log"); }
};

// A script that resets its trap on SIGTERM and cleans up gets to finish its
// cleanup, however the build is ended: each process of the group gets one
// SIGTERM, then the grace period, then SIGKILL.
TEST_F(SupervisorFaults, ScriptCleaningUpOnTermFinishesItsCleanup) {
  const std::string cleaning =
      "mkdir -p \"$4/.partial\"\n"
      "trap 'trap - TERM; sleep 0.2; rm -rf \"$4/.partial\"; exit 143' TERM\n";
  enum class End { InstallerKilled, CliTerminated, Cancel, Quit };
  const std::pair<const char*, End> ends[] = {{"the installer killed", End::InstallerKilled},
                                              {"--cli sent SIGTERM", End::CliTerminated},
                                              {"Cancel", End::Cancel},
                                              {"quit", End::Quit}};
  for (const auto& [name, end] : ends) {
    // A second signal is merged with the first when both are pending at
    // once: a few rounds catch it.
    for (int round = 0; round < 3; ++round) {
      SCOPED_TRACE(std::string(name) + ", round " + std::to_string(round));
      fs::remove(pgidFile());
      fs::remove_all(state_ / "out");
      finished_.reset();
      std::shared_ptr<Pipeline> pipeline;
      pid_t cli = 0;
      if (end == End::InstallerKilled || end == End::CliTerminated) {
        script(recordedRunner(cleaning));
        cli = launchCli(state_ / "out");
      } else {
        pipeline = preparedPipeline(recordedRunner(cleaning));
        ASSERT_TRUE(pipeline->run());
      }
      pid_t pgid = WaitForNumber(pgidFile());
      ASSERT_GT(pgid, 0) << ReadFile(state_ / "cli.log");
      ASSERT_TRUE(fs::exists(state_ / "out/.partial"));
      std::this_thread::sleep_for(100ms);
      switch (end) {
        case End::InstallerKilled:
          kill(cli, SIGKILL);
          break;
        case End::CliTerminated:
          kill(cli, SIGTERM);
          break;
        case End::Cancel:
          pipeline->cancel();
          ASSERT_TRUE(MainQueue().pumpFor([this] { return finished().has_value(); }, 15s));
          break;
        case End::Quit:
          pipeline->stopBeforeQuit();
          break;
      }
      if (cli != 0) {
        ASSERT_TRUE(waitRaw(cli));
      }
      EXPECT_TRUE(EventuallyNoLiveMembers(pgid, 8s));
      EXPECT_FALSE(fs::exists(state_ / "out/.partial")) << "the cleanup was cut short";
    }
  }
}

// The supervisor killed alone: the installer ends the script's group itself
// before it lets the folders go, and reports a failure, never the exit of the
// supervisor as the script's.
TEST_F(SupervisorFaults, SupervisorKilledAloneEndsTheBuildAsAFailure) {
  // Holds out a while against SIGTERM, so the folders must stay locked, and
  // has a descendant that left its group before the installer looked, and
  // one that leaves it only once the group has been sent SIGTERM.
  const std::string strays = state_ / "strays";
  const std::string body = recordedRunner(
      "trap 'setsid sleep 60 & echo $! >> \"" + strays + "\"; sleep 0.5; exit 1' TERM\n" +
      "setsid sleep 60 & echo $! >> '" + strays + "'\n");
  for (bool window : {false, true}) {
    SCOPED_TRACE(window ? "window" : "--cli");
    fs::remove(pgidFile());
    fs::remove(strays);
    finished_.reset();
    std::shared_ptr<Pipeline> pipeline;
    pid_t cli = 0;
    if (window) {
      pipeline = preparedPipeline(body);
      ASSERT_TRUE(pipeline->run());
    } else {
      script(body);
      cli = launchCli(state_ / "out");
    }
    pid_t pgid = WaitForNumber(pgidFile());
    ASSERT_GT(pgid, 0) << ReadFile(state_ / "cli.log");
    pid_t supervisor = ParentOf(pgid);
    ASSERT_GT(supervisor, 1);
    kill(supervisor, SIGKILL);
    if (window) {
      ASSERT_TRUE(MainQueue().pumpFor([this] { return finished().has_value(); }, 15s));
      EXPECT_EQ(finished(), -1);
      EXPECT_TRUE(pipeline->report().supervisorLost);
    } else {
      std::optional<int> raw = waitRaw(cli);
      ASSERT_TRUE(raw);
      EXPECT_TRUE(WIFEXITED(*raw) && WEXITSTATUS(*raw) == 1) << *raw;
      EXPECT_NE(
          ReadFile(state_ / "cli.log").find("error: the build's supervisor ended unexpectedly"),
          std::string::npos)
          << ReadFile(state_ / "cli.log");
    }
    // The end came only once the group, and what left it, was gone.
    EXPECT_EQ(LiveMembers(pgid), 0);
    EXPECT_TRUE(LiveListed(strays).empty()) << "left running: " << ReadFile(strays);
    EXPECT_NE(log().find(kSupervisorLostLogLine), std::string::npos);
    EXPECT_TRUE(EventuallyUnlocked(state_ / "out", 2s));
  }
}

// A stopped supervisor holds nothing up: the script's end, a signal to the
// headless build and Cancel all end the build in time.
TEST_F(SupervisorFaults, StoppedSupervisorHoldsNothingUp) {
  enum class End { ScriptEnds, CliTerminated, Cancel };
  const std::pair<const char*, End> ends[] = {{"the script ends", End::ScriptEnds},
                                              {"--cli sent SIGTERM", End::CliTerminated},
                                              {"Cancel", End::Cancel}};
  for (const auto& [name, end] : ends) {
    SCOPED_TRACE(name);
    fs::remove(pgidFile());
    fs::remove(state_ / "go");
    finished_.reset();
    const std::string body =
        end == End::ScriptEnds ? "echo $$ > '" + pgidFile() + "'\nwhile [ ! -e '" + state_ / "go" +
                                     "' ]; do sleep 0.05; done\necho \"##done $4/app\"\n"
                               : recordedRunner();
    std::shared_ptr<Pipeline> pipeline;
    pid_t cli = 0;
    if (end == End::CliTerminated) {
      script(body);
      cli = launchCli(state_ / "out");
    } else {
      pipeline = preparedPipeline(body);
      ASSERT_TRUE(pipeline->run());
    }
    pid_t pgid = WaitForNumber(pgidFile());
    ASSERT_GT(pgid, 0);
    pid_t supervisor = ParentOf(pgid);
    ASSERT_GT(supervisor, 1);
    kill(supervisor, SIGSTOP);
    auto started = Clock::now();
    if (end == End::CliTerminated) {
      kill(cli, SIGTERM);
      std::optional<int> raw = waitRaw(cli, 15s);
      ASSERT_TRUE(raw) << "the headless build did not end";
      EXPECT_TRUE(WIFSIGNALED(*raw) && WTERMSIG(*raw) == SIGTERM) << *raw;
    } else {
      if (end == End::ScriptEnds) WriteFile(state_ / "go", "");
      if (end == End::Cancel) pipeline->cancel();
      ASSERT_TRUE(MainQueue().pumpFor([this] { return finished().has_value(); }, 15s));
      EXPECT_EQ(finished(), end == End::ScriptEnds ? 0 : SIGTERM);
    }
    EXPECT_LT(Clock::now() - started, 10s);
    EXPECT_TRUE(EventuallyNoLiveMembers(pgid));
    kill(supervisor, SIGKILL);  // harmless once it is gone
  }
}

// A supervisor that answers nothing at all (here a stand-in that starts the
// script and then ignores its lifeline and every signal it may ignore) is
// killed once SIGKILL has gone unanswered, and the installer ends the
// script's group itself.
TEST_F(SupervisorFaults, SupervisorNotAnsweringIsKilledWithItsBuild) {
  const std::string deaf = state_ / "deaf-supervisor";
  WriteFile(
      deaf,
      "#!/usr/bin/python3\n"
      "import os, signal, struct, subprocess, sys, time\n"
      "for s in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP): signal.signal(s, signal.SIG_IGN)\n"
      "child = subprocess.Popen(sys.argv[4:], process_group=0, close_fds=True,\n"
      "    preexec_fn=lambda: [signal.signal(s, signal.SIG_DFL) for s in (signal.SIGTERM, "
      "signal.SIGINT, signal.SIGHUP)])\n"
      "os.write(4, struct.pack('ii', 0, child.pid)); os.close(4)\n"
      "while True: time.sleep(1)\n",
      true);
  TaskSpec task{
      "/bin/sh", {"-c", "echo $$ > '" + pgidFile() + "'; trap '' TERM; sleep 60"}, std::nullopt};
  task.supervision = Supervision{deaf, {}};
  Process process(std::move(task));
  Error error;
  ASSERT_TRUE(process.launch(&error)) << error.message.english();
  pid_t pgid = WaitForNumber(pgidFile());
  ASSERT_GT(pgid, 0);
  std::thread waiter([&] {
    std::this_thread::sleep_for(100ms);
    process.signalGroupOrProcess(SIGTERM);
    process.signalGroupOrProcess(SIGKILL);
  });
  auto started = Clock::now();
  int status = process.waitUntilExit();
  waiter.join();
  EXPECT_EQ(status, -1);
  EXPECT_TRUE(process.supervisorLost());
  EXPECT_LT(Clock::now() - started, 6s);
  EXPECT_EQ(LiveMembers(pgid), 0);
}

// Under a terminal with `stty tostop` the headless build runs to its end as
// it does without: neither the supervisor nor the script is a background
// group of the terminal, which would be stopped on its first write.
TEST_F(SupervisorFaults, TerminalWithTostopDoesNotStopTheBuild) {
  script("echo writing to the terminal; echo \"##done $4/app\"; exit 4\n");
  const std::string runner = state_ / "tty-runner.py";
  WriteFile(runner,
            "import os, pty, subprocess, sys, termios, time\n"
            "pid, fd = pty.fork()\n"
            "if pid == 0:\n"
            "    attrs = termios.tcgetattr(0); attrs[3] |= termios.TOSTOP\n"
            "    termios.tcsetattr(0, termios.TCSANOW, attrs)\n"
            "    os.execv(sys.argv[1], sys.argv[1:])\n"
            "out = b''\n"
            "while True:\n"
            "    try: chunk = os.read(fd, 4096)\n"
            "    except OSError: break\n"
            "    if not chunk: break\n"
            "    out += chunk\n"
            "_, status = os.waitpid(pid, 0)\n"
            "sys.stdout.write(out.decode(errors='replace'))\n"
            "sys.exit(os.waitstatus_to_exitcode(status))\n");
  std::string command =
      "cd / && HOME='" + home_.path() + "' timeout -s KILL 20 /usr/bin/python3 '" + runner + "' '" +
      executable() + "' --cli --installer '" + installer_ + "' --out '" +
      std::string(state_ / "out") + "' > '" + std::string(state_ / "tty.log") + "' 2>&1";
  int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 4) << ReadFile(state_ / "tty.log");
  EXPECT_NE(ReadFile(state_ / "tty.log").find("writing to the terminal"), std::string::npos);
}

// A window build whose script leaves a daemon holding the output ends when
// the script does, as the headless build does, and takes the daemon along.
TEST_F(SupervisorFaults, DaemonLeftBehindDoesNotHoldTheWindowBuild) {
  const std::string strays = state_ / "strays";
  auto pipeline = preparedPipeline("setsid sleep 300 & echo $! >> '" + strays +
                                   "'\nmkdir -p \"$4/app\"; echo \"##done $4/app\"; exit 0\n");
  ASSERT_TRUE(pipeline->run());
  ASSERT_GT(WaitForNumber(strays), 0);
  auto started = Clock::now();
  ASSERT_TRUE(MainQueue().pumpFor([this] { return finished().has_value(); }, 15s));
  EXPECT_LT(Clock::now() - started, 4s);
  EXPECT_EQ(finished(), 0);
  EXPECT_TRUE(EventuallyNoneListedAlive(strays)) << "left running: " << ReadFile(strays);
}

}  // namespace
}  // namespace vlmr
