#include "window/installer_controller.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <string>

#include "base/paths.h"
#include "components/page_helpers.h"
#include "components/surfaces.h"
#include "platform/bundle.h"
#include "platform/installer_log.h"
#include "window/build_coordinator.h"
#include "window/localization.h"
#include "window/open_file.h"
#include "window/outcome_pages.h"
#include "window/page_stack.h"
#include "window/selection_flow.h"
#include "window/welcome_flow.h"
#ifndef Q_OS_MACOS
#include "platform/qt/dbus_launcher_entry.h"
#endif

namespace vlmr {
namespace {

// How long the window's icon waits for the first page to be painted.
constexpr std::chrono::milliseconds kIconWaitsForPaintAtMost{250};

// Where the application runs from: its bundle, else the executable's folder.
std::string ApplicationLocation() {
  std::string bundle = BundlePath();
  if (!bundle.empty()) return bundle;
  return DeletingLastPathComponent(ExecutablePath());
}

}  // namespace

InstallerController::InstallerController(QObject* parent)
    : QObject(parent),
      pages_(new PageStack),
      welcome_(new WelcomeFlow(session_, *pages_, this)),
      selection_(new SelectionFlow(session_, *pages_, this)),
      build_(new BuildCoordinator(session_, *pages_, this)),
      outcome_(new OutcomePages(session_, *pages_, this)) {
  connect(welcome_, &WelcomeFlow::continueRequested, selection_, &SelectionFlow::showInstallerPage);
  connect(welcome_, &WelcomeFlow::prerequisitesChecked, selection_,
          &SelectionFlow::openPendingInstallerFile);
  connect(selection_, &SelectionFlow::buildRequested, build_, &BuildCoordinator::beginBuild);
  connect(build_, &BuildCoordinator::ended, this, &InstallerController::showOutcome);
  connect(outcome_, &OutcomePages::chooseAnotherRequested, selection_, [this] {
    selection_->showInstallerPage();
    selection_->chooseInstaller();
  });
  new FileOpenFilter([this](const std::string& path) { selection_->openInstallerFile(path); },
                     this);
  // The Dock's badge and request for attention go once the player is back.
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    focusWatch_ = connect(app, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
      if (focus != nullptr && window_ != nullptr && window_->windowHandle() == focus) {
        build_->windowActivated();
      }
    });
  }
}

InstallerController::~InstallerController() {
  // The window's focus goes as it is deleted: nothing to clear then.
  disconnect(focusWatch_);
  // The flows go first: a check still running hears that nobody waits for it.
  delete selection_;
  delete welcome_;
  delete build_;
  delete outcome_;
  delete window_.data();
  // A stack that never went into a window is ours.
  delete pages_.data();
  // A menu bar that never went into a window (the Mac's global one) is ours;
  // one inside the window went with it.
  delete menuBar_.data();
}

QWidget* InstallerController::currentPage() const {
  return pages_ != nullptr ? pages_->page() : nullptr;
}

bool InstallerController::prerequisiteCheckRunning() const {
  return welcome_->checkRunning();
}

const BuildRun* InstallerController::buildRun() const {
  return build_->run();
}

void InstallerController::setFreeSpaceMeasure(FreeSpaceMeasure measure) {
  selection_->setFreeSpaceMeasure(measure);
  outcome_->setFreeSpaceMeasure(std::move(measure));
}

void InstallerController::setBuildClock(std::function<double()> clock) {
  build_->setClock(std::move(clock));
}

void InstallerController::setNotificationPoster(std::unique_ptr<NotificationPoster> poster) {
  build_->setNotificationPoster(std::move(poster));
}

void InstallerController::applicationDidFinishLaunching() {
#ifndef Q_OS_MACOS
  // Docks match the window and its launcher entry to our desktop entry by this id.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntryId));
#endif
  buildMenu();
  buildWindow();
  // The log is for support: in English, whatever the window speaks.
  AppendInstallerLog(std::string("launch: ") + kWindowTitle + " (bundle " + ApplicationLocation() +
                     ")");
  AppendInstallerLog("window: " + std::to_string(kPageWidth) + "x" + std::to_string(kPageHeight) +
                     " content, title '" + kWindowTitle + "'");
  welcome_->checkPrerequisites();
  // The title bar's icon reads its sizes from disk: once the window shows its page.
  pages_->whenPainted(this, [this] {
    if (window_ != nullptr) window_->setWindowIcon(InstallerWindowIcon());
  }, kIconWaitsForPaintAtMost);
  pages_->bringWindowForward();
#ifdef Q_OS_MACOS
  // The Mac asks the player once whether the app may notify. Asked now, the
  // answer is in long before the first build ends.
  build_->notificationPoster();
#endif
}

void InstallerController::buildMenu() {
  // Without a parent the bar is the Mac's global menu bar; elsewhere
  // buildWindow puts it at the top of the window.
  menuBar_ = new QMenuBar(nullptr);
  QMenu* menu = menuBar_->addMenu(WindowTitle());

  const QString aboutTitle = tr("About %1").arg(WindowTitle());
  QAction* about = menu->addAction(aboutTitle);
  about->setMenuRole(QAction::AboutRole);
  connect(about, &QAction::triggered, this, [this, aboutTitle] {
    QString text = QStringLiteral("<b>") + WindowTitle() + QStringLiteral("</b>");
    if (!QCoreApplication::applicationVersion().isEmpty()) {
      text += QStringLiteral("<br>") + tr("Version %1").arg(QCoreApplication::applicationVersion());
    }
    QMessageBox::about(window_, aboutTitle, text);
  });

  menu->addSeparator();

  QAction* quit = menu->addAction(tr("Quit %1").arg(WindowTitle()));
  quit->setMenuRole(QAction::QuitRole);
  quit->setShortcut(QKeySequence::Quit);
  quit->setShortcutContext(Qt::ApplicationShortcut);
  connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);

  // The Window menu every Mac app has. Close goes the way of the window's
  // close button (the window's close event), so a build is treated alike.
  // Qt's Ctrl is the Mac's Command key.
  QMenu* windowMenu = menuBar_->addMenu(tr("Window"));
  QAction* minimize = windowMenu->addAction(tr("Minimize"));
  minimize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  connect(minimize, &QAction::triggered, this, [this] {
    if (window_ != nullptr) window_->showMinimized();
  });
  QAction* close = windowMenu->addAction(tr("Close"));
  close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  connect(close, &QAction::triggered, this, [this] {
    if (window_ != nullptr) window_->close();
  });
}

void InstallerController::buildWindow() {
  // Titled, closable and minimisable; no maximise button and a fixed size.
  auto* main =
      new QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  main->setWindowTitle(WindowTitle());
  main->setCentralWidget(pages_);
#ifndef Q_OS_MACOS
  if (menuBar_ != nullptr) main->setMenuBar(menuBar_);
#endif
  main->setFixedSize(main->sizeHint());
  window_ = main;

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = main->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    main->move(frame.topLeft());
  }
  main->show();
}

void InstallerController::showOutcome(const BuildOutcome& outcome) {
  switch (outcome.end) {
    case BuildEnd::Done:
      outcome_->showDonePage(outcome.appPath);
      return;
    case BuildEnd::Cancelled:
      selection_->showInstallerPage();
      return;
    case BuildEnd::Failed:
      outcome_->showErrorPage(Localized(outcome.advice));
      return;
  }
}

}  // namespace vlmr
