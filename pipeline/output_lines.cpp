// Splitting the script's output into lines and recognising the line protocol.
#include "pipeline/output_lines.h"

#include "base/files.h"
#include "base/text.h"
#include "pipeline/disk_full.h"
#include "pipeline/line_protocol.h"

namespace vlmr {

namespace {

constexpr std::string_view kStagePrefix = "##stage ";
constexpr std::string_view kDonePrefix = "##done ";
constexpr std::string_view kErrorPrefix = "##error ";

}  // namespace

OutputLines::OutputLines(const BuildEvents& events, int logFd, LogRotation rotate)
    : onLine_(events.line), onStage_(events.stage), logFd_(logFd), rotate_(std::move(rotate)) {}

void OutputLines::consume(std::string_view chunk) {
  if (chunk.empty()) return;
  size_t lineStart = 0;
  size_t feed = chunk.find('\n');
  if (!partial_.empty() && feed != std::string_view::npos) {
    // The held start of a line ends in this chunk.
    partial_.append(chunk.substr(0, feed));
    emit(partial_);
    partial_.clear();
    lineStart = feed + 1;
    feed = chunk.find('\n', lineStart);
  }
  // Lines wholly inside the chunk are emitted straight from it, uncopied.
  for (; feed != std::string_view::npos; feed = chunk.find('\n', lineStart)) {
    emit(chunk.substr(lineStart, feed - lineStart));
    lineStart = feed + 1;
  }
  partial_.append(chunk.substr(lineStart));
  // A line that never ends is delivered in pieces past the cap, cut between
  // characters, instead of growing without bound.
  while (partial_.size() > kMaxLineBytes) {
    size_t cut = Utf8BoundaryAtOrBefore(partial_, kMaxLineBytes);
    emit(std::string_view(partial_).substr(0, cut));
    partial_.erase(0, cut);
  }
  writeLog();
}

void OutputLines::finish() {
  if (partial_.empty()) return;
  std::string line;
  line.swap(partial_);
  emit(line);
  writeLog();
}

void OutputLines::emit(std::string_view bytes) {
  if (IsValidUtf8(bytes)) {
    line_.assign(bytes);
  } else {
    line_ = Latin1ToUtf8(bytes);
  }
  if (logFd_ >= 0) pendingLog_.append(line_).push_back('\n');
  std::string_view view = line_;
  if (view.starts_with(kStagePrefix)) {
    std::optional<StageLine> stage = ParseStage(view.substr(kStagePrefix.size()));
    if (stage && onStage_) onStage_(stage->number, stage->total, stage->name);
  } else if (view.starts_with(kDonePrefix)) {
    appPath_ = Trimmed(std::string(view.substr(kDonePrefix.size())));
  } else if (view.starts_with(kErrorPrefix)) {
    errorMessage_ = Trimmed(std::string(view.substr(kErrorPrefix.size())));
  }
  // A full disk usually shows only in a tool's own output.
  if (!outOfSpace_ && SaysDiskIsFull(view)) outOfSpace_ = true;
  if (onLine_) onLine_(line_);
}

void OutputLines::writeLog() {
  if (pendingLog_.empty()) return;
  WriteAll(logFd_, pendingLog_);
  pendingLog_.clear();
  if (rotate_) logFd_ = rotate_(logFd_);
}

}  // namespace vlmr
