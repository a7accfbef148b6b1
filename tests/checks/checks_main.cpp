#include <gtest/gtest.h>

#include "platform/queues.h"
#include "tests/checks/checks_support.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  vlmr::SetMainQueue(&vlmr::checks_test::MainQueue());
  return RUN_ALL_TESTS();
}
