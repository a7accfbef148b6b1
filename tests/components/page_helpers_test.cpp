// Labels, rich text and the product icon lookup.

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "components/frame.h"
#include "components/fonts.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/surfaces.h"
#include "test_support.h"

using namespace vlmr;

namespace {

QIcon SolidIcon(const QColor& color) {
  QPixmap pixmap(16, 16);
  pixmap.fill(color);
  return QIcon(pixmap);
}

QColor IconCentre(const QIcon& icon) {
  return icon.pixmap(QSize(16, 16)).toImage().pixelColor(8, 8);
}

}  // namespace

class PageHelpersTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QApplication::setWindowIcon(QIcon()); }

  void makeLabelDefaults() {
    std::unique_ptr<Label> label(MakeLabel(QString(), false, std::nullopt, 36, 240, 668, 22, 15));
    QCOMPARE(label->text(), QString(""));
    QCOMPARE(label->textColor(), LabelColor());
    QCOMPARE(label->attributedText().front().weight, QFont::Normal);
    QCOMPARE(PixelSizeOf(label->attributedText().front().font()), 15.0);
    QCOMPARE(label->lineBreakMode(), Label::LineBreakMode::WordWrap);
    QVERIFY(label->testAttribute(Qt::WA_TransparentForMouseEvents));  // not selectable
    QVERIFY(!label->autoFillBackground());

    std::unique_ptr<Label> bold(MakeLabel("Title", true, SecondaryLabelColor(), 0, 0, 10, 10, 26));
    QCOMPARE(bold->attributedText().front().weight, QFont::Bold);
    QCOMPARE(bold->textColor(), SecondaryLabelColor());
  }

  void labelWrapsLongTextOntoSeveralLines() {
    const QString text = "This app contains your copy of the game. Please keep it on this Mac.";
    PageView page;
    Label* label = MakeLabel(text, false, Dyn(Srgb(0, 0, 0), Srgb(0, 0, 0)), 0, 0, 160, 80, 12);
    AddSubview(&page, label);
    const QImage image = test::Render(label, Qt::white);
    int inkRows = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y).lightness() < 128) {
          ++inkRows;
          break;
        }
      }
    }
    // One 12-point line is about 15 pixels high; wrapped text inks well beyond that.
    QVERIFY2(inkRows > 25, qPrintable(QString::number(inkRows)));
  }

  void iconCandidatesFollowTheBundleLayout_data() {
    QTest::addColumn<QString>("exeDir");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("inside a bundle")
        << "/Apps/V.app/Contents/MacOS"
        << QStringList{"/Apps/V.app/Contents/Resources/Velmora3000.icns",
                       "/Apps/V.app/Contents/Resources/Velmora3000.icns",
                       "/Apps/V.app/../Resources/Velmora3000.icns", "/work/assets/Velmora3000.icns",
                       "/work/docs/images/Velmora3000-256.png"};
    QTest::newRow("bare executable")
        << "/opt/velmora/bin"
        << QStringList{"/opt/velmora/bin/Velmora3000.icns",
                       "/opt/velmora/bin/Contents/Resources/Velmora3000.icns",
                       "/opt/velmora/bin/../Resources/Velmora3000.icns",
                       "/work/assets/Velmora3000.icns", "/work/docs/images/Velmora3000-256.png"};
  }
  void iconCandidatesFollowTheBundleLayout() {
    QFETCH(QString, exeDir);
    QFETCH(QStringList, expected);
    QCOMPARE(InstallerIconCandidates(exeDir, "/work"), expected);
  }

  void iconSkipsFilesThatDoNotLoad() {
    QTemporaryDir dir;
    QFile broken(dir.filePath("Velmora3000.icns"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("icns but not really");
    broken.close();
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(dir.filePath("fallback.png")));
    QApplication::setWindowIcon(SolidIcon(Qt::blue));

    const QIcon icon = InstallerIconFrom(
        {"", dir.filePath("missing.icns"), broken.fileName(), dir.filePath("fallback.png")});
    VLMR_COMPARE_COLOR(IconCentre(icon), QColor(Qt::red), 0);
  }

  void iconFallsBackToApplicationIcon() {
    QTemporaryDir dir;
    const QStringList nothing = InstallerIconCandidates(dir.filePath("bin"), dir.path());
    QApplication::setWindowIcon(SolidIcon(Qt::blue));
    VLMR_COMPARE_COLOR(IconCentre(InstallerIconFrom(nothing)), QColor(Qt::blue), 0);
    QApplication::setWindowIcon(QIcon());
    QVERIFY(!InstallerIconFrom(nothing).isNull());
  }

  void committedIconHasEverySize() {
    QImageReader reader(VLMR_ASSETS_DIR "/Velmora3000.icns");
    QList<int> sizes;
    for (int i = 0; i < 16; ++i) {
      const QImage image = reader.read();
      if (image.isNull()) break;
      QCOMPARE(image.width(), image.height());
      sizes << image.width();
      if (!reader.jumpToNextImage()) break;
    }
    for (const int wanted : {128, 256, 512})
      QVERIFY2(sizes.contains(wanted), qPrintable(QString::number(wanted)));
    const QIcon icon = InstallerIconFrom({VLMR_ASSETS_DIR "/Velmora3000.icns"});
    QVERIFY(icon.availableSizes().size() >= 3);
  }
};

QTEST_MAIN(PageHelpersTest)
#include "page_helpers_test.moc"
