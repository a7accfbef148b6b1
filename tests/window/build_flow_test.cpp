// Whole builds through the window, offscreen, with the demo bundle and a
// temporary home: from the welcome page to the done page and into
// Applications, Cancel before and during the script, a failing script, and
// quitting while a build runs.

#include <signal.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QTest>
#include <QTimer>

#include "build_support.h"
#include "components/label.h"
#include "components/log_view.h"
#include "components/progress_bar.h"
#include "components/stage_views.h"
#include "pipeline/pipeline.h"
#include "window/installer_controller.h"

using namespace vlmr;
using test::BuildSandbox;
using test::CurrentPage;
using test::FindByText;

namespace {

constexpr char kSampleName[] = "setup_simcity_3000_unlimited_2.0.949(a).exe";
constexpr char kCancelled[] = "Build cancelled. You can try again.";

// Launches the window, continues to the installer page and drops `installer`;
// returns once "Build" is enabled.
void ReachReadyInstallerPage(InstallerController& controller, const QString& installer) {
  controller.applicationDidFinishLaunching();
  QVERIFY(QTest::qWaitForWindowExposed(controller.window));
  ButtonBase* proceed = FindByText<ButtonBase>(CurrentPage(controller), "Continue");
  QVERIFY(proceed != nullptr);
  proceed->click();
  test::DropFile(CurrentPage(controller), installer);
  QTRY_VERIFY_WITH_TIMEOUT(controller.buildButton->isEnabled(), 20000);
}

QList<int64_t> PillStates(const InstallerController& controller) {
  QList<int64_t> states;
  for (const QPointer<StagePillView>& pill : controller.pills) states << pill->stageState();
  return states;
}

// The processes, zombies included, whose process group is `group`.
QStringList ProcessesInGroup(pid_t group) {
  QStringList found;
  for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
    QFile stat("/proc/" + entry + "/stat");
    if (!stat.open(QIODevice::ReadOnly)) continue;
    const QString text = QString::fromUtf8(stat.readAll());
    // pid (comm) state ppid pgrp ...; comm may hold spaces, so read after its ")".
    const QStringList fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() > 2 && fields[2].toInt() == group) found << entry + " " + fields[0];
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
    ReachReadyInstallerPage(controller, sample_);
    QCOMPARE(controller.validationLabel->text(),
             "GOG 2.0.949(a) installer · 60 MB · ready to build");

    controller.buildButton->click();
    const QString stageDir =
        sandbox.home("Library/Application Support/Velmora 3000/installer-stage");
    QVERIFY(controller.pipeline != nullptr);
    QCOMPARE(controller.stageCountLabel->text(), "Stage 1 of 6");
    QCOMPARE(controller.progress->value(), 0.0);
    QCOMPARE(sandbox.logEvents().last(), "build start: out " + stageDir);
    controller.buildButton->click();  // gone with its page; a running build ignores Build anyway
    controller.beginBuild();
    QCOMPARE(sandbox.logEvents().last(), "build start: out " + stageDir);

    QTRY_VERIFY_WITH_TIMEOUT(controller.moveButton != nullptr, 30000);
    const QString app = stageDir + "/Velmora 3000.app";
    QVERIFY(FindByText<Label>(CurrentPage(controller), "Velmora 3000 is ready") != nullptr);
    QCOMPARE(controller.builtAppPath, app.toStdString());
    QVERIFY(controller.pipeline == nullptr);
    // The build page was left at the last stage, with the whole output in order.
    QCOMPARE(controller.stageCountLabel->text(), "Stage 6 of 6");
    QCOMPARE(PillStates(controller), (QList<int64_t>{1, 1, 1, 1, 1, 2}));
    const QStringList lines = controller.logView->text().split('\n');
    QVERIFY2(lines.first().startsWith("[installer] sources: " +
                                      sandbox.home("Library/Application Support/Velmora 3000/")),
             qPrintable(lines.first()));
    QVERIFY(lines.indexOf("##stage 1/9 Check installer") <
            lines.indexOf("##stage 9/9 Verify signature"));
    QCOMPARE(lines.last(), "##done " + app);

    QCOMPARE(controller.moveButton->title(), "Move to Applications");
    controller.moveButton->click();
    QCOMPARE(controller.moveButton->title(), "Moving…");
    QVERIFY(!controller.moveButton->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(controller.moveButton->title(), "Moved ✓", 20000);
    QVERIFY(!controller.moveButton->isEnabled());
    const QString installed = sandbox.home("Applications/Velmora 3000.app");
    QCOMPARE(controller.installedAppPath, installed.toStdString());
    QVERIFY(!controller.builtAppPath);
    QVERIFY(QFileInfo(installed + "/Contents/Info.plist").isFile());
    QVERIFY(QFileInfo(app).isDir());  // the built app stays where the build put it
  }

