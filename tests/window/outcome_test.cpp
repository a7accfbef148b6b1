// How a build ends in the window, and the error page: the advice table, the
// three outcomes, the log line and the log actions.

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include "build_support.h"
#include "session/build_advice.h"
#include "components/label.h"
#include "components/standard_buttons.h"
#include "components/surfaces.h"
#include "window/installer_controller.h"

using namespace vlmr;
using test::BuildSandbox;
using test::CurrentPage;
using test::FindByText;
using test::PageOf;

namespace {

// The advice table is the session's (tested there); the pages show its sentences.
QString Advice(const char* raw) {
  return QString::fromStdString(FriendlyMessageFor(raw));
}
const QString kToolsAdvice = Advice("Command Line Tools");
const QString kDiskAdvice = Advice("disk is full");
const QString kSomethingWrong = Advice("");

// Keeps what the window would have shown on the desktop.
class RecordingPoster : public NotificationPoster {
 public:
  struct Post {
    std::string title, body;
    std::function<void()> onClick;
  };
  std::vector<Post>* posts;
  explicit RecordingPoster(std::vector<Post>* into) : posts(into) {}
  void post(const std::string& title, const std::string& body,
            std::function<void()> onClick) override {
    posts->push_back({title, body, std::move(onClick)});
  }
};

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(bytes);
}

}  // namespace

class OutcomeTest : public QObject {
  Q_OBJECT

