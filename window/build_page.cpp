// The build page: stage counter and lead, progress bar, the six stage pills,
// the collapsible live log and "Cancel".
#include "window/build_page.h"

#include <QRectF>

#include "components/accessibility.h"
#include "components/frame.h"
#include "components/log_view.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/progress_bar.h"
#include "components/stage_views.h"
#include "components/standard_buttons.h"
#include "window/localization.h"

namespace vlmr {
namespace {

QString StageCounterText(int64_t stage, const std::optional<BuildPageTime>& time) {
  //: Which of the build's six stages runs now; %1 is its number.
  const QString counter = BuildPage::tr("Stage %1 of 6").arg(stage + 1);
  return time ? counter + QStringLiteral(" · ") + time->elapsed : counter;
}

// Pill i at stage s: done before it, active at it, pending after it.
StageState PillState(int64_t pill, int64_t stage) {
  if (pill < stage) return StageState::Done;
  if (pill == stage) return StageState::Active;
  return StageState::Pending;
}

}  // namespace

BuildPage::BuildPage(const BuildPageState& state) : PageView(kPageFrame) {
  const int64_t stage = state.stage;
  stage_ = stage;
  Label* title = MakeLabel(tr("Building Velmora 3000…"), true, std::nullopt, 36, 564, 480, 34, 26);
  title->setHeading(true);
  AddSubview(this, title);

  counter_ = MakeLabel(StageCounterText(stage, std::nullopt), false, SecondaryLabelColor(), 544,
                       572, 160, 20, 13);
  counter_->setAlignment(Qt::AlignRight);
  AddSubview(this, counter_);

  lead_ =
      MakeLabel(Shown(BuildStageLead(stage)), false, SecondaryLabelColor(), 36, 534, 668, 22, 14);
  AddSubview(this, lead_);

  progress_ = new ProgressBar(QRectF(36, 506, 668, 10));
  progress_->setControlSize(ProgressBar::ControlSize::Small);
  progress_->setMinimum(0);
  progress_->setMaximum(1);
  progress_->setValue(state.progress.value_or(BuildStageProgress(stage)));
  // Read as "Building Velmora 3000…, 58%".
  progress_->setAccessibleName(title->text());
  AddSubview(this, progress_);

  for (int64_t i = 0; i < kBuildStageCount; ++i) {
    auto* pill = new StagePillView(QRectF(36 + 340 * static_cast<double>(i % 2),
                                          460 - 42 * static_cast<double>(i / 2), 328, 34),
                                   Shown(kBuildStageNames[static_cast<size_t>(i)]));
    if (i <= stage) pill->setStageState(PillState(i, stage));
    AddSubview(this, pill);
    pills_[static_cast<size_t>(i)] = pill;
  }

  auto* panel = new PanelView(QRectF(36, 152, 668, 216));
  panel->setFillColor(ChipColor());
  panel->setLineColor(LineColor());
  AddSubview(this, panel);
  Label* details = MakeLabel(tr("Build details"), true, std::nullopt, 14, 194, 200, 20, 12.5);
  details->setHeading(true);
  AddSubview(panel, details);
  // The log view scrolls on its own, so it is also the part the toggle hides.
  log_ = new LogView(QRectF(1, 1, panel->width() - 2, 180));
  log_->setLines(state.log);
  // Tab reads on past the log rather than typing into it.
  log_->setTabChangesFocus(true);
  AddSubview(panel, log_);
  auto* separator = new SeparatorLine(QRectF(0, panel->height() - 1, panel->width(), 1));
  HideFromAccessibility(separator);
  AddSubview(panel, separator);
  //: A small button beside "Build details": hides the build log below it. Keep it short.
  auto* toggle = new BadgeButton(tr("Hide"));
  toggle->setContentTintColor(LabelColor());
  SetFrame(toggle, panel->width() - 80, 191, 66, 24);
  connect(toggle, &QAbstractButton::clicked, this, &BuildPage::toggleLog);
  AddSubview(panel, toggle);
  toggle_ = toggle;

  AddSubview(this, MakeLabel(tr("You can keep this window open."), false, SecondaryLabelColor(), 36,
                             100, 420, 20, 12));
  auto* cancel = new PushButton(tr("Cancel"));
  SetFrame(cancel, 594, 92, 110, 36);
  // As a Cancel button on the Mac, it answers Escape.
  cancel->setKeyEquivalent(QStringLiteral("Esc"));
  connect(cancel, &QAbstractButton::clicked, this, &BuildPage::cancelRequested);
  AddSubview(this, cancel);
  cancel_ = cancel;
  setTabOrder(toggle, log_);
  setTabOrder(log_, cancel);
  if (state.time) setTime(*state.time);
}

void BuildPage::setStage(int64_t stage) {
  if (stage < 0 || stage >= kBuildStageCount) return;
  for (size_t i = 0; i < pills_.size(); ++i) {
    pills_[i]->setStageState(PillState(static_cast<int64_t>(i), stage));
  }
  stage_ = stage;
  counter_->setText(StageCounterText(stage, time_));
  lead_->setText(Shown(BuildStageLead(stage)));
  progress_->setValue(BuildStageProgress(stage));
}

void BuildPage::appendLines(const QStringList& lines) {
  for (const QString& line : lines) log_->appendLine(line);
}

void BuildPage::flushLog() {
  log_->flush();
}

void BuildPage::toggleLog() {
  // Asked of the parent, so the answer is right before the page is on screen.
  const bool show = !log_->isVisibleTo(log_->parentWidget());
  log_->setVisible(show);
  //: A small button beside "Build details": shows the build log below it again. Keep it short.
  const QString showTitle = tr("Show");
  toggle_->setTitle(show ? tr("Hide") : showTitle);
}

void BuildPage::setCancelling() {
  cancel_->setEnabled(false);
  lead_->setText(tr("Cancelling…"));
}

void BuildPage::setTime(const BuildPageTime& time) {
  time_ = time;
  counter_->setText(StageCounterText(stage_, time_));
  if (remaining_ == nullptr) {
    // Right-aligned on the lead's line, which ends well before it: the other
    // elements keep their places whether or not there is an estimate.
    remaining_ = MakeLabel(QString(), false, SecondaryLabelColor(), 504, 535, 200, 20, 13);
    remaining_->setAlignment(Qt::AlignRight);
    AddSubview(this, remaining_);
  }
  remaining_->setText(time.remaining);
}

}  // namespace vlmr