  // Cancel while the script runs: back on the installer page with the notice
  // and "Build" enabled; the script stopped before making an app.
  void cancelDuringTheBuildReturnsToTheInstallerPage() {
    qunsetenv("VLMR_DEMO_FAST");
    BuildSandbox sandbox;
    InstallerController controller;
    ReachReadyInstallerPage(controller, sample_);
    controller.buildButton->click();
    // Stage 4 of the script is the page's second stage: the page follows live.
    QTRY_COMPARE_WITH_TIMEOUT(controller.stageCountLabel->text(), "Stage 2 of 6", 20000);
    QCOMPARE(PillStates(controller), (QList<int64_t>{1, 2, 0, 0, 0, 0}));

    controller.cancelButton->click();
    QVERIFY(!controller.cancelButton->isEnabled());
    QCOMPARE(controller.stageLeadLabel->text(), "Cancelling…");
    QTRY_VERIFY_WITH_TIMEOUT(controller.pipeline == nullptr, 20000);
    QCOMPARE(controller.validationLabel->text(), kCancelled);
    QVERIFY(controller.buildButton->isEnabled());
    QVERIFY(controller.fileNameLabel->text().startsWith(kSampleName));
    QVERIFY(!QFileInfo::exists(
        sandbox.home("Library/Application Support/Velmora 3000/installer-stage/Velmora 3000.app")));
  }

  // Cancel before the script has started: the build ends as cancelled and the
  // script never runs (no run header reaches the log).
  void cancelBeforeTheScriptStartsNeverStartsIt() {
    BuildSandbox sandbox;
    InstallerController controller;
    ReachReadyInstallerPage(controller, sample_);
    controller.buildButton->click();
    controller.cancelBuild();  // the sources are still being prepared
    QVERIFY(controller.pipeline != nullptr);
    QCOMPARE(controller.stageLeadLabel->text(), "Cancelling…");

    QTRY_VERIFY_WITH_TIMEOUT(controller.pipeline == nullptr, 20000);
    QCOMPARE(controller.validationLabel->text(), kCancelled);
    QVERIFY(controller.buildButton->isEnabled());
    QTest::qWait(200);
    QVERIFY2(!sandbox.logText().contains("===="), qPrintable(sandbox.logText()));
    QVERIFY(controller.builtAppPath == std::nullopt);
  }

  // A script that fails ends on the error page with the advice for its
  // error; "Copy log" copies the log.
  void failingScriptShowsTheAdviceOnTheErrorPage() {
    BuildSandbox sandbox;
    // Accepted by its name, but without the game files the demo script looks for.
    const QString installer = sandbox.path(kSampleName);
    test::WriteSparseFile(installer, 60 << 20, "MZ");
    InstallerController controller;
    ReachReadyInstallerPage(controller, installer);
    controller.buildButton->click();

    QTRY_VERIFY_WITH_TIMEOUT(controller.pipeline == nullptr, 30000);
    QWidget* page = CurrentPage(controller);
    QVERIFY(FindByText<Label>(page, "The build didn't finish") != nullptr);
    QVERIFY(FindByText<Label>(page,
                              "That installer doesn't contain the SimCity 3000 Unlimited game "
                              "files. Use the GOG offline backup installer for SimCity 3000 "
                              "Unlimited.") != nullptr);
    QVERIFY(FindByText<Label>(page, "Log: ~/Library/Logs/Velmora 3000/installer.log") != nullptr);
    QVERIFY(controller.builtAppPath == std::nullopt);

    FindByText<ButtonBase>(page, "Copy log")->click();
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, sandbox.logText());
    QVERIFY(copied.contains("##error The installer does not contain Apps/SC3U.exe."));
  }

  // Quitting while the script runs stops its whole process group before the
  // installer exits, a child that ignores SIGTERM included.
  void quittingMidBuildLeavesNoProcessOfTheBuild() {
    BuildSandbox sandbox;
    sandbox.useScript(
        "#!/bin/bash\n"
        "echo '##stage 1/6 Start'\n"
        "( trap '' TERM; exec sleep 60 ) &\n"
        "echo stubborn child started\n"
        "sleep 60\n");
    InstallerController controller;
    ReachReadyInstallerPage(controller, sample_);
    controller.buildButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(controller.logView->text().contains("stubborn child started"), 20000);
    const pid_t group = controller.pipeline->task->pid();
    QTRY_COMPARE(ProcessesInGroup(group).size(), 3);  // bash, sleep and the stubborn sleep

    // Closing the last window quits the application.
    QTimer::singleShot(0, controller.window, [&controller] { controller.window->close(); });
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
