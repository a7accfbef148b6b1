// The windowed installer signalled mid-build from outside (a logout's
// SIGTERM or SIGHUP, Ctrl-C in its terminal): it stops the build as Quit
// does, leaving no process of it behind (not even one that left the script's
// group), and only then ends, by the same signal.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

extern char** environ;

namespace {

QString ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void Write(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text);
  file.close();
  file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// The live processes (zombies not counted) of group `group`, or of the ids in
// `ids`; says so instead where there is no /proc to look in.
QStringList LiveProcesses(pid_t group, const QStringList& ids = {}) {
  if (!QFileInfo(QStringLiteral("/proc/self")).exists()) return {"/proc is missing"};
  QStringList live;
  const QStringList entries = ids.isEmpty() ? QDir("/proc").entryList(QDir::Dirs) : ids;
  for (const QString& entry : entries) {
    const QString text = ReadAll("/proc/" + entry + "/stat");
    if (text.isEmpty()) continue;
    // pid (comm) state ppid pgrp ...; comm may hold spaces, so read after its ")".
    const QStringList fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 3 || fields[0] == "Z") continue;
    if (!ids.isEmpty() || fields[2].toInt() == group) live << entry + " " + fields[0];
  }
  return live;
}

// A home, the bundle's resources with a build script of the test's own, fake
// prerequisite tools and an installer accepted by its name and size: what
// the windowed harness needs to run a build in a process of its own.
struct Rig {
  QTemporaryDir root;
  QString home = root.filePath("home"), resources = root.filePath("resources");
  QString fakes = root.filePath("fakes"), state = root.filePath("state");
  QString installer = root.filePath("setup_simcity_3000_unlimited_2.0.949(a).exe");

  Rig() {
    for (const QString& folder : {home, fakes, state}) QDir().mkpath(folder);
    QProcess::execute("/bin/cp", {"-a", "-T", VLMR_TEST_APP_DIR "/Contents/Resources", resources});
    Write(resources + "/SRC_ID", QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
    // The prerequisites pass; python3 runs the build's trampoline for real.
    Write(fakes + "/python3",
          "#!/bin/sh\ncase \"$2\" in *setpgrp*) exec /usr/bin/python3 \"$@\";; esac; exit 0\n");
    Write(fakes + "/xcode-select", "#!/bin/sh\nexit 0\n");
    Write(fakes + "/xcrun", "#!/bin/sh\nexit 0\n");
    Write(fakes + "/install_name_tool", "#!/bin/sh\nexit 0\n");
    QFile file(installer);
    if (file.open(QIODevice::WriteOnly)) {
      file.write("MZ");
      file.resize(60 << 20);
    }
  }
  QString script() const { return resources + "/src/tools/package_app.sh"; }
  QString log() const { return ReadAll(home + "/Library/Logs/Velmora 3000/installer.log"); }

  // Starts the harness on this rig: it continues, drops the installer and
  // presses Build. Its process id, or 0.
  pid_t spawn() const {
    QByteArrayList envStrings;
    for (char** entry = environ; *entry != nullptr; ++entry) {
      if (!QByteArray(*entry).startsWith("HOME=")) envStrings << QByteArray(*entry);
    }
    envStrings << "HOME=" + home.toUtf8() << "VLMR_TOOLS_OVERRIDE=" + fakes.toUtf8()
               << "QT_QPA_PLATFORM=offscreen";
    std::vector<char*> envp;
    for (QByteArray& entry : envStrings) envp.push_back(entry.data());
    envp.push_back(nullptr);
    QByteArray harness = VLMR_TEST_HARNESS, resourcesArg = resources.toUtf8(),
               installerArg = installer.toUtf8();
    char* argv[] = {harness.data(), resourcesArg.data(), installerArg.data(), nullptr};
    pid_t pid = 0;
    return posix_spawn(&pid, argv[0], nullptr, nullptr, argv, envp.data()) == 0 ? pid : 0;
  }
};

// Waits up to `ms` for `pid` to end; kills it when it has not.
bool Reaped(pid_t pid, int ms, int* status = nullptr) {
  QElapsedTimer timer;
  timer.start();
  pid_t ended = 0;
  while ((ended = waitpid(pid, status, WNOHANG)) == 0 && timer.elapsed() < ms) QThread::msleep(10);
  if (ended == pid) return true;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return false;
}

}  // namespace

class WindowedSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  void signalEndsTheBuildThenTheWindow_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
  }

  void signalEndsTheBuildThenTheWindow() {
    QFETCH(int, signal);
    Rig rig;
    const QString state = rig.state;
    // A build that holds out against SIGTERM, with a stray outside its group.
    Write(rig.script(), ("#!/bin/bash\n"
                         "trap '' TERM\n"
                         "echo $$ > '" +
                         state +
                         "/pgid'\n"
                         "setsid sleep 60 & echo $! > '" +
                         state +
                         "/stray'\n"
                         "sleep 60 & echo started; wait\n")
                            .toUtf8());
    const pid_t pid = rig.spawn();
    QVERIFY(pid > 0);

    QTRY_VERIFY_WITH_TIMEOUT(ReadAll(state + "/stray").endsWith('\n'), 30000);
    const pid_t group = ReadAll(state + "/pgid").trimmed().toInt();
    const QString stray = ReadAll(state + "/stray").trimmed();
    QTRY_COMPARE(LiveProcesses(group).size(), 2);  // bash and sleep
    QThread::msleep(200);

    QElapsedTimer timer;
    timer.start();
    kill(pid, signal);
    int status = 0;
    if (!Reaped(pid, 15000, &status)) QFAIL("the window did not end");
    // By the time the window has gone its build has gone: it was stopped
    // first, as Quit stops it, not merely left to die after.
    const QStringList left = LiveProcesses(group) + LiveProcesses(0, {stray});
    QVERIFY2(left.isEmpty(), qPrintable(left.join(", ")));
    QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == signal,
             qPrintable(QString::number(status)));
    QVERIFY2(timer.elapsed() < 8000, qPrintable(QString::number(timer.elapsed())));
  }

  // The window killed outright as its build ends, the script having said
  // "##done" with its app: the build's processes, a daemon it left included,
  // end without the window, the log never says the build finished, and the
  // next window's build runs and finishes.
  void killedAtTheEndLeavesNothingRunningAndTheNextBuildWorks() {
    Rig rig;
    const QString state = rig.state;
    Write(rig.script(), ("#!/bin/bash\n"
                         "while [ $# -gt 0 ]; do [ \"$1\" = --out ] && out=\"$2\"; shift; done\n"
                         "echo $$ > '" +
                         state +
                         "/pgid'\n"
                         "setsid sleep 60 & echo $! > '" +
                         state +
                         "/stray'\n"
                         "mkdir -p \"$out/Velmora 3000.app/Contents\"\n"
                         "echo \"##done $out/Velmora 3000.app\"\n"
                         "echo ended > '" +
                         state +
                         "/done'\n"
                         "sleep 0.3\n")
                            .toUtf8());
    const pid_t pid = rig.spawn();
    QVERIFY(pid > 0);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(state + "/done"), 30000);
    kill(pid, SIGKILL);
    QVERIFY(Reaped(pid, 5000));
    const pid_t group = ReadAll(state + "/pgid").trimmed().toInt();
    const QString stray = ReadAll(state + "/stray").trimmed();
    QVERIFY(group > 0 && !stray.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT((LiveProcesses(group) + LiveProcesses(0, {stray})).isEmpty(), 20000);
    QVERIFY2(!rig.log().contains("build finished"), qPrintable(rig.log()));

    Write(rig.script(),
          "#!/bin/bash\n"
          "while [ $# -gt 0 ]; do [ \"$1\" = --out ] && out=\"$2\"; shift; done\n"
          "mkdir -p \"$out/Velmora 3000.app/Contents\"\n"
          "echo \"##done $out/Velmora 3000.app\"\n");
    const pid_t next = rig.spawn();
    QVERIFY(next > 0);
    QTRY_VERIFY_WITH_TIMEOUT(rig.log().contains("build finished"), 30000);
    kill(next, SIGTERM);
    QVERIFY(Reaped(next, 15000));
    QVERIFY2(!rig.log().contains("build failed to start"), qPrintable(rig.log()));
  }

  // Quit at launch, while the prerequisite check still waits for its tools:
  // the application ends at once and cleanly, the check's thread never
  // reading what the program's exit has destroyed.
  void quitAtLaunchEndsCleanlyWhileTheCheckRuns() {
    QTemporaryDir root;
    const QString home = root.filePath("home"), fakes = root.filePath("fakes");
    for (const QString& folder : {home, fakes}) QVERIFY(QDir().mkpath(folder));
    Write(fakes + "/xcode-select", "#!/bin/sh\nexit 0\n");
    Write(fakes + "/xcrun", "#!/bin/sh\nsleep 0.3\nexit 0\n");
    Write(fakes + "/python3", "#!/bin/sh\nexit 0\n");
    Write(fakes + "/install_name_tool", "#!/bin/sh\nexit 0\n");
    for (int round = 0; round < 4; ++round) {
      QProcess harness;
      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
      environment.insert("HOME", home);
      environment.insert("VLMR_TOOLS_OVERRIDE", fakes);
      environment.insert("QT_QPA_PLATFORM", "offscreen");
      harness.setProcessEnvironment(environment);
      harness.setProcessChannelMode(QProcess::MergedChannels);
      QElapsedTimer timer;
      timer.start();
      harness.start(VLMR_TEST_HARNESS, {"--quit-at-launch"});
      QVERIFY(harness.waitForFinished(15000));
      const QString output = QString::fromUtf8(harness.readAll());
      QVERIFY2(harness.exitStatus() == QProcess::NormalExit && harness.exitCode() == 0,
               qPrintable(output));
      QVERIFY2(!output.contains("Sanitizer") && !output.contains("bad_alloc"), qPrintable(output));
      QVERIFY2(timer.elapsed() < 8000, qPrintable(QString::number(timer.elapsed())));
    }
  }
};

QTEST_GUILESS_MAIN(WindowedSignalsTest)
#include "windowed_signals_test.moc"
