// "--snapshot": the twelve page renderings of the built program, against a
// minimal Qt program that writes twelve blank 740 x 630 PNG files, both
// started as processes in the same run.
#include <QApplication>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include "bench/bench_support.h"

using namespace vlmr::bench;

namespace {

// The reference: Qt started offscreen, twelve blank pages encoded and written.
int WriteBlankPages(int argc, char** argv, const QString& directory) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  int failures = 0;
  for (const char* suffix : {"light", "dark"}) {
    for (const char* page : {"welcome", "missing", "drop", "building", "done", "error"}) {
      QImage image(740, 630, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::white);
      QSaveFile file(directory + "/" + page + "-" + suffix + ".png");
      if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        ++failures;
      }
    }
  }
  return failures == 0 ? 0 : 1;
}

double Run(const std::string& command) {
  return Seconds([&] {
    if (Shell(command + " >/dev/null 2>&1") != 0) {
      std::fprintf(stderr, "failed: %s\n", command.c_str());
      std::exit(1);
    }
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--blank") {
    return WriteBlankPages(argc, argv, QString::fromLocal8Bit(argv[2]));
  }
  Scratch scratch;
  setenv("HOME", scratch.path().c_str(), 1);
  unsetenv("QT_QPA_PLATFORM");  // the program chooses the offscreen platform itself
  const std::string snapshot =
      Quote(VLMR_BENCH_EXECUTABLE) + " --snapshot " + Quote(scratch / "pages");
  const std::string blank = Quote(argv[0]) + " --blank " + Quote(scratch.path());
  Run(snapshot);  // warm the file cache and the font cache
  Run(blank);
  std::vector<double> ours, reference;
  for (int i = 0; i < 5; ++i) {
    ours.push_back(Run(snapshot));
    reference.push_back(Run(blank));
  }
  std::printf("--snapshot %.3f s, twelve blank PNG files %.3f s (medians of 5)\n", Median(ours),
              Median(reference));
  PrintRatio(Median(ours) / Median(reference), 3);
  return 0;
}
