#include "window/selection_flow.h"

#include <QFileDialog>
#include <QPointer>
#include <QUrl>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "checks/installer_validation.h"
#include "checks/selection_check.h"
#include "pipeline/pipeline.h"
#include "platform/app_folders.h"
#include "platform/installer_log.h"
#include "platform/queues.h"
#include "session/installer_session.h"
#include "window/installer_page.h"
#include "window/localization.h"
#include "window/page_stack.h"

namespace vlmr {
namespace {

// What the installer page shows for `selection`: its name and size (no size
// when its attributes cannot be read), the verdict line and whether it builds.
InstallerPageState InstallerPageStateFor(const InstallerSelection& selection) {
  if (selection.path.empty()) return {};
  const std::optional<uint64_t> size = SizeOfFileAt(selection.path);
  return {QString::fromStdString(LastPathComponent(selection.path)),
          size ? ShownSize(HumanSizeFigure(*size)) : QString(""), Shown(selection.verdict),
          selection.verdictIsError ? VerdictTone::Error : VerdictTone::Plain, selection.usable};
}

}  // namespace

SelectionFlow::SelectionFlow(InstallerSession& session, PageStack& pages, QObject* parent)
    : QObject(parent), session_(session), pages_(pages) {}

SelectionFlow::~SelectionFlow() {
  selectionCheck_.cancel();
}

void SelectionFlow::showInstallerPage() {
  auto* page = new InstallerPage(InstallerPageStateFor(session_.selection()));
  connect(page, &InstallerPage::chooseRequested, this, &SelectionFlow::chooseInstaller);
  connect(page, &InstallerPage::buildRequested, this, &SelectionFlow::buildRequested);
  connect(page, &InstallerPage::installerDropped, this,
          [this](const QUrl& url) { useInstaller(url.toLocalFile().toStdString()); });
  pages_.showPage(page);
}

void SelectionFlow::chooseInstaller() {
  QFileDialog dialog(pages_.window(), tr("Choose your GOG SimCity 3000 Unlimited installer"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setLabelText(QFileDialog::Accept, tr("Use this installer"));
  // Windows names the extension in any case, and so does the drop zone: one pattern that
  // matches ".exe" in every mix of letter cases.
  //: The file dialog's filter; %1 is the file pattern. Keep the parentheses plain ASCII.
  dialog.setNameFilter(tr("Windows installer (%1)").arg(QStringLiteral("*.[eE][xX][eE]")));
  if (dialog.exec() != QDialog::Accepted) return;
  const QList<QUrl> urls = dialog.selectedUrls();
  if (urls.isEmpty() || urls.first().isEmpty()) return;
  useInstaller(urls.first().toLocalFile().toStdString());
}

void SelectionFlow::useInstaller(const std::string& path) {
  const uint64_t selection = session_.select(path);
  AppendInstallerLog("installer chosen: " + path);
  // "Checking …", in the colour of the verdict before until this one arrives.
  if (auto* page = pages_.pageAs<InstallerPage>()) {
    page->setState(InstallerPageStateFor(session_.selection()));
  }

  // The previous selection's check is no longer wanted.
  selectionCheck_.cancel();
  selectionCheck_ = CancelToken();
  QPointer<SelectionFlow> weak(this);
  RunInBackground([weak, path, selection, measure = measure_, cancel = selectionCheck_] {
    // A near miss is named, a candidate validated, a usable one held back on a full disk.
    // Where a build prepares its sources and puts its output: the disk holding
    // them needs room for a build.
    const AppFolders folders = AppFolders::Current();
    // The file as it was before its check: the build takes it only as it was
    // checked, and one changed while it was read has no verdict to rely on.
    const std::optional<FileIdentity> identity = IdentityOfFileAt(path);
    SelectionVerdict verdict = CheckSelection(
        path, InstallerValidator(), {folders.sources(), folders.stage()}, measure, cancel);
    if (verdict.usable && (!identity || IdentityOfFileAt(path) != identity)) {
      verdict = {false, Message(kInstallerChanged)};
    }
    RunOnMain([weak, selection, summary = verdict.summary, usable = verdict.usable, identity] {
      // A later selection, even of the same file, has taken over: drop this one.
      if (weak == nullptr || !weak->session_.applyVerdict(selection, summary, usable, identity)) {
        return;
      }
      if (auto* page = weak->pages_.pageAs<InstallerPage>()) {
        page->setState(InstallerPageStateFor(weak->session_.selection()));
      }
      AppendInstallerLog(std::string("installer check: ") + (usable ? "usable" : "rejected") +
                         " (" + summary.english() + ")");
    });
  });
}

void SelectionFlow::openInstallerFile(const std::string& path) {
  // A running build keeps its installer; the file is not taken for later either.
  if (session_.buildPhase() != BuildPhase::Idle) {
    AppendInstallerLog("installer open ignored, a build is running: " + path);
    return;
  }
  // Before the launch's check has answered, and while the prerequisites are
  // missing, the welcome page stays; the latest file waits until they are
  // present (and is logged as waiting once they are known missing).
  if (!session_.prerequisitesPresent()) {
    pendingOpen_ = path;
    pendingOpenLogged_ = false;
    if (session_.prerequisitesMissing()) logPendingOpen();
    return;
  }
  pendingOpen_.reset();
  if (pages_.pageAs<InstallerPage>() == nullptr) showInstallerPage();
  useInstaller(path);
  // The player asked for this file: the window comes forward to show it.
  pages_.bringWindowForward();
}

void SelectionFlow::openPendingInstallerFile() {
  if (!pendingOpen_) return;
  if (!session_.prerequisitesPresent()) {
    if (session_.prerequisitesMissing()) logPendingOpen();
    return;
  }
  const std::string file = *pendingOpen_;
  pendingOpen_.reset();
  openInstallerFile(file);
}

void SelectionFlow::logPendingOpen() {
  if (!pendingOpen_ || pendingOpenLogged_) return;
  pendingOpenLogged_ = true;
  AppendInstallerLog("installer open waits for the prerequisites: " + *pendingOpen_);
}

}  // namespace vlmr
