#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "base/translatable.h"

namespace vlmr {

/// The missing-tools entry of the prerequisite list.
inline constexpr char kMissingCommandLineTools[] =
    "Xcode Command Line Tools (clang, install_name_tool)";
/// The missing-Python entry of the prerequisite list.
inline constexpr char kMissingPython[] =
    "the Python 3 that comes with the Xcode Command Line Tools";

/// The one-line script that fails for a Python older than 3.9 or one without venv.
inline constexpr char kPythonProbeScript[] =
    "import sys, venv; sys.exit(sys.version_info < (3, 9))";

/// The welcome page's Python test: the version only.
inline constexpr char kPythonVersionScript[] = "import sys; sys.exit(sys.version_info < (3, 9))";

/// How a request to install the Command Line Tools went.
enum class InstallRequestOutcome {
  PromptShown,      ///< `xcode-select --install` exited with status 0.
  AlreadyUnderway,  ///< It exited with another status.
  NotStarted,       ///< It could not be started.
};

/// The hint sentence the welcome page shows for `outcome`.
MessageText InstallHintText(InstallRequestOutcome outcome);

/// The welcome page's hint when Xcode is installed but its license has not
/// been accepted: the tools then refuse to run until it is.
inline constexpr MessageText kAcceptLicenseHint =
    VLMR_TRANSLATABLE("Prerequisites",
                      "Accept Xcode's license first: open Xcode once, or run sudo xcodebuild "
                      "-license accept.");

/// True when a tool's output is Apple's refusal to run before the Xcode license
/// is accepted (xcrun and the python3 shim print it and fail).
bool SaysLicenseNotAccepted(std::string_view output);

/// What one check of the machine found.
struct PrerequisiteReport {
  /// The missing prerequisites, tools entry first (see prerequisiteProblems).
  std::vector<std::string> missing;
  /// The welcome page's own, lighter Python test passed: /usr/bin/python3 is
  /// 3.9 or later, whether or not it has venv.
  bool pythonReady = false;
  /// The hint the welcome page shows in place of its own: none, or
  /// `kAcceptLicenseHint` when a tool refused to run for the Xcode license.
  Message hint;
};

/// Finds out which build prerequisites the machine lacks and asks for the
/// Command Line Tools. Every tool runs synchronously through the process-wide
/// tool table and may take seconds (the first xcrun after the tools arrive,
/// Apple's installer): the window calls these on a background queue.
///
/// Without the Command Line Tools, /usr/bin/python3 on a Mac is a shim that
/// opens Apple's "install developer tools" dialog when run, so Python is then
/// reported missing without being run.
class PrerequisiteProbe {
 public:
  /// true when `xcode-select -p` exits with status 0.
  bool hasCommandLineTools() const;

  /// The missing prerequisites, in order: the tools entry when xcode-select,
  /// `xcrun -f clang` or the executable test of install_name_tool fails (each
  /// tried only after the previous one passed), then the Python entry when the
  /// Python probe fails, or without running it when xcode-select failed.
  std::vector<std::string> prerequisiteProblems() const;

  /// The decision behind the launch and "Check again": the missing
  /// prerequisites and the welcome page's Python test, with one event line
  /// about what is missing appended to the installer log. Runs python3 at
  /// most twice, and never without the tools.
  PrerequisiteReport checkPrerequisites() const;

  /// Runs `xcode-select --install` on the installer's own standard streams,
  /// waits for it and says how it went (`InstallHintText` gives the hint).
  InstallRequestOutcome installCommandLineTools() const;
};

/// The installer-log line for a prerequisite list.
std::string PrerequisitesLogLine(const std::vector<std::string>& missing);

}  // namespace vlmr
