#include "checks/prerequisites.h"

#include <unistd.h>

#include <utility>

#include "base/files.h"
#include "pipeline/host.h"
#include "pipeline/installer_log.h"
#include "platform/process.h"
#include "platform/system_tools.h"

namespace vlmr {

namespace {

// An empty tool entry means the platform has no such tool: it fails like one
// that cannot be launched, without trying to spawn "".
bool Succeeds(const std::string& tool, const std::vector<std::string>& arguments) {
  return !tool.empty() && RunCapturing(tool, arguments) == 0;
}

// The executable test of a tool the probe never runs. A directory with its
// search bit set is not a tool.
bool IsExecutableFile(const std::string& path) {
  return !path.empty() && access(path.c_str(), X_OK) == 0 && IsFile(path);
}

// Runs `tool` with the installer's own three standard streams (Apple's
// installer talks to the user, not to us) and waits for it. Returns its
// termination status, or -1 when it cannot be started.
int RunOnOwnStreams(const std::string& tool, const std::vector<std::string>& arguments) {
  if (tool.empty()) return -1;
  TaskSpec launch;
  launch.executable = tool;
  launch.arguments = arguments;
  launch.inheritStdin = true;
  Process process(std::move(launch));
  if (!process.launch(nullptr)) return -1;
  return process.waitUntilExit();
}

}  // namespace

std::string_view InstallHintText(InstallRequestOutcome outcome) {
  switch (outcome) {
    case InstallRequestOutcome::PromptShown:
      return "Follow Apple's prompt, then choose Check again when it finishes.";
    case InstallRequestOutcome::AlreadyUnderway:
      return "Apple says the tools may already be installed or being installed. Choose Check "
             "again.";
    case InstallRequestOutcome::NotStarted:
      break;
  }
  return "macOS could not open the installation. Run xcode-select --install in Terminal.";
}

bool PrerequisiteProbe::hasCommandLineTools() const {
  return Succeeds(Tools().xcodeSelect, {"-p"});
}

bool PrerequisiteProbe::pythonVersionReady() const {
  return Succeeds(Tools().python3, {"-c", kPythonVersionScript});
}

std::vector<std::string> PrerequisiteProbe::prerequisiteProblems() const {
  const SystemTools& tools = Tools();
  bool toolsComplete = hasCommandLineTools() && Succeeds(tools.xcrun, {"-f", "clang"}) &&
                       IsExecutableFile(tools.installNameTool);
  bool pythonUsable = Succeeds(tools.python3, {"-c", kPythonProbeScript});

  std::vector<std::string> missing;
  if (!toolsComplete) missing.emplace_back(kMissingCommandLineTools);
  if (!pythonUsable) missing.emplace_back(kMissingPython);
  return missing;
}

std::string PrerequisitesLogLine(const std::vector<std::string>& missing) {
  if (missing.empty())
    return "prerequisites: ok (Xcode Command Line Tools, clang, /usr/bin/python3)";
  std::string joined;
  for (const std::string& item : missing) {
    if (!joined.empty()) joined += ", ";
    joined += item;
  }
  return "prerequisites: missing " + joined;
}

std::vector<std::string> PrerequisiteProbe::checkPrerequisites() const {
  std::vector<std::string> missing = prerequisiteProblems();
  AppendInstallerLog(PrerequisitesLogLine(missing));
  return missing;
}

InstallRequestOutcome PrerequisiteProbe::installCommandLineTools() const {
  int status = RunOnOwnStreams(Tools().xcodeSelect, {"--install"});
  if (status < 0) return InstallRequestOutcome::NotStarted;
  return status == 0 ? InstallRequestOutcome::PromptShown
                     : InstallRequestOutcome::AlreadyUnderway;
}

}  // namespace vlmr
