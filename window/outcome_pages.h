#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>

#include "checks/free_space.h"
#include "session/build_outcome.h"

namespace vlmr {

class InstallerSession;
class PageStack;

/// Where the error page says the log is: `logPath`, or the default log when
/// none was recorded, with a leading home folder written as "~".
QString ShownLogLocation(const std::optional<std::string>& logPath);

/// The pages a build ends on and their actions: the error page (copy and
/// show the log) and the done page (move the app into Applications, open it,
/// show it). Main thread only; background work holds it through a QPointer.
class OutcomePages : public QObject {
  Q_OBJECT

 public:
  /// The most of the installer log's end that "Copy log" copies.
  static constexpr size_t kCopiedLogBytes = 1024 * 1024;

  /// Pages shown on `pages`, acting on the app and log paths of `session`.
  OutcomePages(InstallerSession& session, PageStack& pages, QObject* parent = nullptr);

  /// How the free space of the destination's disk is measured (`MeasureFreeBytes`).
  void setFreeSpaceMeasure(FreeSpaceMeasure measure) { measure_ = std::move(measure); }

  /// Shows the page the build's `outcome` leads to: the done page for the
  /// session's built app, or the error page with the outcome's advice and the
  /// log's location. A cancelled build has none here (the installer page is
  /// the selection's).
  void show(const BuildOutcome& outcome);

 signals:
  /// "Choose another installer" on the error page.
  void chooseAnotherRequested();

 private:
  void showErrorPage(const BuildOutcome& outcome);
  void showDonePage();
  // "Copy log": the installer log's last kCopiedLogBytes as text (or its
  // path) on the clipboard, read in the background.
  void copyLog();
  // "Show log in Finder": the file manager with the log selected.
  void revealLog();
  // "Move to Applications", measured and copied in the background.
  void moveToApplications();
  // "Open": starts the built or installed app.
  void openApp();
  // "Show in Finder": the app in the file manager, once its folder has been
  // prepared in the background (Finder asked for the aliases).
  void revealInFinder();

  InstallerSession& session_;
  PageStack& pages_;
  FreeSpaceMeasure measure_ = MeasureFreeBytes;
  bool finderFolderRunning_ = false;
};

}  // namespace vlmr
