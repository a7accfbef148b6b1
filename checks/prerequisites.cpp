#include "checks/prerequisites.h"

#include <unistd.h>

#include <cctype>
#include <utility>

#include "base/files.h"
#include "base/translatable.h"
#include "platform/installer_log.h"
#include "platform/process.h"
#include "platform/run_capturing.h"
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

MessageText InstallHintText(InstallRequestOutcome outcome) {
  switch (outcome) {
    case InstallRequestOutcome::PromptShown:
      return VLMR_TRANSLATABLE("Prerequisites",
                               "Follow Apple's prompt, then choose Check again when it finishes.");
    case InstallRequestOutcome::AlreadyUnderway:
      return VLMR_TRANSLATABLE(
          "Prerequisites",
          "Apple says the tools may already be installed or being installed. Choose Check "
          "again.");
    case InstallRequestOutcome::NotStarted:
      break;
  }
  return VLMR_TRANSLATABLE(
      "Prerequisites",
      "macOS could not open the installation. Run xcode-select --install in Terminal.");
}

bool SaysLicenseNotAccepted(std::string_view output) {
  // Apple's wordings differ between releases ("You have not agreed to the
  // Xcode license agreements", "Agreeing to the Xcode/iOS license requires
  // admin privileges, please run “sudo xcodebuild -license”"); each names
  // one of these.
  std::string lower(output);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find("xcodebuild -license") != std::string::npos ||
         lower.find("xcode license") != std::string::npos;
}

bool PrerequisiteProbe::hasCommandLineTools() const {
  return Succeeds(Tools().xcodeSelect, {"-p"});
}

namespace {

// What the probes found, each run at most once.
struct Findings {
  bool toolsPresent = false;    // xcode-select -p
  bool toolsComplete = false;   // and clang, and install_name_tool
  bool pythonUsable = false;    // 3.9 or later, with venv
  bool licenseRefused = false;  // xcrun or python3 refused for the Xcode license
};

// Like Succeeds, and a failure's output is read for the license refusal.
bool SucceedsUnlessRefused(const std::string& tool, const std::vector<std::string>& arguments,
                           bool* licenseRefused) {
  if (tool.empty()) return false;
  std::string output;
  if (RunCapturing(tool, arguments, &output) == 0) return true;
  if (SaysLicenseNotAccepted(output)) *licenseRefused = true;
  return false;
}

Findings Probe() {
  const SystemTools& tools = Tools();
  Findings found;
  found.toolsPresent = PrerequisiteProbe().hasCommandLineTools();
  found.toolsComplete =
      found.toolsPresent &&
      SucceedsUnlessRefused(tools.xcrun, {"-f", "clang"}, &found.licenseRefused) &&
      IsExecutableFile(tools.installNameTool);
  // Without the tools the interpreter is Apple's shim: running it would put
  // up the system's install dialog before the welcome page has said a word.
  found.pythonUsable =
      found.toolsPresent &&
      SucceedsUnlessRefused(tools.python3, {"-c", kPythonProbeScript}, &found.licenseRefused);
  return found;
}

std::vector<std::string> MissingFrom(const Findings& found) {
  std::vector<std::string> missing;
  if (!found.toolsComplete) missing.emplace_back(kMissingCommandLineTools);
  if (!found.pythonUsable) missing.emplace_back(kMissingPython);
  return missing;
}

}  // namespace

std::vector<std::string> PrerequisiteProbe::prerequisiteProblems() const {
  return MissingFrom(Probe());
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

PrerequisiteReport PrerequisiteProbe::checkPrerequisites() const {
  const Findings found = Probe();
  PrerequisiteReport report;
  report.missing = MissingFrom(found);
  // A usable interpreter passes the lighter test too; only one that failed
  // the full probe is asked again, for the version alone.
  report.pythonReady =
      found.pythonUsable ||
      (found.toolsPresent && Succeeds(Tools().python3, {"-c", kPythonVersionScript}));
  // Installing the tools again cannot help: the page says what will.
  if (found.licenseRefused) report.hint = Message(kAcceptLicenseHint);
  AppendInstallerLog(PrerequisitesLogLine(report.missing));
  return report;
}

InstallRequestOutcome PrerequisiteProbe::installCommandLineTools() const {
  int status = RunOnOwnStreams(Tools().xcodeSelect, {"--install"});
  if (status < 0) return InstallRequestOutcome::NotStarted;
  return status == 0 ? InstallRequestOutcome::PromptShown : InstallRequestOutcome::AlreadyUnderway;
}

}  // namespace vlmr
