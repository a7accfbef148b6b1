#include "checks/sha256.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace vlmr {

namespace {

std::optional<std::string> HexDigest(Sha256& hash) {
  unsigned char digest[32];
  if (!hash.finish(digest)) return std::nullopt;
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  text.reserve(64);
  for (unsigned char byte : digest) {
    text += kHex[byte >> 4];
    text += kHex[byte & 0xF];
  }
  return text;
}

// Closes the descriptor on every way out.
struct FileDescriptor {
  int fd;
  ~FileDescriptor() {
    if (fd >= 0) close(fd);
  }
};

}  // namespace

std::optional<std::string> Sha256OfBytes(std::string_view bytes) {
  Sha256 hash;
  if (!hash.update(bytes.data(), bytes.size())) return std::nullopt;
  return HexDigest(hash);
}

std::optional<std::string> Sha256OfFile(const std::string& path, const CancelToken& cancel) {
  return Sha256OfFile(path, [&cancel](uint64_t) { return !cancel.cancelled(); });
}

std::optional<std::string> Sha256OfFile(const std::string& path, const KeepHashing& keepGoing) {
  // Non-blocking, so a FIFO put in the file's place cannot hold the caller up;
  // it is turned away just below anyway.
  FileDescriptor file{open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)};
  if (file.fd < 0) return std::nullopt;
  struct stat info {};
  if (fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
#ifdef POSIX_FADV_SEQUENTIAL
  // The whole file is read once, front to back: let the kernel read ahead.
  posix_fadvise(file.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif

  Sha256 hash;
  std::vector<unsigned char> block(kHashReadBlock);
  for (uint64_t blocks = 0;;) {
    // Asked between blocks: a file of many gigabytes is not read on for a
    // selection that was replaced or an installer that is quitting.
    if (keepGoing && !keepGoing(blocks)) return std::nullopt;
    ssize_t n = read(file.fd, block.data(), block.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;  // a failed read: no digest of what came before
    if (n == 0) break;
    ++blocks;
    if (!hash.update(block.data(), static_cast<size_t>(n))) return std::nullopt;
  }
  return HexDigest(hash);
}

}  // namespace vlmr
