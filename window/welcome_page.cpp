// The welcome page: the prerequisite checklist in its all-present and its
// something-missing variant.
#include <QRectF>

#include "components/frame.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/standard_buttons.h"
#include "components/surfaces.h"
#include "pipeline/host.h"
#include "platform/system_tools.h"
#include "window/installer_controller.h"

namespace vlmr {
namespace {

constexpr char kDefaultHint[] = "After Apple's installer finishes, choose Check again.";

// The page's own, lighter Python test: the version only, without venv, so the
// page can be built on its own (the snapshots do).
bool PythonReady() {
  return RunCapturing(Tools().python3, {"-c", "import sys; sys.exit(sys.version_info < (3, 9))"}) ==
         0;
}

}  // namespace

PageView* InstallerController::welcomePageMissing(bool missing) {
  auto* page = new PageView(QRectF(0, 0, 740, 630));

  if (missing) {
    addHeroTo(page, QStringLiteral("One thing to install first"),
              QStringLiteral("It's a one-time download from Apple."), 68);
    const bool pythonReady = PythonReady();
    AddSubview(page, MakeLabel(QStringLiteral("Velmora 3000 builds the game on your Mac, so it "
                                              "needs Apple's free Xcode Command Line Tools. You "
                                              "don't need the full Xcode app."),
                               false, SecondaryLabelColor(), 36, 452, 668, 56, 14));

    auto* panel = new PanelView(QRectF(36, 254, 668, 186));
    panel->setFillColor(ChipColor());
    AddSubview(page, panel);
    addStatusRowTo(panel, 22, 132, QStringLiteral("Xcode Command Line Tools"),
                   QStringLiteral("Missing"), false);
    addStatusRowTo(panel, 22, 94, QStringLiteral("Python 3"),
                   pythonReady ? QStringLiteral("Ready") : QStringLiteral("Missing"), pythonReady);
    addStatusRowTo(panel, 22, 56, QStringLiteral("Apple Silicon · macOS 15+"),
                   QStringLiteral("Supported"), true);
    const double inner = panel->width() - 44;
    AddSubview(panel, new SeparatorLine(QRectF(22, 40, inner, 1)));
    Label* hint = MakeLabel(QString::fromUtf8(kDefaultHint), false, SecondaryLabelColor(), 22, 12,
                            inner, 20, 12);
    AddSubview(panel, hint);
    prereqHint = hint;

    PrimaryButton* install =
        addPrimaryButtonTo(page, QStringLiteral("Install Command Line Tools"),
                           &InstallerController::installCommandLineTools, 36, 198, 246);
    install->setKeyEquivalent(QStringLiteral("\r"));
    addSecondaryButtonTo(page, QStringLiteral("Check again"),
                         &InstallerController::checkPrerequisites, 298, 198, 140);
    Label* note = MakeLabel(QStringLiteral("No Homebrew or Terminal setup"), false,
                            SecondaryLabelColor(), 424, 206, 280, 20, 12);
    note->setAlignment(Qt::AlignRight);
    AddSubview(page, note);
    return page;
  }

  addHeroTo(page, QStringLiteral("One quick check first"),
            QStringLiteral("Then we'll build your Mac version from your GOG copy."), 68);
  const bool pythonReady = PythonReady();

  auto* banner = new PanelView(QRectF(36, 470, 668, 32));
  banner->setFillColor(StatusColor());
  banner->setLineColor(std::nullopt);
  banner->setRadius(8);
  AddSubview(page, banner);
  AddSubview(banner, MakeLabel(QStringLiteral("✓  Ready to build"), true, GreenDotColor(), 14, 8,
                               300, 18, 13));

  auto* card = new PanelView(QRectF(36, 268, 668, 184));
  card->setFillColor(ChipColor());
  AddSubview(page, card);
  addStatusRowTo(card, 22, 130, QStringLiteral("Xcode Command Line Tools"),
                 QStringLiteral("Installed"), true);
  // "Ready" whatever the test says: only the dot tells.
  addStatusRowTo(card, 22, 92, QStringLiteral("Python 3"), QStringLiteral("Ready"), pythonReady);
  addStatusRowTo(card, 22, 54, QStringLiteral("Apple Silicon · macOS 15+"),
                 QStringLiteral("Supported"), true);

  AddSubview(page, MakeLabel(QStringLiteral("Everything happens on this Mac. Nothing is uploaded."),
                             false, SecondaryLabelColor(), 36, 240, 668, 22, 14));
  AddSubview(page, MakeLabel(QStringLiteral("About 3 minutes · 5 GB free space"), false,
                             TertiaryLabelColor(), 36, 198, 360, 22, 12));
  PrimaryButton* next = addPrimaryButtonTo(page, QStringLiteral("Continue"),
                                           &InstallerController::continueToDrop, 584, 190, 120);
  next->setKeyEquivalent(QStringLiteral("\r"));
  return page;
}

void InstallerController::showWelcomePageMissing(bool missing) {
  PageView* page = welcomePageMissing(missing);
  if (missing) updatePrereqHint();
  showPage(page);
}

void InstallerController::updatePrereqHint() {
  if (prereqHint != nullptr) prereqHint->setText(QString::fromUtf8(kDefaultHint));
}

void InstallerController::continueToDrop() {
  showDropPage();
}

}  // namespace vlmr
