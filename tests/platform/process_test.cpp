#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "platform/process.h"
#include "platform/run_capturing.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

using test::TempDir;

TEST(Process, StandardInputIsTheNullDeviceUnlessInherited) {
  TempDir dir;
  // Our own standard input for the length of the test: a pipe holding a line.
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  ASSERT_EQ(write(fds[1], "typed\ntyped\n", 12), 12);
  close(fds[1]);
  int saved = dup(0);
  dup2(fds[0], 0);
  close(fds[0]);
  for (bool inherit : {false, true}) {
    std::string out = dir / (inherit ? "inherited" : "null");
    TaskSpec launch;
    launch.executable = "/bin/bash";
    launch.arguments = {"-c", "read -r x; printf '%s' \"$x\" > '" + out + "'"};
    launch.inheritStdin = inherit;
    Process process(std::move(launch));
    ASSERT_TRUE(process.launch(nullptr));
    process.waitUntilExit();
    EXPECT_EQ(test::ReadFile(out), inherit ? "typed" : "") << inherit;
  }
  dup2(saved, 0);
  close(saved);
}

TEST(Process, StoppedChildIsStillRunningAndCanBeSignalled) {
  // A child that stops itself has not ended: the wait must not return for the
  // stop (nor for the continue), and while it waits, asking whether the child
  // runs and signalling it (as Cancel does) must not block behind the wait.
  TaskSpec launch;
  launch.executable = "/bin/sh";
  launch.arguments = {"-c", "kill -STOP $$; exit 7"};
  Process process(std::move(launch));
  ASSERT_TRUE(process.launch(nullptr));
  const pid_t pid = process.pid();
  std::atomic<int> status{-100};
  std::thread waiter([&] { status = process.waitUntilExit(); });

  bool stopped = false;
  for (int i = 0; i < 500 && !stopped; ++i) {
    std::string state;
    RunCapturing("/bin/ps", {"-o", "state=", "-p", std::to_string(pid)}, &state);
    stopped = !state.empty() && state[0] == 'T';
    if (!stopped) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(stopped) << "the child never stopped";
  // Time for a wait that takes the stop for an end to return and block in its reap.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(status.load(), -100) << "the wait returned while the child was stopped";

  auto poke = std::async(std::launch::async, [&] {
    bool running = process.isRunning();
    process.signalGroupOrProcess(SIGCONT);
    return running;
  });
  if (poke.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    ADD_FAILURE() << "asking about or signalling the stopped child blocked";
    kill(pid, SIGCONT);
  }
  EXPECT_TRUE(poke.get());
  waiter.join();
  EXPECT_EQ(status.load(), 7);
}

}  // namespace
}  // namespace vlmr
