#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace vlmr {

FileLock::Outcome FileLock::tryLock(const std::string& path) {
  release();
  // Read-only, so a folder can be locked as well as a file.
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
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
  close(fd_);  // closing the only descriptor of the open file gives up the lock
  fd_ = -1;
}

}  // namespace vlmr
