#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace vlmr {

FileLock::Outcome FileLock::tryLock(const std::string& path) {
  release();
  // Read-only, so a folder can be locked as well as a file; never blocking,
  // so a FIFO in its place cannot hang the caller.
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Outcome::Unavailable;
  int rc;
  while ((rc = flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
  }
  if (rc != 0) {
    bool busy = errno == EWOULDBLOCK;
    close(fd);
    return busy ? Outcome::Busy : Outcome::Unavailable;
  }
  fd_ = fd;
  return Outcome::Taken;
}

void FileLock::release() {
  if (fd_ < 0) return;
  // The lock ends once every copy of the descriptor is closed: ours here, and
  // the build supervisor's when it was handed one.
  close(fd_);
  fd_ = -1;
}

}  // namespace vlmr
