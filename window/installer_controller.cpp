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
#include "window/app_menu_texts.h"
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
      unplacedPages_(std::make_unique<PageStack>()),
      pages_(unplacedPages_.get()),
      outcome_(std::make_unique<OutcomePages>(session_, *pages_)),
      build_(std::make_unique<BuildCoordinator>(session_, *pages_)),
      welcome_(std::make_unique<WelcomeFlow>(session_, *pages_)),
      selection_(std::make_unique<SelectionFlow>(session_, *pages_)),
      fileOpen_(std::make_unique<FileOpenFilter>(
          [this](const std::string& path) { selection_->openInstallerFile(path); })) {
  connect(welcome_.get(), &WelcomeFlow::continueRequested, selection_.get(),
          &SelectionFlow::showInstallerPage);
  connect(welcome_.get(), &WelcomeFlow::prerequisitesChecked, selection_.get(),
          &SelectionFlow::openPendingInstallerFile);
  connect(selection_.get(), &SelectionFlow::buildRequested, build_.get(),
          &BuildCoordinator::beginBuild);
  connect(build_.get(), &BuildCoordinator::ended, this, &InstallerController::showOutcome);
  connect(outcome_.get(), &OutcomePages::chooseAnotherRequested, selection_.get(), [this] {
    selection_->showInstallerPage();
    selection_->chooseInstaller();
  });
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
  // The window's focus goes as it is deleted: nothing to clear then. The
  // members go in the order their declarations give.
  disconnect(focusWatch_);
}

QWidget* InstallerController::currentPage() const {
  return pages_->page();
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
  pages_->whenPainted(
      this,
      [this] {
        if (window_ != nullptr) window_->setWindowIcon(InstallerWindowIcon());
      },
      kIconWaitsForPaintAtMost);
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
  menuBar_ = std::make_unique<QMenuBar>(nullptr);
  QMenu* menu = menuBar_->addMenu(WindowTitle());

#ifdef Q_OS_MACOS
  // The Mac moves these two into its application menu and names them with
  // the rest of it, in the system's words: the actions say the same.
  const QString aboutTitle = AppMenuTitle(AppMenuItem::About);
  const QString quitTitle = AppMenuTitle(AppMenuItem::Quit);
#else
  const QString aboutTitle = tr("About %1").arg(WindowTitle());
  const QString quitTitle = tr("Quit %1").arg(WindowTitle());
#endif
  QAction* about = menu->addAction(aboutTitle);
  about->setMenuRole(QAction::AboutRole);
  connect(about, &QAction::triggered, this, [this, aboutTitle] {
    QString text = QStringLiteral("<b>") + WindowTitle() + QStringLiteral("</b>");
    if (!QCoreApplication::applicationVersion().isEmpty()) {
      text += QStringLiteral("<br>") + tr("Version %1").arg(QCoreApplication::applicationVersion());
    }
    QMessageBox::about(window_.get(), aboutTitle, text);
  });

  menu->addSeparator();

  QAction* quit = menu->addAction(quitTitle);
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
  window_ = std::make_unique<QMainWindow>(
      nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  QMainWindow* main = window_.get();
  main->setWindowTitle(WindowTitle());
  main->setCentralWidget(unplacedPages_.release());
#ifndef Q_OS_MACOS
  if (menuBar_ != nullptr) main->setMenuBar(menuBar_.release());
#endif
  main->setFixedSize(main->sizeHint());

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = main->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    main->move(frame.topLeft());
  }
  main->show();
}

void InstallerController::showOutcome(const BuildOutcome& outcome) {
  if (outcome.end == BuildEnd::Cancelled) {
    selection_->showInstallerPage();
  } else {
    outcome_->show(outcome);
  }
}

}  // namespace vlmr
