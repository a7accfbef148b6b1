// Splitting the script's output into lines, the line protocol and the run's log.
#include <unistd.h>

#include "base/files.h"
#include "base/text.h"
#include "pipeline/installer_log.h"
#include "pipeline/line_protocol.h"
#include "pipeline/pipeline.h"

namespace vlmr {

namespace {

constexpr std::string_view kStagePrefix = "##stage ";
constexpr std::string_view kDonePrefix = "##done ";
constexpr std::string_view kErrorPrefix = "##error ";

}  // namespace

void Pipeline::openLog() {
  std::string path;
  logFile = OpenInstallerLog(&path);
  logPath = path;
  WriteAll(logFile, RunHeader(installerPath, stageDir));
}

void Pipeline::closeLog() {
  if (logFile >= 0) close(logFile);
  logFile = -1;
}

void Pipeline::consumeData(std::string_view chunk) {
  if (chunk.empty()) return;
  size_t scanFrom = buffer.size();  // what was buffered before holds no line feed
  buffer.append(chunk);
  batchingLog_ = true;
  size_t lineStart = 0;
  for (size_t at = buffer.find('\n', scanFrom); at != std::string::npos;
       at = buffer.find('\n', at + 1)) {
    emitLineData(std::string_view(buffer).substr(lineStart, at - lineStart));
    lineStart = at + 1;
  }
  if (lineStart > 0) buffer.erase(0, lineStart);  // compact once per chunk
  // A line that never ends is delivered in pieces past the cap, cut between
  // characters, instead of growing without bound.
  while (buffer.size() > kMaxLineBytes) {
    size_t cut = Utf8BoundaryAtOrBefore(buffer, kMaxLineBytes);
    emitLineData(std::string_view(buffer).substr(0, cut));
    buffer.erase(0, cut);
  }
  batchingLog_ = false;
  WriteAll(logFile, pendingLog_);
  pendingLog_.clear();
}

void Pipeline::flushBuffer() {
  if (buffer.empty()) return;
  std::string line;
  line.swap(buffer);
  emitLineData(line);
}

void Pipeline::emitLineData(std::string_view bytes) {
  std::string line = DecodeUtf8OrLatin1(bytes);
  if (logFile >= 0) {
    pendingLog_.append(line).push_back('\n');
    if (!batchingLog_) {
      WriteAll(logFile, pendingLog_);
      pendingLog_.clear();
    }
  }
  std::string_view view = line;
  if (view.starts_with(kStagePrefix)) {
    std::optional<StageLine> stage = ParseStage(view.substr(kStagePrefix.size()));
    if (stage && onStage) onStage(stage->number, stage->total, stage->name);
  } else if (view.starts_with(kDonePrefix)) {
    appPath = Trimmed(std::string(view.substr(kDonePrefix.size())));
  } else if (view.starts_with(kErrorPrefix)) {
    errorMessage = Trimmed(std::string(view.substr(kErrorPrefix.size())));
  }
  if (onLine) onLine(line);
}

}  // namespace vlmr
