// Flows through the window, offscreen: launch, Continue, drops and choices of
// installer files with their background checks, keyboard activation.

#include <unistd.h>
#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <QThread>
#include <QTimer>

#include <fstream>

#include "checks/installer_validation.h"
#include "checks/sha256.h"
#include "components/drop_zone_view.h"
#include "components/palette.h"
#include "components/surfaces.h"
#include "window/installer_controller.h"
#include "window_support.h"

using namespace vlmr;
using vlmr::test::FindByText;
using vlmr::test::Isolated;
using vlmr::test::PageOf;
using vlmr::test::PagesIn;
using vlmr::test::CurrentPage;
using vlmr::test::DropFiles;

namespace {

constexpr qint64 kMiB = 1 << 20;
constexpr char kUnreadable[] = "That file can't be read. Is it still on this Mac?";
constexpr char kTooSmall[] =
    "That file is too small to be the GOG installer (it should be about 560 MB).";
constexpr char kNotExe[] = "That isn't a Windows installer (.exe) file.";

QString NameCheckVerdict(const QString& size) {
  return size +
         " · this build is not the known GOG 2.0.949(a) one, so the game files are checked after "
         "extraction";
}

int CountStarting(const QStringList& events, const QString& prefix) {
  int count = 0;
  for (const QString& event : events) count += event.startsWith(prefix) ? 1 : 0;
  return count;
}

using test::LaunchToInstallerPage;

// Leaves the installer page for the error page of a build that cannot start
// (the sandbox's bundle is empty), and comes back by "Choose another
// installer", the dialog turned down: the installer page is built anew.
void LeaveAndComeBack(InstallerController& controller) {
  QPointer<QWidget> old = CurrentPage(controller);
  QVERIFY(test::Click(controller, "Build"));
  QTRY_VERIFY_WITH_TIMEOUT(PageOf<ErrorPage>(controller) != nullptr, 20000);
  QTRY_VERIFY(old == nullptr);
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      dialog->reject();
    }
  });
  QVERIFY(test::Click(controller, "Choose another installer"));
  QVERIFY(PageOf<InstallerPage>(controller) != nullptr);
}

}  // namespace

class FlowsTest : public QObject {
  Q_OBJECT

