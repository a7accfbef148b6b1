#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/translatable.h"
#include "checks/prerequisites.h"
#include "pipeline/build_request.h"
#include "session/app_paths.h"
#include "session/build_outcome.h"

namespace vlmr {

/// The installer file last dropped or chosen and what is known about it.
struct InstallerSelection {
  /// The file's path; empty until the first selection. Kept when rejected.
  std::string path;
  /// Counts selections, so a check's verdict reaches only its own selection.
  uint64_t generation = 0;
  /// The verdict line: "Checking …", the check's summary, or the cancel notice.
  Message verdict;
  /// The verdict line tells of a rejected file (drawn in red).
  bool verdictIsError = false;
  /// The file may be built: "Build" is enabled exactly when this is set.
  bool usable = false;
  /// The file as its check found it; a build refuses it once it differs.
  std::optional<FileIdentity> identity;
};

/// Where the build is.
enum class BuildPhase {
  Idle,        ///< no build runs; one may start
  Running,     ///< a build runs
  Cancelling,  ///< Cancel was pressed; the build has not ended yet
};

/// The verdict line while a selection is checked; "%1" takes its name.
inline constexpr MessageText kCheckingSelection = VLMR_TRANSLATABLE("Session", "Checking %1…");

/// The verdict line after a cancelled build.
inline constexpr MessageText kBuildCancelledNotice =
    VLMR_TRANSLATABLE("Session", "Build cancelled. You can try again.");

/// Everything the installer window knows apart from its widgets: the missing
/// prerequisites, the selection with its verdict, the build phase, the app
/// paths and the log path. Each step of the flow is a method, so the window
/// only shows what the session says; plain C++, used on the main thread.
class InstallerSession {
 public:
  /// The last prerequisite check's report; none until a check has answered.
  const std::optional<PrerequisiteReport>& prerequisites() const { return prerequisites_; }
  /// Records the outcome of a prerequisite check.
  void setPrerequisites(PrerequisiteReport report) { prerequisites_ = std::move(report); }
  /// A check has answered and found nothing missing.
  bool prerequisitesPresent() const { return prerequisites_ && prerequisites_->missing.empty(); }
  /// A check has answered and found something missing.
  bool prerequisitesMissing() const { return prerequisites_ && !prerequisites_->missing.empty(); }

  /// The current selection.
  const InstallerSelection& selection() const { return selection_; }
  /// A new selection of `path`: it forgets the previous build's app, shows
  /// "Checking <name>…" (the line keeps its colour until the verdict) and
  /// disables "Build". Returns the generation to hand back with the verdict.
  uint64_t select(const std::string& path);
  /// The check of selection `generation` ended, having found the file as
  /// `identity` says. A stale verdict (a later selection, even of the same
  /// file, has been made) is refused: false.
  bool applyVerdict(uint64_t generation, const Message& summary, bool usable,
                    std::optional<FileIdentity> identity = std::nullopt);

  /// The build phase.
  BuildPhase buildPhase() const { return phase_; }
  /// A build may start: a file is selected and none runs.
  bool canStartBuild() const { return !selection_.path.empty() && phase_ == BuildPhase::Idle; }
  /// A build started, logging to `logPath`.
  void buildStarted(std::string logPath);
  /// Cancel was pressed while a build runs.
  void cancelRequested();
  /// The build ended as `report` says. A build that could not start failed.
  /// Otherwise success is judged first: status 0 with an app folder counts,
  /// even when Cancel came too late to stop it; then a cancelled build goes
  /// back to the installer page with the notice. Anything else failed: the
  /// error page with advice for the start failure, else the script's error,
  /// else the general sentence; a run whose output said the disk was full
  /// gets the disk-full advice whatever the error says. The built app becomes
  /// the session's current app.
  BuildOutcome buildEnded(const BuildReport& report);

  /// The built and the installed app.
  const AppPaths& appPaths() const { return appPaths_; }
  /// The built app was moved to `destination`.
  void moved(const std::string& destination) { appPaths_.moved(destination); }

  /// The installer log that the copy and show log actions use (unset: none recorded).
  const std::optional<std::string>& logPath() const { return logPath_; }

 private:
  std::optional<PrerequisiteReport> prerequisites_;
  InstallerSelection selection_;
  BuildPhase phase_ = BuildPhase::Idle;
  AppPaths appPaths_;
  std::optional<std::string> logPath_;
};

}  // namespace vlmr
