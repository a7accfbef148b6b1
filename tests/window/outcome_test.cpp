// How a build ends in the window, and the error page: each way a build can
// end brings its page, the desktop hears of it while the window is inactive,
// and the error page shows, copies and reveals the log.

#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include "build_support.h"
#include "components/label.h"
#include "components/log_view.h"
#include "components/standard_buttons.h"
#include "components/surfaces.h"
#include "session/build_advice.h"
#include "window/installer_controller.h"
#include "window/localization.h"
#include "window/outcome_pages.h"

using namespace vlmr;
using test::BuildSandbox;
using test::Click;
using test::CurrentPage;
using test::FindByText;
using test::PageOf;

namespace {

using test::kSampleName;
constexpr char kUnchanged[] = "Your original game installer hasn't been changed.";
constexpr char kDamaged[] = "The installer bundle is damaged (no source snapshot inside).";

// The advice table is the session's (tested there); the pages show its sentences.
QString Advice(const char* raw) {
  return Shown(FriendlyMessageFor(Message::Verbatim(raw)));
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

// A script that says "started", then waits for Cancel: on SIGTERM it exits
// 143, or with `appOnTerm` it makes its app after all and exits 0.
QString WaitsForCancel(bool appOnTerm) {
  const QString onTerm = appOnTerm
                             ? QStringLiteral("mkdir -p \"$app\"; echo \"##done $app\"; exit 0")
                             : QStringLiteral("exit 143");
  return QStringLiteral(
             "#!/bin/bash\n"
             "while [ $# -gt 0 ]; do [ \"$1\" = --out ] && out=\"$2\"; shift; done\n"
             "app=\"$out/Velmora 3000.app\"\n"
             "trap '%1' TERM\n"
             "echo started\n"
             "sleep 60 >/dev/null 2>&1 &\n"
             "wait\n")
      .arg(onTerm);
}

// A controller launched on the installer page with a usable installer chosen,
// in an empty bundle: "Build" cannot start there.
void ReachBuildThatCannotStart(test::Sandbox& sandbox, InstallerController& controller) {
  const QString installer = sandbox.path(kSampleName);
  test::WriteSparseFile(installer, 60 << 20, "MZ");
  test::ReadyToBuild(controller, installer);
  QVERIFY(Click(controller, "Build"));
  QTRY_VERIFY_WITH_TIMEOUT(PageOf<ErrorPage>(controller) != nullptr, 20000);
}

}  // namespace

class OutcomeTest : public QObject {
  Q_OBJECT

