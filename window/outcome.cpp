// How a build ends in the window: the done page, back to the installer page
// after Cancel, or the error page with plain advice and the log's location.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QRectF>
#include <QStringDecoder>
#include <utility>
#include <vector>

#include "base/files.h"
#include "components/frame.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/standard_buttons.h"
#include "components/surfaces.h"
#include "pipeline/installer_log.h"
#include "pipeline/pipeline.h"
#include "platform/home.h"
#include "window/desktop.h"
#include "window/installer_controller.h"

namespace vlmr {
namespace {

constexpr char kUnchanged[] = "Your original game installer hasn't been changed.";
constexpr char kDefaultBody[] =
    "Choose SimCity 3000 Unlimited version 2.0.949(a), then try again. Your build log can help if "
    "the problem continues.";
constexpr char kSomethingWrong[] = "Something went wrong while building the app.";

// Known technical causes and the advice shown for them, tried in order.
struct Advice {
  std::vector<const char*> causes;
  const char* text;
};
const Advice kAdvice[] = {
    {{"does not contain Apps/SC3U.exe"},
     "That installer doesn't contain the SimCity 3000 Unlimited game files. Use the GOG offline "
     "backup installer for SimCity 3000 Unlimited."},
    {{"is not GOG 2.0.949(a)"},
     "The game files in that installer aren't version 2.0.949(a), which is the release this "
     "project can build. Update it from GOG and try again."},
    {{"Command Line Tools"},
     "The Xcode Command Line Tools got out of date or incomplete. Run xcode-select --install, then "
     "reopen this installer."},
    {{"No space left", "disk is full"}, "The disk is full. Free about 5 GB and try again."},
};

// The log's path, or the default one when none was recorded yet.
QString LogFilePath(const std::optional<std::string>& logPath) {
  return QString::fromStdString(logPath.value_or(InstallerLogPath()));
}

// `path` with the home directory written as "~" where the path lies inside it.
// Only a leading home counts: the same letters further on are part of other
// names, and a home of "/" would otherwise turn every separator into "~".
QString AbbreviatedHome(const QString& path, QString home) {
  while (home.endsWith(QLatin1Char('/'))) home.chop(1);
  if (home.isEmpty()) return path;
  if (path == home) return QStringLiteral("~");
  if (path.startsWith(home + QLatin1Char('/'))) return QStringLiteral("~") + path.mid(home.size());
  return path;
}

}  // namespace

void InstallerController::buildFinished(int32_t status) {
  std::shared_ptr<Pipeline> finished = std::exchange(pipeline, nullptr);
  const std::optional<std::string> app = finished ? finished->appPath : std::nullopt;
  // Success is judged first: a build that got as far as a real app counts,
  // even when Cancel came too late to stop it.
  if (status == 0 && app && !app->empty() && IsDirectory(app)) {
    builtAppPath = *app;
    showPage(donePageWithAppPath(QString::fromStdString(*app), false));
    return;
  }
  if (finished && finished->cancelled) {
    if (validationLabel != nullptr) {
      validationLabel->setText(QStringLiteral("Build cancelled. You can try again."));
    }
    showDropPage();
    return;
  }
  const std::string error = finished ? finished->errorMessage.value_or("") : std::string();
  buildFailedWithMessage(error.empty() ? QString() : QString::fromStdString(error));
}

void InstallerController::buildFailedWithMessage(const QString& message) {
  std::shared_ptr<Pipeline> failed = std::exchange(pipeline, nullptr);
  QString raw = message;
  if (raw.isEmpty() && failed && failed->errorMessage) {
    raw = QString::fromStdString(*failed->errorMessage);
  }
  showPage(errorPageTitle(friendlyMessageFor(raw), QString::fromUtf8(kUnchanged)));
}

QString InstallerController::friendlyMessageFor(const QString& raw) {
  const QString text = raw.isEmpty() ? QString::fromUtf8(kSomethingWrong) : raw;
  for (const Advice& advice : kAdvice) {
    for (const char* cause : advice.causes) {
      if (text.contains(QString::fromUtf8(cause), Qt::CaseSensitive)) {
        return QString::fromUtf8(advice.text);
      }
    }
  }
  return text;
}

PageView* InstallerController::errorPageTitle(const QString& title, const QString& body) {
  auto* page = new PageView(QRectF(0, 0, 740, 630));
  addHeroTo(page, QStringLiteral("The build didn't finish"), QString::fromUtf8(kUnchanged), 68);

  // A pale amber card: something to fix, not a crash.
  auto* panel = new PanelView(QRectF(36, 404, 668, 112));
  panel->setFillColor(Dyn(Srgb(1.000, 0.965, 0.898), Srgb(0.227, 0.196, 0.133)));
  panel->setLineColor(Dyn(Srgb(0.922, 0.851, 0.706), Srgb(0.353, 0.290, 0.161)));
  AddSubview(page, panel);
  AddSubview(panel, MakeLabel(title, true, std::nullopt, 18, 74, panel->width() - 36, 22, 14));
  AddSubview(panel, MakeLabel(body.isEmpty() ? QString::fromUtf8(kDefaultBody) : body, false,
                              SecondaryLabelColor(), 18, 16, 632, 52, 12));

  const QString shown =
      AbbreviatedHome(LogFilePath(logPath), QString::fromStdString(HomeDirectory()));
  Label* log = MakeLabel(QStringLiteral("Log: ") + shown, false, SecondaryLabelColor(), 36, 368,
                         668, 20, 11);
  log->setLineBreakMode(Label::LineBreakMode::TruncateMiddle);
  AddSubview(page, log);

  addSecondaryButtonTo(page, QStringLiteral("Copy log"), &InstallerController::copyLog, 36, 304,
                       104);
  auto* reveal = new BorderlessButton(QStringLiteral("Show log in Finder"));
  reveal->setContentTintColor(TealColor());
  SetFrame(reveal, 156, 304, 190, 36);
  connect(reveal, &QAbstractButton::clicked, this, [this] { revealLog(); });
  AddSubview(page, reveal);
  addPrimaryButtonTo(page, QStringLiteral("Choose another installer"),
                     &InstallerController::chooseAnotherInstaller, 496, 304, 208);
  return page;
}

void InstallerController::copyLogToPasteboard() {
  const QString path = LogFilePath(logPath);
  QString text;
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    // Only a log that is valid UTF-8 is copied as text; anything else gives its path.
    QStringDecoder decoder(QStringDecoder::Utf8);
    text = decoder.decode(file.readAll());
    if (decoder.hasError()) text.clear();
  }
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setText(text.isEmpty() ? path : text);
  }
}

void InstallerController::copyLog() {
  copyLogToPasteboard();
}

void InstallerController::revealLog() {
  const QString path = LogFilePath(logPath);
  if (!IsFile(path.toStdString())) return;
  RevealInFileManager(path);
}

void InstallerController::chooseAnotherInstaller() {
  showDropPage();
  chooseInstaller();
}

}  // namespace vlmr
