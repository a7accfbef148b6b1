// Whole builds through the window, offscreen, with the demo bundle and a
// temporary home: from the welcome page to the done page and into
// Applications, Cancel before and during the script, a failing script, and
// quitting while a build runs.

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QProcess>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "build_support.h"
#include "components/label.h"
#include "components/log_view.h"
#include "components/progress_bar.h"
#include "components/stage_views.h"
#include "platform/file_lock.h"
#include "session/build_timings.h"
#include "window/build_run.h"
#include "window/installer_controller.h"

using namespace vlmr;
using enum vlmr::StageState;
using test::BuildSandbox;
using test::CurrentPage;
using test::FindByText;
using test::PageOf;

namespace {

using test::kSampleName;
constexpr char kCancelled[] = "Build cancelled. You can try again.";

using test::BuildToTheEnd;


QList<StageState> PillStates(const BuildPage* page) {
  QList<StageState> states;
  for (int64_t i = 0; i < kBuildStageCount; ++i) states << page->pill(i)->stageState();
  return states;
}

// The processes, zombies included, whose process group is `group`, as ps
// lists them (procps on Linux, the BSD ps on the Mac: both know these columns).
QStringList ProcessesInGroup(pid_t group) {
  QProcess ps;
  ps.start(QStringLiteral("ps"), {"-A", "-o", "pid=,pgid=,stat="});
  if (!ps.waitForFinished(10000) || ps.exitCode() != 0) return {"ps could not list processes"};
  QStringList found;
  for (const QString& line : QString::fromUtf8(ps.readAllStandardOutput()).split('\n')) {
    const QStringList fields = line.simplified().split(' ');
    if (fields.size() >= 3 && fields[1].toInt() == group) found << fields[0] + " " + fields[2];
  }
  return found;
}

}  // namespace

class BuildFlowTest : public QObject {
  Q_OBJECT

  QString sample_;

 private slots:
  void initTestCase() {
    sample_ = QDir::temp().filePath(QStringLiteral("vlmr-flow-%1/").arg(getpid()) + kSampleName);
    QDir().mkpath(QFileInfo(sample_).path());
    QVERIFY(test::MakeSampleInstaller(sample_));
  }
  void cleanupTestCase() { QDir(QFileInfo(sample_).path()).removeRecursively(); }
  void init() { qputenv("VLMR_DEMO_FAST", "1"); }

  // The whole way: welcome, Continue, drop, verdict, Build, the stages, the
  // done page, and Move to Applications into the per-user folder.
  void buildReachesTheDonePageAndMovesTheApp() {
    if (access("/Applications", W_OK) == 0) QSKIP("/Applications is writable here");
    BuildSandbox sandbox;
    InstallerController controller;
    controller.setFreeSpaceMeasure(test::PlentyOfRoom);
    test::ReadyToBuild(controller, sample_);
    QCOMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(),
             "GOG 2.0.949(a) installer · 60 MB · ready to build");

    QPointer<ButtonBase> build = PageOf<InstallerPage>(controller)->buildButton();
    build->click();
    const QString stageDir =
        sandbox.home("Library/Application Support/Velmora 3000/installer-stage");
    QVERIFY(controller.buildRun() != nullptr);
    QCOMPARE(PageOf<BuildPage>(controller)->counterLabel()->text(), "Stage 1 of 6 · 0:00");
    // The first build on this machine has nothing to estimate from.
    QCOMPARE(PageOf<BuildPage>(controller)->remainingLabel()->text(), "");
    QCOMPARE(PageOf<BuildPage>(controller)->progressBar()->value(), 0.0);
    QCOMPARE(sandbox.logEvents().last(), "build start: out " + stageDir);
    // The page goes once control returns to the loop; a running build ignores Build anyway.
    QVERIFY(build != nullptr);
    build->click();
    QCOMPARE(sandbox.logEvents().last(), "build start: out " + stageDir);

    // What the build page shows when the build ends, before the page changes.
    QString counter, log;
    QList<StageState> pills;
    QPointer<BuildPage> buildPage = PageOf<BuildPage>(controller);
    connect(controller.buildRun(), &BuildRun::ended, this, [&] {
      if (buildPage == nullptr) return;
      counter = buildPage->counterLabel()->text();
      pills = PillStates(buildPage);
      log = buildPage->logView()->text();
    });

