// A build printing 1,000,000 lines, through the real pipeline, callbacks and
// build page, offscreen: the time until the last line is in the log view,
// against a bare QPlainTextEdit fed the same lines in batches of 5,000 in the
// same run. Also the longest stall of the main thread during the flood and
// the memory the log holds afterwards. Then a flood of 10,000,000 lines: the
// peak resident set it costs, against the peak of the bare view holding the
// first flood, the longest stall, and how long after the script's end the
// build's end reaches the window. A stall is also given as the main thread's
// own processor time between two ticks, which a loaded machine does not
// stretch.
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <functional>

#include "bench/bench_support.h"
#include "components/fonts.h"
#include "components/log_view.h"
#include "pipeline/pipeline.h"
#include "platform/bundle.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/queues.h"
#include "platform/system_tools.h"
#include "session/installer_session.h"
#include "window/build_coordinator.h"
#include "window/build_page.h"
#include "window/page_stack.h"

using namespace vlmr;
using namespace vlmr::bench;

namespace {

constexpr int kLines = 1'000'000;
constexpr int kHugeLines = 10'000'000;
constexpr int kBatch = 5'000;

// Every line as a compiler would print it, the same in the script and in memory.
const char kLineFormat[] = "clang -arch arm64 -O2 -c src/unit_%07d.c -o build/unit_%07d.o";

struct Flood {
  double heldMB = 0;       // memory the view holds afterwards
  double seconds = 0;      // until the last line is in the view
  double longestGap = 0;   // the longest time the main thread did not get to a 1 ms timer
  double longestBusy = 0;  // the most processor time the main thread spent between two ticks
  double gapAt = 0;        // when that stall ended, from the start
  double peakMB = 0;       // the peak resident set it added
  double endSeconds = 0;   // from the last line in the view to the build's end on the page
};

// The processor time the calling thread has used, in seconds.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Runs the event loop until `done` says so, timing it and watching for stalls.
// A stall is measured twice: on the wall clock, which a loaded machine
// stretches, and in the main thread's own processor time, which is the
// work the window does in one go.
Flood RunUntil(const std::function<bool()>& done) {
  Flood flood;
  QEventLoop loop;
  QElapsedTimer clock, gap;
  clock.start();
  gap.start();
  double busySince = ThreadSeconds();
  QTimer tick;
  tick.setInterval(1);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const double busyNow = ThreadSeconds();
    flood.longestBusy = std::max(flood.longestBusy, busyNow - busySince);
    busySince = busyNow;
    if (gap.nsecsElapsed() / 1e9 > flood.longestGap) {
      flood.longestGap = gap.nsecsElapsed() / 1e9;
      flood.gapAt = clock.nsecsElapsed() / 1e9;
    }
    gap.restart();
    if (done()) loop.quit();
  });
  tick.start();
  loop.exec();
  flood.seconds = clock.nsecsElapsed() / 1e9;
  return flood;
}

long RssKiB() {
  return StatusKiB("self", "VmRSS");
}

// Starts a new peak resident set from the present one (Linux: clear_refs 5).
// Memory freed before is given back first, so a later flood cannot hide its
// peak in what an earlier one left to the allocator.
void ResetPeak() {
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";
}

long PeakKiB() {
  return StatusKiB("self", "VmHWM");
}

// The reference: a plain text view in a window, fed in batches with the loop
// running in between.
Flood FeedBareView(const QStringList& lines) {
  ResetPeak();
  const long before = StatusKiB("self", "VmRSS");
  QMainWindow window;
  auto* view = new QPlainTextEdit;
  view->setReadOnly(true);
  view->setFont(MonospacedSystemFont(11));
  window.setCentralWidget(view);
  window.resize(666, 180);
  window.show();
  int next = 0;
  Flood flood = RunUntil([&] {
    if (next < lines.size()) {
      const int end = std::min<int>(next + kBatch, static_cast<int>(lines.size()));
      view->appendPlainText(lines.mid(next, end - next).join('\n'));
      next = end;
      return false;
    }
    return true;
  });
  flood.heldMB = (StatusKiB("self", "VmRSS") - before) / 1024.0;
  flood.peakMB = (PeakKiB() - before) / 1024.0;
  return flood;
}

