// Drawing and state of the custom-drawn views and controls.

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <cmath>
#include <memory>

#include "components/components.h"
#include "tests/support/widget_support.h"

using namespace vlmr;

Q_DECLARE_METATYPE(vlmr::Appearance)

namespace {

class CountingPill : public StagePillView {
 public:
  using StagePillView::StagePillView;
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    ++paints;
    StagePillView::paintEvent(event);
  }
};

}  // namespace

class ViewsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { SetApplicationAppearance(Appearance::Unset); }

  void primaryButtonFillFollowsState_data() {
    QTest::addColumn<Appearance>("appearance");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QColor>("expected");
    for (const Appearance a : {Appearance::Light, Appearance::Dark}) {
      const char* name = a == Appearance::Light ? "light" : "dark";
      const QColor teal = TealColor().resolve(a);
      QTest::addRow("%s enabled", name) << a << true << false << teal;
      QTest::addRow("%s pressed: 18%% toward black", name)
          << a << true << true << Blend(teal, Srgb(0, 0, 0), 0.18);
      QTest::addRow("%s disabled", name)
          << a << false << false << DisabledControlTextColor().resolve(a);
    }
  }
  void primaryButtonFillFollowsState() {
    QFETCH(Appearance, appearance);
    QFETCH(bool, enabled);
    QFETCH(bool, pressed);
    QFETCH(QColor, expected);
    PrimaryButton button("Build");
    button.resize(120, 36);
    SetViewAppearance(&button, appearance);
    button.setEnabled(enabled);
    button.setDown(pressed);
    const QColor background = Qt::white;
    const QImage image = test::Render(&button, background);
    // Centre-left: inside the body, clear of the title.
    VLMR_COMPARE_COLOR(image.pixelColor(6, 18), test::Over(expected, background), 2);
  }

  void stagePillRedrawsOnlyWhenStateChanges() {
    CountingPill pill(QRectF(0, 0, 328, 34), "Compile the game");
    pill.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pill));
    QCoreApplication::processEvents();
    pill.paints = 0;
    pill.setStageState(StageState::Pending);
    QTest::qWait(30);
    QCOMPARE(pill.paints, 0);
    pill.setStageState(StageState::Active);
    QTRY_VERIFY(pill.paints > 0);
    QCOMPARE(pill.stageState(), StageState::Active);
  }


  void panelOutlineIsOptional_data() {
    QTest::addColumn<bool>("outlined");
    QTest::addColumn<double>("radius");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<bool>("expectLine");
    QTest::newRow("outline on the edge") << true << 10.0 << QPoint(0, 40) << true;
    QTest::newRow("no outline: fill reaches the edge") << false << 10.0 << QPoint(0, 40) << false;
    QTest::newRow("radius 0: square corner is filled") << false << 0.0 << QPoint(1, 1) << false;
  }
  void panelOutlineIsOptional() {
    QFETCH(bool, outlined);
    QFETCH(double, radius);
    QFETCH(QPoint, probe);
    QFETCH(bool, expectLine);
    const DynColor fill = Dyn(Srgb(0, 1, 0), Srgb(0, 1, 0));
    const DynColor line = Dyn(Srgb(1, 0, 0), Srgb(1, 0, 0));
    PanelView panel(QRectF(0, 0, 100, 80));
    panel.setFillColor(fill);
    panel.setLineColor(outlined ? std::optional<DynColor>(line) : std::nullopt);
    panel.setRadius(radius);
    const QColor pixel = test::Render(&panel, Qt::white).pixelColor(probe);
    // Half of the 1-point line and half of the fill share the edge pixel column.
    if (expectLine) {
      QVERIFY2(pixel.red() > 100 && pixel.green() < 160, qPrintable(test::Describe(pixel)));
    } else {
      QVERIFY2(pixel.red() < 140 && pixel.green() > 120, qPrintable(test::Describe(pixel)));
    }
  }

  void framesAreBottomLeftBasedAlsoWhenAddedLater_data() {
    QTest::addColumn<QRectF>("frame");
    QTest::addColumn<bool>("parentFirst");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("hero icon") << QRectF(36, 526, 68, 68) << true << QRect(36, 36, 68, 68);
    QTest::newRow("label added after")
        << QRectF(36, 452, 668, 56) << false << QRect(36, 122, 668, 56);
    QTest::newRow("bottom edge") << QRectF(0, 0, 740, 10) << false << QRect(0, 620, 740, 10);
  }
  void framesAreBottomLeftBasedAlsoWhenAddedLater() {
    QFETCH(QRectF, frame);
    QFETCH(bool, parentFirst);
    QFETCH(QRect, geometry);
    PageView page;
    auto* child = new QWidget(parentFirst ? &page : nullptr);
    SetFrame(child, frame);
    if (!parentFirst) AddSubview(&page, child);
    QCOMPARE(child->geometry(), geometry);
    QCOMPARE(FrameOf(child), frame);
  }

  void richLabelDrawsEachRunInItsOwnColour() {
    AttributedText text = RichText("RRRRRR", Dyn(Srgb(1, 0, 0), Srgb(1, 0, 0)), QFont::Bold, 16);
    AppendRich(text, "BBBBBB", Dyn(Srgb(0, 0, 1), Srgb(0, 0, 1)), QFont::Normal, 16);
    Label* label = MakeRichLabel(text, 0, 0, 300, 24);
    const QImage image = test::Render(label, Qt::white);
    int lastRed = -1;
    int firstBlue = image.width();
    for (int x = 0; x < image.width(); ++x) {
      for (int y = 0; y < image.height(); ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 200 && c.blue() < 80 && c.green() < 80) lastRed = x;
        if (c.blue() > 200 && c.red() < 80 && c.green() < 80) firstBlue = std::min(firstBlue, x);
      }
    }
    QVERIFY(lastRed >= 0);
    QVERIFY(firstBlue < image.width());
    QVERIFY(lastRed < firstBlue);
    delete label;
  }

  void logKeepsEveryLineOnItsOwnLine() {
    LogView log(QRectF(0, 0, 666, 180));
    log.setLines({"Checking…", "Game files verified."});
    for (int i = 0; i < 3; ++i) log.appendLine(QString("line %1").arg(i));
    QCOMPARE(log.text(), QString("Checking…\nGame files verified.\nline 0\nline 1\nline 2"));
  }

  // A flood keeps only the newest lines, whether they arrive between two
  // insertions or across many.
  void logKeepsTheNewestLinesOfAFlood() {
    for (int perFlush : {200000, 3000}) {
      LogView log(QRectF(0, 0, 666, 180));
      log.setLines({"Checking…", "Game files verified."});
      const int count = 200000;
      for (int i = 0; i < count; ++i) {
        log.appendLine(QString("line %1").arg(i));
        if ((i + 1) % perFlush == 0) log.flush();
      }
      QCOMPARE(log.lineCount(), count + 2);
      const QString text = log.text();
      QCOMPARE(log.document()->blockCount(), LogView::kMaxLines);
      QVERIFY(text.startsWith(QString("line %1\n").arg(count - LogView::kMaxLines)));
      QVERIFY(text.endsWith(QString("\nline %1").arg(count - 1)));
    }
  }

  void logStaysScrolledToTheEnd() {
    LogView log(QRectF(0, 0, 300, 100));
    log.show();
    QVERIFY(QTest::qWaitForWindowExposed(&log));
    for (int i = 0; i < 500; ++i) log.appendLine(QString("output %1").arg(i));
    QTRY_COMPARE(log.lineCount(), 500);
    log.flush();
    QVERIFY(log.verticalScrollBar()->maximum() > 0);
    QCOMPARE(log.verticalScrollBar()->value(), log.verticalScrollBar()->maximum());
  }

  void returnKeyClicksOnlyAnEnabledButton() {
    QWidget window;
    window.resize(200, 100);
    auto* button = new PrimaryButton("Continue", &window);
    button->setKeyEquivalent("\r");
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Return);
    QCOMPARE(clicks.count(), 1);
    button->setEnabled(false);
    QTest::keyClick(&window, Qt::Key_Return);
    QCOMPARE(clicks.count(), 1);
  }

  void labelDrawsOnlyLinesThatFitWhole() {
    // Two lines of bold 14 in a frame of one line: the second line is not drawn at all, not
    // even its top as a sliver.
    const QString text = "That installer doesn't contain the game files of this release.";
    Label* label = MakeLabel(text, true, Dyn(Srgb(0, 0, 0), Srgb(0, 0, 0)), 0, 0, 300, 22, 14);
    std::unique_ptr<Label> owner(label);
    label->resize(300, 22);
    QCOMPARE(label->lineCountForWidth(300), 2);
    const double lineHeight = label->textHeightForWidth(300) / 2;
    QVERIFY(lineHeight > 15 && lineHeight < 22);
    const QImage image = test::Render(label, Qt::white);
    // Past the first line box and the antialiased edge of its descenders.
    const int firstLineEnd = static_cast<int>(std::ceil(lineHeight)) + 1;
    for (int y = firstLineEnd; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        QVERIFY2(image.pixelColor(x, y) == Qt::white, qPrintable(QString("ink at %1,%2").arg(x).arg(y)));
    bool inked = false;
    for (int y = 0; y < firstLineEnd && !inked; ++y)
      for (int x = 0; x < image.width() && !inked; ++x) inked = image.pixelColor(x, y) != Qt::white;
    QVERIFY(inked);
    QCOMPARE(label->visibleLineCount(), 1);

    // Given the room the label tells it needs, both lines are drawn.
    label->resize(300, static_cast<int>(std::ceil(label->textHeightForWidth(300))));
    QCOMPARE(label->visibleLineCount(), 2);
  }

  // The isolates around a file name are invisible, and the system font has no glyph for them:
  // drawn in a fallback font, its taller line would move the whole text down a little.
  void isolatesAroundANameLeaveTheTextWhereItWas_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("wrapping") << int(Label::LineBreakMode::WordWrap);
    QTest::newRow("truncating in the middle") << int(Label::LineBreakMode::TruncateMiddle);
  }
  void isolatesAroundANameLeaveTheTextWhereItWas() {
    QFETCH(int, mode);
    auto draw = [mode](const QString& text) {
      std::unique_ptr<Label> label(
          MakeLabel(text, false, Dyn(Srgb(0, 0, 0), Srgb(0, 0, 0)), 0, 0, 360, 20, 12));
      label->setAlignment(Qt::AlignHCenter);
      label->setLineBreakMode(static_cast<Label::LineBreakMode>(mode));
      label->resize(360, 20);
      return test::Render(label.get(), Qt::white);
    };
    const QString name = "setup_simcity_3000_unlimited_2.0.949(a).exe";
    QCOMPARE(draw(QChar(0x2068) + name + QChar(0x2069) + " · 650 MB"), draw(name + " · 650 MB"));
  }

  void fractionalSizesAreDrawnAtTheirSize() {
    // 12.5 is drawn at 12.5 pixels: the rendered text ends between that of 12 and 13, near
    // the middle, not on top of 13.
    auto inkRight = [](double size) {
      const QString text = "Prepare native libraries and lifted code";
      std::unique_ptr<Label> label(
          MakeLabel(text, false, Dyn(Srgb(0, 0, 0), Srgb(0, 0, 0)), 0, 0, 400, 24, size));
      label->resize(400, 24);
      const QImage image = test::Render(label.get(), Qt::white);
      int right = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (image.pixelColor(x, y).lightness() < 160) right = std::max(right, x);
      return right;
    };
    const int at12 = inkRight(12);
    const int at12_5 = inkRight(12.5);
    const int at13 = inkRight(13);
    QVERIFY2(at12 < at12_5 && at12_5 < at13,
             qPrintable(QString("%1 %2 %3").arg(at12).arg(at12_5).arg(at13)));
    QVERIFY(std::abs(at12_5 - (at12 + at13) / 2.0) <= 3);
    QCOMPARE(PixelSizeOf(SystemFont(12.5)), 12.5);
    const double width12 = TextSize("Build details", 12).width();
    const double width13 = TextSize("Build details", 13).width();
    QVERIFY(std::abs(TextSize("Build details", 12.5).width() - (width12 + width13) / 2) < 1);
  }

  void logDrawsItsFirstTextInLabelColourAndNewLinesInTextColour_data() {
    QTest::addColumn<Appearance>("appearance");
    QTest::newRow("light") << Appearance::Light;
    QTest::newRow("dark") << Appearance::Dark;
  }
  void logDrawsItsFirstTextInLabelColourAndNewLinesInTextColour() {
    QFETCH(Appearance, appearance);
    LogView log(QRectF(0, 0, 400, 120));
    log.setLines({"Checking GOG release 2.0.949(a)…", "Game files verified."});
    log.appendLine("Compiling Velmora 3000 · 63%");
    log.flush();
    // The appearance is switched after the text is in: the colours follow it at the next paint.
    SetViewAppearance(&log, appearance);
    test::Render(&log);
    auto colourOfLine = [&log](int line) {
      QTextCursor cursor(log.document()->findBlockByNumber(line));
      cursor.movePosition(QTextCursor::NextCharacter);
      const QTextCharFormat format = cursor.charFormat();
      return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                              : log.palette().color(QPalette::Text);
    };
    QCOMPARE(colourOfLine(0), LabelColor().resolve(appearance));
    QCOMPARE(colourOfLine(1), LabelColor().resolve(appearance));
    QCOMPARE(colourOfLine(2), TextColor().resolve(appearance));
  }

  void progressBarFillsItsFraction() {
    ProgressBar bar(QRectF(0, 0, 200, 10));
    bar.setValue(0.5);
    SetViewAppearance(&bar, Appearance::Light);
    const QImage image = test::Render(&bar, Qt::white);
    VLMR_COMPARE_COLOR(image.pixelColor(50, 5), TealColor().light, 2);
    QVERIFY(test::Near(image.pixelColor(150, 5), TealColor().light, 40) == false);
  }
};

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
