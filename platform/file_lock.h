#pragma once

#include <string>

namespace vlmr {

/// An advisory lock (`flock`) on a file or folder, held until `release` or the
/// object's end. The descriptor is close-on-exec and no child inherits it
/// unless it is handed over on purpose: the build supervisor holds the build's
/// locks until every process of the build has ended, so a killed installer
/// blocks the next build only until its build is gone.
class FileLock {
 public:
  /// What `tryLock` found.
  enum class Outcome { Taken, Busy, Unavailable };

  FileLock() = default;
  ~FileLock() { release(); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  /// Takes an exclusive lock on `path` without waiting: Busy when another
  /// holder (in this process or another) has it, Unavailable when `path`
  /// cannot be opened. A lock already held by this object is released first.
  Outcome tryLock(const std::string& path);

  /// Gives the lock up; nothing happens when none is held.
  void release();

  /// true while the lock is held.
  bool held() const { return fd_ >= 0; }

  /// The open descriptor that carries the lock while it is held, else -1. A
  /// process given a copy holds the lock until it closes that copy.
  int descriptor() const { return fd_; }

 private:
  int fd_ = -1;
};

}  // namespace vlmr