    QTRY_VERIFY_WITH_TIMEOUT(PageOf<DonePage>(controller) != nullptr, 30000);
    const QString app = stageDir + "/Velmora 3000.app";
    // The build's time in the log; its stages' times kept for the next estimate.
    const QStringList finished = sandbox.logEvents().filter(
        QRegularExpression("^build finished in (\\d+ min )?\\d+ s$|^build finished in \\d+ min$"));
    QCOMPARE(finished.size(), 1);
    QTRY_VERIFY(LoadBuildTimings().has_value());
    QCOMPARE(LoadBuildTimings()->stageSeconds.size(), size_t{9});
    QVERIFY(FindByText<Label>(CurrentPage(controller), "Velmora 3000 is ready") != nullptr);
    QCOMPARE(controller.session().appPaths().builtAppPath, app.toStdString());
    QVERIFY(controller.buildRun() == nullptr);
    // The build page was left at the last stage, with the whole output in order.
    QVERIFY2(counter.startsWith("Stage 6 of 6 · 0:"), qPrintable(counter));
    QCOMPARE(pills, (QList<StageState>{Done, Done, Done, Done, Done, Active}));
    const QStringList lines = log.split('\n');
    QVERIFY2(lines.first().startsWith("[installer] sources: " +
                                      sandbox.home("Library/Application Support/Velmora 3000/")),
             qPrintable(lines.first()));
    QVERIFY(lines.indexOf("##stage 1/9 Check installer") <
            lines.indexOf("##stage 9/9 Verify signature"));
    QCOMPARE(lines.last(), "##done " + app);

    QCOMPARE(PageOf<DonePage>(controller)->moveButton()->title(), "Move to Applications");
    PageOf<DonePage>(controller)->moveButton()->click();
    QCOMPARE(PageOf<DonePage>(controller)->moveButton()->title(), "Moving…");
    QVERIFY(!PageOf<DonePage>(controller)->moveButton()->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(PageOf<DonePage>(controller)->moveButton()->title(), "Moved ✓",
                              20000);
    QVERIFY(!PageOf<DonePage>(controller)->moveButton()->isEnabled());
    const QString installed = sandbox.home("Applications/Velmora 3000.app");
    QCOMPARE(controller.session().appPaths().installedAppPath, installed.toStdString());
    QVERIFY(!controller.session().appPaths().builtAppPath);
    QVERIFY(QFileInfo(installed + "/Contents/Info.plist").isFile());
    QVERIFY(QFileInfo(app).isDir());  // the built app stays where the build put it
  }

