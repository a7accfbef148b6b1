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
  selection_.verdict = Message(kCheckingSelection, {FileName{LastPathComponent(path)}});
  selection_.usable = false;
  selection_.identity.reset();
  return selection_.generation;
}

bool InstallerSession::applyVerdict(uint64_t generation, const Message& summary, bool usable,
                                    std::optional<FileIdentity> identity) {
  if (generation != selection_.generation) return false;
  selection_.identity = std::move(identity);
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

BuildOutcome InstallerSession::buildEnded(const BuildReport& report) {
  phase_ = BuildPhase::Idle;
  if (!report.startFailure && report.status == 0 && report.appPath && !report.appPath->empty() &&
      report.appIsFolder) {
    appPaths_ = AppPaths{report.appPath, std::nullopt};
    return {BuildEnd::Done, *report.appPath, {}};
  }
  if (!report.startFailure && report.cancelled) {
    // The file stays usable: "Build" is enabled again.
    selection_.verdict = Message(kBuildCancelledNotice);
    selection_.verdictIsError = false;
    return {BuildEnd::Cancelled, "", selection_.verdict};
  }
  // A full disk often shows only in a tool's output, while the script's own
  // error names the step that broke; the disk is what needs fixing.
  const Message stated = report.startFailure && !report.startFailure->empty()
                             ? *report.startFailure
                             : Message::Verbatim(report.errorMessage.value_or(""));
  return {BuildEnd::Failed, "",
          FriendlyMessageFor(report.outOfSpace ? Message::Verbatim(kNoSpaceLeft) : stated)};
}

}  // namespace vlmr
