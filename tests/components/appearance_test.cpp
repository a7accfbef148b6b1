// Appearance resolution and repainting of existing views when the appearance changes.

#include <QApplication>
#include <QImage>
#include <QTest>

#include "components/appearance.h"
#include "components/palette.h"
#include "components/surfaces.h"
#include "tests/support/widget_support.h"

using namespace vlmr;

Q_DECLARE_METATYPE(vlmr::Appearance)

namespace {

const QColor kLight = Srgb(1, 0, 0);
const QColor kDark = Srgb(0, 0, 1);

class CountingPage : public PageView {
 public:
  using PageView::PageView;
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    ++paints;
    PageView::paintEvent(event);
  }
};

QColor RenderedCentre(QWidget* widget) {
  const QImage image = test::Render(widget);
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

}  // namespace

class AppearanceTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { SetApplicationAppearance(Appearance::Unset); }

  void onlyDarkResolvesToTheDarkVariant_data() {
    QTest::addColumn<Appearance>("appearance");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("light") << Appearance::Light << kLight;
    QTest::newRow("dark") << Appearance::Dark << kDark;
    QTest::newRow("other appearance falls back to light") << Appearance::Other << kLight;
    QTest::newRow("unset falls back to light") << Appearance::Unset << kLight;
  }
  void onlyDarkResolvesToTheDarkVariant() {
    QFETCH(Appearance, appearance);
    QFETCH(QColor, expected);
    QCOMPARE(Dyn(kLight, kDark).resolve(appearance), expected);
  }

  void viewTakesOwnThenAncestorThenApplicationAppearance_data() {
    QTest::addColumn<Appearance>("application");
    QTest::addColumn<Appearance>("grandparent");
    QTest::addColumn<Appearance>("parent");
    QTest::addColumn<Appearance>("own");
    QTest::addColumn<Appearance>("expected");
    using A = Appearance;
    QTest::newRow("application only") << A::Dark << A::Unset << A::Unset << A::Unset << A::Dark;
    QTest::newRow("grandparent over application")
        << A::Light << A::Dark << A::Unset << A::Unset << A::Dark;
    QTest::newRow("nearest ancestor wins")
        << A::Light << A::Dark << A::Light << A::Unset << A::Light;
    QTest::newRow("own wins") << A::Dark << A::Dark << A::Dark << A::Other << A::Other;
  }
  void viewTakesOwnThenAncestorThenApplicationAppearance() {
    QFETCH(Appearance, application);
    QFETCH(Appearance, grandparent);
    QFETCH(Appearance, parent);
    QFETCH(Appearance, own);
    QFETCH(Appearance, expected);
    SetApplicationAppearance(application);
    QWidget top;
    auto* middle = new QWidget(&top);
    auto* leaf = new QWidget(middle);
    SetViewAppearance(&top, grandparent);
    SetViewAppearance(middle, parent);
    SetViewAppearance(leaf, own);
    QCOMPARE(EffectiveAppearance(leaf), expected);
  }

  void clearingViewAppearanceInheritsAgain() {
    SetApplicationAppearance(Appearance::Dark);
    QWidget view;
    SetViewAppearance(&view, Appearance::Light);
    SetViewAppearance(&view, Appearance::Unset);
    QCOMPARE(EffectiveAppearance(&view), Appearance::Dark);
  }

  void blendMixesEveryComponentIncludingAlpha() {
    const QColor a = Srgb(0.2, 0.4, 0.6, 1.0);
    const QColor b = Srgb(1.0, 0.0, 0.2, 0.0);
    const QColor mixed = Blend(a, b, 0.25);
    QVERIFY(qAbs(mixed.redF() - 0.4) < 1e-4);
    QVERIFY(qAbs(mixed.greenF() - 0.3) < 1e-4);
    QVERIFY(qAbs(mixed.blueF() - 0.5) < 1e-4);
    QVERIFY(qAbs(mixed.alphaF() - 0.75) < 1e-4);
  }

  void switchingApplicationAppearanceRepaintsExistingPage() {
    SetApplicationAppearance(Appearance::Light);
    CountingPage page(QRectF(0, 0, 120, 80));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    VLMR_COMPARE_COLOR(RenderedCentre(&page), PageColor().light, 1);

    page.paints = 0;
    SetApplicationAppearance(Appearance::Dark);
    QTRY_VERIFY(page.paints > 0);
    // The same page object now draws the dark page colour (0.125, 0.161, 0.176).
    VLMR_COMPARE_COLOR(RenderedCentre(&page), Srgb(0.125, 0.161, 0.176), 1);
  }

  void switchingViewAppearanceRepaintsItsSubviews() {
    SetApplicationAppearance(Appearance::Light);
    QWidget window;
    window.resize(200, 100);
    auto* card = new CountingPage(QRectF(0, 0, 100, 100), &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    card->paints = 0;
    SetViewAppearance(&window, Appearance::Dark);
    QTRY_VERIFY(card->paints > 0);
    VLMR_COMPARE_COLOR(RenderedCentre(card), PageColor().dark, 1);
  }
};

QTEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
