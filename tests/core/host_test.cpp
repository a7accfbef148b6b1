#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "base/files.h"
#include "base/text.h"
#include "pipeline/host.h"
#include "platform/process.h"
#include "tests/core/test_support.h"

namespace vlmr {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(Trimmed, RemovesTheWholeUnicodeWhitespaceClassAtBothEndsOnly) {
  struct Case {
    std::string input, expected;
  } cases[] = {
      {"  \n", ""},
      {"  two words  ", "two words"},
      {"\t\v\f\r\nx\r\n", "x"},
      {"\u00a0\u2028x y\u2029\u0085\u3000", "x y"},
      {"\u2000\u200a\u202f\u205f\u1680id", "id"},
      {"a\u00a0b", "a\u00a0b"},                              // inside stays
      {"\u200bzero-width\u200b", "\u200bzero-width\u200b"},  // not whitespace
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Trimmed(c.input), c.expected) << c.input;
}

TEST(FileTests, FollowAFinalSymlinkAndTreatADanglingOneAsNothing) {
  TempDir dir;
  WriteFile(dir / "file", "x");
  mkdir((dir / "folder").c_str(), 0755);
  symlink((dir / "folder").c_str(), (dir / "to-folder").c_str());
  symlink((dir / "file").c_str(), (dir / "to-file").c_str());
  symlink((dir / "gone").c_str(), (dir / "dangling").c_str());
  mkfifo((dir / "fifo").c_str(), 0644);
  struct Case {
    const char* name;
    bool isFile, isDirectory, exists;
  } cases[] = {{"file", true, false, true},      {"folder", false, true, true},
               {"to-folder", false, true, true}, {"to-file", true, false, true},
               {"dangling", false, false, true}, {"fifo", true, false, true},
               {"missing", false, false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsFile(dir / c.name), c.isFile) << c.name;
    EXPECT_EQ(IsDirectory(dir / c.name), c.isDirectory) << c.name;
    EXPECT_EQ(ItemExists(dir / c.name), c.exists) << c.name;  // the link itself counts
  }
  EXPECT_FALSE(IsFile(std::nullopt));
  EXPECT_FALSE(IsDirectory(std::nullopt));
}

TEST(HomePath, AppendsToHomeWithoutExpansion) {
  test::ScopedHome home("/tmp/someone");
  EXPECT_EQ(HomePath("Library/Logs/x.log"), "/tmp/someone/Library/Logs/x.log");
  EXPECT_EQ(HomePath("~/a"), "/tmp/someone/~/a");
}

TEST(RunCapturing, MissingToolGivesMinusOneAndLeavesOutputUnwritten) {
  std::string output = "untouched";
  EXPECT_EQ(RunCapturing("/nonexistent/tool", {}, &output), -1);
  EXPECT_EQ(output, "untouched");
  TempDir dir;
  WriteFile(dir / "not-executable", "#!/bin/sh\n");
  EXPECT_EQ(RunCapturing(dir / "not-executable", {}, &output), -1);
  EXPECT_EQ(output, "untouched");
}

TEST(RunCapturing, JoinsStreamsDecodesLatin1AndReportsStatusOrSignal) {
  struct Case {
    std::string script;
    int status;
    std::string output;
  } cases[] = {
      {"echo out; echo err >&2; exit 4", 4, "out\nerr"},
      {"echo only-stderr >&2", 0, "only-stderr"},
      {"printf 'caf\\xe9\\n'", 0, "caf\u00e9"},
      {"printf '  padded  \\n\\n'", 0, "padded"},
      {"true", 0, ""},
      {"kill -9 $$", 9, ""},
      {"read line; echo \"$?[$line]\"", 0, "1[]"},  // stdin is the null device
  };
  for (const Case& c : cases) {
    std::string output = "?";
    EXPECT_EQ(RunCapturing("/bin/bash", {"-c", c.script}, &output), c.status) << c.script;
    EXPECT_EQ(output, c.output) << c.script;
  }
}

TEST(RunCapturing, MoreOutputThanAPipeHoldsDoesNotStall) {
  std::string output;
  // 1 MiB, far above a pipe's 64 KiB, written before the tool exits.
  EXPECT_EQ(RunCapturing("/bin/bash", {"-c", "head -c 1048576 /dev/zero | tr '\\0' x"}, &output),
            0);
  EXPECT_EQ(output.size(), 1048576u);
}

TEST(RunCapturing, ChildDoesNotInheritOurOtherDescriptors) {
  // A descriptor the installer holds without close-on-exec must not leak.
  int leaky = open("/dev/null", O_RDONLY);
  ASSERT_GE(leaky, 3);
  // bash answers /dev/fd/N from the descriptor itself, on every system.
  std::string probe = "for fd in 0 1 2 " + std::to_string(leaky) +
                      "; do [ -e /dev/fd/$fd ] && printf '%s ' $fd; done; true";
  std::string output;
  EXPECT_EQ(RunCapturing("/bin/bash", {"-c", probe}, &output), 0);
  close(leaky);
  EXPECT_EQ(output, "0 1 2");
}

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

TEST(Utf8, ValidationAndBoundaries) {
  EXPECT_TRUE(IsValidUtf8("plain \u00e9 \u20ac \U0001F600"));
  for (const char* bad : {"\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe2\x82", "\xff"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  }
  std::string euro = "ab\u20ac";  // 2 + 3 bytes
  EXPECT_EQ(Utf8BoundaryAtOrBefore(euro, 3), 2u);
  EXPECT_EQ(Utf8BoundaryAtOrBefore(euro, 5), 5u);
  EXPECT_EQ(Latin1ToUtf8("\xe9"), "\u00e9");
}

}  // namespace
}  // namespace vlmr
