// What reaches the window's first paint loads no image plug-in: the product
// icon and the menu bar, with the machine's plug-ins within reach. Each draws
// the same pixels as before all the same.

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include "components/deferred_icon_style.h"
#include "components/page_helpers.h"

using namespace vlmr;

namespace {

// An image plug-in's library is mapped into the process.
bool ImagePluginLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return false;
  return maps.readAll().contains("/imageformats/");
}

const char* const kIcon = VLMR_TEST_APP_DIR "/Contents/Resources/Velmora3000-256.png";

}  // namespace

class ImagePluginsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (!QFile::exists(QStringLiteral("/proc/self/maps"))) QSKIP("no /proc to look at");
    // Otherwise the tests below would prove nothing.
    QVERIFY(!ImagePluginLoaded());
  }

  // Slots run in order: nothing before the last one may decode through a plug-in.
  void iconAndMenuBarLoadNoPlugin() {
    const QIcon icon = InstallerIconFrom({QString::fromLatin1(kIcon)});
    iconPixels_ = icon.pixmap(QSize(68, 68)).toImage();
    QVERIFY(!iconPixels_.isNull());
    menuBar_ = std::make_unique<QMenuBar>();
    menuBar_->addMenu(QStringLiteral("Velmora"));
    menuBar_->adjustSize();
    QVERIFY2(!ImagePluginLoaded(), "an image plug-in was loaded");
  }

  void theyDrawWhatTheUsualReadersDraw() {
    // The sizes beside it, all read up front by Qt's usual readers.
    QIcon usual;
    for (int side : {32, 64, 128, 256, 512}) {
      usual.addFile(
          QStringLiteral(VLMR_TEST_APP_DIR "/Contents/Resources/Velmora3000-%1.png").arg(side));
    }
    QCOMPARE(iconPixels_, usual.pixmap(QSize(68, 68)).toImage());
    // The overflow button's icon, read now, is the platform style's own.
    auto* overflow = menuBar_->findChild<QToolButton*>();
    QVERIFY(overflow != nullptr);
    auto* proxy = qobject_cast<QProxyStyle*>(QApplication::style());
    QVERIFY(proxy != nullptr);
    const QIcon expected =
        proxy->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!overflow->icon().isNull());
    QCOMPARE(overflow->icon().pixmap(QSize(16, 16)).toImage(),
             expected.pixmap(QSize(16, 16)).toImage());
  }

 private:
  QImage iconPixels_;
  std::unique_ptr<QMenuBar> menuBar_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(new DeferredIconStyle);
  ImagePluginsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "image_plugins_test.moc"