 private slots:
  // Done page only for status 0 with an existing app folder, judged before a
  // cancellation; the installer page after a cancel; the error page otherwise.
  void buildEndChoosesThePage_data() {
    QTest::addColumn<QString>("script");  // after "#!/bin/bash\n" unless it starts with one
    QTest::addColumn<bool>("cancel");     // Cancel once the script says "started"
    QTest::addColumn<QString>("shows");   // a text on the page that follows
    const QString out = "while [ $# -gt 0 ]; do [ \"$1\" = --out ] && out=\"$2\"; shift; done\n";
    QTest::newRow("built") << test::AppScript() << false << "Velmora 3000 is ready";
    QTest::newRow("built though cancelled")
        << WaitsForCancel(true) << true << "Velmora 3000 is ready";
    QTest::newRow("app but failed")
        << test::AppScript("Velmora 3000", "", 1) << false << kSomethingWrong;
    QTest::newRow("no ##done") << "exit 0" << false << kSomethingWrong;
    QTest::newRow("##done names a file")
        << out +
               "touch \"$out/Velmora 3000.app\"\necho \"##done $out/Velmora 3000.app\"\n"
               "echo '##error No space left'\nexit 0"
        << false << kDiskAdvice;
    QTest::newRow("##done names nothing") << "echo '##done '\nexit 0" << false << kSomethingWrong;
    QTest::newRow("cancelled") << WaitsForCancel(false) << true
                               << "Build cancelled. You can try again.";
    QTest::newRow("failed") << "echo '##error Command Line Tools'\nexit 1" << false << kToolsAdvice;
  }
  void buildEndChoosesThePage() {
    QFETCH(QString, script);
    QFETCH(bool, cancel);
    QFETCH(QString, shows);
    BuildSandbox sandbox;
    sandbox.useScript(script.startsWith("#!") ? script : "#!/bin/bash\n" + script + "\n");
    const QString installer = sandbox.path(kSampleName);
    test::WriteSparseFile(installer, 60 << 20, "MZ");
    InstallerController controller;
    test::ReadyToBuild(controller, installer);
    QVERIFY(Click(controller, "Build"));
    if (cancel) {
      QTRY_VERIFY_WITH_TIMEOUT(PageOf<BuildPage>(controller)->logView()->text().contains("started"),
                               20000);
      QVERIFY(Click(controller, "Cancel"));
    }
    QTRY_VERIFY_WITH_TIMEOUT(controller.buildRun() == nullptr, 30000);

    QCOMPARE(controller.session().buildPhase(), BuildPhase::Idle);
    QVERIFY(FindByText<Label>(CurrentPage(controller), shows) != nullptr);
    const bool done = shows == "Velmora 3000 is ready";
    const QString app =
        sandbox.home("Library/Application Support/Velmora 3000/installer-stage/Velmora 3000.app");
    QCOMPARE(controller.session().appPaths().builtAppPath,
             done ? std::optional(app.toStdString()) : std::nullopt);
    if (cancel && !done) {
      QCOMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), shows);
      QVERIFY(PageOf<InstallerPage>(controller)->buildButton()->isEnabled());
    }
    if (PageOf<ErrorPage>(controller) != nullptr) {
      // The hero's lead and the card's second line both say the installer is unchanged.
      int unchanged = 0;
      for (Label* label : CurrentPage(controller)->findChildren<Label*>()) {
        unchanged += label->text() == kUnchanged ? 1 : 0;
      }
      QCOMPARE(unchanged, 2);
    }
  }

  // A build that cannot start ends the same way: the error page with the
  // reason, the build over and "Build" possible again from the installer page.
  void buildThatCannotStartShowsTheReason() {
    test::Sandbox sandbox;
    InstallerController controller;
    ReachBuildThatCannotStart(sandbox, controller);
    QVERIFY(controller.buildRun() == nullptr);
    QCOMPARE(controller.session().buildPhase(), BuildPhase::Idle);
    QVERIFY(FindByText<Label>(CurrentPage(controller), kDamaged) != nullptr);
    QVERIFY(sandbox.logEvents().contains(QString("build failed to start: ") + kDamaged));
  }

  // A build that ends while another window is active is told on the desktop,
  // and a click brings the installer's window back; nothing while it is active.
  void buildEndIsNotifiedOnlyWhileTheWindowIsInactive_data() {
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("title");  // "" when nothing is posted
    QTest::addColumn<QString>("body");
    QTest::newRow("failed, window in the background")
        << false << false << "The build didn't finish" << kToolsAdvice;
    QTest::newRow("cancelled, window in the background")
        << true << false << "The build was cancelled"
        << "Click to open the installer.";
    QTest::newRow("failed, window active") << false << true << ""
                                           << "";
  }
  void buildEndIsNotifiedOnlyWhileTheWindowIsInactive() {
    QFETCH(bool, cancel);
    QFETCH(bool, active);
    QFETCH(QString, title);
    QFETCH(QString, body);
    BuildSandbox sandbox;
    const QString go = sandbox.path("go");
    sandbox.useScript(cancel ? WaitsForCancel(false)
                             : "#!/bin/bash\nwhile [ ! -e '" + go +
                                   "' ]; do sleep 0.05; done\n"
                                   "echo '##error Command Line Tools'\nexit 1\n");
    const QString installer = sandbox.path(kSampleName);
    test::WriteSparseFile(installer, 60 << 20, "MZ");
    std::vector<RecordingPoster::Post> posts;
    InstallerController controller;
    controller.setNotificationPoster(std::make_unique<RecordingPoster>(&posts));
    test::ReadyToBuild(controller, installer);
    QVERIFY(Click(controller, "Build"));

    QWidget elsewhere;  // another application's window, as far as ours can tell
    elsewhere.show();
    QWidget* front = active ? static_cast<QWidget*>(controller.window()) : &elsewhere;
    front->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(front));
    if (cancel) {
      QTRY_VERIFY_WITH_TIMEOUT(PageOf<BuildPage>(controller)->logView()->text().contains("started"),
                               20000);
      PageOf<BuildPage>(controller)->cancelButton()->click();
    } else {
      QFile(go).open(QIODevice::WriteOnly);
    }
    QTRY_VERIFY_WITH_TIMEOUT(controller.buildRun() == nullptr, 30000);

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
    const QString location = [&] {
      const test::ScopedHome scoped(home.toStdString());
      return ShownLogLocation(log.isEmpty() ? std::nullopt
                                            : std::optional<std::string>(log.toStdString()));
    }();
    QCOMPARE(location, shown);
    ErrorPage page({"Title", "", location});
    Label* label = FindByText<Label>(&page, "Log: " + test::Isolated(shown));
    QVERIFY(label != nullptr);
    QCOMPARE(label->lineBreakMode(), Label::LineBreakMode::TruncateMiddle);
    QVERIFY(FindByText<Label>(&page,
                              "Choose SimCity 3000 Unlimited version 2.0.949(a), then try again. "
                              "Your build log can help if the problem continues.") != nullptr);
  }

  // "Copy log": the log's text (its end, when it is long) when there is
  // some, else its path; a log that is no regular file blocks nothing.
  void copyLogCopiesTheTextOrThePath() {
    test::Sandbox sandbox;
    InstallerController controller;
    ReachBuildThatCannotStart(sandbox, controller);
    const QString log = sandbox.path("home/Library/Logs/Velmora 3000/installer.log");
    const struct {
      const char* name;
      QByteArray contents;  // "-" for no file
      bool textCopied;
    } rows[] = {
        {"log", "2026-01-01 10:00:00 [installer] launch\nline ü\n", true},
        {"no log", "-", false},
        {"empty log", "", false},
        {"not UTF-8", "bad \xff\xfe bytes", false},
        {"a FIFO", "fifo", false},
    };
    for (const auto& row : rows) {
      QFile::remove(log);
      if (row.contents == "fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(log).constData(), 0644), 0);
      } else if (row.contents != "-") {
        WriteBytes(log, row.contents);
      }
      QGuiApplication::clipboard()->setText("before");
      QVERIFY(Click(controller, "Copy log"));
      QTRY_VERIFY2(QGuiApplication::clipboard()->text() ==
                       (row.textCopied ? QString::fromUtf8(row.contents) : log),
                   row.name);
    }
    // A long log: its last lines, whole, up to the bound.
    QFile::remove(log);
    QByteArray lines;
    for (int i = 0; lines.size() <= qsizetype(2 * OutcomePages::kCopiedLogBytes); ++i) {
      lines += "line " + QByteArray::number(i) + " é\n";
    }
    WriteBytes(log, lines);
    QGuiApplication::clipboard()->setText("before");
    QVERIFY(Click(controller, "Copy log"));
    QTRY_VERIFY(QGuiApplication::clipboard()->text() != "before");
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.toUtf8().size() <= qsizetype(OutcomePages::kCopiedLogBytes));
    QVERIFY(copied.toUtf8().size() > qsizetype(OutcomePages::kCopiedLogBytes) - 100);
    QVERIFY(copied.startsWith("line "));
    QVERIFY(QString::fromUtf8(lines).endsWith(copied));
  }

  // "Show log in Finder" opens the log's folder here (no file manager offers
  // selecting it), and nothing at all without a log file.
  void revealLogOpensItsFolderOnlyWhenThereIsALog() {
    test::Sandbox sandbox;
    InstallerController controller;
    ReachBuildThatCannotStart(sandbox, controller);
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    test::OpenedUrls opened;
    const QString logs = sandbox.path("home/Library/Logs/Velmora 3000");
    const QString log = logs + "/installer.log";
    QVERIFY(QFile::remove(log));
    QVERIFY(Click(controller, "Show log in Finder"));
    QVERIFY(opened.urls.isEmpty());
    QDir().mkpath(log);  // a folder is no log file either
    QVERIFY(Click(controller, "Show log in Finder"));
    QVERIFY(opened.urls.isEmpty());
    QDir().rmdir(log);
    WriteBytes(log, "x\n");
    QVERIFY(Click(controller, "Show log in Finder"));
    QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(logs)});
  }

  // "Choose another installer": the installer page with the previous file
  // and verdict is already behind the file dialog.
  void chooseAnotherInstallerShowsThePreviousChoiceBehindTheDialog() {
    test::Sandbox sandbox;
    InstallerController controller;
    ReachBuildThatCannotStart(sandbox, controller);

    QString behind;
    QTimer::singleShot(0, [&] {
      behind = PageOf<InstallerPage>(controller)->fileLabel()->text() + " | " +
               PageOf<InstallerPage>(controller)->verdictLabel()->text();
      if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        dialog->reject();
      }
    });
    QVERIFY(Click(controller, "Choose another installer"));
    QCOMPARE(behind, test::Isolated(kSampleName) +
                         " · 60 MB | 60 MB · this build is not the known GOG 2.0.949(a) one, so "
                         "the game files are checked after extraction");
    QVERIFY(PageOf<InstallerPage>(controller)->buildButton()->isEnabled());
    QVERIFY(FindByText<Label>(CurrentPage(controller), "Bring your GOG installer") != nullptr);
  }
};

QTEST_MAIN(OutcomeTest)
#include "outcome_test.moc"
