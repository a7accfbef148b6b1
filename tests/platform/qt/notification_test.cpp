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

#include "platform/qt/dbus_notification_poster.h"
#include "session/build_notification.h"

namespace vlmr {

const QString kAppName = QStringLiteral("Velmora 3000 Installer");

/// A stand-in for the desktop's notification service: records each Notify
/// call and answers with increasing ids; announces the capabilities it is given.
class FakeNotificationService : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

 public:
  struct Call {
    QString appName, summary, body;
    QStringList actions;
  };
  QList<Call> calls;
  QStringList capabilities{"actions", "body"};
  int capabilityQuestions = 0;

 public slots:
  QStringList GetCapabilities() {
    ++capabilityQuestions;
    return capabilities;
  }
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

  void init() {
    fake_.calls.clear();
    fake_.capabilities = {"actions", "body"};
    fake_.capabilityQuestions = 0;
  }

  void postsAsTheInstallerWithADefaultActionAndAClickCallsBack() {
    DBusNotificationPoster poster(kAppName);
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

  void aBuildEndIsPostedWithItsTextsAndRaisesOnAClick() {
    DBusNotificationPoster poster(kAppName);
    const NotificationText text =
        BuildEndNotification({BuildEnd::Failed, "", Message::Verbatim("Your disk is full.")});
    int raised = 0;
    poster.post(text.title.english(), text.body.english(), [&] { ++raised; });
    QTRY_COMPARE(fake_.calls.size(), 1);
    QCOMPARE(fake_.calls[0].summary, QString("The build didn't finish"));
    QCOMPARE(fake_.calls[0].body, QString("Your disk is full."));
    QTest::qWait(100);
    emitSignal("ActionInvoked", {uint(41), QString("default")});
    QTRY_COMPARE(raised, 1);
  }

  // A service that reads markup would show "<b>" as bold and "&amp;" as "&": the body is
  // escaped for it, and only for it. The question is asked once; the title is never markup.
  void aBodyIsEscapedWhereTheServiceReadsMarkup_data() {
    QTest::addColumn<QStringList>("capabilities");
    QTest::addColumn<QString>("sent");
    const QString body = "Only <b>1 MB</b> free on \"Tom & Jerry's\" disk &amp; more.";
    QTest::newRow("markup") << QStringList{"actions", "body", "body-markup"}
                            << "Only &lt;b&gt;1 MB&lt;/b&gt; free on &quot;Tom &amp; "
                               "Jerry&apos;s&quot; disk &amp;amp; more.";
    QTest::newRow("plain text") << QStringList{"actions", "body"} << body;
  }
  void aBodyIsEscapedWhereTheServiceReadsMarkup() {
    QFETCH(QStringList, capabilities);
    QFETCH(QString, sent);
    fake_.capabilities = capabilities;
    DBusNotificationPoster poster(kAppName);
    const std::string body = "Only <b>1 MB</b> free on \"Tom & Jerry's\" disk &amp; more.";
    poster.post("A <i>title</i> & more", body, [] {});
    poster.post("Second", body, [] {});
    QTRY_COMPARE(fake_.calls.size(), 2);
    QCOMPARE(fake_.calls[0].summary, QString("A <i>title</i> & more"));
    QCOMPARE(fake_.calls[0].body, sent);
    QCOMPARE(fake_.calls[1].body, sent);
    poster.post("Third", body, [] {});
    QTRY_COMPARE(fake_.calls.size(), 3);
    QCOMPARE(fake_.calls[2].body, sent);
    QCOMPARE(fake_.capabilityQuestions, 1);
  }

  void withoutAServicePostingIsHarmless() {
    QVERIFY(service_.unregisterService("org.freedesktop.Notifications"));
    DBusNotificationPoster poster(kAppName);
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
