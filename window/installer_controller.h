#pragma once

#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/cancel_token.h"
#include "checks/free_space.h"
#include "platform/notifications.h"
#include "session/build_notification.h"
#include "session/installer_session.h"
#include "window/build_page.h"
#include "window/done_page.h"
#include "window/error_page.h"
#include "window/installer_page.h"
#include "window/welcome_page.h"

class QMenuBar;

namespace vlmr {

/// The window's title in English, as the installer log names it.
inline constexpr char kWindowTitle[] =
    QT_TRANSLATE_NOOP("vlmr::InstallerController", "Velmora 3000 Installer");

class BuildPresence;
class BuildRun;

/// The one object behind the windowed application: it owns the window, the
/// session and the page on screen, builds each page from the session and
/// carries out the pages' actions. The build's run lives in a BuildRun.
///
/// Everything here runs on the main thread; background work holds the
/// controller through a QPointer. A page builder returns a new page without a
/// parent, owned by the caller until it is passed to showPage.
class InstallerController : public QObject {
  Q_OBJECT

 public:
  /// A controller without a window; applicationDidFinishLaunching makes one.
  explicit InstallerController(QObject* parent = nullptr);
  ~InstallerController() override;

  // ---- Application shell (shell.cpp) ------------------------------------

  /// Menu, window, the two launch log lines, the prerequisite check with its
  /// welcome page, then brings the window to the front.
  void applicationDidFinishLaunching();
  /// The main menu: About, a separator and Quit on the platform's Quit shortcut.
  void buildMenu();
  /// The window of `kPageWidth` x `kPageHeight` content titled `windowTitle()`:
  /// closable, minimisable, not resizable; centred and shown.
  void buildWindow();
  /// Makes `page` the window's only page (it fills the content view); the
  /// previous page leaves the window and is deleted once control returns to
  /// the event loop (its button may be the one that brought us here).
  void showPage(QWidget* page);
  /// The window's title, in the current language.
  static QString windowTitle();

  /// The application's only window (none until buildWindow).
  QMainWindow* window() const { return window_; }
  /// The window's content view: the page on screen is its only child.
  QWidget* content() const { return content_; }
  /// The page on screen, or none.
  QWidget* currentPage() const { return page_; }
  /// What the window knows: selection, verdict, build phase, app and log paths.
  InstallerSession& session() { return session_; }
  const InstallerSession& session() const { return session_; }
  /// The build in progress, or none.
  const BuildRun* buildRun() const;

  /// How the free space of a disk is measured (`MeasureFreeBytes`; tests pass their own).
  void setFreeSpaceMeasure(FreeSpaceMeasure measure) { measure_ = std::move(measure); }
  /// The clock builds are timed on, in seconds (a steady clock; tests pass their own).
  void setBuildClock(std::function<double()> clock) { clock_ = std::move(clock); }
  /// Where the end of a build is announced while the window is not active (the
  /// desktop's notifications unless set; tests pass their own). Null: nowhere.
  void setNotificationPoster(std::unique_ptr<NotificationPoster> poster);
  /// The build's Dock tile and sleep inhibitor (tests set their own there).
  BuildPresence* buildPresence() const { return presence_; }

  // ---- Welcome page (installer_controller.cpp) --------------------------

  /// Probes the prerequisites in the background (the welcome page says it is
  /// checking meanwhile); the verdict, logged, brings the matching welcome page.
  void checkPrerequisites();
  /// YES while a prerequisite check runs.
  bool prerequisiteCheckRunning() const { return prerequisiteCheckRunning_; }
  /// Asks the system, in the background, to install the Command Line Tools
  /// and tells the outcome in the hint line.
  void installCommandLineTools();
  /// A new welcome page: the something-missing variant when `missing`, else
  /// the all-present one, with the Python row of the last check.
  WelcomePage* welcomePageMissing(bool missing);
  /// Builds the welcome page variant and shows it.
  void showWelcomePageMissing(bool missing);
  /// "Continue": goes to the installer page.
  void continueToDrop();

  // ---- Installer page (installer_controller.cpp) ------------------------

