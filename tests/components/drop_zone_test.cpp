// What the drop zone accepts, and what it hands over.

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <memory>

#include "components/drop_zone_view.h"

using namespace vlmr;

namespace {

std::unique_ptr<QMimeData> Mime(const QList<QUrl>& urls, const QString& text = QString()) {
  auto data = std::make_unique<QMimeData>();
  if (!urls.isEmpty()) data->setUrls(urls);
  if (!text.isEmpty()) data->setText(text);
  return data;
}

QUrl File(const QString& path) {
  return QUrl::fromLocalFile(path);
}

// Sends a drag entering the zone; returns whether it was accepted with the copy action.
bool Enter(DropZoneView& zone, const QMimeData* data) {
  QDragEnterEvent event(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                        Qt::NoModifier);
  QCoreApplication::sendEvent(&zone, &event);
  return event.isAccepted() && event.dropAction() == Qt::CopyAction;
}

bool Drop(DropZoneView& zone, const QMimeData* data) {
  QDropEvent event(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(&zone, &event);
  return event.isAccepted();
}

}  // namespace

class DropZoneTest : public QObject {
  Q_OBJECT

 private slots:
  void acceptsLocalFilesAndNameableFolders_data() {
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("delivered");  // "" when the drag is refused
    const QString folders = QDir::temp().filePath(QStringLiteral("vlmr-drop-%1").arg(getpid()));
    for (const char* name : {"plain", "Game.app", "Setup.PKG", "x.exe"}) {
      QDir().mkpath(folders + "/" + name);
    }
    QTest::newRow("exe") << QList<QUrl>{File("/in/setup.exe")} << ""
                         << "/in/setup.exe";
    // The page names a wrong file, so the zone hands any file over.
    QTest::newRow("zip") << QList<QUrl>{File("/in/setup.exe.zip")} << ""
                         << "/in/setup.exe.zip";
    QTest::newRow("no extension") << QList<QUrl>{File("/in/setup")} << ""
                                  << "/in/setup";
    QTest::newRow("first of several")
        << QList<QUrl>{File("/a/readme.txt"), File("/b/Setup.Exe"), File("/c/other.exe")} << ""
        << "/a/readme.txt";
    QTest::newRow("plain folder") << QList<QUrl>{File(folders + "/plain")} << ""
                                  << "";
    QTest::newRow("plain folder before a file")
        << QList<QUrl>{File(folders + "/plain"), File("/d/game.exe")} << ""
        << "/d/game.exe";
    QTest::newRow("app bundle") << QList<QUrl>{File(folders + "/Game.app")} << ""
                                << folders + "/Game.app";
    QTest::newRow("package bundle")
        << QList<QUrl>{File(folders + "/Setup.PKG")} << "" << folders + "/Setup.PKG";
    QTest::newRow("folder named .exe")
        << QList<QUrl>{File(folders + "/x.exe")} << "" << folders + "/x.exe";
    QTest::newRow("web URL") << QList<QUrl>{QUrl("https://example.org/setup.exe")} << ""
                             << "";
    QTest::newRow("web URL before a file")
        << QList<QUrl>{QUrl("https://example.org/setup.exe"), File("/d/game.exe")} << ""
        << "/d/game.exe";
    QTest::newRow("plain text") << QList<QUrl>{} << "/in/setup.exe"
                                << "";
  }
  void acceptsLocalFilesAndNameableFolders() {
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, text);
    QFETCH(QString, delivered);
    const auto data = Mime(urls, text);
    DropZoneView zone(QRectF(0, 0, 300, 200));
    QStringList received;
    connect(&zone, &DropZoneView::fileDropped,
            [&](const QUrl& url) { received << url.toLocalFile(); });

    const bool accepts = !delivered.isEmpty();
    QCOMPARE(Enter(zone, data.get()), accepts);
    QCOMPARE(zone.highlighted(), accepts);
    QCOMPARE(Drop(zone, data.get()), accepts);
    QCOMPARE(zone.highlighted(), false);
    QCOMPARE(received, accepts ? QStringList{delivered} : QStringList{});
  }

  void cleanupTestCase() {
    QDir(QDir::temp().filePath(QStringLiteral("vlmr-drop-%1").arg(getpid()))).removeRecursively();
  }

  void leavingTheZoneEndsTheHighlight() {
    const auto data = Mime({File("/in/setup.exe")});
    DropZoneView zone(QRectF(0, 0, 300, 200));
    QVERIFY(Enter(zone, data.get()));
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&zone, &leave);
    QCOMPARE(zone.highlighted(), false);
  }

  void dropWithoutAReceiverStillSucceeds() {
    const auto data = Mime({File("/in/setup.exe")});
    DropZoneView zone(QRectF(0, 0, 300, 200));
    QVERIFY(Enter(zone, data.get()));
    QVERIFY(Drop(zone, data.get()));
    QCOMPARE(zone.highlighted(), false);
  }

  void aReceiverMayReplaceTheZone() {
    const auto data = Mime({File("/in/setup.exe")});
    QPointer<DropZoneView> zone = new DropZoneView(QRectF(0, 0, 300, 200));
    auto seen = std::make_shared<QStringList>();
    bool idleDuringCallback = false;
    connect(zone, &DropZoneView::fileDropped, zone,
            [seen, &idleDuringCallback, zone](const QUrl& url) {
              idleDuringCallback = !zone->highlighted();
              // The page goes away, and the connection with it.
              zone->disconnect();
              zone->deleteLater();
              seen->append(url.toLocalFile());
            });
    QVERIFY(Enter(*zone, data.get()));
    QVERIFY(Drop(*zone, data.get()));
    QVERIFY(idleDuringCallback);
    QCOMPARE(*seen, QStringList{"/in/setup.exe"});
    QTRY_VERIFY(zone.isNull());
  }
};

QTEST_MAIN(DropZoneTest)
#include "drop_zone_test.moc"
