// The relay that carries a running build's reports from the pipeline's
// threads to the main queue: order, bounded batches, and the end last with
// its report.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "pipeline/build_event_relay.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

using namespace std::chrono_literals;

TEST(BuildEventRelay, KeepsTheOrderInBoundedBatchesAndHandsTheEndOverLastWithItsReport) {
  std::vector<BuildEvent> received;
  size_t largest = 0;
  auto relay = BuildEventRelay::Create([&](std::vector<BuildEvent>& batch) {
    largest = std::max(largest, batch.size());
    for (BuildEvent& event : batch) received.push_back(std::move(event));
  });
  constexpr int kCount = 30000;
  std::thread reader([relay] {
    for (int i = 0; i < kCount; ++i) {
      if (i % 1000 == 0) relay->pushStage(i / 1000, i / 1000 + 1, 30);
      relay->pushLine(std::to_string(i));
    }
  });
  reader.join();
  // As the pipeline does: on the main thread, after the reader.
  BuildReport report;
  report.status = 7;
  report.appPath = "/out/Velmora 3000.app";
  report.outOfSpace = true;
  relay->pushFinish(report);
  using Ended = std::unique_ptr<const BuildReport>;
  ASSERT_TRUE(test::MainQueue().pumpFor(
      [&] { return !received.empty() && std::holds_alternative<Ended>(received.back()); }, 10s));

  ASSERT_EQ(received.size(), size_t(kCount + kCount / 1000 + 1));
  const Ended& ended = std::get<Ended>(received.back());
  ASSERT_NE(ended, nullptr);
  EXPECT_EQ(ended->status, 7);
  EXPECT_EQ(ended->appPath, report.appPath);
  EXPECT_TRUE(ended->outOfSpace);
  int next = 0;
  for (size_t i = 0; i + 1 < received.size(); ++i) {
    if (const auto* change = std::get_if<BuildStageChange>(&received[i])) {
      EXPECT_EQ(change->stage, next / 1000);
      EXPECT_EQ(change->number, next / 1000 + 1);
      EXPECT_EQ(change->total, 30);
      continue;
    }
    const auto* line = std::get_if<std::string>(&received[i]);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(*line, std::to_string(next++));
  }
  EXPECT_EQ(next, kCount);
  EXPECT_LE(largest, BuildEventRelay::kMaxEventsPerBatch);
  // Many reports, few main-queue turns.
  EXPECT_GT(largest, size_t{1});
}

}  // namespace
}  // namespace vlmr
