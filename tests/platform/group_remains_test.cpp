// How the supervisor judges what is left of a build's process group where it
// cannot follow the build's descendants (the Mac): a group whose remaining
// members refuse our signals must not keep it sweeping, and holding the
// build's folders, forever.
#include <gtest/gtest.h>

#include <cerrno>

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

}  // namespace
}  // namespace vlmr::supervisor
