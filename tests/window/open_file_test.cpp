// Opening an installer with the application, offscreen: the system's
// file-open events (the Mac's "Open With" and Dock drops, Linux's command-line
// path) in each state of the window, and the real program started with a path.

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "build_support.h"
#include "components/label.h"
#include "window/build_page.h"
#include "window/build_run.h"
#include "window/error_page.h"
#include "window/installer_controller.h"
#include "window/installer_page.h"
#include "window/open_file.h"
#include "window/welcome_page.h"
#include "window_support.h"

using namespace vlmr;
using test::FindByText;
using test::PageOf;

namespace {

using test::kSampleName;

// What the window shows and logs for a selection.
struct Selected {
  QStringList events;  // the log from the selection on
  QString file, verdict;
  bool buildEnabled = false;
};

// Once the check of the selection has been logged: the log from the first
// "installer chosen" on, and the installer page's lines.
Selected AfterTheCheck(InstallerController& controller, const test::Sandbox& sandbox) {
  Selected seen;
  // Empty when the check never ends; the callers compare the lines.
  if (!QTest::qWaitFor(
          [&] {
            const QStringList events = sandbox.logEvents();
            return !events.isEmpty() && events.last().startsWith("installer check: ");
          },
          20000)) {
    return seen;
  }
  const QStringList events = sandbox.logEvents();
  for (qsizetype i = 0; i < events.size(); ++i) {
    if (events[i].startsWith("installer chosen: ")) {
      seen.events = events.mid(i);
      break;
    }
  }
  if (auto* page = PageOf<InstallerPage>(controller)) {
    seen.file = page->fileLabel()->text();
    seen.verdict = page->verdictLabel()->text();
    seen.buildEnabled = page->buildButton()->isEnabled();
  }
  return seen;
}

void Launch(InstallerController& controller) {
  controller.setFreeSpaceMeasure(test::PlentyOfRoom);
  test::LaunchChecked(controller);
  QVERIFY(QTest::qWaitForWindowExposed(controller.window()));
}

// Sends the system's request to open `paths` and lets the loop deliver it.
void Open(const QStringList& paths) {
  std::vector<std::string> files;
  for (const QString& path : paths) files.push_back(path.toStdString());
  PostFileOpenEvents(files);
  QCoreApplication::processEvents();
}

}  // namespace

class OpenFileTest : public QObject {
  Q_OBJECT

  QTemporaryDir files_;