  // Cancel while the script runs: back on the installer page with the notice
  // and "Build" enabled; the script stopped before making an app.
  void cancelDuringTheBuildReturnsToTheInstallerPage() {
    qunsetenv("VLMR_DEMO_FAST");
    BuildSandbox sandbox;
    InstallerController controller;
    controller.setFreeSpaceMeasure(test::PlentyOfRoom);
    test::ReadyToBuild(controller, sample_);
    PageOf<InstallerPage>(controller)->buildButton()->click();
    // Stage 4 of the script is the page's second stage: the page follows live.
    QTRY_VERIFY_WITH_TIMEOUT(
        PageOf<BuildPage>(controller)->counterLabel()->text().startsWith("Stage 2 of 6 · "), 20000);
    QCOMPARE(PillStates(PageOf<BuildPage>(controller)),
             (QList<StageState>{Done, Active, Pending, Pending, Pending, Pending}));

    PageOf<BuildPage>(controller)->cancelButton()->click();
    QVERIFY(!PageOf<BuildPage>(controller)->cancelButton()->isEnabled());
    QCOMPARE(PageOf<BuildPage>(controller)->leadLabel()->text(), "Cancelling…");
    QTRY_VERIFY_WITH_TIMEOUT(controller.buildRun() == nullptr, 20000);
    QCOMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), kCancelled);
    QVERIFY(PageOf<InstallerPage>(controller)->buildButton()->isEnabled());
    QVERIFY(PageOf<InstallerPage>(controller)
                ->fileLabel()
                ->text()
                .startsWith(test::Isolated(kSampleName)));
    QVERIFY(!QFileInfo::exists(
        sandbox.home("Library/Application Support/Velmora 3000/installer-stage/Velmora 3000.app")));
  }

  // Cancel before the script has started: the build ends as cancelled and the
  // script never runs (no run header reaches the log).
  void cancelBeforeTheScriptStartsNeverStartsIt() {
    BuildSandbox sandbox;
    InstallerController controller;
    controller.setFreeSpaceMeasure(test::PlentyOfRoom);
    test::ReadyToBuild(controller, sample_);
    PageOf<InstallerPage>(controller)->buildButton()->click();
    // The sources are still being prepared.
    PageOf<BuildPage>(controller)->cancelButton()->click();
    QVERIFY(controller.buildRun() != nullptr);
    QCOMPARE(PageOf<BuildPage>(controller)->leadLabel()->text(), "Cancelling…");

    QTRY_VERIFY_WITH_TIMEOUT(controller.buildRun() == nullptr, 20000);
    QCOMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), kCancelled);
    QVERIFY(PageOf<InstallerPage>(controller)->buildButton()->isEnabled());
    QTest::qWait(200);
    QVERIFY2(!sandbox.logText().contains("===="), qPrintable(sandbox.logText()));
    QVERIFY(controller.session().appPaths().builtAppPath == std::nullopt);
  }

  // A build that never starts says why in the log the error page points to.
  void buildThatCannotStartSaysWhyInTheLog() {
    BuildSandbox sandbox;
    // Another build holds the sources.
    const QString sources = sandbox.home("Library/Application Support/Velmora 3000/installer-src");
    QVERIFY(QDir().mkpath(sources));
    FileLock other;
    QCOMPARE(other.tryLock(sources.toStdString()), FileLock::Outcome::Taken);
    InstallerController controller;
    BuildToTheEnd(controller, sample_);
    QVERIFY(controller.buildRun() == nullptr);
    QVERIFY(FindByText<Label>(
                CurrentPage(controller),
                "Log: " + test::Isolated("~/Library/Logs/Velmora 3000/installer.log")) != nullptr);
    QVERIFY2(
        sandbox.logEvents().contains("build failed to start: Another build is already running."),
        qPrintable(sandbox.logText()));
  }

  // An installer replaced, rewritten or removed after its check and before
  // Build is refused with one sentence: the script never sees it.
  void installerChangedAfterItsCheckIsRefused_data() {
    QTest::addColumn<QString>("change");
    QTest::newRow("another file moved over it") << "replaced";
    QTest::newRow("rewritten in place, times set back") << "rewritten";
    QTest::newRow("removed") << "removed";
  }
  void installerChangedAfterItsCheckIsRefused() {
    QFETCH(QString, change);
    BuildSandbox sandbox;
    const QString installer = sandbox.path(kSampleName);
    QVERIFY(test::MakeSampleInstaller(installer));
    InstallerController controller;
    test::ReadyToBuild(controller, installer);

    const QByteArray path = QFile::encodeName(installer);
    if (change == "replaced") {
      // The same bytes, but not the file that was checked.
      const QString other = sandbox.path("other.exe");
      QVERIFY(QFile::copy(installer, other));
      QVERIFY(::rename(QFile::encodeName(other).constData(), path.constData()) == 0);
    } else if (change == "rewritten") {
      // Same size and modification time: only its change time tells.
      struct stat before {};
      QCOMPARE(::stat(path.constData(), &before), 0);
      QFile file(installer);
      QVERIFY(file.open(QIODevice::ReadWrite));
      QVERIFY(file.seek(1 << 20));
      QCOMPARE(file.write("not the checked bytes"), qint64(21));
      file.close();
#ifdef __APPLE__
      const struct timespec modified = before.st_mtimespec;
#else
      const struct timespec modified = before.st_mtim;
#endif
      const struct timespec times[2] = {{0, UTIME_OMIT}, modified};
      QCOMPARE(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
    } else {
      QVERIFY(QFile::remove(installer));
    }

    PageOf<InstallerPage>(controller)->buildButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(controller.buildRun() == nullptr, 30000);
    QWidget* page = CurrentPage(controller);
    QVERIFY(FindByText<Label>(page, "The build didn't finish") != nullptr);
    const QString refused = "The installer file changed after it was checked. Choose it again.";
    QVERIFY(FindByText<Label>(page, refused) != nullptr);
    QVERIFY2(sandbox.logEvents().contains("build failed to start: " + refused),
             qPrintable(sandbox.logText()));
    // Refused before the script: nothing of a run in the log, no output folder.
    QVERIFY(!sandbox.logText().contains("##stage"));
    QVERIFY(!QFileInfo::exists(
        sandbox.home("Library/Application Support/Velmora 3000/installer-stage")));
  }

  // A script that fails ends on the error page with the advice for its
  // error; "Copy log" copies the log.
  void failingScriptShowsTheAdviceOnTheErrorPage() {
    BuildSandbox sandbox;
    // Accepted by its name, but without the game files the demo script looks for.
    const QString installer = sandbox.path(kSampleName);
    test::WriteSparseFile(installer, 60 << 20, "MZ");
    InstallerController controller;
    controller.setFreeSpaceMeasure(test::PlentyOfRoom);
    test::ReadyToBuild(controller, installer);
    PageOf<InstallerPage>(controller)->buildButton()->click();

    QTRY_VERIFY_WITH_TIMEOUT(controller.buildRun() == nullptr, 30000);
    QWidget* page = CurrentPage(controller);
    QVERIFY(FindByText<Label>(page, "The build didn't finish") != nullptr);
    QVERIFY(FindByText<Label>(page,
                              "That installer doesn't contain the SimCity 3000 Unlimited game "
                              "files. Use the GOG offline backup installer for SimCity 3000 "
                              "Unlimited.") != nullptr);
    QVERIFY(FindByText<Label>(
                page, "Log: " + test::Isolated("~/Library/Logs/Velmora 3000/installer.log")) !=
            nullptr);
    QVERIFY(controller.session().appPaths().builtAppPath == std::nullopt);

    QGuiApplication::clipboard()->setText("before");
    FindByText<ButtonBase>(page, "Copy log")->click();
    QTRY_VERIFY(QGuiApplication::clipboard()->text() != "before");
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, sandbox.logText());
    QVERIFY(copied.contains("##error The installer does not contain Apps/SC3U.exe."));
  }

  // The clock beside the stage counter ticks each second on the build's own
  // clock, with an estimate from the last successful build's stage times.
  void buildPageShowsTheTimeAndWhatIsLeft() {
    BuildSandbox sandbox;
    // Stage 4 begins only once the test has seen the estimate of stage 1.
    const QString go = sandbox.path("go");
    sandbox.useScript(
        "#!/bin/bash\n"
        "while [ ! -e '" +
        go +
        "' ]; do sleep 0.05; done\n"
        "echo '##stage 4/6 Compile'\n"
        "echo in stage four\n"
        "sleep 60\n");
    QVERIFY(SaveBuildTimings({{10, 10, 10, 120, 60, 60}}));
    double now = 1000;
    InstallerController controller;
    controller.setFreeSpaceMeasure(test::PlentyOfRoom);
    controller.setBuildClock([&now] { return now; });
    test::ReadyToBuild(controller, sample_);
    PageOf<InstallerPage>(controller)->buildButton()->click();
    // The estimate appears once the kept timings have been read, off the main thread.
    QTRY_COMPARE(PageOf<BuildPage>(controller)->counterLabel()->text(), "Stage 1 of 6 · 0:00");
    QTRY_COMPARE(PageOf<BuildPage>(controller)->remainingLabel()->text(), "about 5 min left");
    QFile(go).open(QIODevice::WriteOnly);

    QTRY_VERIFY_WITH_TIMEOUT(
        PageOf<BuildPage>(controller)->logView()->text().contains("in stage four"), 20000);
    now += 72;  // 48 s of the last build's 120 s compile left, then 2 min more
    QTRY_COMPARE(PageOf<BuildPage>(controller)->counterLabel()->text(), "Stage 4 of 6 · 1:12");
    QCOMPARE(PageOf<BuildPage>(controller)->remainingLabel()->text(), "about 3 min left");

    PageOf<BuildPage>(controller)->cancelButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(controller.buildRun() == nullptr, 20000);
  }

  // A full disk that shows only in a tool's output still gets its advice.
  void fullDiskInTheOutputGetsItsAdvice() {
    BuildSandbox sandbox;
    sandbox.useScript(
        "#!/bin/bash\n"
        "echo '##stage 1/6 Start'\n"
        "echo 'cp: error writing game.dat: No space left on device'\n"
        "echo '##error Step 1 failed.'\n"
        "exit 1\n");
    InstallerController controller;
    BuildToTheEnd(controller, sample_);
    QVERIFY(controller.buildRun() == nullptr);
    QVERIFY(FindByText<Label>(CurrentPage(controller),
                              "Your disk is full. Free about 5 GB, then build again.") != nullptr);
  }

  // Output no terminal would print as it stands reaches the log view as a
  // terminal shows it, an overlong line cut with its size, and the build
  // still reaches its end page; the installer log keeps every byte.
  void oddOutputIsShownAsATerminalWouldAndTheBuildEnds() {
    BuildSandbox sandbox;
    sandbox.useScript(
        "#!/bin/bash\n"
        "printf '\\033[1;31mred\\033[0m\\n10%%\\r50%%\\r100%%\\nwindows\\r\\n' >&2\n"
        "head -c 3000000 /dev/zero | tr '\\0' x; echo\n"
        "echo '##error Step 1 failed.'\n"
        "exit 1\n");
    InstallerController controller;
    test::ReadyToBuild(controller, sample_);
    QVERIFY(test::Click(controller, "Build"));
    QStringList shown;
    QVERIFY(controller.buildRun() != nullptr);
    connect(controller.buildRun(), &BuildRun::linesArrived,
            [&shown](const QStringList& lines) { shown << lines; });
    QTRY_VERIFY_WITH_TIMEOUT(controller.buildRun() == nullptr, 30000);
    QVERIFY(shown.contains("red"));
    QVERIFY(shown.contains("100%"));
    QVERIFY(shown.contains("windows"));
    const QString cut = QString(4096, 'x') + " … [a line of 1 MB, cut here; the installer log has all of it]";
    // Delivered in pieces of 1 MiB (the last one shorter), each cut for the view.
    QCOMPARE(shown.count(cut), 3);
    QVERIFY(sandbox.logText().contains(QString(100000, 'x')));
    QVERIFY(sandbox.logText().contains("10%\r50%\r100%"));
  }

  // Quitting while the script runs stops its whole process group before the
  // installer exits, a child that ignores SIGTERM included.
  void quittingMidBuildLeavesNoProcessOfTheBuild() {
    BuildSandbox sandbox;
    const QString groupFile = sandbox.path("group");
    sandbox.useScript(
        "#!/bin/bash\n"
        "echo $$ > '" +
        groupFile +
        "'\n"
        "echo '##stage 1/6 Start'\n"
        "( trap '' TERM; exec sleep 60 ) &\n"
        "echo \"stubborn child started in group $$\"\n"
        "sleep 60\n");
    InstallerController controller;
    controller.setFreeSpaceMeasure(test::PlentyOfRoom);
    test::ReadyToBuild(controller, sample_);
    PageOf<InstallerPage>(controller)->buildButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(
        PageOf<BuildPage>(controller)->logView()->text().contains("stubborn child started"), 20000);
    // The script's shell leads its process group.
    const QString log = PageOf<BuildPage>(controller)->logView()->text();
    const QRegularExpression groupLine(QStringLiteral("started in group (\\d+)"));
    const pid_t group = static_cast<pid_t>(groupLine.match(log).captured(1).toInt());
    QVERIFY(group > 0);
    QTRY_COMPARE(ProcessesInGroup(group).size(), 3);  // bash, sleep and the stubborn sleep

    // Closing the last window quits the application.
    QTimer::singleShot(0, controller.window(), [&controller] { controller.window()->close(); });
    QElapsedTimer timer;
    timer.start();
    QApplication::exec();
    QVERIFY2(timer.elapsed() < 5000, "quitting waited too long for the build");
    // Killed processes are reaped by the build's reader right after.
    QTRY_VERIFY2_WITH_TIMEOUT(ProcessesInGroup(group).isEmpty(),
                              qPrintable(ProcessesInGroup(group).join(", ")), 5000);
  }
};

QTEST_MAIN(BuildFlowTest)
#include "build_flow_test.moc"
