// Page snapshots: every page of the window, with fixed sample data, rendered
// in the light and the dark appearance to PNG files of exactly one page's
// size (`kPageWidth` x `kPageHeight`) in pixels. No window is shown, the event loop never runs,
// nothing is built, checked or run.
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <vector>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "checks/installer_validation.h"
#include "components/appearance.h"
#include "components/surfaces.h"
#include "modes/options.h"
#include "modes/snapshot.h"
#include "platform/app_folders.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/queues.h"
#include "window/build_page.h"
#include "window/done_page.h"
#include "window/error_page.h"
#include "window/installer_page.h"
#include "window/localization.h"
#include "window/outcome_pages.h"
#include "window/welcome_page.h"

namespace vlmr {
namespace {

struct SnapshotPage {
  const char* name;
  std::function<QWidget*()> build;
};

// The six pages with their sample data, in the order the files are written.
// The sample installer's size: "650 MB".
constexpr SizeFigure kSampleSize{650, 0, SizeFigure::Unit::MB};
// The error page's sample title.
constexpr char kSampleErrorTitle[] =
    QT_TRANSLATE_NOOP("Snapshot", "That doesn't look like the GOG offline installer.");

const std::vector<SnapshotPage>& SnapshotPages() {
  // The sample machine's Python passes the welcome page's test; nothing is probed.
  static const std::vector<SnapshotPage> pages = {
      {"welcome", [] { return new WelcomePage({.missing = false, .pythonReady = true}); }},
      {"missing", [] { return new WelcomePage({.missing = true, .pythonReady = true}); }},
      {"drop",
       [] {
         return new InstallerPage(
             {QStringLiteral("setup_simcity_3000_unlimited_2.0.949(a).exe"), ShownSize(kSampleSize),
              Shown(Message(kKnownInstallerSummary, {kSampleSize})), VerdictTone::Plain, true});
       }},
      {"building",
       [] {
         return new BuildPage({3,
                               {QStringLiteral("Checking GOG release 2.0.949(a)…"),
                                QStringLiteral("Game files verified."),
                                QStringLiteral("Configuring native arm64 build…"),
                                QStringLiteral("Compiling Velmora 3000 · 63%")},
                               std::nullopt,
                               std::nullopt});
       }},
      {"done", [] { return new DonePage({MoveState::Ready}); }},
      {"error",
       [] {
         return new ErrorPage({QCoreApplication::translate("Snapshot", kSampleErrorTitle),
                               ErrorPage::tr(kChooseTheRightRelease),
                               ShownLogLocation(AppFolders::Current().installerLog())});
       }},
  };
  return pages;
}

// Snapshots need no display: Qt's offscreen platform, unless the caller chose one.
void PreferOffscreenPlatform(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "-platform" || argument == "--platform" || argument.starts_with("-platform=") ||
        argument.starts_with("--platform=")) {
      return;
    }
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The page drawn at the screen's pixel density, then brought to exactly
// `kPageWidth` x `kPageHeight` pixels.
QImage RenderPage(QWidget* page) {
  const qreal ratio = qApp->devicePixelRatio();
  QImage image(QSize(kPageWidth, kPageHeight) * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  page->render(&image);
  if (image.width() != kPageWidth || image.height() != kPageHeight) {
    image = image.scaled(kPageWidth, kPageHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  image.setDevicePixelRatio(1);
  return image;
}

// Readers of `path` see the old file or the whole new one, never a part.
bool WritePng(const QImage& image, const std::string& path) {
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return false;
  return WriteFileAtomically(path,
                             std::string_view(png.constData(), static_cast<size_t>(png.size())));
}

}  // namespace

int RunSnapshots(int argc, char** argv, const std::vector<std::string>& arguments) {
  const std::optional<std::string> value = ValueForOption(arguments, "--snapshot");
  if (!value || value->empty()) {
    PrintError("usage: VelmoraInstaller --snapshot <dir> [--language <code>]\n");
    return 2;
  }
  // English unless asked: the snapshots are the pages as the description draws them.
  std::string language = "en";
  if (HasArgument(arguments, "--language")) {
    const std::optional<std::string> code = ValueForOption(arguments, "--language");
    QStringList known = QStringList{QStringLiteral("en")} + ShippedLanguages();
    known << QString::fromLatin1(kPseudoLanguage);
    if (!code || !known.contains(QString::fromStdString(*code))) {
      PrintError("--language takes one of: " + known.join(QStringLiteral(", ")).toStdString() +
                 ".\n");
      return 2;
    }
    language = *code;
  }
  const std::string directory = ExpandPath(*value);
  CreateDirectories(directory);  // a failure shows up as failed files

  PreferOffscreenPlatform(argc, argv);
  QApplication app(argc, argv);
  if (!InstallLanguage(QString::fromStdString(language), BundledCatalogueDir())) {
    PrintError("The " + language + " catalogue is missing from the bundle.\n");
    return 1;
  }
  // Bound so page code may queue work; the loop never runs, so none of it does.
  static QtMainQueue mainQueue;
  SetMainQueue(&mainQueue);

  int failures = 0;
  {
    const struct {
      Appearance appearance;
      const char* suffix;
    } appearances[] = {{Appearance::Light, "light"}, {Appearance::Dark, "dark"}};
    for (const auto& [appearance, suffix] : appearances) {
      SetApplicationAppearance(appearance);
      std::vector<std::unique_ptr<QWidget>> pages;
      for (const SnapshotPage& page : SnapshotPages()) pages.emplace_back(page.build());
      for (size_t i = 0; i < pages.size(); ++i) {
        QWidget* page = pages[i].get();
        SetViewAppearance(page, appearance);
        const std::string path =
            JoinPath(directory, std::string(SnapshotPages()[i].name) + "-" + suffix + ".png");
        page->setGeometry(0, 0, kPageWidth, kPageHeight);
        if (WritePng(RenderPage(page), path)) {
          PrintCLI("snapshot %@", {path});
        } else {
          PrintError("snapshot failed: " + path + "\n");
          ++failures;
        }
      }
    }
  }
  SetMainQueue(nullptr);
  return failures != 0 ? 1 : 0;
}

}  // namespace vlmr
