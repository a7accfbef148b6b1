// The product icon in a process that reaches no image plug-in, as the Mac app
// ships without qtimageformats (and so without Qt's icns plug-in).

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "components/page_helpers.h"

using namespace vlmr;

class IconWithoutPluginsTest : public QObject {
  Q_OBJECT

 private slots:
  // Otherwise the test below would prove nothing.
  void noIcnsPluginIsWithinReach() {
    QVERIFY2(!QImageReader::supportedImageFormats().contains("icns"),
             "the icns image plug-in was loaded before the plug-in folders were taken away");
  }

  void bundledIconLoadsEverySizeFromItsPngImages() {
    QTemporaryDir elsewhere;  // a current folder with no icon under it
    const QIcon icon = InstallerIconFrom(
        InstallerIconCandidates(VLMR_TEST_APP_DIR "/Contents/MacOS", elsewhere.path()));
    QList<int> sides;
    for (const QSize& size : icon.availableSizes()) sides << size.width();
    std::sort(sides.begin(), sides.end());
    // Not the drawn stand-in (one 128-pixel image): every image the .icns holds for pages.
    QCOMPARE(sides, (QList<int>{32, 64, 128, 256, 512}));
    const QImage expected(VLMR_TEST_APP_DIR "/Contents/Resources/Velmora3000-128.png");
    QVERIFY(!expected.isNull());
    QCOMPARE(icon.pixmap(QSize(128, 128)).toImage(),
             expected.convertToFormat(icon.pixmap(QSize(128, 128)).toImage().format()));
  }
};

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  // From here on no plug-in folder: images are read by Qt's own readers alone,
  // as in a bundle without qtimageformats. The platform plug-in is loaded already.
  QTemporaryDir empty;
  QCoreApplication::setLibraryPaths({empty.path()});
  IconWithoutPluginsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "icon_without_plugins_test.moc"
