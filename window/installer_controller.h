#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMainWindow;
class QMenuBar;
class QWidget;

namespace vlmr {

class ButtonBase;
class Label;
class LogView;
class PageView;
class Pipeline;
class PrimaryButton;
class ProgressBar;
class PushButton;
class StagePillView;

/// The one object behind the windowed application: it owns the window, the
/// state the pages share and references to the elements of the most recent
/// page of each kind, builds every page and carries out every page action.
///
/// Frames given to the page builders are (x, y, width, height) with the origin
/// at the bottom-left of the parent, y growing upward. Everything here runs on
/// the main thread; background work holds the controller through a QPointer.
///
/// Pages: a page builder returns a new PageView without a parent, owned by the
/// caller until it is passed to showPage. A page that has left the window stays
/// alive for as long as one of the element references below points into it, so
/// a later step can still read or update it (the installer page's verdict line
/// after a cancelled build); then it is deleted.
class InstallerController : public QObject {
  Q_OBJECT

 public:
  /// A page action: a member function taking no sender.
  using Action = void (InstallerController::*)();

  /// A controller without a window; applicationDidFinishLaunching makes one.
  explicit InstallerController(QObject* parent = nullptr);
  ~InstallerController() override;

  // ---- Data model -------------------------------------------------------

  /// The application's only window (none until buildWindow).
  QPointer<QMainWindow> window;
  /// The window's content view: every page is its only child.
  QPointer<QWidget> content;
  /// The build in progress, or none; a set pipeline is the only sign that a build runs.
  std::shared_ptr<Pipeline> pipeline;
  /// The installer file last dropped or chosen, accepted or not (empty: none yet).
  QUrl installerURL;
  /// The app the last build produced.
  std::optional<std::string> builtAppPath;
  /// That app after it was moved into Applications.
  std::optional<std::string> installedAppPath;
  /// The installer log used by the copy and show log actions.
  std::optional<std::string> logPath;
  /// The user-facing names of the missing prerequisites, from the last check.
  std::vector<std::string> missingItems;

  // Elements of the most recent page of each kind. They stay referenced after
  // their page has been replaced, until the next page of that kind is built.

  /// Welcome page, something-missing variant: the hint line.
  QPointer<Label> prereqHint;
  /// Installer page: name and size of the chosen file.
  QPointer<Label> fileNameLabel;
  /// Installer page: the validation verdict line.
  QPointer<Label> validationLabel;
  /// Installer page: the "Build" button.
  QPointer<ButtonBase> buildButton;
  /// Build page: "Stage %ld of 6".
  QPointer<Label> stageCountLabel;
  /// Build page: the lead sentence of the current stage.
  QPointer<Label> stageLeadLabel;
  /// Build page: the progress bar.
  QPointer<ProgressBar> progress;
  /// Build page: the build log text.
  QPointer<LogView> logView;
  /// Build page: the scrolling area around the log, hidden by the toggle (the
  /// log view itself when it scrolls on its own).
  QPointer<QWidget> logScroll;
  /// Build page: shows or hides the log.
  QPointer<ButtonBase> logToggle;
  /// Build page: the "Cancel" button.
  QPointer<ButtonBase> cancelButton;
  /// Build page: the six stage rows in index order.
  std::vector<QPointer<StagePillView>> pills;
  /// Done page: the "Move to Applications" button.
  QPointer<ButtonBase> moveButton;

  // ---- Application shell (shell.cpp) ------------------------------------

  /// Menu, window, the two launch log lines, the prerequisite check with its
  /// welcome page, then brings the window to the front.
  void applicationDidFinishLaunching();
  /// Closing the window quits the application: always true.
  bool applicationShouldTerminateAfterLastWindowClosed() const { return true; }
  /// The main menu: About, a separator and Quit on the platform's Quit shortcut.
  void buildMenu();
  /// The 740 x 630 window titled "Velmora 3000 Installer": closable,
  /// minimisable, not resizable; centred and shown.
  void buildWindow();
  /// Makes `page` the window's only page (it fills the content view); the
  /// previous page leaves the window.
  void showPage(QWidget* page);
  /// The window's title.
  static QString windowTitle();

  // ---- Prerequisites (prerequisites.cpp) --------------------------------

  /// Probes the prerequisites, logs the outcome and shows the matching welcome page.
  void checkPrerequisites();
  /// Asks the system to install the Command Line Tools and tells the outcome in the hint line.
  void installCommandLineTools();

  // ---- Welcome page (welcome_page.cpp) ----------------------------------

  /// A new welcome page: the something-missing variant when `missing`, else
  /// the all-present one. Runs the page's own Python test; the missing variant
  /// sets prereqHint.
  PageView* welcomePageMissing(bool missing);
  /// Builds the welcome page variant and shows it.
  void showWelcomePageMissing(bool missing);
  /// Puts the default sentence into the hint line, when there is one.
  void updatePrereqHint();
  /// "Continue": goes to the installer page.
  void continueToDrop();

