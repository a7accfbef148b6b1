// The D-Bus notification poster against a fake notification service on a
// private session bus (the test runs under dbus-run-session).
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QVariantMap>

#include "session/build_notification.h"
#include "platform/qt/dbus_notification_poster.h"

namespace vlmr {

/// A stand-in for the desktop's notification service: records each Notify
/// call and answers with increasing ids.
class FakeNotificationService : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

 public:
  struct Call {
    QString appName, summary, body;
    QStringList actions;
  };
  QList<Call> calls;

 public slots:
  uint Notify(const QString& appName, uint, const QString&, const QString& summary,
              const QString& body, const QStringList& actions, const QVariantMap&, int) {
    calls.append({appName, summary, body, actions});
    return static_cast<uint>(calls.size()) + 40;
  }
};

class NotificationTest : public QObject {
  Q_OBJECT

 private:
  // The service's own connection, apart from the poster's session bus one,
  // as a real notification daemon would be.
  QDBusConnection service_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake");
  FakeNotificationService fake_;

  void emitSignal(const char* name, const QVariantList& arguments) {
    QDBusMessage signal =
        QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                   "org.freedesktop.Notifications", QString::fromLatin1(name));
    signal.setArguments(arguments);
    QVERIFY(service_.send(signal));
  }

 private slots:
  void initTestCase() {
    QVERIFY2(service_.isConnected(), "no session bus: run under dbus-run-session");
    QVERIFY(service_.registerObject("/org/freedesktop/Notifications", &fake_,
                                    QDBusConnection::ExportAllSlots));
    QVERIFY(service_.registerService("org.freedesktop.Notifications"));
  }

  void init() { fake_.calls.clear(); }

  void postsAsTheInstallerWithADefaultActionAndAClickCallsBack() {
    DBusNotificationPoster poster;
    int firstClicks = 0, secondClicks = 0;
    poster.post("Velmora 3000 is ready", "The build finished.", [&] { ++firstClicks; });
    poster.post("The build was cancelled", "Click to open the installer.", [&] { ++secondClicks; });
    QTRY_COMPARE(fake_.calls.size(), 2);
    QCOMPARE(fake_.calls[0].appName, QString("Velmora 3000 Installer"));
    QCOMPARE(fake_.calls[0].summary, QString("Velmora 3000 is ready"));
    QCOMPARE(fake_.calls[0].body, QString("The build finished."));
    QVERIFY(fake_.calls[0].actions.contains("default"));
    // Let the poster take the service's answers (the ids 41 and 42).
    QTest::qWait(100);

    emitSignal("ActionInvoked", {uint(42), QString("default")});
    QTRY_COMPARE(secondClicks, 1);
    QCOMPARE(firstClicks, 0);
    // A notification closed without a click forgets its handler; a click on
    // another application's notification does nothing here.
    emitSignal("NotificationClosed", {uint(41), uint(2)});
    emitSignal("ActionInvoked", {uint(41), QString("default")});
    emitSignal("ActionInvoked", {uint(7), QString("default")});
    emitSignal("ActionInvoked", {uint(42), QString("default")});
    QTest::qWait(200);
    QCOMPARE(firstClicks, 0);
    QCOMPARE(secondClicks, 1);
  }

  void aBuildEndIsPostedOnlyWhileTheWindowIsNotActive() {
    DBusNotificationPoster poster;
    QVERIFY(!NotifyBuildEnded(poster, true, BuildEnd::Done, {}, [] {}));
    int raised = 0;
    QVERIFY(NotifyBuildEnded(poster, false, BuildEnd::Failed, "Your disk is full.",
                             [&] { ++raised; }));
    QTRY_COMPARE(fake_.calls.size(), 1);
    QCOMPARE(fake_.calls[0].summary, QString("The build didn't finish"));
    QCOMPARE(fake_.calls[0].body, QString("Your disk is full."));
    QTest::qWait(100);
    emitSignal("ActionInvoked", {uint(41), QString("default")});
    QTRY_COMPARE(raised, 1);
  }

  void withoutAServicePostingIsHarmless() {
    QVERIFY(service_.unregisterService("org.freedesktop.Notifications"));
    DBusNotificationPoster poster;
    bool clicked = false;
    poster.post("Velmora 3000 is ready", "", [&] { clicked = true; });
    QTest::qWait(200);
    QVERIFY(fake_.calls.isEmpty());
    QVERIFY(!clicked);
  }
};

}  // namespace vlmr

QTEST_GUILESS_MAIN(vlmr::NotificationTest)
#include "notification_test.moc"
