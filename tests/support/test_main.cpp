#include <gtest/gtest.h>

#include "platform/queues.h"
#include "tests/support/test_support.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  vlmr::SetMainQueue(&vlmr::test::MainQueue());
  return RUN_ALL_TESTS();
}
