// The window's side of the prerequisite check: the probe decides and logs, the
// controller remembers the answer and shows it.
#include "checks/prerequisites.h"

#include "components/label.h"

#include "window/installer_controller.h"

namespace vlmr {

void InstallerController::checkPrerequisites() {
  missingItems = PrerequisiteProbe().checkPrerequisites();
  showWelcomePageMissing(!missingItems.empty());
}

void InstallerController::installCommandLineTools() {
  // Waits for xcode-select on the main thread, as the request itself is quick:
  // the system's own installer runs on after it returns.
  InstallRequestOutcome outcome = PrerequisiteProbe().installCommandLineTools();
  if (prereqHint == nullptr) return;
  std::string_view hint = InstallHintText(outcome);
  prereqHint->setText(QString::fromUtf8(hint.data(), static_cast<qsizetype>(hint.size())));
}

}  // namespace vlmr
