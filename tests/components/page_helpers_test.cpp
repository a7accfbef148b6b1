// Labels, rich text and the product icon lookup.

#include <QApplication>
#include <algorithm>
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
#include "tests/support/widget_support.h"

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
    // In each place the PNG images (which need no image plug-in) before the .icns.
    QTest::newRow("inside a bundle")
        << "/Apps/V.app/Contents/MacOS"
        << QStringList{"/Apps/V.app/Contents/Resources/Velmora3000-256.png",
                       "/Apps/V.app/Contents/Resources/Velmora3000.icns",
                       "/Apps/V.app/Contents/Resources/Velmora3000-256.png",
                       "/Apps/V.app/Contents/Resources/Velmora3000.icns",
                       "/Apps/V.app/../Resources/Velmora3000-256.png",
                       "/Apps/V.app/../Resources/Velmora3000.icns",
                       "/work/assets/Velmora3000.icns",
                       "/work/docs/images/Velmora3000-256.png"};
    QTest::newRow("bare executable")
        << "/opt/velmora/bin"
        << QStringList{"/opt/velmora/bin/Velmora3000-256.png",
                       "/opt/velmora/bin/Velmora3000.icns",
                       "/opt/velmora/bin/Contents/Resources/Velmora3000-256.png",
                       "/opt/velmora/bin/Contents/Resources/Velmora3000.icns",
                       "/opt/velmora/bin/../Resources/Velmora3000-256.png",
                       "/opt/velmora/bin/../Resources/Velmora3000.icns",
                       "/work/assets/Velmora3000.icns",
                       "/work/docs/images/Velmora3000-256.png"};
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

  void sizedPngBringsTheOtherSizesBesideIt() {
    QTemporaryDir dir;
    // (file, side in pixels)
    const QList<QPair<QString, int>> files = {
        {"Icon-16.png", 16},    {"Icon-32.png", 32},  {"Icon-64.png", 64},
        {"Icon-big-128.png", 128}, {"Other-8.png", 8}, {"Icon-x.png", 24},
        {"Icon-64.png.bak", 40},
    };
    for (const auto& [name, side] : files) {
      QImage image(side, side, QImage::Format_ARGB32);
      image.fill(Qt::red);
      QVERIFY(image.save(dir.filePath(name), "PNG"));
    }
    auto sides = [](const QIcon& icon) {
      QList<int> found;
      for (const QSize& size : icon.availableSizes()) found << size.width();
      std::sort(found.begin(), found.end());
      return found;
    };
    QCOMPARE(sides(InstallerIconFrom({dir.filePath("Icon-32.png")})), (QList<int>{16, 32, 64}));
    // A missing file is no candidate, whatever lies beside it: the next one is taken.
    QCOMPARE(sides(InstallerIconFrom({dir.filePath("Icon-256.png"), dir.filePath("Other-8.png")})),
             (QList<int>{8}));
    // A PNG without a size in its name is just that image.
    QCOMPARE(sides(InstallerIconFrom({dir.filePath("Icon-x.png")})), (QList<int>{24}));
  }

  // The pages draw the icon from the bundle's PNG images; the pixels must be those
  // the .icns gives, at every size a page draws it, on plain and Retina screens.
  void pngImagesDrawTheIconAsTheIcnsDoes() {
    if (!QImageReader::supportedImageFormats().contains("icns"))
      QSKIP("Qt's icns image plug-in (qtimageformats) is not installed");
    const QIcon png = InstallerIconFrom({VLMR_TEST_APP_DIR "/Contents/Resources/Velmora3000-256.png"});
    const QIcon icns = InstallerIconFrom({VLMR_TEST_APP_DIR "/Contents/Resources/Velmora3000.icns"});
    QCOMPARE(png.availableSizes(), icns.availableSizes());
    for (const int side : {16, 32, 48, 68, 84, 128, 136, 168, 256, 512}) {
      QCOMPARE(png.pixmap(QSize(side, side)).toImage(), icns.pixmap(QSize(side, side)).toImage());
    }
  }

  void committedIconHasEverySize() {
    if (!QImageReader::supportedImageFormats().contains("icns"))
      QSKIP("Qt's icns image plug-in (qtimageformats) is not installed; the pages use the PNG images");
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