 private slots:
  // Done page only for status 0 with an existing app folder, checked before a
  // cancellation; the installer page after a cancel; the error page otherwise.
  void buildFinishedChoosesThePage_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("app");  // "dir", "file", "missing" or "" for no ##done
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("shows");  // a text on the page that follows
    QTest::newRow("built") << 0 << "dir" << false << ""
                           << "Velmora 3000 is ready";
    QTest::newRow("built though cancelled") << 0 << "dir" << true << ""
                                            << "Velmora 3000 is ready";
    QTest::newRow("app but failed") << 1 << "dir" << false << "" << kSomethingWrong;
    QTest::newRow("no ##done") << 0 << "" << false << "" << kSomethingWrong;
    QTest::newRow("##done names a file") << 0 << "file" << false << "No space left" << kDiskAdvice;
    QTest::newRow("##done names nothing") << 0 << "missing" << false << "" << kSomethingWrong;
    QTest::newRow("cancelled") << 143 << "" << true << ""
                               << "Build cancelled. You can try again.";
    QTest::newRow("failed") << 1 << "" << false << "Command Line Tools" << kToolsAdvice;
  }
  void buildFinishedChoosesThePage() {
    QFETCH(int, status);
    QFETCH(QString, app);
    QFETCH(bool, cancelled);
    QFETCH(QString, error);
    QFETCH(QString, shows);
    BuildSandbox sandbox;
    const QString installer = sandbox.path("setup.exe");
    test::WriteSparseFile(installer, 1000, "MZ");
    InstallerController controller;
    controller.buildWindow();
    InstallerSession& session = controller.session();
    // As after a usable verdict.
    session.applyVerdict(session.select(installer.toStdString()), "ok", true);
    controller.showDropPage();
    session.buildStarted(session.logPath().value_or(""));

    BuildResult result;
    const QString appPath = sandbox.path("Velmora 3000.app");
    if (app == "dir") QDir().mkpath(appPath);
    if (app == "file") WriteBytes(appPath, "x");
    if (!app.isEmpty()) result.appPath = appPath.toStdString();
    result.appIsFolder = QFileInfo(appPath).isDir();
    result.errorMessage = error.toStdString();
    result.cancelled = cancelled;
    controller.buildFinished(status, result);

    QCOMPARE(session.buildPhase(), BuildPhase::Idle);
    QVERIFY(FindByText<Label>(CurrentPage(controller), shows) != nullptr);
    const bool done = shows == "Velmora 3000 is ready";
    QCOMPARE(session.appPaths().builtAppPath,
             done ? std::optional(appPath.toStdString()) : std::nullopt);
    if (cancelled && !done) {
      QCOMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), shows);
      QVERIFY(PageOf<InstallerPage>(controller)->buildButton()->isEnabled());
    }
  }

  // The early failures: the given text, else the pipeline's error, else the fallback.
  void buildFailedExplainsTheFirstTextThereIs() {
    BuildSandbox sandbox;
    InstallerController controller;
    controller.buildWindow();
    BuildResult result;
    result.errorMessage = "disk is full";
    controller.session().buildStarted("");
    controller.buildFailedWithMessage("Could not prepare the sources.", result);
    QCOMPARE(controller.session().buildPhase(), BuildPhase::Idle);
    QVERIFY(FindByText<Label>(CurrentPage(controller), "Could not prepare the sources.") !=
            nullptr);

    controller.buildFailedWithMessage(QString(), result);
    QVERIFY(FindByText<Label>(CurrentPage(controller), kDiskAdvice) != nullptr);
    // The hero's lead and the card's second line both say the installer is unchanged.
    int unchanged = 0;
    for (Label* label : CurrentPage(controller)->findChildren<Label*>()) {
      unchanged += label->text() == "Your original game installer hasn't been changed." ? 1 : 0;
    }
    QCOMPARE(unchanged, 2);
  }

  // A build that ends while another window is active is told on the desktop,
  // and a click brings the installer's window back; nothing while it is active.
  void buildEndIsNotifiedOnlyWhileTheWindowIsInactive_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("title");  // "" when nothing is posted
    QTest::addColumn<QString>("body");
    QTest::newRow("failed, window in the background")
        << 1 << false << false << "The build didn't finish" << kToolsAdvice;
    QTest::newRow("cancelled, window in the background")
        << 143 << true << false << "The build was cancelled"
        << "Click to open the installer.";
    QTest::newRow("failed, window active") << 1 << false << true << ""
                                           << "";
  }
  void buildEndIsNotifiedOnlyWhileTheWindowIsInactive() {
    QFETCH(int, status);
    QFETCH(bool, cancelled);
    QFETCH(bool, active);
    QFETCH(QString, title);
    QFETCH(QString, body);
    BuildSandbox sandbox;
    std::vector<RecordingPoster::Post> posts;
    InstallerController controller;
    controller.setNotificationPoster(std::make_unique<RecordingPoster>(&posts));
    controller.buildWindow();
    QWidget elsewhere;  // another application's window, as far as ours can tell
    elsewhere.show();
    QWidget* front = active ? static_cast<QWidget*>(controller.window()) : &elsewhere;
    front->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(front));

    controller.session().buildStarted("");
    BuildResult result;
    result.cancelled = cancelled;
    result.errorMessage = "Command Line Tools";
    controller.buildFinished(status, result);

    if (title.isEmpty()) {
      QVERIFY(posts.empty());
      return;
    }
    QCOMPARE(posts.size(), size_t{1});
    QCOMPARE(QString::fromStdString(posts[0].title), title);
    QCOMPARE(QString::fromStdString(posts[0].body), body);
    posts[0].onClick();
    QVERIFY(QTest::qWaitForWindowActive(controller.window()));
  }

  // "Log: …" shows the home folder as "~" only where the path starts in it.
  void errorPageShowsTheLogPath_data() {
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("shown");
    QTest::newRow("default log") << "/home/al"
                                 << ""
                                 << "~/Library/Logs/Velmora 3000/installer.log";
    QTest::newRow("home with a slash") << "/home/al/"
                                       << "/home/al/x.log"
                                       << "~/x.log";
    QTest::newRow("same letters, other folder") << "/home/al"
                                                << "/home/alice/x.log"
                                                << "/home/alice/x.log";
    QTest::newRow("home inside the path") << "/h"
                                          << "/h/a/h/b.log"
                                          << "~/a/h/b.log";
    QTest::newRow("home is the root") << "/"
                                      << "/Library/x.log"
                                      << "/Library/x.log";
  }
  void errorPageShowsTheLogPath() {
    QFETCH(QString, home);
    QFETCH(QString, log);
    QFETCH(QString, shown);
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", home.toUtf8());
    InstallerController controller;
    if (!log.isEmpty()) controller.session().setLogPath(log.toStdString());
    std::unique_ptr<ErrorPage> page(controller.errorPageTitle("Title", ""));
    qputenv("HOME", savedHome);
    Label* label = FindByText<Label>(page.get(), "Log: " + test::Isolated(shown));
    QVERIFY(label != nullptr);
    QCOMPARE(label->lineBreakMode(), Label::LineBreakMode::TruncateMiddle);
    QVERIFY(FindByText<Label>(page.get(),
                              "Choose SimCity 3000 Unlimited version 2.0.949(a), then try again. "
                              "Your build log can help if the problem continues.") != nullptr);
  }

  // The log's text when there is some, else its path.
  void copyLogCopiesTheTextOrThePath_data() {
    QTest::addColumn<QByteArray>("contents");  // "-" for no file
    QTest::addColumn<bool>("textCopied");
    QTest::newRow("log") << QByteArray("2026-01-01 10:00:00 [installer] launch\nline ü\n") << true;
    QTest::newRow("no log") << QByteArray("-") << false;
    QTest::newRow("empty log") << QByteArray() << false;
    QTest::newRow("not UTF-8") << QByteArray("bad \xff\xfe bytes") << false;
  }
  void copyLogCopiesTheTextOrThePath() {
    QFETCH(QByteArray, contents);
    QFETCH(bool, textCopied);
    BuildSandbox sandbox;
    const QString log = sandbox.home("Library/Logs/Velmora 3000/installer.log");
    if (contents != "-") WriteBytes(log, contents);
    InstallerController controller;  // no log path recorded: the default one
    QGuiApplication::clipboard()->setText("before");
    std::unique_ptr<ErrorPage> page(controller.errorPageTitle("Title", "Body"));
    FindByText<ButtonBase>(page.get(), "Copy log")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), textCopied ? QString::fromUtf8(contents) : log);
  }

  // "Show log in Finder" opens the log's folder here (no file manager offers
  // selecting it), and nothing at all without a log file.
  void revealLogOpensItsFolderOnlyWhenThereIsALog() {
    BuildSandbox sandbox;
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    test::OpenedUrls opened;
    InstallerController controller;
    const QString log = sandbox.path("logs/installer.log");
    controller.session().setLogPath(log.toStdString());
    controller.revealLog();
    QVERIFY(opened.urls.isEmpty());
    QDir().mkpath(log);  // a folder is no log file either
    controller.revealLog();
    QVERIFY(opened.urls.isEmpty());
    QDir().rmdir(log);
    WriteBytes(log, "x\n");
    std::unique_ptr<ErrorPage> page(controller.errorPageTitle("Title", "Body"));
    FindByText<ButtonBase>(page.get(), "Show log in Finder")->click();
    QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(sandbox.path("logs"))});
  }

  // "Choose another installer": the installer page with the previous file
  // and verdict is already behind the file dialog.
  void chooseAnotherInstallerShowsThePreviousChoiceBehindTheDialog() {
    BuildSandbox sandbox;
    const QString installer = sandbox.path("setup.exe");
    test::WriteSparseFile(installer, 1000, "MZ");
    InstallerController controller;
    controller.buildWindow();
    InstallerSession& session = controller.session();
    session.applyVerdict(session.select(installer.toStdString()), "verdict", true);
    controller.showDropPage();
    controller.showPage(controller.errorPageTitle("Title", "Body"));

    QString behind;
    QTimer::singleShot(0, [&] {
      behind = PageOf<InstallerPage>(controller)->fileLabel()->text() + " | " +
               PageOf<InstallerPage>(controller)->verdictLabel()->text();
      if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        dialog->reject();
      }
    });
    FindByText<ButtonBase>(CurrentPage(controller), "Choose another installer")->click();
    QCOMPARE(behind, test::Isolated("setup.exe") + " · 1 MB | verdict");
    QVERIFY(FindByText<Label>(CurrentPage(controller), "Bring your GOG installer") != nullptr);
  }
};

QTEST_MAIN(OutcomeTest)
#include "outcome_test.moc"
