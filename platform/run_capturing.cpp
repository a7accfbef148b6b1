#include "platform/run_capturing.h"

#include <unistd.h>

#include "base/files.h"
#include "base/text.h"
#include "platform/process.h"

namespace vlmr {

int32_t RunCapturing(const std::string& tool, const std::vector<std::string>& arguments,
                     std::string* output) {
  int fds[2];
  if (!MakePipe(fds)) return -1;
  Process process(TaskSpec{tool, arguments, std::nullopt, fds[1], fds[1]});
  bool launched = process.launch(nullptr);
  close(fds[1]);  // only the child holds the writing end now
  if (!launched) {
    close(fds[0]);
    return -1;
  }
  // Read to the end before waiting, so a tool that writes more than a pipe
  // holds cannot stall.
  std::string bytes;
  ReadAll(fds[0], bytes);  // after a read error, what came before it
  close(fds[0]);
  int status = process.waitUntilExit();
  if (output != nullptr) *output = Trimmed(DecodeUtf8OrLatin1(bytes));
  return status;
}

}  // namespace vlmr