  /// A new installer page showing `name` and `size` in the file chip (or "No
  /// file chosen yet" without a name), `status` in the verdict line and "Build"
  /// enabled as given.
  InstallerPage* dropPageWithName(const QString& name, const QString& size, const QString& status,
                                  bool enabled);
  /// Shows the installer page for the current selection and its verdict.
  void showDropPage();
  /// "Choose…": the file dialog for an ".exe" installer.
  void chooseInstaller();
  /// A new selection, dropped or chosen: records it, shows "Checking…" and
  /// checks it in the background (a near miss named, an installer validated,
  /// the build's disk measured); only the latest selection's verdict is shown.
  void useInstallerAtURL(const QUrl& url);
  /// The system asks us to open `path` (open_file.cpp): the installer page
  /// with it selected as a drop would, ignored while a build runs, kept until
  /// the window is up and the prerequisites are present.
  void openInstallerFile(const QString& path);

  // ---- Build (installer_controller.cpp) ---------------------------------

  /// "Build": starts a build of the selection unless one is running.
  void beginBuild();
  /// A new build page at `stage` (0..5) with `log` in its log view.
  BuildPage* buildPageAtStage(int64_t stage, const QStringList& log);
  /// "Cancel": stops the running build.
  void cancelBuild();

  // ---- Build outcome, error and done pages (outcome_actions.cpp) --------

  /// The build's script ended with `status`: done page, installer page or error page.
  void buildFinished(int32_t status, const BuildResult& result);
  /// The build could not run: the error page with advice for `message`.
  void buildFailedWithMessage(const QString& message, const BuildResult& result = {});
  /// A new error page with the bold `title` and the `body` sentence.
  ErrorPage* errorPageTitle(const QString& title, const QString& body);
  /// "Copy log": the installer log's text (or its path) on the clipboard.
  void copyLog();
  /// "Show log in Finder": the file manager with the log selected.
  void revealLog();
  /// "Choose another installer": the installer page, then the file dialog.
  void chooseAnotherInstaller();
  /// A new done page for the app at `path`; `installed` tells whether that is
  /// the copy in Applications. Makes it the session's current app.
  DonePage* donePageWithAppPath(const QString& path, bool installed);
  /// "Move to Applications".
  void moveToApplications();
  /// "Open": starts the built or installed app.
  void openApp();
  /// "Show in Finder": the app in the file manager, once its folder has been
  /// prepared in the background (Finder asked for the aliases).
  void revealInFinder();

 private:
  template <class Page>
  Page* currentPageAs() const {
    return qobject_cast<Page*>(page_.data());
  }
  // A check's verdict: kept in the session, shown on the welcome page.
  void prerequisitesChecked(PrerequisiteReport report);
  // A new installer page for `state`, its actions connected.
  InstallerPage* installerPage(const InstallerPageState& state);
  // The run has ended: it goes once its last report has been delivered.
  void releaseRun();
  // The poster set, else the desktop's, made now.
  NotificationPoster* notificationPoster();
  // Tells the desktop how the build ended unless the window is the active one.
  void notifyBuildEnded(BuildEnd end, const std::string& failure);
  // A successful build: its time in the log, its timings kept for the next estimate.
  void recordFinishedBuild(const BuildRun& run);
  // Opens the file kept by openInstallerFile once the prerequisites are present.
  void openPendingInstallerFile();
  // Logs once that the kept file waits for the prerequisites.
  void logPendingOpen();

  InstallerSession session_;
  QPointer<QMainWindow> window_;
  QPointer<QWidget> content_;
  QPointer<QWidget> page_;
  QPointer<BuildRun> run_;
  QPointer<QMenuBar> menuBar_;
  FreeSpaceMeasure measure_ = MeasureFreeBytes;
  // Withdrawn when a newer selection replaces the one being checked, or when
  // the controller goes: a hash nobody waits for stops within a block.
  CancelToken selectionCheck_;
  std::function<double()> clock_;
  std::unique_ptr<NotificationPoster> poster_;
  bool posterChosen_ = false;
  BuildPresence* presence_ = nullptr;
  QMetaObject::Connection focusWatch_;
  // A file the system asked us to open before we could take it.
  std::optional<std::string> pendingOpen_;
  bool pendingOpenLogged_ = false;
  bool prerequisiteCheckRunning_ = false;
  bool toolsRequestRunning_ = false;
  bool finderFolderRunning_ = false;
};

}  // namespace vlmr
