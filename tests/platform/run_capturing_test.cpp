#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <string>

#include "platform/run_capturing.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

using test::TempDir;
using test::WriteFile;

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

}  // namespace
}  // namespace vlmr
