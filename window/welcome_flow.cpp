#include "window/welcome_flow.h"

#include <QPointer>

#include "platform/queues.h"
#include "session/installer_session.h"
#include "window/localization.h"
#include "window/page_stack.h"
#include "window/welcome_page.h"

namespace vlmr {
namespace {

// How long a check waits for its page's paint: a window never shown does not
// hold it up for longer.
constexpr std::chrono::milliseconds kProbeWaitsForPaintAtMost{250};

}  // namespace

WelcomeFlow::WelcomeFlow(InstallerSession& session, PageStack& pages, QObject* parent)
    : QObject(parent), session_(session), pages_(pages) {}

void WelcomeFlow::checkPrerequisites() {
  // One check at a time: its verdict brings the page the next one starts from.
  if (checkRunning_) return;
  checkRunning_ = true;
  if (auto* page = pages_.pageAs<WelcomePage>()) {
    page->setRechecking();
  } else {
    pages_.showPage(new WelcomePage({.checking = true}));
  }
  // The probes start processes, python3 among them: they wait until the page
  // saying so is on screen, so the window never waits for them to appear.
  pages_.whenPainted(this, [this] { probe(); }, kProbeWaitsForPaintAtMost);
}

void WelcomeFlow::probe() {
  // The probes run external tools, and the first xcrun after Apple's tools
  // arrive takes seconds: never on the main thread.
  QPointer<WelcomeFlow> weak(this);
  RunInBackground([weak] {
    PrerequisiteReport report = PrerequisiteProbe().checkPrerequisites();
    RunOnMain([weak, report = std::move(report)]() mutable {
      if (weak != nullptr) weak->checked(std::move(report));
    });
  });
}

void WelcomeFlow::checked(PrerequisiteReport report) {
  checkRunning_ = false;
  session_.setPrerequisites(std::move(report));
  // A build started meanwhile (an opened file cannot start one) keeps its page.
  if (session_.buildPhase() == BuildPhase::Idle) {
    // The Python row shows the check's own, lighter test; the page runs nothing.
    auto* page =
        new WelcomePage({session_.prerequisitesMissing(), session_.prerequisites()->pythonReady});
    connect(page, &WelcomePage::continueRequested, this, &WelcomeFlow::continueRequested);
    connect(page, &WelcomePage::installToolsRequested, this, &WelcomeFlow::installCommandLineTools);
    connect(page, &WelcomePage::checkAgainRequested, this, &WelcomeFlow::checkPrerequisites);
    if (const Message& hint = session_.prerequisites()->hint; !hint.empty()) {
      page->setHint(Shown(hint));
    }
    pages_.showPage(page);
  }
  emit prerequisitesChecked();
}

void WelcomeFlow::installCommandLineTools() {
  if (toolsRequestRunning_) return;
  toolsRequestRunning_ = true;
  // The request itself is quick, but it is an external tool: it waits off
  // the main thread, and the system's own installer runs on after it returns.
  QPointer<WelcomeFlow> weak(this);
  RunInBackground([weak] {
    InstallRequestOutcome outcome = PrerequisiteProbe().installCommandLineTools();
    RunOnMain([weak, outcome] {
      if (weak == nullptr) return;
      weak->toolsRequestRunning_ = false;
      if (auto* page = weak->pages_.pageAs<WelcomePage>()) {
        page->setHint(Shown(InstallHintText(outcome)));
      }
    });
  });
}

}  // namespace vlmr
