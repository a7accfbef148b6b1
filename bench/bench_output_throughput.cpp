// The live run's output path: 2,000,000 compiler-like lines through the
// reader, the line splitting, the log and onLine, against `cat` moving the
// same bytes through a pipe. Also reports the memory the run holds.
#include <atomic>

#include "bench/bench_support.h"
#include "pipeline/pipeline.h"
#include "platform/bundle.h"
#include "platform/pumped_queue.h"
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
  std::filesystem::create_directories(scratch / "src/tools");
  std::ofstream(scratch / "src/tools/package_app.sh") << "cat " << Quote(output) << "\n";
  setenv("HOME", (scratch / "home").c_str(), 1);
  vlmr::SetTools(vlmr::SystemTools::ForPlatform(vlmr::HelpersDirectory()));
  vlmr::PumpedMainQueue queue;
  vlmr::SetMainQueue(&queue);

  std::string self = std::to_string(getpid());
  long rssBefore = StatusKiB(self, "VmRSS");
  long peakBefore = StatusKiB(self, "VmHWM");
  std::vector<double> ours, reference;
  for (int round = 0; round < 3; ++round) {
    std::filesystem::remove_all(scratch / "home");
    ours.push_back(Seconds([&] {
      auto pipeline = vlmr::Pipeline::Create();
      pipeline->srcRoot = scratch / "src";
      pipeline->installerPath = "/x/setup.exe";
      pipeline->stageDir = scratch / "out";
      std::atomic<long> lines{0};
      bool done = false;
      pipeline->onLine = [&](const std::string&) { lines.fetch_add(1, std::memory_order_relaxed); };
      pipeline->onFinish = [&](int32_t) { done = true; };
      if (!pipeline->startWithError(nullptr)) std::abort();
      queue.pumpFor([&] { return done; }, std::chrono::minutes(5));
      if (lines.load() != 2000000) {
        std::printf("lost lines: %ld\n", lines.load());
        std::exit(1);
      }
    }));
    reference.push_back(Seconds([&] { Shell("cat " + Quote(output) + " | cat > /dev/null"); }));
  }
  long peakAfter = StatusKiB(self, "VmHWM");
  std::printf("through the pipeline %.3f s, cat through a pipe %.3f s (medians of 3)\n",
              Median(ours), Median(reference));
  std::printf("resident memory at start %.1f MB; peak %.1f MB; growth %.1f MB (goal < 16 MB)\n",
              rssBefore / 1024.0, peakAfter / 1024.0,
              (peakAfter - std::max(rssBefore, peakBefore)) / 1024.0);
  PrintRatio(Median(ours) / Median(reference), 3);
  return 0;
}
