// The welcome page: the prerequisite checklist in its all-present and its
// something-missing variant.
#include "window/welcome_page.h"

#include <QRectF>

#include "checks/free_space.h"
#include "components/accessibility.h"
#include "components/frame.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/standard_buttons.h"
#include "window/localization.h"
#include "window/page_parts.h"

namespace vlmr {
namespace {

// The checklist rows both variants show, top to bottom, and the word for a
// supported Mac.
constexpr char kToolsRow[] = QT_TRANSLATE_NOOP("vlmr::WelcomePage", "Xcode Command Line Tools");
constexpr char kPythonRow[] = QT_TRANSLATE_NOOP("vlmr::WelcomePage", "Python 3");
constexpr char kMacRow[] = QT_TRANSLATE_NOOP("vlmr::WelcomePage", "Apple Silicon · macOS 15+");
//: The status of the Mac's row ("Apple Silicon · macOS 15+"): this Mac can build the game.
constexpr char kSupported[] = QT_TRANSLATE_NOOP("vlmr::WelcomePage", "Supported");
// What a first build takes, below the checklist.
// "%1" takes the room a build needs.
constexpr char kTimeAndRoom[] =
    QT_TRANSLATE_NOOP("vlmr::WelcomePage", "About 3 minutes · %1 free space");

}  // namespace

QString WelcomePage::defaultHint() {
  return tr("After Apple's installer finishes, choose Check again.");
}

QString WelcomePage::checkingText() {
  //: The status of a checklist row while it is being checked.
  return tr("Checking…");
}

WelcomePage::WelcomePage(const WelcomeState& state) : PageView(kPageFrame) {
  if (state.checking) {
    buildChecking();
  } else if (state.missing) {
    buildMissing(state.pythonReady);
  } else {
    buildAllPresent(state.pythonReady);
  }
}

void WelcomePage::buildMissing(bool pythonReady) {
  AddHeroTo(this, tr("One thing to install first"), tr("It's a one-time download from Apple."), 68);
  AddSubview(this, MakeLabel(tr("Velmora 3000 builds the game on your Mac, so it "
                                "needs Apple's free Xcode Command Line Tools. You "
                                "don't need the full Xcode app."),
                             false, SecondaryLabelColor(), 36, 452, 668, 56, 14));

  auto* panel = new PanelView(QRectF(36, 254, 668, 186));
  panel->setFillColor(ChipColor());
  AddSubview(this, panel);
  // Each row has its own status words: the tools are plural, Python singular, and
  // languages agree with them.
  //: The status of the Command Line Tools' row (a plural name): they are not installed.
  const QString toolsMissing = tr("Missing", "Command Line Tools");
  //: The status of Python 3's row (one program): it is not installed.
  const QString pythonMissing = tr("Missing", "Python 3");
  //: The status of Python 3's row: it can be used.
  const QString pythonReadyText = tr("Ready");
  AddStatusRowTo(panel, 22, 132, tr(kToolsRow), toolsMissing, false);
  AddStatusRowTo(panel, 22, 94, tr(kPythonRow), pythonReady ? pythonReadyText : pythonMissing,
                 pythonReady);
  AddStatusRowTo(panel, 22, 56, tr(kMacRow), tr(kSupported), true);
  const double inner = panel->width() - 44;
  auto* separator = new SeparatorLine(QRectF(22, 40, inner, 1));
  HideFromAccessibility(separator);
  AddSubview(panel, separator);
  hint_ = MakeLabel(defaultHint(), false, SecondaryLabelColor(), 22, 12, inner, 20, 12);
  AddSubview(panel, hint_);

  PrimaryButton* install = AddPrimaryButtonTo(this, tr("Install Command Line Tools"), 36, 198, 246);
  install->setKeyEquivalent(QStringLiteral("\r"));
  connect(install, &QAbstractButton::clicked, this, &WelcomePage::installToolsRequested);
  PushButton* again = AddSecondaryButtonTo(this, tr("Check again"), 298, 198, 140);
  connect(again, &QAbstractButton::clicked, this, &WelcomePage::checkAgainRequested);
  setTabOrder(install, again);
  install_ = install;
  again_ = again;
  Label* note = MakeLabel(tr("No Homebrew or Terminal setup"), false, SecondaryLabelColor(), 424,
                          206, 280, 20, 12);
  note->setAlignment(Qt::AlignRight);
  AddSubview(this, note);
}

void WelcomePage::buildAllPresent(bool pythonReady) {
  AddHeroTo(this, tr("One quick check first"),
            tr("Then we'll build your Mac version from your GOG copy."), 68);

  auto* banner = new PanelView(QRectF(36, 470, 668, 32));
  banner->setFillColor(StatusColor());
  banner->setLineColor(std::nullopt);
  banner->setRadius(8);
  AddSubview(this, banner);
  AddSubview(banner, MakeLabel(tr("✓  Ready to build"), true, GreenDotColor(), 14, 8, 300, 18, 13));

  auto* card = new PanelView(QRectF(36, 268, 668, 184));
  card->setFillColor(ChipColor());
  AddSubview(this, card);
  //: The status of the Command Line Tools' row (a plural name): they are installed.
  const QString toolsInstalled = tr("Installed", "Command Line Tools");
  AddStatusRowTo(card, 22, 130, tr(kToolsRow), toolsInstalled, true);
  // "Ready" whatever the test says: only the dot tells.
  AddStatusRowTo(card, 22, 92, tr(kPythonRow), tr("Ready"), pythonReady);
  AddStatusRowTo(card, 22, 54, tr(kMacRow), tr(kSupported), true);

  AddSubview(this, MakeLabel(tr("Everything happens on this Mac. Nothing is uploaded."), false,
                             SecondaryLabelColor(), 36, 240, 668, 22, 14));
  AddSubview(this, MakeLabel(tr(kTimeAndRoom).arg(ShownSize(BuildSpaceNeededFigure())), false,
                             TertiaryLabelColor(), 36, 198, 360, 22, 12));
  PrimaryButton* next = AddPrimaryButtonTo(this, tr("Continue"), 584, 190, 120);
  next->setKeyEquivalent(QStringLiteral("\r"));
  connect(next, &QAbstractButton::clicked, this, &WelcomePage::continueRequested);
}

void WelcomePage::buildChecking() {
  // The all-present variant's header and card, so the verdict replaces it in place.
  AddHeroTo(this, tr("One quick check first"),
            tr("Then we'll build your Mac version from your GOG copy."), 68);
  auto* card = new PanelView(QRectF(36, 268, 668, 184));
  card->setFillColor(ChipColor());
  AddSubview(this, card);
  AddPendingRowTo(card, 22, 130, tr(kToolsRow), checkingText());
  AddPendingRowTo(card, 22, 92, tr(kPythonRow), checkingText());
  AddStatusRowTo(card, 22, 54, tr(kMacRow), tr(kSupported), true);
}

void WelcomePage::setRechecking() {
  if (hint_ == nullptr) return;
  setHint(tr("Checking again…"));
  // Disabled buttons leave the focus chain; the focus stays on the page.
  if (install_ != nullptr) install_->setEnabled(false);
  if (again_ != nullptr) again_->setEnabled(false);
}

void WelcomePage::setHint(const QString& text) {
  if (hint_ != nullptr) hint_->setText(text);
}

QString WelcomePage::hint() const {
  return hint_ != nullptr ? hint_->text() : QString();
}

}  // namespace vlmr
