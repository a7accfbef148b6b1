// A process's name is chosen by whoever started it and may hold ")" and
// spaces: its fields must still be read from after the name, or a build's
// process could be taken for another's child and be missed, or another's
// be signalled.
#include <gtest/gtest.h>

// /proc is Linux's: the Mac finds a build's processes through the system's
// process calls instead.
#if defined(__linux__)
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "platform/process_table.h"

namespace vlmr {
namespace {

TEST(ProcessTable, ANameThatLooksLikeFieldsIsNotReadAsThem) {
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    setpgid(0, 0);
    prctl(PR_SET_NAME, "x) R 1 1 (y", 0, 0, 0);
    (void)!write(ready[1], "1", 1);
    pause();
    _exit(0);
  }
  char byte = 0;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  close(ready[0]);
  close(ready[1]);

  ProcessEntry entry;
  ASSERT_TRUE(ReadProcessEntry(child, &entry));
  EXPECT_EQ(entry.pid, child);
  EXPECT_EQ(entry.parent, getpid());
  EXPECT_EQ(entry.group, child);
  EXPECT_NE(entry.start, 0u);
  const std::vector<ProcessEntry> table = ProcessTable();
  const auto listed = std::find_if(table.begin(), table.end(),
                                   [child](const ProcessEntry& e) { return e.pid == child; });
  ASSERT_NE(listed, table.end());
  EXPECT_EQ(listed->parent, getpid());
  EXPECT_EQ(listed->start, entry.start);

  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_FALSE(ReadProcessEntry(child, &entry)) << "a reaped process reads as gone";
}

}  // namespace
}  // namespace vlmr
#endif
