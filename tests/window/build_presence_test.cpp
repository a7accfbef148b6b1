// A build's presence on the desktop, against stand-in services on a private
// bus that serves as both the session and the system bus: logind's sleep
// inhibitor (taken at the start, closed at every end, never leaked into the
// build) and the launcher entry's progress, badge and urgency (values, rate).

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "build_support.h"
#include "components/progress_bar.h"
#include "platform/qt/dbus_launcher_entry.h"
#include "platform/qt/dbus_logind_inhibitor.h"
#include "window/build_page.h"
#include "window/build_presence.h"
#include "window/build_run.h"
#include "window/installer_controller.h"
#include "window/open_file.h"
#include "window/installer_page.h"

using namespace vlmr;
using test::PageOf;

namespace {

constexpr char kLogin1[] = "org.freedesktop.login1";
using test::kSampleName;

// The write end of the lock's pipe is closed everywhere: the lock is gone.
bool LockClosed(int readEnd) {
  pollfd poller{readEnd, POLLIN, 0};
  return poll(&poller, 1, 0) == 1 && (poller.revents & POLLHUP) != 0;
}

// Our process's descriptors of the pipe `readEnd` belongs to, apart from it.
QList<int> OtherEndsInThisProcess(int readEnd) {
  struct stat pipe {};
  fstat(readEnd, &pipe);
  QList<int> found;
  for (const QString& entry :
       QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::System)) {
    const int fd = entry.toInt();
    struct stat other {};
    if (fd != readEnd && fstat(fd, &other) == 0 && other.st_ino == pipe.st_ino &&
        other.st_dev == pipe.st_dev) {
      found << fd;
    }
  }
  return found;
}

}  // namespace

/// A stand-in for logind's manager: every Inhibit call gets the write end of
/// a new pipe; the test keeps the read end to see when the lock is closed.
class FakeLogin1 : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

 public:
  struct Call {
    QStringList arguments;
    int readEnd = -1;
  };
  QList<Call> calls;

  ~FakeLogin1() override { clear(); }
  void clear() {
    for (const Call& call : calls) close(call.readEnd);
    calls.clear();
  }

 public slots:
  QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                  const QString& mode) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return {};
    calls.append({{what, who, why, mode}, ends[0]});
    QDBusUnixFileDescriptor lock(ends[1]);  // a copy, closed once the reply has gone
    close(ends[1]);
    return lock;
  }
};

/// Hears the launcher-entry signals of every sender.
class LauncherListener : public QObject {
  Q_OBJECT

 public:
  struct Update {
    QString path, uri;
    QVariantMap properties;
  };
  QList<Update> updates;

 public slots:
  void update(const QString& uri, const QVariantMap& properties, const QDBusMessage& message) {
    updates.append({message.path(), uri, properties});
  }
};

class BuildPresenceTest : public QObject {
  Q_OBJECT

  QProcess bus_;
  QString address_;
  QString sample_;
  FakeLogin1 login1_;
  LauncherListener listener_;

  QDBusConnection service() { return QDBusConnection(QStringLiteral("fake")); }

 private slots:
  // One bus of our own for both: named before the first use of either.
  void initTestCase() {
    bus_.start(QStringLiteral("dbus-daemon"),
               {QStringLiteral("--session"), QStringLiteral("--nofork"),
                QStringLiteral("--print-address")});
    QVERIFY2(bus_.waitForStarted(5000), "dbus-daemon is needed (scripts/install-deps.sh)");
    QTRY_VERIFY(bus_.canReadLine());
    address_ = QString::fromUtf8(bus_.readLine()).trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address_.toUtf8());
    QVERIFY(QDBusConnection::systemBus().isConnected());

