#include "session/installer_session.h"

#include "base/paths.h"
#include "base/text.h"
#include "session/build_advice.h"

namespace vlmr {

uint64_t InstallerSession::select(const std::string& path) {
  selection_.path = path;
  ++selection_.generation;
  // A new installer forgets the previous build's app.
  appPaths_ = AppPaths{};
  selection_.verdict = Format(kCheckingSelection, {IsolatedName(LastPathComponent(path))});
  selection_.usable = false;
  return selection_.generation;
}

bool InstallerSession::applyVerdict(uint64_t generation, const std::string& summary, bool usable) {
  if (generation != selection_.generation) return false;
  selection_.verdict = summary;
  selection_.verdictIsError = !usable;
  selection_.usable = usable;
  return true;
}

void InstallerSession::buildStarted(std::string logPath) {
  phase_ = BuildPhase::Running;
  logPath_ = std::move(logPath);
}

void InstallerSession::cancelRequested() {
  if (phase_ == BuildPhase::Running) phase_ = BuildPhase::Cancelling;
}

BuildOutcome InstallerSession::buildFinished(int32_t status, const BuildResult& result) {
  phase_ = BuildPhase::Idle;
  if (status == 0 && result.appPath && !result.appPath->empty() && result.appIsFolder) {
    appPaths_ = AppPaths{result.appPath, std::nullopt};
    return {BuildOutcome::Kind::Done, *result.appPath, ""};
  }
  if (result.cancelled) {
    // The file stays usable: "Build" is enabled again.
    selection_.verdict = kBuildCancelledNotice;
    selection_.verdictIsError = false;
    return {BuildOutcome::Kind::Cancelled, "", ""};
  }
  return buildFailed("", result);
}

BuildOutcome InstallerSession::buildFailed(const std::string& message, const BuildResult& result) {
  phase_ = BuildPhase::Idle;
  // A full disk often shows only in a tool's output, while the script's own
  // error names the step that broke; the disk is what needs fixing.
  const std::string raw = result.outOfSpace ? std::string(kNoSpaceLeft)
                          : message.empty() ? result.errorMessage
                                            : message;
  return {BuildOutcome::Kind::Failed, "", FriendlyMessageFor(raw)};
}

void InstallerSession::showingApp(const std::string& path, bool installed) {
  appPaths_ = installed ? AppPaths{std::nullopt, path} : AppPaths{path, std::nullopt};
}

}  // namespace vlmr
