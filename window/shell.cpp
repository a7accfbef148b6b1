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

#include "base/paths.h"
#include "components/button_base.h"
#include "components/label.h"
#include "components/log_view.h"
#include "components/page_helpers.h"
#include "components/progress_bar.h"
#include "components/stage_views.h"

#include "pipeline/installer_log.h"
#include "pipeline/pipeline.h"
#include "platform/bundle.h"
#include "window/installer_controller.h"

namespace vlmr {
namespace {

constexpr int kContentWidth = 740;
constexpr int kContentHeight = 630;

// The window's content view: its pages always fill it.
class PageHost : public QWidget {
 public:
  PageHost() { setFixedSize(kContentWidth, kContentHeight); }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    for (QWidget* page : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      page->setGeometry(rect());
    }
  }
};

// Where the application runs from: its bundle, else the executable's folder.
std::string ApplicationLocation() {
  std::string bundle = BundlePath();
  if (!bundle.empty()) return bundle;
  return DeletingLastPathComponent(ExecutablePath());
}

}  // namespace

InstallerController::InstallerController(QObject* parent) : QObject(parent) {}

InstallerController::~InstallerController() {
  for (QPointer<QWidget>& page : retiredPages_) delete page.data();
  delete window.data();
  // A menu bar that never went into a window (the Mac's global one) is ours;
  // one inside the window went with it.
  delete menuBar_.data();
}

QString InstallerController::windowTitle() {
  return QStringLiteral("Velmora 3000 Installer");
}

void InstallerController::applicationDidFinishLaunching() {
  buildMenu();
  buildWindow();
  AppendInstallerLog("launch: " + windowTitle().toStdString() + " (bundle " +
                     ApplicationLocation() + ")");
  AppendInstallerLog("window: 740x630 content, title 'Velmora 3000 Installer'");
  checkPrerequisites();
  window->raise();
  window->activateWindow();
}

void InstallerController::buildMenu() {
  // Without a parent the bar is the Mac's global menu bar; elsewhere
  // buildWindow puts it at the top of the window.
  menuBar_ = new QMenuBar(nullptr);
  QMenu* menu = menuBar_->addMenu(windowTitle());

  QAction* about = menu->addAction(QStringLiteral("About Velmora 3000 Installer"));
  about->setMenuRole(QAction::AboutRole);
  connect(about, &QAction::triggered, this, [this] {
    QString text = QStringLiteral("<b>Velmora 3000 Installer</b>");
    if (!QCoreApplication::applicationVersion().isEmpty()) {
      text += QStringLiteral("<br>Version ") + QCoreApplication::applicationVersion();
    }
    QMessageBox::about(window, QStringLiteral("About Velmora 3000 Installer"), text);
  });

  menu->addSeparator();

  QAction* quit = menu->addAction(QStringLiteral("Quit Velmora 3000 Installer"));
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
  window = main;
  content = host;

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = main->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    main->move(frame.topLeft());
  }
  main->show();
}

void InstallerController::showPage(QWidget* page) {
  if (content == nullptr || page == nullptr) return;
  for (QWidget* old : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (old == page) continue;
    // The old page leaves the window but lives on while a reference points into it.
    old->hide();
    old->setParent(nullptr);
    retiredPages_.emplace_back(old);
  }
  std::erase(retiredPages_, QPointer<QWidget>(page));
  page->setParent(content);
  page->setGeometry(content->rect());
  page->show();
  releaseUnusedPages();
}

bool InstallerController::pageIsReferenced(const QWidget* page) const {
  auto inside = [page](const QWidget* element) {
    return element != nullptr && (element == page || page->isAncestorOf(element));
  };
  const QWidget* elements[] = {prereqHint,      fileNameLabel,  validationLabel, buildButton,
                               stageCountLabel, stageLeadLabel, progress,        logView,
                               logScroll,       logToggle,      cancelButton,    moveButton};
  for (const QWidget* element : elements) {
    if (inside(element)) return true;
  }
  for (const QPointer<StagePillView>& pill : pills) {
    if (inside(pill)) return true;
  }
  return false;
}

void InstallerController::releaseUnusedPages() {
  std::erase_if(retiredPages_, [this](const QPointer<QWidget>& page) {
    if (page == nullptr) return true;
    if (pageIsReferenced(page)) return false;
    // Later: the page may hold the button whose click brought us here.
    page->deleteLater();
    return true;
  });
}

}  // namespace vlmr
