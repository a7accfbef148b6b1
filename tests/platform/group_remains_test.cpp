// How the supervisor judges what is left of a build where it cannot adopt the
// build's descendants (the Mac): a group whose remaining members refuse our
// signals must not keep it sweeping, and holding the build's folders, forever;
// a process that left the group is found through the family tree while its
// parents live, and keeps the build's folders held.
#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <utility>
#include <vector>

#include "platform/supervisor/descendant_walk.h"
#include "platform/supervisor/descendants.h"

namespace vlmr::supervisor {
namespace {

int gAnswer = 0;  // the errno a fake signaller fails with; 0: it succeeds

int FakeSignalGroup(pid_t, int) {
  if (gAnswer == 0) return 0;
  errno = gAnswer;
  return -1;
}

TEST(GroupRemains, RefusingMembersAreToldApartFromLiveAndGoneOnes) {
  struct Case {
    bool scriptReaped;
    int answer;
    BuildRemains expected;
  } cases[] = {
      {false, ESRCH, BuildRemains::Running},  // the script itself is not reaped yet
      {true, 0, BuildRemains::Running},       // a member we may signal is left
      {true, ESRCH, BuildRemains::Gone},
      {true, EPERM, BuildRemains::Refusing},  // only members that refuse us are left
      {true, EINVAL, BuildRemains::Running},  // an answer we cannot read ends nothing
  };
  for (const Case& c : cases) {
    gAnswer = c.answer;
    EXPECT_EQ(GroupRemains(4242, c.scriptReaped, FakeSignalGroup), c.expected)
        << "reaped " << c.scriptReaped << ", errno " << c.answer;
  }
}

TEST(GroupRemains, AnEmptyRealGroupIsGone) {
  // No process leads or belongs to group 2^22 + 1 on any system we run on.
  EXPECT_EQ(GroupRemains((1 << 22) + 1, true), BuildRemains::Gone);
}

// A family tree as the system's lister would report it, with the oddities a
// live system allows: a reused id naming an ancestor or itself, a process
// listed under two parents, ids that are no process.
std::vector<pid_t> FakeChildren(pid_t parent) {
  static const std::map<pid_t, std::vector<pid_t>> tree = {
      {100, {101, 102}},       // the supervisor: the script and a helper
      {101, {103, 100, 101}},  // the script; 103 left its group with setsid
      {103, {104, 102}},       // 104: a daemon of the daemon
      {104, {-1, 0}},
  };
  auto found = tree.find(parent);
  return found == tree.end() ? std::vector<pid_t>{} : found->second;
}

std::vector<std::pair<pid_t, int>> gSignalled;
std::map<pid_t, int> gAnswers;  // errno per process; missing: it may be signalled

// 101 leads the script's group and 102 is in it; 103 and 104 left it.
pid_t FakeGroupOf(pid_t pid) {
  return pid == 101 || pid == 102 ? 101 : pid;
}

int FakeKill(pid_t pid, int signal) {
  gSignalled.emplace_back(pid, signal);
  auto answer = gAnswers.find(pid);
  if (answer == gAnswers.end()) return 0;
  errno = answer->second;
  return -1;
}

TEST(WalkDescendants, EveryGenerationOnceAndNeverTheRoot) {
  EXPECT_EQ(WalkDescendants(100, FakeChildren), (std::vector<pid_t>{101, 102, 103, 104}));
  EXPECT_EQ(WalkDescendants(104, FakeChildren), std::vector<pid_t>{});
  gSignalled.clear();
  gAnswers.clear();
  // The group had its signal: only what left it gets one here, once.
  SignalDescendants(100, SIGTERM, 101, FakeChildren, FakeKill, FakeGroupOf);
  EXPECT_EQ(gSignalled, (std::vector<std::pair<pid_t, int>>{{103, SIGTERM}, {104, SIGTERM}}));
}

TEST(DescendantsRemain, OneLiveDescendantKeepsTheBuildAndRefusersAloneDoNot) {
  const struct {
    std::map<pid_t, int> answers;
    BuildRemains expected;
  } cases[] = {
      {{}, BuildRemains::Running},
      {{{101, ESRCH}, {102, ESRCH}, {103, ESRCH}, {104, ESRCH}}, BuildRemains::Gone},
      // Only the daemon that left the group is left: the build is not over.
      {{{101, ESRCH}, {102, ESRCH}, {104, ESRCH}}, BuildRemains::Running},
      {{{101, ESRCH}, {102, EPERM}, {103, ESRCH}, {104, EPERM}}, BuildRemains::Refusing},
      {{{101, ESRCH}, {102, EINVAL}, {103, ESRCH}, {104, ESRCH}}, BuildRemains::Running},
  };
  for (const auto& c : cases) {
    gAnswers = c.answers;
    EXPECT_EQ(DescendantsRemain(100, FakeChildren, FakeKill), c.expected)
        << "answers " << c.answers.size();
  }
  EXPECT_EQ(DescendantsRemain(104, FakeChildren, FakeKill), BuildRemains::Gone);
}

}  // namespace
}  // namespace vlmr::supervisor
