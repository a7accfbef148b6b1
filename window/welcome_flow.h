#pragma once

#include <QObject>

#include "checks/prerequisites.h"

namespace vlmr {

class InstallerSession;
class PageStack;

/// The welcome page's side of the window: the prerequisite check in the
/// background, its verdict kept in the session and shown as the matching
/// welcome page, and the request for Apple's tools. Main thread only;
/// background work holds it through a QPointer.
class WelcomeFlow : public QObject {
  Q_OBJECT

 public:
  /// A flow showing its pages on `pages` and keeping the verdict in `session`.
  WelcomeFlow(InstallerSession& session, PageStack& pages, QObject* parent = nullptr);

  /// Probes the prerequisites in the background once the welcome page saying
  /// it is checking has been painted; the verdict, logged, brings the matching
  /// welcome page unless a build has taken the window. One check at a time.
  void checkPrerequisites();
  /// A prerequisite check runs (or waits for its page's paint).
  bool checkRunning() const { return checkRunning_; }

 signals:
  /// "Continue" on the all-present page.
  void continueRequested();
  /// A check's verdict is in the session and on screen.
  void prerequisitesChecked();

 private:
  // The probes themselves, in the background.
  void probe();
  void checked(PrerequisiteReport report);
  void installCommandLineTools();

  InstallerSession& session_;
  PageStack& pages_;
  bool checkRunning_ = false;
  bool toolsRequestRunning_ = false;
};

}  // namespace vlmr
