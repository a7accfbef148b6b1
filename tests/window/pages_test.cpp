// Each page built offscreen, checked element by element against its layout
// table: frame (bottom-left based, in its parent), text, font and colour.

#include <QTest>
#include <vector>

#include "components/drop_zone_view.h"
#include "components/image_view.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/standard_buttons.h"
#include "components/surfaces.h"
#include "window/installer_controller.h"
#include "window_support.h"

using namespace vlmr;
using vlmr::test::FindByFrame;
using vlmr::test::FindByText;

namespace {

const QRectF kPage(0, 0, 740, 630);

DynColor Amber() {
  return Dyn(Srgb(0.780, 0.506, 0.075), Srgb(0.949, 0.675, 0.224));
}

QString Describe(const QRectF& r) {
  return QString("(%1, %2, %3, %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

struct LabelSpec {
  QString text;
  QRectF frame;
  QRectF parent;
  double size;
  QFont::Weight weight;
  DynColor color;
  Qt::Alignment alignment = Qt::AlignLeft;
};

struct ButtonSpec {
  QString title;
  QRectF frame;
  bool primary;
  bool enabled;
  QString key;
};

struct PanelSpec {
  QRectF frame;
  QRectF parent;
  DynColor fill;
  std::optional<DynColor> line;
  double radius;
};

struct RowSpec {
  QRectF parent;
  double x, y;
  QString label, value;
  bool ok;
};

// Collects every difference between the page and the expected, so one run shows them all.
class Checker {
 public:
  explicit Checker(QWidget* page) : page_(page) {}

  void labels(const std::vector<LabelSpec>& expected) {
    for (const LabelSpec& s : expected) {
      Label* label = FindByText<Label>(page_, s.text);
      if (label == nullptr) {
        fail(s.text, "missing");
        continue;
      }
      expect(s.text, "frame", Describe(FrameOf(label)), Describe(s.frame));
      expect(s.text, "parent", Describe(FrameOf(label->parentWidget())), Describe(s.parent));
      const TextRun& run = label->attributedText().front();
      expect(s.text, "size", QString::number(run.size), QString::number(s.size));
      expect(s.text, "weight", QString::number(run.weight), QString::number(s.weight));
      if (!(run.color == s.color)) fail(s.text, "colour differs");
      expect(s.text, "alignment", QString::number(label->alignment()),
             QString::number(s.alignment));
    }
  }

  void buttons(const std::vector<ButtonSpec>& expected) {
    for (const ButtonSpec& s : expected) {
      ButtonBase* button = FindByText<ButtonBase>(page_, s.title);
      if (button == nullptr) {
        fail(s.title, "missing");
        continue;
      }
      expect(s.title, "frame", Describe(FrameOf(button)), Describe(s.frame));
      expect(s.title, "on the page", QString::number(button->parentWidget() == page_), "1");
      expect(s.title, "kind", qobject_cast<PrimaryButton*>(button) ? "primary" : "other",
             s.primary ? "primary" : "other");
      if (!s.primary) {
        expect(s.title, "kind", qobject_cast<PushButton*>(button) ? "push" : "other", "push");
      }
      expect(s.title, "enabled", QString::number(button->isEnabled()), QString::number(s.enabled));
      expect(s.title, "key", button->keyEquivalent(), s.key);
    }
  }

  void panels(const std::vector<PanelSpec>& expected) {
    for (const PanelSpec& s : expected) {
      auto* panel = FindByFrame<PanelView>(page_, s.frame, s.parent);
      if (panel == nullptr) {
        fail(Describe(s.frame), "no panel there");
        continue;
      }
      if (!(panel->fillColor() == s.fill)) fail(Describe(s.frame), "fill differs");
      if (!(panel->lineColor() == s.line)) fail(Describe(s.frame), "line differs");
      expect(Describe(s.frame), "radius", QString::number(panel->radius()),
             QString::number(s.radius));
    }
  }

  // A checklist row: the dot at (x, y), the two-run text beside it to the parent's right edge.
  void rows(const std::vector<RowSpec>& expected) {
    for (const RowSpec& s : expected) {
      auto* dot = FindByFrame<Label>(page_, QRectF(s.x, s.y, 18, 18), s.parent);
      if (dot == nullptr || dot->text() != "●") {
        fail(s.label, "no dot");
        continue;
      }
      if (!(dot->textColor() == (s.ok ? GreenDotColor() : Amber()))) fail(s.label, "dot colour");
      const QRectF textFrame(s.x + 20, s.y - 1, s.parent.width() - 42, 20);
      auto* text = FindByFrame<Label>(page_, textFrame, s.parent);
      if (text == nullptr) {
        fail(s.label, "no text at " + Describe(textFrame));
        continue;
      }
      const AttributedText expected = {
          TextRun{s.label, LabelColor(), QFont::DemiBold, 13},
          TextRun{"  " + s.value, SecondaryLabelColor(), QFont::Normal, 13}};
      if (!(text->attributedText() == expected)) fail(s.label, "runs differ: " + text->text());
    }
  }

  void hero(const QString& title, const QString& lead) {
    auto* icon = FindByFrame<ImageView>(page_, QRectF(36, 526, 68, 68), kPage);
    if (icon == nullptr) fail("hero", "no icon at (36, 526, 68, 68)");
    labels({{title, QRectF(126, 560, 578, 36), kPage, 26, QFont::Bold, LabelColor()},
            {lead, QRectF(126, 531, 578, 24), kPage, 15, QFont::Normal, SecondaryLabelColor()}});
  }

  QString report() const { return problems_.join('\n'); }

 private:
  void expect(const QString& what, const char* field, const QString& actual,
              const QString& wanted) {
    if (actual != wanted) fail(what, QString("%1 is %2, expected %3").arg(field, actual, wanted));
  }
  void fail(const QString& what, const QString& why) { problems_ << what + ": " + why; }

  QWidget* page_;
  QStringList problems_;
};

}  // namespace

class PagesTest : public QObject {
  Q_OBJECT

 private slots:
  void welcomeMissingVariantFollowsItsTable() {
    test::Sandbox sandbox;
    auto page = std::make_unique<WelcomePage>(WelcomeState{.missing = true, .pythonReady = true});
    QCOMPARE(FrameOf(page.get()), kPage);

    const QRectF panel(36, 254, 668, 186);
    Checker check(page.get());
    check.hero("One thing to install first", "It's a one-time download from Apple.");
    check.labels({
        {"Velmora 3000 builds the game on your Mac, so it needs Apple's free Xcode Command Line "
         "Tools. You don't need the full Xcode app.",
         QRectF(36, 452, 668, 56), kPage, 14, QFont::Normal, SecondaryLabelColor()},
        {"After Apple's installer finishes, choose Check again.", QRectF(22, 12, 624, 20), panel,
         12, QFont::Normal, SecondaryLabelColor()},
        {"No Homebrew or Terminal setup", QRectF(424, 206, 280, 20), kPage, 12, QFont::Normal,
         SecondaryLabelColor(), Qt::AlignRight},
    });
    check.panels({{panel, kPage, ChipColor(), LineColor(), 10}});
    check.rows({
        {panel, 22, 132, "Xcode Command Line Tools", "Missing", false},
        {panel, 22, 94, "Python 3", "Ready", true},
        {panel, 22, 56, "Apple Silicon · macOS 15+", "Supported", true},
    });
    check.buttons({
        {"Install Command Line Tools", QRectF(36, 198, 246, 36), true, true, "\r"},
        {"Check again", QRectF(298, 198, 140, 36), false, true, ""},
    });
    QVERIFY2(check.report().isEmpty(), qPrintable(check.report()));
    QVERIFY(FindByFrame<SeparatorLine>(page.get(), QRectF(22, 40, 624, 1), panel) != nullptr);
    page->setHint("hint");
    QVERIFY(FindByFrame<Label>(page.get(), QRectF(22, 12, 624, 20), panel)->text() == "hint");
  }

  void welcomeAllPresentVariantFollowsItsTable() {
    test::Sandbox sandbox;
    auto page = std::make_unique<WelcomePage>(WelcomeState{.missing = false, .pythonReady = true});

    const QRectF banner(36, 470, 668, 32);
    const QRectF card(36, 268, 668, 184);
    Checker check(page.get());
    check.hero("One quick check first", "Then we'll build your Mac version from your GOG copy.");
    check.labels({
        {"✓  Ready to build", QRectF(14, 8, 300, 18), banner, 13, QFont::Bold, GreenDotColor()},
        {"Everything happens on this Mac. Nothing is uploaded.", QRectF(36, 240, 668, 22), kPage,
         14, QFont::Normal, SecondaryLabelColor()},
        {"About 3 minutes · 5 GB free space", QRectF(36, 198, 360, 22), kPage, 12, QFont::Normal,
         TertiaryLabelColor()},
    });
    check.panels({{banner, kPage, StatusColor(), std::nullopt, 8},
                  {card, kPage, ChipColor(), LineColor(), 10}});
    check.rows({
        {card, 22, 130, "Xcode Command Line Tools", "Installed", true},
        {card, 22, 92, "Python 3", "Ready", true},
        {card, 22, 54, "Apple Silicon · macOS 15+", "Supported", true},
    });
    check.buttons({{"Continue", QRectF(584, 190, 120, 36), true, true, "\r"}});
    QVERIFY2(check.report().isEmpty(), qPrintable(check.report()));
    // Only the missing variant has a hint line.
    page->setHint("hint");
    QVERIFY(page->hint().isEmpty());
    QVERIFY(FindByText<Label>(page.get(), "hint") == nullptr);
  }

  // The Python row shows the check's own, lighter test (the version only), and
  // the page runs nothing itself: in the all-present variant only the dot tells.
  void pythonRowShowsTheChecksVersionOnlyTest_data() {
    QTest::addColumn<bool>("missing");
    QTest::addColumn<bool>("ready");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("ok");
    QTest::newRow("missing variant, ready") << true << true << "Ready" << true;
    QTest::newRow("missing variant, not ready") << true << false << "Missing" << false;
    QTest::newRow("present variant, ready") << false << true << "Ready" << true;
    QTest::newRow("present variant, not ready: dot only") << false << false << "Ready" << false;
  }
  void pythonRowShowsTheChecksVersionOnlyTest() {
    QFETCH(bool, missing);
    QFETCH(bool, ready);
    QFETCH(QString, value);
    QFETCH(bool, ok);
    test::Sandbox sandbox;
    // A python3 that cannot run: the row comes from the report, not from a run.
    SystemTools tools = Tools();
    tools.python3 = sandbox.path("tools/absent").toStdString();
    SetTools(tools);
    auto page = std::make_unique<WelcomePage>(WelcomeState{.missing = missing, .pythonReady = ready});
    const QRectF parent = missing ? QRectF(36, 254, 668, 186) : QRectF(36, 268, 668, 184);
    Checker check(page.get());
    check.rows({{parent, 22, missing ? 94.0 : 92.0, "Python 3", value, ok}});
    QVERIFY2(check.report().isEmpty(), qPrintable(check.report()));
  }

  void installerPageFollowsItsTable() {
    test::Sandbox sandbox;
    const QString name = "setup_simcity_3000_unlimited_2.0.949(a).exe";
    const QString verdict = "GOG 2.0.949(a) installer · 535 MB · ready to build";
    auto page = std::make_unique<InstallerPage>(
        InstallerPageState{name, "535 MB", verdict, VerdictTone::Plain, true});

    const QRectF zone(36, 244, 668, 244);
    const QRectF chip(144, 62, 380, 34);
    Checker check(page.get());
    check.hero("Bring your GOG installer", "We'll turn your copy into a native Mac app.");
    check.labels({
        {"↓", QRectF(24, 178, 620, 30), zone, 26, QFont::Normal, TealColor(), Qt::AlignHCenter},
        {"Drop your GOG SimCity 3000 Unlimited installer here", QRectF(24, 138, 620, 28), zone, 17,
         QFont::Bold, LabelColor(), Qt::AlignHCenter},
        {"Choose the offline installer ending in .exe", QRectF(24, 110, 620, 20), zone, 13,
         QFont::Normal, SecondaryLabelColor(), Qt::AlignHCenter},
        {test::Isolated(name) + " · 535 MB", QRectF(10, 7, 360, 20), chip, 12, QFont::Normal,
         LabelColor(), Qt::AlignHCenter},
        {verdict, QRectF(24, 22, 620, 34), zone, 12, QFont::Normal, SecondaryLabelColor()},
        {"Your file stays on this Mac", QRectF(176, 198, 400, 20), kPage, 12, QFont::Normal,
         SecondaryLabelColor()},
        {"First build: about 3 minutes and 5 GB of free space. The finished app contains your "
         "game files; keep it on this Mac.",
         QRectF(36, 150, 668, 40), kPage, 12, QFont::Normal, TertiaryLabelColor()},
    });
    check.panels({{chip, zone, ChipColor(), LineColor(), 8}});
    check.buttons({
        {"Choose…", QRectF(36, 190, 120, 36), false, true, ""},
        {"Build", QRectF(584, 190, 120, 36), true, true, "\r"},
    });
    QVERIFY2(check.report().isEmpty(), qPrintable(check.report()));
    QVERIFY(FindByFrame<DropZoneView>(page.get(), zone, kPage) != nullptr);

    // The page's read side names its own elements.
    QCOMPARE(page->fileLabel(), FindByText<Label>(page.get(), test::Isolated(name) + " · 535 MB"));
    QCOMPARE(page->fileLabel()->lineBreakMode(), Label::LineBreakMode::TruncateMiddle);
    QCOMPARE(page->verdictLabel(), FindByText<Label>(page.get(), verdict));
    QCOMPARE(page->buildButton(), FindByText<ButtonBase>(page.get(), "Build"));
  }

  void installerPageShowsItsState_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("chipText");
    QTest::addColumn<bool>("chipTertiary");
    QTest::newRow("nothing chosen") << ""
                                    << ""
                                    << "" << false << "No file chosen yet" << true;
    QTest::newRow("no name, null") << QString() << ""
                                   << "" << false << "No file chosen yet" << true;
    QTest::newRow("usable") << "a.exe"
                            << "60 MB"
                            << "ok" << true << test::Isolated("a.exe") + " · 60 MB" << false;
    QTest::newRow("size unreadable") << "a.exe"
                                     << ""
                                     << "gone" << false << test::Isolated("a.exe") << false;
  }
  void installerPageShowsItsState() {
    QFETCH(QString, name);
    QFETCH(QString, size);
    QFETCH(QString, status);
    QFETCH(bool, enabled);
    QFETCH(QString, chipText);
    QFETCH(bool, chipTertiary);
    test::Sandbox sandbox;
    auto page = std::make_unique<InstallerPage>(
        InstallerPageState{name, size, status, VerdictTone::Plain, enabled});
    QCOMPARE(page->fileLabel()->text(), chipText);
    QVERIFY(page->fileLabel()->textColor() == (chipTertiary ? TertiaryLabelColor() : LabelColor()));
    QCOMPARE(page->verdictLabel()->text(), status);
    QCOMPARE(page->buildButton()->isEnabled(), enabled);
  }
};

QTEST_MAIN(PagesTest)
#include "pages_test.moc"
