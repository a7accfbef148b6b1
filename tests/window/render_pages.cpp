// Developer tool: renders the pages in the states worth a look (verdicts,
// the build's clock, error titles) in light and dark to PNG files.
// Usage: velmora_window_render DIR
#include <QApplication>
#include <QDir>
#include <QImage>
#include <cstdio>
#include <memory>

#include "checks/free_space.h"
#include "checks/near_miss.h"
#include "components/appearance.h"
#include "components/palette.h"
#include "components/surfaces.h"
#include "session/build_advice.h"
#include "window/installer_controller.h"
#include "window/localization.h"
#include "window/outcome_pages.h"
#include "window_support.h"

using namespace vlmr;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  // No display needed unless one was chosen.
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString dir = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "cannot create the folder %s\n", argv[1]);
    return 1;
  }
  test::Sandbox sandbox;

  struct Sample {
    const char* name;
    std::function<PageView*()> build;
  };
  const QString name = "setup_simcity_3000_unlimited_2.0.949(a).exe";
  // A page whose verdict line is red, as after a rejection.
  auto rejected = [&](const QString& file, const QString& size, const Message& verdict) {
    return new InstallerPage({file, size, Shown(verdict), VerdictTone::Error, false});
  };
  auto building = [&](BuildPageTime time) {
    auto* page = new BuildPage({3, {"Compiling Velmora 3000 · 63%"}, std::nullopt, std::nullopt});
    page->setTime(time);
    return page;
  };
  const std::vector<Sample> samples = {
      {"welcome-ready", [&] { return new WelcomePage({.missing = false}); }},
      {"welcome-missing", [&] { return new WelcomePage({.missing = true}); }},
      {"installer-empty", [&] { return new InstallerPage({}); }},
      {"installer-checking",
       [&] {
         return new InstallerPage(
             {name, "535 MB", "Checking " + name + "…", VerdictTone::Plain, false});
       }},
      {"installer-usable",
       [&] {
         return new InstallerPage({name, "535 MB",
                                   "GOG 2.0.949(a) installer · 535 MB · ready to build",
                                   VerdictTone::Plain, true});
       }},
      {"installer-rejected",
       [&] {
         const QString verdict =
             "That file is too small to be the GOG installer (it should be about 560 MB).";
         return new InstallerPage(
             {"a-very-long-file-name-for-something-else-entirely-that-keeps-going-on-and-on.exe",
              "1 MB", verdict, VerdictTone::Error, false});
       }},
      {"installer-archive",
       [&] {
         return rejected("setup_simcity_3000_unlimited_2.0.949(a).zip", "530 MB",
                         Message(*NearMissSentence(NearMiss::Archive)));
       }},
      {"installer-data-part",
       [&] {
         return rejected("setup_simcity_3000_unlimited_2.0.949(a)-1.bin", "1.9 GB",
                         Message(*NearMissSentence(NearMiss::DataPart)));
       }},
      {"installer-no-room",
       [&] {
         Error noRoom;
         CheckBuildSpace({"/"}, &noRoom, [](const std::string&) {
           return std::optional<uint64_t>(uint64_t{2} << 30);
         });
         return rejected(name, "535 MB", noRoom.message);
       }},
      {"build-time",
       [&] {
         return building({"1:12", ""});
       }},
      {"build-time-estimate",
       [&] {
         return building({"1:02:03", "about 12 min left"});
       }},
      {"error-disk-full",
       [&] {
         return new ErrorPage(ErrorPageStateFor(
             {BuildEnd::Failed, "", FriendlyMessageFor(Message::Verbatim(kNoSpaceLeft))},
             ShownLogLocation(std::nullopt)));
       }},
  };
  int failures = 0;
  for (Appearance appearance : {Appearance::Light, Appearance::Dark}) {
    SetApplicationAppearance(appearance);
    for (const Sample& sample : samples) {
      std::unique_ptr<PageView> page(sample.build());
      // As the snapshots do: the page's controls follow the appearance too.
      SetViewAppearance(page.get(), appearance);
      QImage image(page->size(), QImage::Format_ARGB32);
      page->render(&image);
      const QString file =
          QString("%1/%2-%3.png")
              .arg(dir, sample.name, appearance == Appearance::Light ? "light" : "dark");
      const bool saved = image.save(file);
      failures += saved ? 0 : 1;
      std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    }
  }
  return failures == 0 ? 0 : 1;
}
