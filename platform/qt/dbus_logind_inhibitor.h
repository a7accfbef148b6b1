#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

#include "platform/sleep_inhibitor.h"

namespace vlmr {

/// Keeps Linux awake through logind: an "idle:sleep" inhibitor lock in block
/// mode, asked for asynchronously over the system bus
/// (`org.freedesktop.login1.Manager.Inhibit`). The lock is the descriptor the
/// call returns; closing it releases the lock. Lives on the main thread;
/// needs a QCoreApplication.
class LogindInhibitor final : public QObject, public SleepInhibitor {
  Q_OBJECT

 public:
  /// Asks in the name of the application `appName` (logind lists the lock under it).
  explicit LogindInhibitor(QString appName, QObject* parent = nullptr);
  ~LogindInhibitor() override;

  void hold() override;
  void release() override;

  /// A lock is held now (its descriptor has arrived and is open).
  bool holding() const { return lock_ >= 0; }

 private:
  // Counts hold() calls, so a lock that arrives after release() (or after a
  // newer request) is closed at once instead of kept.
  uint64_t request_ = 0;
  QString appName_;
  bool wanted_ = false;
  // Our copy of the lock's descriptor (close-on-exec, so no build inherits
  // it), or -1.
  int lock_ = -1;
};

}  // namespace vlmr
