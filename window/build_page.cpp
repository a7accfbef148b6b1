// The build page: stage counter and lead, progress bar, the six stage pills,
// the collapsible live log and "Cancel".
#include <QRectF>

#include "components/frame.h"
#include "components/log_view.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/progress_bar.h"
#include "components/stage_views.h"
#include "components/standard_buttons.h"
#include "components/surfaces.h"
#include "window/installer_controller.h"
#include "window/stage_mapping.h"

namespace vlmr {
namespace {

QString StageCounterText(int64_t stage) {
  return QStringLiteral("Stage %1 of 6").arg(stage + 1);
}

// Pill i at stage s: done before it, active at it, pending after it.
int64_t PillState(int64_t pill, int64_t stage) {
  if (pill < stage) return StageStateDone;
  if (pill == stage) return StageStateActive;
  return StageStatePending;
}

}  // namespace

PageView* InstallerController::buildPageAtStage(int64_t stage, const QStringList& log) {
  auto* page = new PageView(QRectF(0, 0, 740, 630));
  AddSubview(page, MakeLabel(QStringLiteral("Building Velmora 3000…"), true, std::nullopt, 36, 564,
                             480, 34, 26));

  Label* counter =
      MakeLabel(StageCounterText(stage), false, SecondaryLabelColor(), 544, 572, 160, 20, 13);
  counter->setAlignment(Qt::AlignRight);
  AddSubview(page, counter);

  Label* lead = MakeLabel(QString::fromUtf8(BuildStageLead(stage)), false, SecondaryLabelColor(),
                          36, 534, 668, 22, 14);
  AddSubview(page, lead);

  auto* bar = new ProgressBar(QRectF(36, 506, 668, 10));
  bar->setControlSize(ProgressBar::ControlSize::Small);
  bar->setMinimum(0);
  bar->setMaximum(1);
  bar->setValue(BuildStageProgress(stage));
  AddSubview(page, bar);

  std::vector<QPointer<StagePillView>> rows;
  for (int64_t i = 0; i < kBuildStageCount; ++i) {
    auto* pill = new StagePillView(QRectF(36 + 340 * static_cast<double>(i % 2),
                                          460 - 42 * static_cast<double>(i / 2), 328, 34),
                                   QString::fromUtf8(kBuildStageNames[static_cast<size_t>(i)]));
    if (i <= stage) pill->setStageState(PillState(i, stage));
    AddSubview(page, pill);
    rows.emplace_back(pill);
  }

  auto* panel = new PanelView(QRectF(36, 152, 668, 216));
  panel->setFillColor(ChipColor());
  panel->setLineColor(LineColor());
  AddSubview(page, panel);
  AddSubview(panel, MakeLabel(QStringLiteral("Build details"), true, std::nullopt, 14, 194, 200, 20,
                              12.5));
  // The log view scrolls on its own, so it is also the part the toggle hides.
  auto* text = new LogView(QRectF(1, 1, panel->width() - 2, 180));
  text->setLines(log);
  AddSubview(panel, text);
  AddSubview(panel, new SeparatorLine(QRectF(0, panel->height() - 1, panel->width(), 1)));
  auto* toggle = new BadgeButton(QStringLiteral("Hide"));
  toggle->setContentTintColor(LabelColor());
  SetFrame(toggle, panel->width() - 80, 191, 66, 24);
  connect(toggle, &QAbstractButton::clicked, this, [this] { toggleBuildLog(); });
  AddSubview(panel, toggle);

  AddSubview(page, MakeLabel(QStringLiteral("You can keep this window open."), false,
                             SecondaryLabelColor(), 36, 100, 420, 20, 12));
  auto* cancel = new PushButton(QStringLiteral("Cancel"));
  SetFrame(cancel, 594, 92, 110, 36);
  connect(cancel, &QAbstractButton::clicked, this, [this] { cancelBuild(); });
  AddSubview(page, cancel);

  stageCountLabel = counter;
  stageLeadLabel = lead;
  progress = bar;
  pills = std::move(rows);
  logScroll = text;
  logView = text;
  logToggle = toggle;
  cancelButton = cancel;
  return page;
}

void InstallerController::setBuildStage(int64_t stage) {
  if (stage < 0 || stage >= kBuildStageCount) return;
  for (size_t i = 0; i < pills.size(); ++i) {
    if (pills[i] != nullptr) pills[i]->setStageState(PillState(static_cast<int64_t>(i), stage));
  }
  if (stageCountLabel != nullptr) stageCountLabel->setText(StageCounterText(stage));
  if (stageLeadLabel != nullptr) stageLeadLabel->setText(QString::fromUtf8(BuildStageLead(stage)));
  if (progress != nullptr) progress->setValue(BuildStageProgress(stage));
}

void InstallerController::appendLogLine(const QString& line) {
  if (logView == nullptr) return;
  // The view gathers the lines of one event-loop turn and inserts them
  // together, keeping the end in view.
  logView->appendLine(line);
}

void InstallerController::toggleBuildLog() {
  if (logScroll == nullptr) return;
  // Asked of the parent, so the answer is right before the page is on screen.
  const bool show = !logScroll->isVisibleTo(logScroll->parentWidget());
  logScroll->setVisible(show);
  if (logToggle != nullptr)
    logToggle->setTitle(show ? QStringLiteral("Hide") : QStringLiteral("Show"));
}

}  // namespace vlmr
