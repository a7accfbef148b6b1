#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/files.h"
#include "base/message.h"

namespace vlmr {

/// What one build is asked to do: the script's three options and how its
/// output is treated.
struct BuildRequest {
  /// How the script's output is treated.
  enum class Mode {
    /// The script writes to the installer's own standard output and error;
    /// nothing is read, parsed or logged, and no event is reported.
    Headless,
    /// The output comes through one pipe and is split into lines, each
    /// appended to the installer log and reported as events.
    Live,
  };

  /// Absolute path of the user's installer, passed after "--installer".
  std::string installer;
  /// Absolute path of the output folder, passed after "--out".
  std::string outputFolder;
  /// The cache folder passed after "--cache"; unset or empty means none.
  std::optional<std::string> cacheFolder = std::nullopt;
  Mode mode = Mode::Live;
  /// The installer's identity when it was checked: the build refuses a file
  /// that no longer has it. Unset: the file is taken as it is.
  std::optional<FileIdentity> installerIdentity = std::nullopt;
};

/// How a build ended, and what it said on the way: the one value of a build's
/// end, from the script's status to the window's page and the command line's
/// exit status. Final once `ended` has been reported (live) or the run has
/// returned (headless), and after a failed start.
struct BuildReport {
  /// The script's termination status: its exit code, or the number of the
  /// signal that ended it; -1 while it runs, when it never ran and when its
  /// status was lost.
  int32_t status = -1;
  /// Cancel (or the stop before quitting) reached the build.
  bool cancelled = false;
  /// The app folder named by the last "##done " line (live only).
  std::optional<std::string> appPath;
  /// The text of the last "##error " line (live only).
  std::optional<std::string> errorMessage;
  /// `appPath` named an existing folder when the run ended (live only).
  bool appIsFolder = false;
  /// An output line said the disk was full (`SaysDiskIsFull`, live only):
  /// whatever the script's error says, that is what the player must fix.
  bool outOfSpace = false;
  /// The build's supervisor ended without ending the build (killed, or not
  /// answering): the installer ended it, and `status` is -1.
  bool supervisorLost = false;
  /// Why the build could not start (its preparation or its launch failed);
  /// unset when the script ran, and when Cancel came before it started.
  std::optional<Message> startFailure;
  /// The installer log this run wrote to (live only, once the run opened it).
  std::optional<std::string> logPath;
  /// The build sources folder, once the sources are prepared.
  std::optional<std::string> sourcesRoot;
};

/// What a live build reports while it runs. `line` and `stage` are called on
/// the reader's thread (on the main thread for an unterminated last line),
/// never two at once; `ended` once, on the main queue, after the last line.
struct BuildEvents {
  /// Every output line, decoded, without its line feed; protocol lines too.
  std::function<void(const std::string& line)> line;
  /// A well-formed "##stage N/M name" line, reported before the line itself.
  std::function<void(int64_t number, int64_t total, const std::string& name)> stage;
  /// The build has ended: the script has exited and its output has ended, or
  /// it never started because Cancel came first.
  std::function<void(const BuildReport& report)> ended;
};

}  // namespace vlmr
