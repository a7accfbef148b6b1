// The welcome page: the prerequisite checklist in its all-present and its
// something-missing variant.
#include "window/welcome_page.h"

#include <QRectF>

#include "components/accessibility.h"
#include "components/frame.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/standard_buttons.h"
#include "window/page_parts.h"

namespace vlmr {
namespace {

// The checklist rows both variants show, top to bottom, and the word for a
// supported Mac.
constexpr char kToolsRow[] = "Xcode Command Line Tools";
constexpr char kPythonRow[] = "Python 3";
constexpr char kMacRow[] = "Apple Silicon · macOS 15+";
constexpr char kSupported[] = "Supported";

}  // namespace

QString WelcomePage::defaultHint() {
  return QStringLiteral("After Apple's installer finishes, choose Check again.");
}

QString WelcomePage::checkingText() {
  return QStringLiteral("Checking…");
}

WelcomePage::WelcomePage(const WelcomeState& state) : PageView(QRectF(0, 0, 740, 630)) {
  if (state.checking) {
    buildChecking();
  } else if (state.missing) {
    buildMissing(state.pythonReady);
  } else {
    buildAllPresent(state.pythonReady);
  }
}

void WelcomePage::buildMissing(bool pythonReady) {
  AddHeroTo(this, QStringLiteral("One thing to install first"),
            QStringLiteral("It's a one-time download from Apple."), 68);
  AddSubview(this, MakeLabel(QStringLiteral("Velmora 3000 builds the game on your Mac, so it "
                                            "needs Apple's free Xcode Command Line Tools. You "
                                            "don't need the full Xcode app."),
                             false, SecondaryLabelColor(), 36, 452, 668, 56, 14));

  auto* panel = new PanelView(QRectF(36, 254, 668, 186));
  panel->setFillColor(ChipColor());
  AddSubview(this, panel);
  AddStatusRowTo(panel, 22, 132, QString::fromUtf8(kToolsRow), QStringLiteral("Missing"), false);
  AddStatusRowTo(panel, 22, 94, QString::fromUtf8(kPythonRow),
                 pythonReady ? QStringLiteral("Ready") : QStringLiteral("Missing"), pythonReady);
  AddStatusRowTo(panel, 22, 56, QString::fromUtf8(kMacRow), QString::fromUtf8(kSupported), true);
  const double inner = panel->width() - 44;
  auto* separator = new SeparatorLine(QRectF(22, 40, inner, 1));
  HideFromAccessibility(separator);
  AddSubview(panel, separator);
  hint_ = MakeLabel(defaultHint(), false, SecondaryLabelColor(), 22, 12, inner, 20, 12);
  AddSubview(panel, hint_);

  PrimaryButton* install =
      AddPrimaryButtonTo(this, QStringLiteral("Install Command Line Tools"), 36, 198, 246);
  install->setKeyEquivalent(QStringLiteral("\r"));
  connect(install, &QAbstractButton::clicked, this, &WelcomePage::installToolsRequested);
  PushButton* again = AddSecondaryButtonTo(this, QStringLiteral("Check again"), 298, 198, 140);
  connect(again, &QAbstractButton::clicked, this, &WelcomePage::checkAgainRequested);
  setTabOrder(install, again);
  install_ = install;
  again_ = again;
  Label* note = MakeLabel(QStringLiteral("No Homebrew or Terminal setup"), false,
                          SecondaryLabelColor(), 424, 206, 280, 20, 12);
  note->setAlignment(Qt::AlignRight);
  AddSubview(this, note);
}

void WelcomePage::buildAllPresent(bool pythonReady) {
  AddHeroTo(this, QStringLiteral("One quick check first"),
            QStringLiteral("Then we'll build your Mac version from your GOG copy."), 68);

  auto* banner = new PanelView(QRectF(36, 470, 668, 32));
  banner->setFillColor(StatusColor());
  banner->setLineColor(std::nullopt);
  banner->setRadius(8);
  AddSubview(this, banner);
  AddSubview(banner, MakeLabel(QStringLiteral("✓  Ready to build"), true, GreenDotColor(), 14, 8,
                               300, 18, 13));

  auto* card = new PanelView(QRectF(36, 268, 668, 184));
  card->setFillColor(ChipColor());
  AddSubview(this, card);
  AddStatusRowTo(card, 22, 130, QString::fromUtf8(kToolsRow), QStringLiteral("Installed"), true);
  // "Ready" whatever the test says: only the dot tells.
  AddStatusRowTo(card, 22, 92, QString::fromUtf8(kPythonRow), QStringLiteral("Ready"), pythonReady);
  AddStatusRowTo(card, 22, 54, QString::fromUtf8(kMacRow), QString::fromUtf8(kSupported), true);

  AddSubview(this, MakeLabel(QStringLiteral("Everything happens on this Mac. Nothing is uploaded."),
                             false, SecondaryLabelColor(), 36, 240, 668, 22, 14));
  AddSubview(this, MakeLabel(QStringLiteral("About 3 minutes · 5 GB free space"), false,
                             TertiaryLabelColor(), 36, 198, 360, 22, 12));
  PrimaryButton* next = AddPrimaryButtonTo(this, QStringLiteral("Continue"), 584, 190, 120);
  next->setKeyEquivalent(QStringLiteral("\r"));
  connect(next, &QAbstractButton::clicked, this, &WelcomePage::continueRequested);
}

void WelcomePage::buildChecking() {
  // The all-present variant's header and card, so the verdict replaces it in place.
  AddHeroTo(this, QStringLiteral("One quick check first"),
            QStringLiteral("Then we'll build your Mac version from your GOG copy."), 68);
  auto* card = new PanelView(QRectF(36, 268, 668, 184));
  card->setFillColor(ChipColor());
  AddSubview(this, card);
  AddPendingRowTo(card, 22, 130, QString::fromUtf8(kToolsRow), checkingText());
  AddPendingRowTo(card, 22, 92, QString::fromUtf8(kPythonRow), checkingText());
  AddStatusRowTo(card, 22, 54, QString::fromUtf8(kMacRow), QString::fromUtf8(kSupported), true);
}

void WelcomePage::setRechecking() {
  if (hint_ == nullptr) return;
  setHint(QStringLiteral("Checking again…"));
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
