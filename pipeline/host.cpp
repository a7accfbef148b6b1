#include "pipeline/host.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "pipeline/text.h"
#include "platform/bundle.h"
#include "platform/home.h"
#include "platform/process.h"

namespace vlmr {

namespace {

bool IsTrimmable(char32_t c) {
  switch (c) {
    case 0x09:
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x0D:
    case 0x20:
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
      return true;
    default:
      return c >= 0x2000 && c <= 0x200A;
  }
}

// Decodes the character starting at `i`; returns its length, 0 if malformed.
size_t DecodeAt(const std::string& s, size_t i, char32_t& c) {
  auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char lead = byte(i);
  size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || i + length > s.size()) return 0;
  c = length == 1 ? lead : lead & (0xFF >> (length + 1));
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  return length;
}

}  // namespace

std::string Trimmed(const std::string& text) {
  size_t begin = 0;
  char32_t c = 0;
  while (begin < text.size()) {
    size_t length = DecodeAt(text, begin, c);
    if (length == 0 || !IsTrimmable(c)) break;
    begin += length;
  }
  size_t end = text.size();
  while (end > begin) {
    // Walk back to the start of the last character.
    size_t start = end - 1;
    while (start > begin && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    size_t length = DecodeAt(text, start, c);
    if (length != end - start || !IsTrimmable(c)) break;
    end = start;
  }
  return text.substr(begin, end - begin);
}

bool IsDirectory(const std::optional<std::string>& path) {
  struct stat info {};
  return path && stat(path->c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFile(const std::optional<std::string>& path) {
  struct stat info {};
  return path && stat(path->c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string HomePath(const std::string& relative) {
  return JoinPath(HomeDirectory(), relative);
}

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
  char chunk[16384];
  for (;;) {
    ssize_t n = read(fds[0], chunk, sizeof chunk);
    if (n > 0) {
      bytes.append(chunk, static_cast<size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  close(fds[0]);
  int status = process.waitUntilExit();
  if (output != nullptr) *output = Trimmed(DecodeUtf8OrLatin1(bytes));
  return status;
}

}  // namespace vlmr
