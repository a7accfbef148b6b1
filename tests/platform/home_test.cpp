#include <gtest/gtest.h>

#include "platform/home.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

TEST(HomePath, AppendsToHomeWithoutExpansion) {
  test::ScopedHome home("/tmp/someone");
  EXPECT_EQ(HomePath("Library/Logs/x.log"), "/tmp/someone/Library/Logs/x.log");
  EXPECT_EQ(HomePath("~/a"), "/tmp/someone/~/a");
}

}  // namespace
}  // namespace vlmr
