// The error page: plain advice, the log's location and what to do next.
#include "window/error_page.h"

#include <QRectF>

#include "components/frame.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/standard_buttons.h"
#include "window/page_parts.h"

namespace vlmr {
namespace {

constexpr char kUnchanged[] = "Your original game installer hasn't been changed.";
constexpr char kDefaultBody[] =
    "Choose SimCity 3000 Unlimited version 2.0.949(a), then try again. Your build log can help if "
    "the problem continues.";

}  // namespace

ErrorPage::ErrorPage(const ErrorPageState& state) : PageView(QRectF(0, 0, 740, 630)) {
  AddHeroTo(this, QStringLiteral("The build didn't finish"), QString::fromUtf8(kUnchanged), 68);

  // A pale amber card: something to fix, not a crash.
  auto* panel = new PanelView(QRectF(36, 404, 668, 112));
  panel->setFillColor(Dyn(Srgb(1.000, 0.965, 0.898), Srgb(0.227, 0.196, 0.133)));
  panel->setLineColor(Dyn(Srgb(0.922, 0.851, 0.706), Srgb(0.353, 0.290, 0.161)));
  AddSubview(this, panel);
  AddSubview(panel,
             MakeLabel(state.title, true, std::nullopt, 18, 74, panel->width() - 36, 22, 14));
  AddSubview(panel, MakeLabel(state.body.isEmpty() ? QString::fromUtf8(kDefaultBody) : state.body,
                              false, SecondaryLabelColor(), 18, 16, 632, 52, 12));

  Label* log = MakeLabel(QStringLiteral("Log: ") + state.logShown, false, SecondaryLabelColor(), 36,
                         368, 668, 20, 11);
  log->setLineBreakMode(Label::LineBreakMode::TruncateMiddle);
  AddSubview(this, log);

  PushButton* copy = AddSecondaryButtonTo(this, QStringLiteral("Copy log"), 36, 304, 104);
  connect(copy, &QAbstractButton::clicked, this, &ErrorPage::copyLogRequested);
  auto* reveal = new BorderlessButton(QStringLiteral("Show log in Finder"));
  reveal->setContentTintColor(TealColor());
  SetFrame(reveal, 156, 304, 190, 36);
  connect(reveal, &QAbstractButton::clicked, this, &ErrorPage::revealLogRequested);
  AddSubview(this, reveal);
  PrimaryButton* another =
      AddPrimaryButtonTo(this, QStringLiteral("Choose another installer"), 496, 304, 208);
  connect(another, &QAbstractButton::clicked, this, &ErrorPage::chooseAnotherRequested);
}

}  // namespace vlmr
