#pragma once

#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "components/surfaces.h"
#include "session/stage_mapping.h"

namespace vlmr {

class ButtonBase;
class Label;
class LogView;
class ProgressBar;
class StagePillView;

/// The time a running build has taken and, when a build has succeeded here
/// before, what is likely left.
struct BuildPageTime {
  /// Beside the stage counter: "1:12".
  QString elapsed;
  /// Right on the lead's line: "about 2 min left"; empty: no estimate.
  QString remaining;
  bool operator==(const BuildPageTime&) const = default;
};

/// What the build page shows.
struct BuildPageState {
  /// The page's stage, 0..5.
  int64_t stage = 0;
  /// The log's first lines.
  QStringList log;
  /// The progress bar's value; unset: the middle of the stage's sixth.
  std::optional<double> progress;
  /// The build's time; unset: none shown (the snapshots show no time).
  std::optional<BuildPageTime> time;
};

/// The page of a running build: stage counter and lead, progress bar, the six
/// stage pills, the collapsible live log and "Cancel".
class BuildPage : public PageView {
  Q_OBJECT

 public:
  /// Builds the page showing `state`.
  explicit BuildPage(const BuildPageState& state);

  /// Moves the page to `stage`; out-of-range stages change nothing.
  void setStage(int64_t stage);
  /// Appends output lines to the log and keeps its end in view. The view
  /// gathers them and inserts them together at the next flush or loop turn.
  void appendLines(const QStringList& lines);
  /// Inserts the gathered lines now.
  void flushLog();
  /// Shows or hides the log.
  void toggleLog();
  /// Cancel was pressed: the button goes grey and the lead says "Cancelling…".
  void setCancelling();
  /// Shows the build's time: "Stage 4 of 6 · 1:12" and the estimate, if any.
  void setTime(const BuildPageTime& time);

  /// The read side, for tests and assistive technology.
  const Label* counterLabel() const { return counter_; }
  const Label* leadLabel() const { return lead_; }
  /// The estimate of what is left; none until the page shows a time.
  const Label* remainingLabel() const { return remaining_; }
  const ProgressBar* progressBar() const { return progress_; }
  LogView* logView() const { return log_; }
  const StagePillView* pill(int64_t index) const { return pills_.at(static_cast<size_t>(index)); }
  ButtonBase* logToggle() const { return toggle_; }
  ButtonBase* cancelButton() const { return cancel_; }

 signals:
  /// "Cancel".
  void cancelRequested();

 private:
  Label* counter_ = nullptr;
  Label* lead_ = nullptr;
  Label* remaining_ = nullptr;
  int64_t stage_ = 0;
  std::optional<BuildPageTime> time_;
  ProgressBar* progress_ = nullptr;
  std::array<StagePillView*, kBuildStageCount> pills_{};
  LogView* log_ = nullptr;
  ButtonBase* toggle_ = nullptr;
  ButtonBase* cancel_ = nullptr;
};

}  // namespace vlmr