 private slots:
  // The welcome page (all present) takes an opened file to the installer page
  // with the same log lines, verdict and "Build" state as a drop.
  void openedFileIsSelectedExactlyAsADrop_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size");  // MiB
    QTest::newRow("accepted by its name") << kSampleName << qint64(60);
    QTest::newRow("too small") << "setup.exe" << qint64(1);
  }
  void openedFileIsSelectedExactlyAsADrop() {
    QFETCH(QString, name);
    QFETCH(qint64, size);
    const QString file = files_.filePath(name);
    test::WriteSparseFile(file, size << 20, "MZ");

    Selected dropped, opened;
    {
      test::Sandbox sandbox;
      InstallerController controller;
      Launch(controller);
      QVERIFY(test::Click(controller, "Continue"));
      test::DropFiles(controller.currentPage(), {file});
      dropped = AfterTheCheck(controller, sandbox);
    }
    {
      test::Sandbox sandbox;
      InstallerController controller;
      Launch(controller);
      QVERIFY(PageOf<WelcomePage>(controller) != nullptr);
      controller.window()->showMinimized();
      Open({file});
      QVERIFY(PageOf<InstallerPage>(controller) != nullptr);
      QVERIFY(!controller.window()->isMinimized());  // brought forward to show it
      opened = AfterTheCheck(controller, sandbox);
      QCOMPARE(controller.session().selection().path, file.toStdString());
    }
    QCOMPARE(opened.events.size(), 2);
    QCOMPARE(opened.events, dropped.events);
    QCOMPARE(opened.events[0], "installer chosen: " + file);
    QCOMPARE(opened.file, dropped.file);
    QCOMPARE(opened.verdict, dropped.verdict);
    QCOMPARE(opened.buildEnabled, dropped.buildEnabled);
    QVERIFY(!opened.verdict.isEmpty());
  }

  // A file the system hands over before the window is up (the Mac sends it
  // while launching) is selected right after the welcome check; of two, the later.
  void fileOpenedWhileLaunchingIsSelectedAfterTheCheck() {
    test::Sandbox sandbox;
    const QString first = files_.filePath("first.exe"), later = files_.filePath(kSampleName);
    test::WriteSparseFile(first, 60 << 20, "MZ");
    test::WriteSparseFile(later, 60 << 20, "MZ");
    InstallerController controller;
    QCoreApplication::postEvent(qApp, new QFileOpenEvent(first));
    QCoreApplication::postEvent(qApp, new QFileOpenEvent(later));
    QCoreApplication::processEvents();
    QVERIFY(sandbox.logEvents().isEmpty());  // the launch lines come first

    Launch(controller);
    const Selected seen = AfterTheCheck(controller, sandbox);
    const QStringList events = sandbox.logEvents();
    QVERIFY(events[0].startsWith("launch: "));
    QVERIFY(events[2].startsWith("prerequisites: ok"));
    QCOMPARE(events[3], "installer chosen: " + later);
    QCOMPARE(seen.events.size(), 2);
    QVERIFY(seen.buildEnabled);
  }

  // Missing prerequisites keep the welcome page; the latest file waits and is
  // selected once "Check again" finds them present.
  void missingPrerequisitesKeepTheWelcomeAndTheLatestFileWaits() {
    test::ToolScript tools;
    tools.xcodeSelect = "exit 2";
    test::Sandbox sandbox(tools);
    const QString first = files_.filePath("first.exe"), later = files_.filePath(kSampleName);
    test::WriteSparseFile(first, 60 << 20, "MZ");
    test::WriteSparseFile(later, 60 << 20, "MZ");
    InstallerController controller;
    Launch(controller);
    Open({first, later});
    QVERIFY(PageOf<WelcomePage>(controller) != nullptr);
    QVERIFY(controller.session().selection().path.empty());
    QStringList events = sandbox.logEvents();
    QCOMPARE(events.mid(3), (QStringList{"installer open waits for the prerequisites: " + first,
                                         "installer open waits for the prerequisites: " + later}));

    // Still missing: nothing more happens.
    FindByText<ButtonBase>(controller.currentPage(), "Check again")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!controller.prerequisiteCheckRunning(), 10000);
    QVERIFY(PageOf<WelcomePage>(controller) != nullptr);
    QCOMPARE(sandbox.logEvents().size(), events.size() + 1);  // the probe's own line

    sandbox.setTool("xcode-select", "exit 0");
    FindByText<ButtonBase>(controller.currentPage(), "Check again")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!controller.prerequisiteCheckRunning(), 10000);
    QVERIFY(PageOf<InstallerPage>(controller) != nullptr);
    const Selected seen = AfterTheCheck(controller, sandbox);
    QCOMPARE(seen.events[0], "installer chosen: " + later);
    QCOMPARE(seen.events.size(), 2);
    QVERIFY(seen.buildEnabled);
  }

  // The error and done pages give way to the installer page with the file.
  void errorPageGivesWayToTheOpenedFile() {
    test::Sandbox sandbox;
    const QString file = files_.filePath(kSampleName);
    test::WriteSparseFile(file, 60 << 20, "MZ");
    InstallerController controller;
    Launch(controller);
    // The sandbox's bundle is empty: a build of the first file cannot start.
    const QString first = files_.filePath("first/" + QString(kSampleName));
    QDir().mkpath(QFileInfo(first).path());
    test::WriteSparseFile(first, 60 << 20, "MZ");
    Open({first});
    QTRY_VERIFY_WITH_TIMEOUT(PageOf<InstallerPage>(controller)->buildButton()->isEnabled(), 20000);
    QVERIFY(test::Click(controller, "Build"));
    QTRY_VERIFY_WITH_TIMEOUT(PageOf<ErrorPage>(controller) != nullptr, 20000);
    Open({file});
    QVERIFY(PageOf<InstallerPage>(controller) != nullptr);
    QVERIFY(AfterTheCheck(controller, sandbox).buildEnabled);
  }

  // While a build runs an opened file is ignored and logged; afterwards it is taken.
  void fileOpenedDuringABuildIsIgnoredAndLogged() {
    test::BuildSandbox sandbox;
    sandbox.useScript("#!/bin/bash\necho '##stage 1/6 Start'\necho started\nsleep 60\n");
    const QString installer = sandbox.path(kSampleName);
    test::WriteSparseFile(installer, 60 << 20, "MZ");
    const QString other = files_.filePath("other.exe");
    test::WriteSparseFile(other, 60 << 20, "MZ");
    InstallerController controller;
    Launch(controller);
    Open({installer});
    QTRY_VERIFY_WITH_TIMEOUT(PageOf<InstallerPage>(controller)->buildButton()->isEnabled(), 20000);
    QVERIFY(test::Click(controller, "Build"));
    QVERIFY(controller.buildRun() != nullptr);

    Open({other});
    QVERIFY(PageOf<BuildPage>(controller) != nullptr);
    QCOMPARE(sandbox.logEvents().last(), "installer open ignored, a build is running: " + other);
    QCOMPARE(controller.session().selection().path, installer.toStdString());
    // Cancelling is still building.
    QVERIFY(test::Click(controller, "Cancel"));
    Open({other});
    QCOMPARE(sandbox.logEvents().last(), "installer open ignored, a build is running: " + other);

    QTRY_VERIFY_WITH_TIMEOUT(controller.buildRun() == nullptr, 20000);
    Open({other});
    QCOMPARE(controller.session().selection().path, other.toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(sandbox.logEvents().last().startsWith("installer check: "), 20000);
  }

  // The program itself, started with a path as a Linux desktop starts it: the
  // file is selected once the welcome check passes, and waits while it fails.
  // Other arguments (an option, a folder, a missing file) are ignored.
  void programStartedWithAPathSelectsIt_data() {
    QTest::addColumn<QString>("xcodeSelect");
    QTest::addColumn<QString>("expected");  // the first line after the probe's
    QTest::newRow("prerequisites present") << "exit 0"
                                           << "installer chosen: %1";
    QTest::newRow("prerequisites missing") << "exit 2"
                                           << "installer open waits for the prerequisites: %1";
  }
  void programStartedWithAPathSelectsIt() {
    QFETCH(QString, xcodeSelect);
    QFETCH(QString, expected);
    QTemporaryDir root;
    const QString home = root.filePath("home"), tools = root.filePath("tools");
    QDir().mkpath(home);
    QDir().mkpath(tools);
    auto writeTool = [&](const QString& name, const QString& body) {
      QFile tool(tools + "/" + name);
      QVERIFY(tool.open(QIODevice::WriteOnly));
      tool.write(("#!/bin/sh\n" + body + "\n").toUtf8());
      tool.close();
      tool.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    };
    writeTool("xcode-select", xcodeSelect);
    for (const char* name : {"xcrun", "python3", "install_name_tool"}) writeTool(name, "exit 0");
    QDir().mkpath(root.filePath("downloads"));
    const QString installer = root.filePath(QStringLiteral("downloads/") + kSampleName);
    QVERIFY(test::MakeSampleInstaller(installer));

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VLMR_TOOLS_OVERRIDE", tools);
    program.setProcessEnvironment(environment);
    // The path as typed in the folder that holds it.
    program.setWorkingDirectory(root.filePath("downloads"));
    program.start(QStringLiteral(VLMR_TEST_APP_DIR "/Contents/MacOS/VelmoraInstaller"),
                  {"--verbose", root.path(), root.filePath("missing.exe"), kSampleName});
    QVERIFY(program.waitForStarted());
    const QString log = home + "/Library/Logs/Velmora 3000/installer.log";
    auto events = [&] {
      QFile file(log);
      QStringList lines;
      if (!file.open(QIODevice::ReadOnly)) return lines;
      for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
        lines << line.mid(line.indexOf(" [installer] ") + 13);
      return lines;
    };
    QTRY_VERIFY_WITH_TIMEOUT(events().size() >= 4, 20000);
    if (xcodeSelect == "exit 0") {
      QTRY_VERIFY_WITH_TIMEOUT(events().size() >= 5, 20000);
      // Usable unless this machine's disk is too full for a build: either way, checked.
      QVERIFY2(events()[4].startsWith("installer check: "), qPrintable(events()[4]));
    } else {
      QTest::qWait(500);
      QCOMPARE(events().size(), 4);
    }
    program.kill();
    program.waitForFinished();
    QCOMPARE(events()[3], expected.arg(installer));
  }
};

QTEST_MAIN(OpenFileTest)
#include "open_file_test.moc"
