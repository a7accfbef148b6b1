// Showing a file in the file manager over the session bus: a private bus with
// a stand-in file manager, the reply awaited by the event loop, and the
// folder opened instead when no file manager answers.

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDesktopServices>
#include <QProcess>
#include <QTest>

#include "platform/qt/desktop_services.h"

using namespace vlmr;

namespace {

constexpr char kService[] = "org.freedesktop.FileManager1";

// The freedesktop file-manager interface, recording what it is asked to show.
class FakeFileManager : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

 public:
  QStringList shown;

 public slots:
  void ShowItems(const QStringList& uris, const QString&) { shown << uris; }
};

// Records the URLs the desktop is asked to open.
class OpenedUrls : public QObject {
  Q_OBJECT
 public:
  OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "record"); }
  ~OpenedUrls() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
  QList<QUrl> urls;
 public slots:
  void record(const QUrl& url) { urls << url; }
};

}  // namespace

class DesktopServicesTest : public QObject {
  Q_OBJECT

  QProcess bus_;
  QString address_;

 private slots:
  // A bus of our own, named before the first use of the session bus.
  void initTestCase() {
    bus_.start(QStringLiteral("dbus-daemon"),
               {QStringLiteral("--session"), QStringLiteral("--nofork"),
                QStringLiteral("--print-address")});
    if (!bus_.waitForStarted(5000)) QSKIP("no dbus-daemon here");
    QTRY_VERIFY(bus_.canReadLine());
    address_ = QString::fromUtf8(bus_.readLine()).trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
    QVERIFY(QDBusConnection::sessionBus().isConnected());
  }

  void cleanupTestCase() {
    bus_.terminate();
    bus_.waitForFinished(5000);
  }

  // The file manager gets the file's URL; the call returns before it answers,
  // and nothing is opened besides.
  void fileManagerShowsTheFile() {
    QDBusConnection service = QDBusConnection::connectToBus(address_, QStringLiteral("fake"));
    FakeFileManager manager;
    QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager,
                                   QDBusConnection::ExportAllSlots));
    QVERIFY(service.registerService(kService));
    OpenedUrls opened;

    RevealInFileManager(QStringLiteral("/tmp/Velmora Logs/installer.log"));
    QVERIFY(manager.shown.isEmpty());  // answered later, from the event loop
    QTRY_COMPARE(manager.shown,
                 QStringList{QStringLiteral("file:///tmp/Velmora%20Logs/installer.log")});
    QTest::qWait(50);
    QVERIFY(opened.urls.isEmpty());

    service.unregisterService(kService);
    QDBusConnection::disconnectFromBus(QStringLiteral("fake"));
  }

  // Without a file manager on the bus the error reply opens the folder.
  void withoutAFileManagerTheFolderOpens() {
    QTRY_VERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(kService));
    OpenedUrls opened;
    RevealInFileManager(QStringLiteral("/tmp/Velmora Logs/installer.log"));
    QTRY_COMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/tmp/Velmora Logs"))});
  }
};

QTEST_MAIN(DesktopServicesTest)
#include "desktop_services_test.moc"
