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
    const auto* line = std::get_if<BuildOutputLine>(&received[i]);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text, std::to_string(next++));
    EXPECT_EQ(line->wholeBytes, 0u);
  }
  EXPECT_EQ(next, kCount);
  EXPECT_LE(largest, BuildEventRelay::kMaxEventsPerBatch);
  // Many reports, few main-queue turns.
  EXPECT_GT(largest, size_t{1});
}

// A flood the main thread cannot keep up with costs bounded memory: the
// oldest waiting reports go, the newest and the end arrive, and a line too
// long to lay out arrives cut at a character's edge with its whole length.
TEST(BuildEventRelay, FloodKeepsTheNewestReportsAndCutsOverlongLines) {
  std::vector<BuildEvent> received;
  auto relay = BuildEventRelay::Create([&](std::vector<BuildEvent>& batch) {
    for (BuildEvent& event : batch) received.push_back(std::move(event));
  });
  constexpr int kCount = 200000;
  for (int i = 0; i < kCount; ++i) relay->pushLine(std::to_string(i));
  std::string euros;
  for (int i = 0; i < 1000000; ++i) euros += "\u20ac";  // 3 bytes each
  relay->pushLine(euros);
  relay->pushFinish(BuildReport{});
  using Ended = std::unique_ptr<const BuildReport>;
  ASSERT_TRUE(test::MainQueue().pumpFor(
      [&] { return !received.empty() && std::holds_alternative<Ended>(received.back()); }, 10s));
  ASSERT_GE(received.size(), size_t{3});
  EXPECT_LE(received.size(), BuildEventRelay::kMaxWaitingEvents + 1);
  // Every report before the end is a line.
  std::vector<BuildOutputLine> lines;
  for (size_t i = 0; i + 1 < received.size(); ++i) {
    const auto* line = std::get_if<BuildOutputLine>(&received[i]);
    ASSERT_NE(line, nullptr) << i;
    lines.push_back(*line);
  }
  const BuildOutputLine& cut = lines.back();
  EXPECT_EQ(cut.wholeBytes, euros.size());
  EXPECT_EQ(cut.text.size(), BuildEventRelay::kMaxShownLineBytes / 3 * 3);
  EXPECT_EQ(cut.text, euros.substr(0, cut.text.size()));
  EXPECT_EQ(lines[lines.size() - 2].text, std::to_string(kCount - 1));
  // What arrives is the newest stretch, in order.
  for (size_t i = 1; i + 1 < lines.size(); ++i) {
    ASSERT_EQ(std::stoi(lines[i].text), std::stoi(lines[i - 1].text) + 1);
  }
}

}  // namespace
}  // namespace vlmr
