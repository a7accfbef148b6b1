// The error page: plain advice, the log's location and what to do next.
#include "window/error_page.h"

#include <QRectF>
#include <algorithm>
#include <cmath>

#include "components/frame.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/standard_buttons.h"
#include "session/build_advice.h"
#include "session/build_notification.h"
#include "window/localization.h"
#include "window/page_parts.h"

namespace vlmr {
namespace {

// The card at its smallest: a one-line title above a body of up to three lines.
constexpr double kCardHeight = 112;
constexpr double kCardPadding = 16;
constexpr double kTitleHeight = 22;
constexpr double kBodyHeight = 52;
constexpr double kTitleGap = 6;
// A raw failure sentence can be long; past this many lines its end gives way to "…".
constexpr int kTitleMaxLines = 3;

// Puts `text` into `label`, whole when it takes at most `maxLines` lines at `width`, otherwise
// cut after the last word that leaves room for "…" on the last line.
void SetTextWithin(Label* label, const QString& text, double width, int maxLines) {
  label->setText(text);
  if (label->lineCountForWidth(width) <= maxLines) return;
  const auto fits = [&](qsizetype length) {
    label->setText(text.left(length).trimmed() + QStringLiteral("…"));
    return label->lineCountForWidth(width) <= maxLines;
  };
  qsizetype low = 0;             // fits
  qsizetype high = text.size();  // does not
  while (high - low > 1) {
    const qsizetype middle = (low + high) / 2;
    (fits(middle) ? low : high) = middle;
  }
  // Cut at a word when the last one is not too long to give up.
  const qsizetype space = text.left(low).lastIndexOf(QLatin1Char(' '));
  fits(space > 0 && low - space < 24 ? space : low);
}

// The height `label`'s text takes at its width, never less than `least`.
double HeightFor(const Label* label, double least) {
  return std::max(least, std::ceil(label->textHeightForWidth(label->width())));
}

}  // namespace

ErrorPageState ErrorPageStateFor(const BuildOutcome& outcome, const QString& logShown) {
  const Message& message = outcome.message;
  if (message.isVerbatim() && CurrentLanguage() != QStringLiteral("en")) {
    return {Shown(kSomethingWentWrong), Shown(message), logShown};
  }
  return {Shown(message), ErrorPage::tr(kInstallerUnchanged), logShown};
}

ErrorPage::ErrorPage(const ErrorPageState& state) : PageView(kPageFrame) {
  AddHeroTo(this, Shown(kBuildFailedTitle), tr(kInstallerUnchanged), 68);

  // A pale amber card: something to fix, not a crash. Its top stays below the lead; it grows
  // downward to hold a title of up to three lines and the body, and what lies below it moves
  // down as much.
  auto* panel = new PanelView(QRectF(36, 404, 668, kCardHeight));
  panel->setFillColor(Dyn(Srgb(1.000, 0.965, 0.898), Srgb(0.227, 0.196, 0.133)));
  panel->setLineColor(Dyn(Srgb(0.922, 0.851, 0.706), Srgb(0.353, 0.290, 0.161)));
  AddSubview(this, panel);
  const double inner = panel->width() - 36;
  Label* title = MakeLabel(QString(), true, std::nullopt, 18, 74, inner, kTitleHeight, 14);
  // A screen reader hears the whole sentence, also when the card shows only its beginning.
  title->setAccessibleName(state.title);
  SetTextWithin(title, state.title, inner, kTitleMaxLines);
  Label* body = MakeLabel(state.body.isEmpty() ? tr(kChooseTheRightRelease) : state.body, false,
                          SecondaryLabelColor(), 18, kCardPadding, inner, kBodyHeight, 12);
  const double titleHeight = HeightFor(title, kTitleHeight);
  const double bodyHeight = HeightFor(body, kBodyHeight);
  const double growth = titleHeight - kTitleHeight + bodyHeight - kBodyHeight;
  SetFrame(panel, 36, 404 - growth, panel->width(), kCardHeight + growth);
  SetFrame(title, 18, kCardPadding + bodyHeight + kTitleGap, inner, titleHeight);
  SetFrame(body, 18, kCardPadding, inner, bodyHeight);
  AddSubview(panel, title);
  AddSubview(panel, body);

  //: Where the build log is; %1 is the path of its file.
  Label* log = MakeLabel(tr("Log: %1").arg(ShownName(state.logShown)), false, SecondaryLabelColor(),
                         36, 368 - growth, 668, 20, 11);
  log->setLineBreakMode(Label::LineBreakMode::TruncateMiddle);
  AddSubview(this, log);

  const double buttons = 304 - growth;
  //: A narrow button below "Log: …": copies the whole build log to the clipboard.
  PushButton* copy = AddSecondaryButtonTo(this, tr("Copy log"), 36, buttons, 104);
  connect(copy, &QAbstractButton::clicked, this, &ErrorPage::copyLogRequested);
  //: Opens a Finder window with the build log's file selected.
  auto* reveal = new BorderlessButton(tr("Show log in Finder"));
  reveal->setContentTintColor(TealColor());
  SetFrame(reveal, 156, buttons, 190, 36);
  connect(reveal, &QAbstractButton::clicked, this, &ErrorPage::revealLogRequested);
  AddSubview(this, reveal);
  PrimaryButton* another =
      AddPrimaryButtonTo(this, tr("Choose another installer"), 496, buttons, 208);
  connect(another, &QAbstractButton::clicked, this, &ErrorPage::chooseAnotherRequested);
  setTabOrder(copy, reveal);
  setTabOrder(reveal, another);
}

}  // namespace vlmr
