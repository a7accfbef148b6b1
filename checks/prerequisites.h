#pragma once

#include <string>
#include <string_view>
#include <vector>

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
std::string_view InstallHintText(InstallRequestOutcome outcome);

/// Finds out which build prerequisites the machine lacks and asks for the
/// Command Line Tools. Every tool runs synchronously through the process-wide
/// tool table; the window calls these on its main thread and only displays the
/// answers.
class PrerequisiteProbe {
 public:
  /// YES when `xcode-select -p` exits with status 0.
  bool hasCommandLineTools() const;

  /// The missing prerequisites, in order: the tools entry when xcode-select,
  /// `xcrun -f clang` or the executable test of install_name_tool fails (each
  /// tried only after the previous one passed), then the Python entry when the
  /// Python probe (always run, once) fails.
  std::vector<std::string> prerequisiteProblems() const;

  /// The decision behind "Check again": the missing prerequisites, with one
  /// event line about them appended to the installer log. The window stores
  /// the list and shows the welcome page's missing variant when it is not empty.
  std::vector<std::string> checkPrerequisites() const;

  /// The welcome page's own, lighter Python test: YES when /usr/bin/python3 is
  /// 3.9 or later, without asking for venv (which prerequisiteProblems does).
  bool pythonVersionReady() const;

  /// Runs `xcode-select --install` on the installer's own standard streams,
  /// waits for it and says how it went (`InstallHintText` gives the hint).
  InstallRequestOutcome installCommandLineTools() const;
};

/// The installer-log line for a prerequisite list.
std::string PrerequisitesLogLine(const std::vector<std::string>& missing);

}  // namespace vlmr
