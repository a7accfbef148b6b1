// The live run's output path: 2,000,000 compiler-like lines through the
// reader, the line splitting, the log and the line event, against `cat`
// moving the same bytes through a pipe. Each side is timed five times and
// the best run counts: the reference takes only a tenth of a second, so one
// slow turn on a busy machine would swing a median. Also reports the memory
// the run holds.
#include <atomic>

#include "bench/bench_support.h"
#include "pipeline/pipeline.h"
#include "platform/bundle.h"
#include "platform/pumped_queue.h"
#include "platform/supervision.h"
#include "platform/system_tools.h"

using namespace vlmr::bench;

int main() {
  Scratch scratch;
  std::string output = scratch / "output.txt";
  {
    std::ofstream out(output, std::ios::binary);
    char line[160];
    for (int i = 0; i < 2000000; ++i) {
      int n = std::snprintf(
          line, sizeof line,
          "[%7d/2000000] Building CXX object src/engine/CMakeFiles/obj%d.dir/unit%d.cpp.o\n", i + 1,
          i % 97, i);
      out.write(line, n);
    }
  }
  std::string resources = scratch / "Resources";
  std::filesystem::create_directories(resources + "/src/tools");
  std::ofstream(resources + "/src/tools/package_app.sh") << "cat " << Quote(output) << "\n";
  setenv("HOME", (scratch / "home").c_str(), 1);
  vlmr::SetResourceDirectoryForTesting(resources);
  // The stand-in tools from the source tree; the supervisor, built, beside the bench.
  vlmr::SystemTools tools = vlmr::SystemTools::ForPlatform(VLMR_BENCH_SOURCE_DIR "/platform/linux");
  tools.supervisor = vlmr::HelpersDirectory() + "/" + vlmr::kSupervisorName;
  vlmr::SetTools(tools);
  vlmr::PumpedMainQueue queue;
  vlmr::SetMainQueue(&queue);

  std::string self = std::to_string(getpid());
  long rssBefore = StatusKiB(self, "VmRSS");
  long peakBefore = StatusKiB(self, "VmHWM");
  std::vector<double> ours, reference;
  for (int round = 0; round < 5; ++round) {
    // A fresh installer log each round; the sources are unpacked before the clock starts.
    std::filesystem::remove_all(scratch / "home/Library/Logs");
    std::atomic<long> lines{0};
    bool done = false;
    vlmr::BuildEvents events;
    events.line = [&](const std::string&) { lines.fetch_add(1, std::memory_order_relaxed); };
    events.ended = [&](const vlmr::BuildReport&) { done = true; };
    auto pipeline =
        vlmr::Pipeline::Create(vlmr::BuildRequest{"/x/setup.exe", scratch / "out"}, events);
    if (!pipeline->prepareSources()) std::abort();
    ours.push_back(Seconds([&] {
      if (!pipeline->run()) std::abort();
      queue.pumpFor([&] { return done; }, std::chrono::minutes(5));
    }));
    if (lines.load() != 2000000) {
      std::printf("lost lines: %ld\n", lines.load());
      std::exit(1);
    }
    reference.push_back(Seconds([&] { Shell("cat " + Quote(output) + " | cat > /dev/null"); }));
  }
  long peakAfter = StatusKiB(self, "VmHWM");
  double best = *std::min_element(ours.begin(), ours.end());
  double bestReference = *std::min_element(reference.begin(), reference.end());
  std::printf("through the pipeline %.3f s, cat through a pipe %.3f s (best of 5)\n", best,
              bestReference);
  std::printf("resident memory at start %.1f MB; peak %.1f MB; growth %.1f MB (goal < 16 MB)\n",
              rssBefore / 1024.0, peakAfter / 1024.0,
              (peakAfter - std::max(rssBefore, peakBefore)) / 1024.0);
  PrintRatio(best / bestReference, 3);
  return 0;
}
