#pragma once

#include <string>

namespace vlmr {

/// An advisory lock (`flock`) on a file or folder, held until `release` or the
/// object's end. The descriptor is close-on-exec and no child inherits it, so
/// the lock dies with the process that took it: a killed installer never
/// blocks the next one.
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

  /// YES while the lock is held.
  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace vlmr