    QDBusConnection fake = QDBusConnection::connectToBus(address_, QStringLiteral("fake"));
    QVERIFY(fake.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing);
    QVERIFY(fake.registerObject(QStringLiteral("/org/freedesktop/login1"), &login1_,
                                QDBusConnection::ExportAllSlots));
    QVERIFY(fake.registerService(kLogin1));
    QVERIFY(fake.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                         QStringLiteral("Update"), &listener_,
                         SLOT(update(QString, QVariantMap, QDBusMessage))));

    sample_ =
        QDir::temp().filePath(QStringLiteral("vlmr-presence-%1/").arg(getpid()) + kSampleName);
    QDir().mkpath(QFileInfo(sample_).path());
    test::WriteSparseFile(sample_, 60 << 20, "MZ");
  }

  void cleanupTestCase() {
    QDir(QFileInfo(sample_).path()).removeRecursively();
    QDBusConnection::disconnectFromBus(QStringLiteral("fake"));
    bus_.terminate();
    bus_.waitForFinished(5000);
  }

  void init() {
    login1_.clear();
    listener_.updates.clear();
  }

  // Asked for without waiting, with logind's arguments; held once however
  // often it is asked for; closed on release; the descriptor never passes to
  // a child (the build) and a new hold takes a new lock.
  void lockIsAskedForAsynchronouslyAndClosedOnRelease() {
    auto inhibitor = std::make_unique<LogindInhibitor>(QString::fromUtf8(kWindowTitle));
    inhibitor->hold();
    QVERIFY(login1_.calls.isEmpty());  // answered later, from the event loop
    QTRY_COMPARE(login1_.calls.size(), 1);
    QCOMPARE(login1_.calls[0].arguments, (QStringList{"idle:sleep", "Velmora 3000 Installer",
                                                      "Building Velmora 3000", "block"}));
    QTRY_VERIFY(inhibitor->holding());
    inhibitor->hold();
    QTest::qWait(100);
    QCOMPARE(login1_.calls.size(), 1);
    const int first = login1_.calls[0].readEnd;
    QVERIFY(!LockClosed(first));
    const QList<int> ours = OtherEndsInThisProcess(first);
    QVERIFY(!ours.isEmpty());
    for (int fd : ours)
      QVERIFY2(fcntl(fd, F_GETFD) & FD_CLOEXEC, "the lock would outlive us in the build");

    inhibitor->release();
    QTRY_VERIFY(LockClosed(first));
    QVERIFY(!inhibitor->holding());

    inhibitor->hold();
    QTRY_COMPARE(login1_.calls.size(), 2);
    QTRY_VERIFY(inhibitor->holding());
    const int second = login1_.calls[1].readEnd;
    inhibitor.reset();  // quitting: the lock goes with the inhibitor
    QTRY_VERIFY(LockClosed(second));
  }

  // A lock that arrives after release (or after a newer request) is closed at once.
  void lockArrivingAfterReleaseIsClosed() {
    LogindInhibitor inhibitor(QString::fromUtf8(kWindowTitle));
    inhibitor.hold();
    inhibitor.release();
    inhibitor.hold();
    QTRY_COMPARE(login1_.calls.size(), 2);
    QTRY_VERIFY(LockClosed(login1_.calls[0].readEnd));
    QTRY_VERIFY(inhibitor.holding());
    QVERIFY(!LockClosed(login1_.calls[1].readEnd));
    inhibitor.release();
    QVERIFY(inhibitor.holding() == false);
    inhibitor.hold();
    inhibitor.release();
    QTRY_COMPARE(login1_.calls.size(), 3);
    QTRY_VERIFY(LockClosed(login1_.calls[1].readEnd));
    QTRY_VERIFY(LockClosed(login1_.calls[2].readEnd));
    QTest::qWait(100);
    QVERIFY(!inhibitor.holding());
  }

  // Without logind the machine may sleep as before; nothing hangs.
  void withoutLogindNothingIsHeld() {
    QVERIFY(service().unregisterService(kLogin1));
    LogindInhibitor inhibitor(QString::fromUtf8(kWindowTitle));
    QElapsedTimer timer;
    timer.start();
    inhibitor.hold();
    QVERIFY(timer.elapsed() < 1000);
    QTest::qWait(300);
    QVERIFY(!inhibitor.holding());
    inhibitor.release();
    QVERIFY(service().registerService(kLogin1));
  }

  // The launcher entry carries the build's bar at the page's values, then a
  // badge and urgency when it ends unseen, cleared when the window is active.
  void launcherEntryFollowsTheBuildAndCallsThePlayerBack() {
    test::BuildSandbox sandbox;
    sandbox.useScript(
        "#!/bin/bash\n"
        "out=\"\"; while [ $# -gt 0 ]; do [ \"$1\" = --out ] && out=\"$2\"; shift; done\n"
        "for n in 1 2 3 4 5 6; do echo \"##stage $n/6 Step $n\"; sleep 0.4; done\n"
        "mkdir -p \"$out/Velmora 3000.app\"\n"
        "echo \"##done $out/Velmora 3000.app\"\n");
    InstallerController controller;
    test::ReadyToBuild(controller, sample_);
    QWidget elsewhere;  // another application's window, as far as ours can tell
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));

    double pageAtTheEnd = -1;
    QVERIFY(test::Click(controller, "Build"));
    QPointer<BuildPage> page = PageOf<BuildPage>(controller);
    connect(controller.buildRun(), &BuildRun::ended, this, [&] {
      if (page != nullptr) pageAtTheEnd = page->progressBar()->value();
    });
    QTRY_VERIFY_WITH_TIMEOUT(controller.buildRun() == nullptr, 30000);
    QTRY_VERIFY(!listener_.updates.isEmpty() &&
                listener_.updates.last().properties.value("urgent").toBool());

    QList<double> bar;
    for (const auto& update : listener_.updates) {
      QCOMPARE(update.uri, "application://velmora-installer.desktop");
      QCOMPARE(update.path, LauncherEntry::objectPath());
      if (update.properties.value("progress-visible").toBool()) {
        bar << update.properties.value("progress").toDouble();
      }
    }
    QCOMPARE(bar,
             (QList<double>{0.0, 1 / 12.0, 3 / 12.0, 5 / 12.0, 7 / 12.0, 9 / 12.0, 11 / 12.0}));
    QCOMPARE(bar.last(), pageAtTheEnd);
    const QVariantMap ended = listener_.updates.last().properties;
    QCOMPARE(ended.value("progress-visible").toBool(), false);
    QCOMPARE(ended.value("count-visible").toBool(), true);
    QCOMPARE(ended.value("count").toLongLong(), 1);
    int urgent = 0;
    for (const auto& update : listener_.updates)
      urgent += update.properties.value("urgent").toBool();
    QCOMPARE(urgent, 1);  // asked once

    const qsizetype before = listener_.updates.size();
    controller.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(controller.window()));
    QTRY_COMPARE(listener_.updates.size(), before + 1);
    const QVariantMap cleared = listener_.updates.last().properties;
    QCOMPARE(cleared.value("count-visible").toBool(), false);
    QCOMPARE(cleared.value("urgent").toBool(), false);
    QCOMPARE(cleared.value("progress-visible").toBool(), false);
  }

  // However fast the bar moves, a few updates a second reach the bus, the last value among them.
  void launcherUpdatesStayAFewASecond() {
    BuildPresence presence;
    presence.setSleepInhibitor(nullptr);
    presence.buildStarted();
    QElapsedTimer timer;
    timer.start();
    int step = 0;
    while (timer.elapsed() < 1200) {
      presence.progressChanged(++step / 1e7);
      QCoreApplication::processEvents();
    }
    const double last = step / 1e7;
    QTest::qWait(600);
    // One at the start, then at most one per quarter second.
    const qint64 allowed = timer.elapsed() / 250 + 1;
    QVERIFY2(step > 100, "the loop should offer many updates");
    QVERIFY2(listener_.updates.size() <= allowed,
             qPrintable(QString::number(listener_.updates.size())));
    QVERIFY(listener_.updates.size() >= 3);
    QCOMPARE(listener_.updates.last().properties.value("progress").toDouble(), last);
  }

  // The lock is taken when a build starts and closed at every kind of end;
  // a second build takes a new one. Quitting is last: it ends the loop.
  void everyEndOfABuildClosesTheLock_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("end");  // "script", "cancel" or "quit"
    QTest::addColumn<QString>("page");
    const QString slow = "#!/bin/bash\necho '##stage 1/6 Start'\nsleep 60\n";
    QTest::newRow("done")
        << "#!/bin/bash\n"
           "out=\"\"; while [ $# -gt 0 ]; do [ \"$1\" = --out ] && out=\"$2\"; shift; done\n"
           "sleep 1; mkdir -p \"$out/Velmora 3000.app\"; echo \"##done $out/Velmora 3000.app\"\n"
        << "script"
        << "done";
    QTest::newRow("failed") << "#!/bin/bash\nsleep 1\necho '##error Step 1 failed.'\nexit 1\n"
                            << "script"
                            << "error";
    QTest::newRow("cancelled") << slow << "cancel"
                               << "installer";
    QTest::newRow("quit") << slow << "quit"
                          << "";
  }
  void everyEndOfABuildClosesTheLock() {
    QFETCH(QString, script);
    QFETCH(QString, end);
    QFETCH(QString, page);
    test::BuildSandbox sandbox;
    sandbox.useScript(script);
    InstallerController controller;
    test::ReadyToBuild(controller, sample_);
    const int rounds = end == "quit" ? 1 : 2;
    for (int round = 0; round < rounds; ++round) {
      QVERIFY(test::Click(controller, "Build"));
      QVERIFY(controller.buildRun() != nullptr);
      QTRY_COMPARE(login1_.calls.size(), round + 1);
      const int lock = login1_.calls[round].readEnd;
      QTest::qWait(200);
      QVERIFY2(!LockClosed(lock), "the lock is held while the build runs");
      if (end == "cancel") QVERIFY(test::Click(controller, "Cancel"));
      if (end == "quit") {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QApplication::exec();
        QVERIFY(LockClosed(lock));
      }
      QTRY_VERIFY_WITH_TIMEOUT(controller.buildRun() == nullptr, 30000);
      QTRY_VERIFY(LockClosed(lock));
      if (page == "installer") {
        QTRY_VERIFY(PageOf<InstallerPage>(controller) != nullptr);
      } else if (page == "done" || page == "error") {
        QVERIFY(PageOf<InstallerPage>(controller) == nullptr &&
                PageOf<BuildPage>(controller) == nullptr);
        // Back to "Build" for the second round: the installer opened anew.
        PostFileOpenEvents({sample_.toStdString()});
        QTRY_VERIFY(PageOf<InstallerPage>(controller) != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(PageOf<InstallerPage>(controller)->buildButton()->isEnabled(),
                                 20000);
      }
    }
    QCOMPARE(login1_.calls.size(), rounds);
  }
};

QTEST_MAIN(BuildPresenceTest)
#include "build_presence_test.moc"
