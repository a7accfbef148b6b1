#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "pipeline/build_request.h"

namespace vlmr {

/// Turns the script's output, as it arrives in chunks of any size, into lines:
/// only a line feed ends a line; each line is decoded (UTF-8, else ISO
/// Latin-1), appended to the run's log, checked for the line protocol and
/// handed to the events. Used from one thread at a time.
class OutputLines {
 public:
  /// Lines longer than this without a line feed are delivered in pieces, so a
  /// script that never ends its line cannot exhaust memory.
  static constexpr size_t kMaxLineBytes = 1024 * 1024;

  /// Turns a log descriptor that has just been written to into the one to
  /// write to from then on (the log may have been moved aside for a new one).
  using LogRotation = std::function<int(int logFd)>;

  /// Reports to `events` (`line` and `stage`; either may be empty) and
  /// appends every line to `logFd` unless it is -1, asking `rotate` (when
  /// set) after each write which descriptor to go on with. The descriptor is
  /// not owned.
  explicit OutputLines(const BuildEvents& events, int logFd = -1, LogRotation rotate = nullptr);
  OutputLines(const OutputLines&) = delete;
  OutputLines& operator=(const OutputLines&) = delete;

  /// Emits every line that `chunk` completes; the lines of one call reach the
  /// log in one write.
  void consume(std::string_view chunk);

  /// Emits an unterminated last line, if any; the output has ended.
  void finish();

  /// true while the start of a line whose end has not arrived is held.
  bool holdsPartialLine() const { return !partial_.empty(); }

  /// The trimmed text after the last "##done ", unset before one.
  const std::optional<std::string>& appPath() const { return appPath_; }
  /// The trimmed text after the last "##error ", unset before one.
  const std::optional<std::string>& errorMessage() const { return errorMessage_; }
  /// A line so far said the disk was full (`SaysDiskIsFull`).
  bool outOfSpace() const { return outOfSpace_; }

 private:
  void emit(std::string_view bytes);
  void writeLog();

  std::function<void(const std::string&)> onLine_;
  std::function<void(int64_t, int64_t, const std::string&)> onStage_;
  int logFd_;
  LogRotation rotate_;
  // The line being emitted; reused, so a line costs no allocation.
  std::string line_;
  // The start of a line whose line feed has not arrived yet.
  std::string partial_;
  // Lines of the current call, written to the log in one go.
  std::string pendingLog_;
  std::optional<std::string> appPath_;
  std::optional<std::string> errorMessage_;
  bool outOfSpace_ = false;
};

}  // namespace vlmr
