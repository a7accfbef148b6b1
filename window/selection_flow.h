#pragma once

#include <QObject>
#include <optional>
#include <string>

#include "base/cancel_token.h"
#include "checks/free_space.h"

namespace vlmr {

class InstallerSession;
class PageStack;

/// The installer page's side of the window: the page built from the
/// session's selection, the file dialog, the check of each new selection in
/// the background, and the files the system asks us to open. Paths arrive
/// here as the session keeps them, converted once where they came in (the
/// drop, the dialog, the file-open event). Main thread only.
class SelectionFlow : public QObject {
  Q_OBJECT

 public:
  /// A flow showing its pages on `pages` and keeping the selection in `session`.
  SelectionFlow(InstallerSession& session, PageStack& pages, QObject* parent = nullptr);
  /// A file still being hashed is hashed for nobody now: its check stops.
  ~SelectionFlow() override;

  /// How the free space of the build's disk is measured (`MeasureFreeBytes`).
  void setFreeSpaceMeasure(FreeSpaceMeasure measure) { measure_ = std::move(measure); }

  /// Shows the installer page for the current selection and its verdict.
  void showInstallerPage();
  /// "Choose…": the file dialog for an ".exe" installer, over the window.
  void chooseInstaller();
  /// The system asks us to open `path`: the installer page with it selected
  /// as a drop would, ignored while a build runs, kept until the
  /// prerequisites are known to be present; the window comes forward.
  void openInstallerFile(const std::string& path);
  /// Opens the file kept by openInstallerFile once the prerequisites are present.
  void openPendingInstallerFile();

 signals:
  /// "Build" on the installer page.
  void buildRequested();

 private:
  // A new selection, dropped, chosen or opened: records it, shows "Checking…"
  // and checks it in the background (a near miss named, an installer
  // validated, the build's disk measured); only the latest verdict is shown.
  void useInstaller(const std::string& path);
  // Logs once that the kept file waits for the prerequisites.
  void logPendingOpen();

  InstallerSession& session_;
  PageStack& pages_;
  FreeSpaceMeasure measure_ = MeasureFreeBytes;
  // Withdrawn when a newer selection replaces the one being checked, or when
  // the flow goes: a hash nobody waits for stops within a block.
  CancelToken selectionCheck_;
  // A file the system asked us to open before we could take it.
  std::optional<std::string> pendingOpen_;
  bool pendingOpenLogged_ = false;
};

}  // namespace vlmr