// The window's build without the rest of the window: the page it shows and
// the run that feeds it, the script printing `lines` lines. Timed until the
// last line is in the view, then until the build's end has reached the page.
Flood FloodThePage(const std::string& scratch, int lines, const QString& last) {
  std::ofstream(scratch + "/lines") << lines << "\n";
  ResetPeak();
  const long before = RssKiB();
  Flood flood;
  {
    InstallerSession session;
    PageStack pages;
    BuildCoordinator build(session, pages);
    session.select(scratch + "/setup.exe");
    build.beginBuild();
    auto* page = pages.pageAs<BuildPage>();
    QPointer<LogView> view = page != nullptr ? page->logView() : nullptr;
    flood = RunUntil([&] { return view->document()->lastBlock().text() == last; });
    const Flood end = RunUntil([&] { return build.run() == nullptr; });
    flood.endSeconds = end.seconds;
    flood.longestGap = std::max(flood.longestGap, end.longestGap);
    flood.longestBusy = std::max(flood.longestBusy, end.longestBusy);
    flood.heldMB = (RssKiB() - before) / 1024.0;
    flood.peakMB = (PeakKiB() - before) / 1024.0;
  }
  return flood;
}

QString LineNumber(int i) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, kLineFormat, i, i);
  return QString::fromLatin1(buffer);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QtMainQueue mainQueue;
  SetMainQueue(&mainQueue);
  Scratch scratch;
  setenv("HOME", scratch.path().c_str(), 1);

  // A bundle whose build script prints the flood and fails (no app).
  const std::string resources = scratch / "resources";
  std::filesystem::create_directories(resources + "/src/tools");
  std::ofstream(resources + "/src/tools/package_app.sh")
      << "awk -v n=\"$(cat \"$HOME/lines\")\" 'BEGIN { for (i = 1; i <= n; i++) printf \""
      << kLineFormat << "\\n\", i, i }'\n";
  std::ofstream(resources + "/VERSION") << "bench\n";
  std::ofstream(scratch / "setup.exe") << "MZ";
  SetResourceDirectoryForTesting(resources);
  SystemTools tools = Tools();
  tools.ditto = VLMR_BENCH_SOURCE_DIR "/platform/linux/ditto";
  SetTools(tools);

  QStringList lines;
  lines.reserve(kLines);
  char buffer[128];
  for (int i = 1; i <= kLines; ++i) {
    std::snprintf(buffer, sizeof buffer, kLineFormat, i, i);
    lines << QString::fromLatin1(buffer);
  }
  const Flood reference = FeedBareView(lines);
  const QString last = lines.last();
  lines.clear();
  lines.squeeze();

  const Flood ours = FloodThePage(scratch.path(), kLines, last);
  const Flood huge = FloodThePage(scratch.path(), kHugeLines, LineNumber(kHugeLines));

  std::printf("flood through the build page %.2f s, bare text view in batches of %d %.2f s\n",
              ours.seconds, kBatch, reference.seconds);
  std::printf(
      "longest main-thread stall: %.0f ms during the flood, ending %.2f s in; the main "
      "thread's longest own work between two ticks %.0f ms (goal < 100 ms); %.0f ms and %.0f "
      "ms for the bare view\n",
      ours.longestGap * 1000, ours.gapAt, ours.longestBusy * 1000, reference.longestGap * 1000,
      reference.longestBusy * 1000);
  std::printf("memory held afterwards: %.0f MB by the build page, %.0f MB by the bare view\n",
              ours.heldMB, reference.heldMB);
  std::printf("flood time against the bare view %.4f (goal <= 1.5)\n",
              ours.seconds / reference.seconds);
  std::printf(
      "%d lines through the build page: %.2f s, the end on the page %.2f s after the last "
      "line, longest stall %.0f ms, longest own work between two ticks %.0f ms (goal < 100 ms), "
      "peak resident set +%.0f MB, %.0f MB held afterwards; the bare view's peak holding %d "
      "lines +%.0f MB\n",
      kHugeLines, huge.seconds, huge.endSeconds, huge.longestGap * 1000, huge.longestBusy * 1000,
      huge.peakMB, huge.heldMB, kLines, reference.peakMB);
  // Ten times the lines in no more memory at its peak than the bare view
  // needs for a tenth of them.
  PrintRatio(huge.peakMB / reference.peakMB, 1.0);
  SetMainQueue(nullptr);
  return 0;
}