  // ---- Installer page (installer_page.cpp) ------------------------------

  /// A new installer page showing `name` and `size` in the file chip (or "No
  /// file chosen yet" without a name), `status` in the verdict line and "Build"
  /// enabled as given. Sets fileNameLabel, validationLabel and buildButton.
  PageView* dropPageWithName(const QString& name, const QString& size, const QString& status,
                             bool enabled);
  /// Rebuilds the installer page from the current selection, verdict and button state.
  void showDropPage();
  /// "Choose…": the file dialog for an ".exe" installer.
  void chooseInstaller();
  /// A new selection, dropped or chosen: records it, shows "Checking…" and
  /// validates it in the background; only the latest selection's verdict is shown.
  void useInstallerAtURL(const QUrl& url);
  /// Brings the file line, verdict line and "Build" into the just-selected state.
  void refreshInstallerLabels();

  // ---- Build page (build_page.cpp) --------------------------------------

  /// "Build": starts a build of installerURL unless one is running.
  void beginBuild();
  /// A new build page at `stage` (0..5) with `log` in its log view; sets the
  /// build page's element references.
  PageView* buildPageAtStage(int64_t stage, const QStringList& log);
  /// Moves the build page to `stage`; out-of-range stages change nothing.
  void setBuildStage(int64_t stage);
  /// Appends one output line to the build log and shows the end.
  void appendLogLine(const QString& line);
  /// Shows or hides the build log.
  void toggleBuildLog();
  /// "Cancel": stops the running build.
  void cancelBuild();
  /// Stops a running build's script and its process group before the
  /// application exits (connected to the application's aboutToQuit).
  void stopBuildBeforeQuit();

  // ---- Build outcome and error page (outcome.cpp) -----------------------

  /// The build's script ended with `status`: done page, installer page or error page.
  void buildFinished(int32_t status);
  /// The build could not run: the error page with `message`.
  void buildFailedWithMessage(const QString& message);
  /// Plain advice for a raw failure text.
  static QString friendlyMessageFor(const QString& raw);
  /// A new error page with the bold `title` and the `body` sentence.
  PageView* errorPageTitle(const QString& title, const QString& body);
  /// Puts the installer log's text (or its path) on the clipboard.
  void copyLogToPasteboard();
  /// "Copy log".
  void copyLog();
  /// "Show log in Finder": the file manager with the log selected.
  void revealLog();
  /// "Choose another installer": the installer page, then the file dialog.
  void chooseAnotherInstaller();

  // ---- Done page (done_page.cpp) ----------------------------------------

  /// A new done page for the app at `path`; `installed` tells whether that is
  /// the copy in Applications. Sets moveButton and the two app paths.
  PageView* donePageWithAppPath(const QString& path, bool installed);
  /// One key hint row: a key cap with `keys` and the `description` beside it,
  /// spanning `width` from (x, y).
  void addShortcutRowTo(QWidget* parent, double x, double y, const QString& keys,
                        const QString& description, double width);
  /// "Move to Applications".
  void moveToApplications();
  /// "Open": starts the built or installed app.
  void openApp();
  /// "Show in Finder": the app in the file manager.
  void revealInFinder();

  // ---- Page-building helpers (page_helpers.cpp) -------------------------

  /// The page header: product icon of `iconSize`, bold 26 title and regular 15
  /// lead at the top of `parent`. Returns the lead label.
  Label* addHeroTo(QWidget* parent, const QString& title, const QString& lead, double iconSize);
  /// A teal primary button (x, y, width, 36) that runs `action` on a click.
  PrimaryButton* addPrimaryButtonTo(QWidget* parent, const QString& title, Action action, double x,
                                    double y, double width);
  /// A standard push button (x, y, width, 36) that runs `action` on a click.
  PushButton* addSecondaryButtonTo(QWidget* parent, const QString& title, Action action, double x,
                                   double y, double width);
  /// One checklist row: a green (ok) or amber dot and "label  value". Returns the text label.
  Label* addStatusRowTo(QWidget* parent, double x, double y, const QString& label,
                        const QString& value, bool ok);

 private:
  // Deletes the pages that have left the window and hold no referenced element.
  void releaseUnusedPages();
  // True when one of the element references points into `page`.
  bool pageIsReferenced(const QWidget* page) const;

  // Pages that have left the window but may still be referenced.
  std::vector<QPointer<QWidget>> retiredPages_;
  // Counts selections, so a check's result is applied only to its own
  // selection: a later one, even of the same file, wins.
  uint64_t selectionGeneration_ = 0;
  QPointer<QMenuBar> menuBar_;
};

}  // namespace vlmr
