// The application shell: the menu, the window, the launch sequence and the
// page host that swaps one page for the next.
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>
#include <string>

#include "base/paths.h"
#include "components/page_helpers.h"
#include "components/surfaces.h"

#include "platform/bundle.h"
#include "platform/installer_log.h"
#include "window/build_presence.h"
#include "window/installer_controller.h"
#include "window/open_file.h"
#ifdef Q_OS_MACOS
#include "platform/mac/user_notification_poster.h"
#else
#include "platform/qt/dbus_launcher_entry.h"
#include "platform/qt/dbus_notification_poster.h"
#endif

namespace vlmr {
namespace {

// The window's content view: its pages always fill it.
class PageHost : public QWidget {
 public:
  PageHost() { setFixedSize(kPageWidth, kPageHeight); }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    for (QWidget* page : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      page->setGeometry(rect());
    }
  }
};

// The desktop's notifications: the user-notification centre on the Mac (none
// when run outside the bundle), the freedesktop service over D-Bus elsewhere.
std::unique_ptr<NotificationPoster> DesktopNotificationPoster() {
#ifdef Q_OS_MACOS
  return MakeUserNotificationPoster();
#else
  return std::make_unique<DBusNotificationPoster>(InstallerController::windowTitle());
#endif
}

// Where the application runs from: its bundle, else the executable's folder.
std::string ApplicationLocation() {
  std::string bundle = BundlePath();
  if (!bundle.empty()) return bundle;
  return DeletingLastPathComponent(ExecutablePath());
}

}  // namespace

InstallerController::InstallerController(QObject* parent)
    : QObject(parent), presence_(new BuildPresence(this)) {
  new FileOpenFilter([this](const QString& path) { openInstallerFile(path); }, this);
  // The Dock's badge and request for attention go once the player is back.
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    focusWatch_ = connect(app, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
      if (focus != nullptr && window_ != nullptr && window_->windowHandle() == focus) {
        presence_->windowActivated();
      }
    });
  }
}

InstallerController::~InstallerController() {
  // The window's focus goes as it is deleted: nothing to clear then.
  disconnect(focusWatch_);
  // A file still being hashed is hashed for nobody now: the process exits
  // without waiting for the rest of it.
  selectionCheck_.cancel();
  delete window_.data();
  // A menu bar that never went into a window (the Mac's global one) is ours;
  // one inside the window went with it.
  delete menuBar_.data();
}

QString InstallerController::windowTitle() {
  return tr(kWindowTitle);
}

void InstallerController::setNotificationPoster(std::unique_ptr<NotificationPoster> poster) {
  poster_ = std::move(poster);
  posterChosen_ = true;
}

NotificationPoster* InstallerController::notificationPoster() {
  // Made on first use (on the Mac at launch, for its permission question):
  // most runs never post, and need no bus connection.
  if (!posterChosen_) setNotificationPoster(DesktopNotificationPoster());
  return poster_.get();
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
  checkPrerequisites();
  window_->raise();
  window_->activateWindow();
#ifdef Q_OS_MACOS
  // The Mac asks the player once whether the app may notify. Asked now, the
  // answer is in long before the first build ends.
  notificationPoster();
#endif
}

void InstallerController::buildMenu() {
  // Without a parent the bar is the Mac's global menu bar; elsewhere
  // buildWindow puts it at the top of the window.
  menuBar_ = new QMenuBar(nullptr);
  QMenu* menu = menuBar_->addMenu(windowTitle());

  const QString aboutTitle = tr("About %1").arg(windowTitle());
  QAction* about = menu->addAction(aboutTitle);
  about->setMenuRole(QAction::AboutRole);
  connect(about, &QAction::triggered, this, [this, aboutTitle] {
    QString text = QStringLiteral("<b>") + windowTitle() + QStringLiteral("</b>");
    if (!QCoreApplication::applicationVersion().isEmpty()) {
      text += QStringLiteral("<br>") + tr("Version %1").arg(QCoreApplication::applicationVersion());
    }
    QMessageBox::about(window_, aboutTitle, text);
  });

  menu->addSeparator();

  QAction* quit = menu->addAction(tr("Quit %1").arg(windowTitle()));
  quit->setMenuRole(QAction::QuitRole);
  quit->setShortcut(QKeySequence::Quit);
  quit->setShortcutContext(Qt::ApplicationShortcut);
  connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void InstallerController::buildWindow() {
  // Titled, closable and minimisable; no maximise button and a fixed size.
  auto* main =
      new QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  main->setWindowTitle(windowTitle());
  main->setWindowIcon(InstallerIcon());
  auto* host = new PageHost;
  main->setCentralWidget(host);
#ifndef Q_OS_MACOS
  if (menuBar_ != nullptr) main->setMenuBar(menuBar_);
#endif
  main->setFixedSize(main->sizeHint());
  window_ = main;
  content_ = host;

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = main->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    main->move(frame.topLeft());
  }
  main->show();
}

void InstallerController::showPage(QWidget* page) {
  if (content_ == nullptr || page == nullptr) return;
  for (QWidget* old : content_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (old == page) continue;
    old->hide();
    old->setParent(nullptr);
    // Later: the page may hold the button whose click brought us here.
    old->deleteLater();
  }
  page->setParent(content_);
  page->setGeometry(content_->rect());
  page->show();
  page_ = page;
}

}  // namespace vlmr