 private slots:
  void launchLogsBeforeCheckingAndShowsTheRightWelcome_data() {
    QTest::addColumn<QString>("xcodeSelect");
    QTest::addColumn<QString>("python");
    QTest::addColumn<QString>("prerequisites");
    QTest::addColumn<QString>("primary");
    QTest::newRow("all present")
        << "exit 0"
        << "exit 0"
        << "prerequisites: ok (Xcode Command Line Tools, clang, /usr/bin/python3)"
        << "Continue";
    // Without the tools python3 is Apple's shim: not run, and reported missing.
    QTest::newRow("tools missing")
        << "exit 2"
        << "exit 0"
        << "prerequisites: missing Xcode Command Line Tools (clang, install_name_tool), the "
           "Python 3 that comes with the Xcode Command Line Tools"
        << "Install Command Line Tools";
    QTest::newRow("only python lacks venv")
        << "exit 0"
        << "case \"$2\" in *venv*) exit 1;; esac; exit 0"
        << "prerequisites: missing the Python 3 that comes with the Xcode Command Line Tools"
        << "Install Command Line Tools";
  }
  void launchLogsBeforeCheckingAndShowsTheRightWelcome() {
    QFETCH(QString, xcodeSelect);
    QFETCH(QString, python);
    QFETCH(QString, prerequisites);
    QFETCH(QString, primary);
    test::ToolScript tools;
    tools.xcodeSelect = xcodeSelect.toStdString();
    tools.python3 = python.toStdString();
    test::Sandbox sandbox(tools);
    InstallerController controller;
    test::LaunchChecked(controller);

    const QStringList events = sandbox.logEvents();
    QCOMPARE(events.size(), 3);
    QVERIFY2(events[0].startsWith("launch: Velmora 3000 Installer (bundle "),
             qPrintable(events[0]));
    QCOMPARE(events[1], "window: 740x630 content, title 'Velmora 3000 Installer'");
    QCOMPARE(events[2], prerequisites);

    QCOMPARE(controller.window()->windowTitle(), "Velmora 3000 Installer");
    QVERIFY(controller.window()->isVisible());
    QWidget* page = CurrentPage(controller);
    QVERIFY(page != nullptr);
    QWidget* content = page->parentWidget();
    QCOMPARE(content->size(), QSize(740, 630));
    // Not resizable: the window's smallest and largest sizes are its size.
    QCOMPARE(controller.window()->minimumSize(), controller.window()->maximumSize());
    QVERIFY(!(controller.window()->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(page->geometry(), content->rect());
    QVERIFY(FindByText<ButtonBase>(page, primary) != nullptr);

    // The app's menu: About, a separator, Quit on the platform's Quit shortcut;
    // then the Window menu.
    const QList<QAction*> menus = controller.window()->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    const QList<QAction*> items = menus.first()->menu()->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->text(), "About Velmora 3000 Installer");
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2]->text(), "Quit Velmora 3000 Installer");
    QCOMPARE(items[2]->shortcut(), QKeySequence(QKeySequence::Quit));
  }

  // The Window menu: Minimize on Command-M, Close on Command-W, and Close ends
  // the window the way its close button does, quitting the application.
  void windowMenuMinimizesAndCloses() {
    test::Sandbox sandbox;
    InstallerController controller;
    test::LaunchChecked(controller);
    const QList<QAction*> menus = controller.window()->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[1]->text(), "Window");
    const QList<QAction*> items = menus[1]->menu()->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->text(), "Minimize");
    QCOMPARE(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    QCOMPARE(items[1]->text(), "Close");
    QCOMPARE(items[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));

    items[0]->trigger();
    QTRY_VERIFY(controller.window()->windowState() & Qt::WindowMinimized);
    controller.window()->showNormal();

    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    QTimer::singleShot(0, items[1], &QAction::trigger);
    QTimer::singleShot(8000, qApp, &QCoreApplication::quit);  // bounds a Close that did nothing
    QElapsedTimer timer;
    timer.start();
    QApplication::exec();
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY(!controller.window()->isVisible());
    QCOMPARE(quitting.count(), 1);
  }

  // The probes run external tools that can take seconds (the first xcrun
  // after Apple's tools arrive): the window shows that it is checking and
  // stays live, at launch and on "Check again", until the verdict arrives.
  void slowProbeNeverHoldsTheWindow() {
    test::ToolScript tools;
    tools.xcodeSelect = "exit 2";
    test::Sandbox sandbox(tools);
    sandbox.setTool("xcode-select", "sleep 1; exit 2");
    InstallerController controller;
    QElapsedTimer clock;
    clock.start();
    controller.applicationDidFinishLaunching();
    QVERIFY2(clock.elapsed() < 700, "the launch waited for the probe");
    QVERIFY(controller.prerequisiteCheckRunning());
    int checkingRows = 0;
    for (Label* label : CurrentPage(controller)->findChildren<Label*>()) {
      checkingRows += label->text().contains(WelcomePage::checkingText()) ? 1 : 0;
    }
    QCOMPARE(checkingRows, 2);
    QVERIFY(FindByText<ButtonBase>(CurrentPage(controller), "Continue") == nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(!controller.prerequisiteCheckRunning(), 10000);
    QCOMPARE(CountStarting(sandbox.logEvents(), "prerequisites: missing"), 1);

    auto* again = FindByText<ButtonBase>(CurrentPage(controller), "Check again");
    QVERIFY(again != nullptr);
    clock.restart();
    again->click();
    QVERIFY2(clock.elapsed() < 700, "Check again waited for the probe");
    QCOMPARE(PageOf<WelcomePage>(controller)->hint(), "Checking again…");
    QVERIFY(!again->isEnabled());
    QVERIFY(
        !FindByText<ButtonBase>(CurrentPage(controller), "Install Command Line Tools")->isEnabled());
    again->click();  // disabled, and one check at a time anyway
    QTRY_VERIFY_WITH_TIMEOUT(!controller.prerequisiteCheckRunning(), 10000);
    QCOMPARE(CountStarting(sandbox.logEvents(), "prerequisites: missing"), 2);
    QCOMPARE(PageOf<WelcomePage>(controller)->hint(),
             "After Apple's installer finishes, choose Check again.");
  }

  // Xcode present, its license not accepted: the page keeps its verdict and
  // says how to accept; once accepted, Check again clears it.
  void anUnacceptedLicenseSaysHowToAcceptIt() {
    test::ToolScript tools;
    tools.xcrun = tools.python3 =
        "echo 'You have not agreed to the Xcode license agreements, please run "
        "\"sudo xcodebuild -license\" from within a Terminal window.' >&2; exit 69";
    test::Sandbox sandbox(tools);
    InstallerController controller;
    test::LaunchChecked(controller);
    QCOMPARE(PageOf<WelcomePage>(controller)->hint(),
             "Accept Xcode's license first: open Xcode once, or run sudo xcodebuild -license "
             "accept.");
    QVERIFY(FindByText<ButtonBase>(CurrentPage(controller), "Install Command Line Tools"));

    sandbox.setTool("xcrun", "exit 0");
    sandbox.setTool("python3", "exit 0");
    FindByText<ButtonBase>(CurrentPage(controller), "Check again")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!controller.prerequisiteCheckRunning(), 10000);
    QVERIFY(FindByText<ButtonBase>(CurrentPage(controller), "Continue") != nullptr);
  }

  // Return presses the page's primary button: Continue leads to the installer page.
  void returnContinuesToTheInstallerPage() {
    test::Sandbox sandbox;
    InstallerController controller;
    test::LaunchChecked(controller);
    QVERIFY(QTest::qWaitForWindowActive(controller.window()));
    QPointer<QWidget> welcome = CurrentPage(controller);
    QTest::keyClick(controller.window(), Qt::Key_Return);

    QWidget* page = CurrentPage(controller);
    QVERIFY(page != nullptr && page != welcome);
    QCOMPARE(PageOf<InstallerPage>(controller)->fileLabel()->text(), "No file chosen yet");
    QCOMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), "");
    QVERIFY(!PageOf<InstallerPage>(controller)->buildButton()->isEnabled());
    // The welcome page, replaced, goes away.
    QTRY_VERIFY(welcome == nullptr);
  }

  void installHintTellsHowTheRequestWent_data() {
    QTest::addColumn<QString>("install");
    QTest::addColumn<QString>("hint");
    QTest::newRow("prompt shown") << "exit 0"
                                  << "Follow Apple's prompt, then choose Check again when it "
                                     "finishes.";
    QTest::newRow("already underway")
        << "exit 1"
        << "Apple says the tools may already be installed or being installed. Choose Check again.";
    QTest::newRow("could not start")
        << ""
        << "macOS could not open the installation. Run xcode-select --install in Terminal.";
  }
  void installHintTellsHowTheRequestWent() {
    QFETCH(QString, install);
    QFETCH(QString, hint);
    test::ToolScript tools;
    tools.xcodeSelect = "[ \"$1\" = -p ] && exit 2; " + install.toStdString();
    test::Sandbox sandbox(tools);
    InstallerController controller;
    test::LaunchChecked(controller);
    if (install.isEmpty()) {
      SystemTools table = Tools();
      table.xcodeSelect = sandbox.path("tools/absent").toStdString();
      SetTools(table);
    }
    FindByText<ButtonBase>(CurrentPage(controller), "Install Command Line Tools")->click();
    QTRY_COMPARE_WITH_TIMEOUT(PageOf<WelcomePage>(controller)->hint(), hint, 10000);

    // "Check again" rebuilds the page with the hint back at its default.
    FindByText<ButtonBase>(CurrentPage(controller), "Check again")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!controller.prerequisiteCheckRunning(), 10000);
    QCOMPARE(PageOf<WelcomePage>(controller)->hint(),
             "After Apple's installer finishes, choose Check again.");
    QCOMPARE(CountStarting(sandbox.logEvents(), "prerequisites: missing"), 2);
  }

  // A drop shows the file and "Checking…" at once, then the verdict of the background check.
  void dropShowsCheckingThenTheVerdict_data() {
    QTest::addColumn<QString>("file");  // created by kind below
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("chip");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<bool>("usable");
    QTest::newRow("usable by its name")
        << "setup_simcity_3000_unlimited.exe"
        << "installer" << Isolated("setup_simcity_3000_unlimited.exe") + " · 60 MB"
        << NameCheckVerdict("60 MB") << true;
    QTest::newRow("upper-case EXE, wrong name")
        << "SETUP.EXE"
        << "installer" << Isolated("SETUP.EXE") + " · 60 MB"
        << "That doesn't look like the GOG SimCity 3000 Unlimited installer. Look for "
           "setup_simcity_3000_unlimited_2.0.949(a)….exe in your GOG library."
        << false;
    QTest::newRow("too small") << "x.exe"
                               << "small" << Isolated("x.exe") + " · 1 MB" << kTooSmall << false;
    QTest::newRow("not MZ") << "simcity3000.exe"
                            << "zm" << Isolated("simcity3000.exe") + " · 60 MB" << kNotExe << false;
    QTest::newRow("directory named x.exe")
        << "x.exe"
        << "directory" << Isolated("x.exe") + " · 1 MB" << kTooSmall << false;
    // Without a size the chip shows the name alone.
    QTest::newRow("vanished file") << "gone.exe"
                                   << "missing" << Isolated("gone.exe") << kUnreadable << false;
    QTest::newRow("dangling link") << "link.exe"
                                   << "dangling" << Isolated("link.exe") << kUnreadable << false;
    if (geteuid() != 0) {
      QTest::newRow("unreadable file")
          << "locked.exe"
          << "unreadable" << Isolated("locked.exe") + " · 60 MB" << kUnreadable << false;
    }
  }
  void dropShowsCheckingThenTheVerdict() {
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(QString, chip);
    QFETCH(QString, verdict);
    QFETCH(bool, usable);
    test::Sandbox sandbox;
    const QString path = sandbox.path(file);
    if (kind == "installer" || kind == "unreadable") test::WriteSparseFile(path, 60 * kMiB, "MZ");
    if (kind == "unreadable") QFile::setPermissions(path, QFileDevice::Permissions());
    if (kind == "small") test::WriteSparseFile(path, 1000, "MZ");
    if (kind == "zm") test::WriteSparseFile(path, 60 * kMiB, "ZM");
    if (kind == "directory") QDir().mkpath(path);
    if (kind == "dangling") QFile::link(sandbox.path("nowhere"), path);

    InstallerController controller;
    controller.setFreeSpaceMeasure(test::PlentyOfRoom);
    LaunchToInstallerPage(controller);
    DropFiles(CurrentPage(controller), {path});

    QCOMPARE(controller.session().selection().path, path.toStdString());
    QCOMPARE(PageOf<InstallerPage>(controller)->fileLabel()->text(), chip);
    QVERIFY(PageOf<InstallerPage>(controller)->fileLabel()->textColor() == LabelColor());
    QCOMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(),
             "Checking " + Isolated(file) + "…");
    QVERIFY(!PageOf<InstallerPage>(controller)->buildButton()->isEnabled());

    QTRY_COMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), verdict);
    QVERIFY(PageOf<InstallerPage>(controller)->verdictLabel()->textColor() ==
            (usable ? SecondaryLabelColor() : SystemRedColor()));
    QCOMPARE(PageOf<InstallerPage>(controller)->buildButton()->isEnabled(), usable);
    const QStringList events = sandbox.logEvents();
    QCOMPARE(
        events.mid(events.size() - 2),
        QStringList(
            {"installer chosen: " + path,
             QString("installer check: %1 (%2)").arg(usable ? "usable" : "rejected", verdict)}));
  }

  // Only the latest selection's verdict is shown and logged, whichever check ends first;
  // the earlier check still runs to its end.
  void onlyTheLatestSelectionIsApplied_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("first check slower") << "simcity3000_slow.exe"
                                        << "simcity3000_b.exe";
    QTest::newRow("second check slower") << "simcity3000_a.exe"
                                         << "simcity3000_slow.exe";
    QTest::newRow("same file twice") << "simcity3000_slow.exe"
                                     << "simcity3000_slow.exe";
  }
  void onlyTheLatestSelectionIsApplied() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    test::ToolScript tools;
    test::Sandbox sandbox(tools);
    // Hashing takes longer for "slow" files; every finished hash leaves a mark.
    const std::string marks = sandbox.path("hashes").toStdString();
    SetFileDigestForTesting([marks](const std::string& file) {
      if (file.find("slow") != std::string::npos) QThread::msleep(600);
      std::optional<std::string> digest = Sha256OfFile(file);
      std::ofstream(marks, std::ios::app) << '\n';
      return digest;
    });
    struct Restore {
      ~Restore() { SetFileDigestForTesting({}); }
    } restore;
    test::WriteSparseFile(sandbox.path(first), 60 * kMiB, "MZ");
    if (second != first) test::WriteSparseFile(sandbox.path(second), 70 * kMiB, "MZ");
    const QString expected = NameCheckVerdict(second == first ? "60 MB" : "70 MB");

    InstallerController controller;
    controller.setFreeSpaceMeasure(test::PlentyOfRoom);
    LaunchToInstallerPage(controller);
    DropFiles(CurrentPage(controller), {sandbox.path(first)});
    DropFiles(CurrentPage(controller), {sandbox.path(second)});

    QTRY_COMPARE(QFile(QString::fromStdString(marks)).size(), 2);
    QTest::qWait(100);  // both results have reached the main queue
    QCOMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), expected);
    QVERIFY(PageOf<InstallerPage>(controller)->buildButton()->isEnabled());
    const QStringList events = sandbox.logEvents();
    QCOMPARE(CountStarting(events, "installer chosen: "), 2);
    QCOMPARE(CountStarting(events, "installer check: "), 1);
    QCOMPARE(events.last(), "installer check: usable (" + expected + ")");
  }

  // A file rewritten while it is hashed has no verdict to build on: it is
  // named as changed, in red, and "Build" stays off.
  void installerChangedDuringItsCheckIsNotUsable() {
    test::ToolScript tools;
    test::Sandbox sandbox(tools);
    const QString installer = sandbox.path("simcity3000.exe");
    test::WriteSparseFile(installer, 60 * kMiB, "MZ");
    SetFileDigestForTesting([](const std::string& file) {
      std::optional<std::string> digest = Sha256OfFile(file);
      std::ofstream(file, std::ios::app) << "appended while hashed";
      return digest;
    });
    struct Restore {
      ~Restore() { SetFileDigestForTesting({}); }
    } restore;

    InstallerController controller;
    controller.setFreeSpaceMeasure(test::PlentyOfRoom);
    LaunchToInstallerPage(controller);
    DropFiles(CurrentPage(controller), {installer});
    const QString verdict = "The installer file changed after it was checked. Choose it again.";
    QTRY_COMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), verdict);
    QVERIFY(PageOf<InstallerPage>(controller)->verdictLabel()->textColor() == SystemRedColor());
    QVERIFY(!PageOf<InstallerPage>(controller)->buildButton()->isEnabled());
  }

  // Any file may be dropped: a near miss is named in red at once, without
  // hashing, and logged as the check's verdict. Of several files the first counts.
  void droppedNearMissIsNamed() {
    test::Sandbox sandbox;
    test::WriteSparseFile(sandbox.path("setup.exe.zip"), 60 * kMiB, "PK\x03\x04");
    test::WriteSparseFile(sandbox.path("setup_simcity_3000_unlimited.exe"), 60 * kMiB, "MZ");
    InstallerController controller;
    LaunchToInstallerPage(controller);
    DropFiles(CurrentPage(controller),
              {sandbox.path("setup.exe.zip"), sandbox.path("setup_simcity_3000_unlimited.exe")});
    const QString verdict = "That's an archive. Open it and use the installer (.exe) inside.";
    QTRY_COMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), verdict);
    QVERIFY(PageOf<InstallerPage>(controller)->verdictLabel()->textColor() == SystemRedColor());
    QVERIFY(!PageOf<InstallerPage>(controller)->buildButton()->isEnabled());
    QCOMPARE(sandbox.logEvents().mid(sandbox.logEvents().size() - 2),
             QStringList({"installer chosen: " + sandbox.path("setup.exe.zip"),
                          "installer check: rejected (" + verdict + ")"}));
  }

  // A name that lies: a right-to-left override would make "a<RLO>exe.zip" read "apiz.exe", and
  // would turn the size after it around too. The chip and the verdict line show the override as
  // what it is, with the name in an isolate, so " · 60 MB" still reads left to right after it. A
  // name with a line feed is one line in the log, written with "\n".
  void namesThatLieAreIsolatedOnScreenAndOneLineInTheLog() {
    test::Sandbox sandbox;
    const QString override = QStringLiteral("a") + QChar(0x202E) + QStringLiteral("exe.zip");
    const QString lineFeed = QStringLiteral("set\nup.exe");
    test::WriteSparseFile(sandbox.path(override), 60 * kMiB, "PK\x03\x04");
    test::WriteSparseFile(sandbox.path(lineFeed), 60 * kMiB, "MZ");
    InstallerController controller;
    controller.setFreeSpaceMeasure(test::PlentyOfRoom);
    LaunchToInstallerPage(controller);

    DropFiles(CurrentPage(controller), {sandbox.path(override)});
    const Label* chip = PageOf<InstallerPage>(controller)->fileLabel();
    const QString shown = Isolated(QStringLiteral("a\\u{202E}exe.zip"));
    QCOMPARE(chip->text(), shown + " · 60 MB");
    QCOMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), "Checking " + shown + "…");
    // As laid out: "60 MB" reads left to right, the override stopped at the isolate's end.
    QTextLayout layout(chip->text(), chip->font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const qsizetype six = chip->text().indexOf(QLatin1String("60 MB"));
    QVERIFY(line.cursorToX(six) < line.cursorToX(six + 3));
    QTRY_COMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(),
                 "That's an archive. Open it and use the installer (.exe) inside.");

    DropFiles(CurrentPage(controller), {sandbox.path(lineFeed)});
    QCOMPARE(PageOf<InstallerPage>(controller)->fileLabel()->text(),
             Isolated("set\\nup.exe") + " · 60 MB");
    QTRY_VERIFY(!PageOf<InstallerPage>(controller)->verdictLabel()->text().startsWith("Checking"));
    const QStringList events = sandbox.logEvents();
    QCOMPARE(events.mid(events.size() - 4, 3),
             QStringList({"installer chosen: " + sandbox.path("a\\u{202E}exe.zip"),
                          "installer check: rejected (That's an archive. Open it and use the "
                          "installer (.exe) inside.)",
                          "installer chosen: " + sandbox.path("set\\nup.exe")}));
    QVERIFY(events.last().startsWith("installer check: rejected ("));
  }

  // A usable installer on a disk without room for a build: the sentence in
  // red and "Build" disabled.
  void fullDiskHoldsAUsableInstallerBack() {
    test::Sandbox sandbox;
    const QString path = sandbox.path("setup_simcity_3000_unlimited.exe");
    test::WriteSparseFile(path, 60 * kMiB, "MZ");
    const QString support = QDir::home().filePath("Library/Application Support/Velmora 3000");
    QDir().mkpath(support);
    InstallerController controller;
    QStringList measured;
    controller.setFreeSpaceMeasure([&measured](const std::string& folder) {
      measured << QString::fromStdString(folder);  // on the checking thread; read after the verdict
      return std::optional<uint64_t>(uint64_t{3} << 30);
    });
    LaunchToInstallerPage(controller);
    DropFiles(CurrentPage(controller), {path});
    const QString verdict =
        "Only 3.0 GB free on this disk; the build needs about 5 GB. Free some space, then choose "
        "the installer again.";
    QTRY_COMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), verdict);
    QVERIFY(PageOf<InstallerPage>(controller)->verdictLabel()->textColor() == SystemRedColor());
    QVERIFY(!PageOf<InstallerPage>(controller)->buildButton()->isEnabled());
    QCOMPARE(sandbox.logEvents().last(), "installer check: rejected (" + verdict + ")");
    // Measured where the sources and the build's output will go, before those exist.
    QCOMPARE(measured, QStringList({support, support}));
  }

  // A folder that is neither a Mac bundle nor posing as an installer is not
  // taken: the page stays as it was.
  void droppedPlainFolderChangesNothing() {
    test::Sandbox sandbox;
    QDir().mkpath(sandbox.path("Downloads"));
    InstallerController controller;
    LaunchToInstallerPage(controller);
    const int before = sandbox.logEvents().size();
    DropFiles(CurrentPage(controller), {sandbox.path("Downloads")});
    QTest::qWait(50);
    QVERIFY(controller.session().selection().path.empty());
    QCOMPARE(PageOf<InstallerPage>(controller)->fileLabel()->text(), "No file chosen yet");
    QCOMPARE(sandbox.logEvents().size(), before);
  }

  // Return while "Build" is disabled starts nothing, even with a (rejected) file chosen.
  void returnOnDisabledBuildDoesNothing() {
    test::Sandbox sandbox;
    test::WriteSparseFile(sandbox.path("x.exe"), 1000, "MZ");
    InstallerController controller;
    LaunchToInstallerPage(controller);
    QVERIFY(QTest::qWaitForWindowActive(controller.window()));
    DropFiles(CurrentPage(controller), {sandbox.path("x.exe")});
    QTRY_COMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), kTooSmall);
    QWidget* page = CurrentPage(controller);

    QTest::keyClick(controller.window(), Qt::Key_Return);
    QTest::qWait(50);
    QCOMPARE(CurrentPage(controller), page);
    QVERIFY(controller.buildRun() == nullptr);
  }

  // The installer page is rebuilt from the session: coming back to it (after
  // a cancelled build, from the error page) shows the file, its verdict and
  // "Build" as they were, while the page that was replaced goes away.
  void rebuiltInstallerPageCarriesTheVerdictOver() {
    test::Sandbox sandbox;
    test::WriteSparseFile(sandbox.path("simcity3000.exe"), 60 * kMiB, "MZ");
    InstallerController controller;
    controller.setFreeSpaceMeasure(test::PlentyOfRoom);
    LaunchToInstallerPage(controller);
    DropFiles(CurrentPage(controller), {sandbox.path("simcity3000.exe")});
    QTRY_VERIFY(PageOf<InstallerPage>(controller)->buildButton()->isEnabled());
    const QString verdict = PageOf<InstallerPage>(controller)->verdictLabel()->text();

    LeaveAndComeBack(controller);

    QCOMPARE(PageOf<InstallerPage>(controller)->fileLabel()->text(),
             Isolated("simcity3000.exe") + " · 60 MB");
    QCOMPARE(PageOf<InstallerPage>(controller)->verdictLabel()->text(), verdict);
    QVERIFY(PageOf<InstallerPage>(controller)->verdictLabel()->textColor() ==
            SecondaryLabelColor());
    QVERIFY(PageOf<InstallerPage>(controller)->buildButton()->isEnabled());
  }

  void chooserOffersExeFilesAndUsesTheChoice_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted") << true;
    QTest::newRow("cancelled") << false;
  }
  void chooserOffersExeFilesAndUsesTheChoice() {
    QFETCH(bool, accept);
    test::Sandbox sandbox;
    // The dialog offers ".exe" in every letter case, as the drop zone takes it, and nothing else.
    QDir(sandbox.path("")).mkpath("downloads");
    for (const char* name :
         {"simcity3000.exe", "SETUP.EXE", "Patch.ExE", "readme.txt", "setup.exe.part"})
      test::WriteSparseFile(sandbox.path(QString("downloads/") + name), 60 * kMiB, "MZ");
    const QString path = sandbox.path("downloads/simcity3000.exe");
    InstallerController controller;
    LaunchToInstallerPage(controller);

    QString message, acceptLabel;
    QStringList filters, offered;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      message = dialog->windowTitle();
      acceptLabel = dialog->labelText(QFileDialog::Accept);
      filters = dialog->nameFilters();
      if (accept) {
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
        return;
      }
      dialog->setDirectory(sandbox.path("downloads"));
      auto* files = dialog->findChild<QListView*>("listView");
      if (files == nullptr) return dialog->reject();
      // The folder is read in the background.
      (void)QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) >= 3; });
      QTest::qWait(100);
      for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row) {
        const QModelIndex index = files->model()->index(row, 0, files->rootIndex());
        if (files->model()->flags(index) & Qt::ItemIsEnabled) offered << index.data().toString();
      }
      dialog->reject();
    });
    QVERIFY(test::Click(controller, "Choose…"));

    QCOMPARE(message, "Choose your GOG SimCity 3000 Unlimited installer");
    QCOMPARE(acceptLabel, "Use this installer");
    QCOMPARE(filters.size(), 1);
    offered.sort();
    if (!accept) QCOMPARE(offered, QStringList({"Patch.ExE", "SETUP.EXE", "simcity3000.exe"}));
    QCOMPARE(QString::fromStdString(controller.session().selection().path),
             accept ? path : QString());
  }
};

QTEST_MAIN(FlowsTest)
#include "flows_test.moc"
