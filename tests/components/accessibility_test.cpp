// What screen readers and the keyboard get from the custom views: roles, names, values and
// states, change announcements, the drop zone as a control, and the keyboard-only focus ring.

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "components/components.h"
#include "tests/support/widget_support.h"

using namespace vlmr;

namespace {

struct Announcement {
  QObject* object;
  QAccessible::Event type;
};
QList<Announcement> announcements;

void Record(QAccessibleEvent* event) {
  announcements.append({event->object(), event->type()});
}

int AnnouncementsFor(QObject* object, QAccessible::Event type) {
  int count = 0;
  for (const Announcement& a : announcements) count += a.object == object && a.type == type;
  return count;
}

QAccessibleInterface* Accessible(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget);
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void everyViewReadsWithItsRoleNameAndState() {
    QWidget page;
    page.resize(740, 630);
    Label* title = MakeLabel("One quick check first", true, std::nullopt, 126, 560, 578, 36, 26);
    title->setHeading(true);
    AttributedText rowText = RichText("Python 3", LabelColor(), QFont::DemiBold, 13);
    AppendRich(rowText, "  Ready", SecondaryLabelColor(), QFont::Normal, 13);
    Label* row = MakeRichLabel(rowText, 42, 92, 600, 20);
    Label* dot = MakeLabel("●", false, GreenDotColor(), 22, 92, 18, 18, 12);
    Label* plainRow = MakeRichLabel(rowText, 42, 60, 600, 20);
    auto* bar = new ProgressBar(QRectF(36, 506, 668, 10));
    bar->setValue(3.5 / 6);
    auto* done = new StagePillView(QRectF(36, 460, 328, 34), "Check game installer");
    done->setStageState(StageState::Done);
    auto* active = new StagePillView(QRectF(376, 460, 328, 34), "Compile the game");
    active->setStageState(StageState::Active);
    auto* pending = new StagePillView(QRectF(36, 418, 328, 34), "Sign for this Mac");
    auto* cap = new KeycapView(QRectF(22, 152, 80, 20), "⌘ Return");
    Label* meaning = MakeLabel("Fullscreen", false, std::nullopt, 110, 154, 170, 18, 12);
    auto* lonelyCap = new KeycapView(QRectF(22, 114, 30, 20), "1–4");
    auto* zone = new DropZoneView(QRectF(36, 244, 668, 244));
    zone->setAccessibleName("Drop a file here");
    zone->setAccessibleDescription("Any file will do");
    auto* primary = new PrimaryButton("Continue");
    auto* push = new PushButton("Cancel");
    push->setEnabled(false);
    auto* badge = new BadgeButton("Hide");
    auto* borderless = new BorderlessButton("Show log in Finder");
    for (QWidget* view : std::initializer_list<QWidget*>{title, row, dot, plainRow, bar, done,
                                                         active, pending, cap, meaning, lonelyCap,
                                                         zone, primary, push, badge, borderless})
      AddSubview(&page, view);
    GroupForAccessibility(row, "Python 3: Ready", {dot});
    GroupForAccessibility(cap, "Command Return: Fullscreen", {meaning});
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    struct Case {
      QWidget* view;
      QAccessible::Role role;
      QString name;
      bool enabled;
      bool focusable;
      bool invisible;
    };
    const QList<Case> cases = {
        {title, QAccessible::Heading, "One quick check first", true, false, false},
        {row, QAccessible::StaticText, "Python 3: Ready", true, false, false},
        {dot, QAccessible::StaticText, "●", true, false, true},
        // Rich text reads as its plain text.
        {plainRow, QAccessible::StaticText, "Python 3  Ready", true, false, false},
        {bar, QAccessible::ProgressBar, "", true, false, false},
        {done, QAccessible::StaticText, "Check game installer: done", true, false, false},
        {active, QAccessible::StaticText, "Compile the game: in progress", true, false, false},
        {pending, QAccessible::StaticText, "Sign for this Mac: not started", true, false, false},
        {cap, QAccessible::StaticText, "Command Return: Fullscreen", true, false, false},
        {meaning, QAccessible::StaticText, "Fullscreen", true, false, true},
        {lonelyCap, QAccessible::StaticText, "1 to 4", true, false, false},
        {zone, QAccessible::Button, "Drop a file here", true, true, false},
        {primary, QAccessible::Button, "Continue", true, true, false},
        {push, QAccessible::Button, "Cancel", false, true, false},
        {badge, QAccessible::Button, "Hide", true, true, false},
        {borderless, QAccessible::Button, "Show log in Finder", true, true, false},
    };
    for (const Case& c : cases) {
      QAccessibleInterface* a = Accessible(c.view);
      QVERIFY(a != nullptr);
      const QString what = c.name + ": ";
      QVERIFY2(a->role() == c.role, qPrintable(what + QString::number(a->role(), 16)));
      QCOMPARE(a->text(QAccessible::Name), c.name);
      QVERIFY2(a->state().disabled == !c.enabled, qPrintable(what + "enabled"));
      QVERIFY2(a->state().focusable == c.focusable, qPrintable(what + "focusable"));
      QVERIFY2(a->state().invisible == c.invisible, qPrintable(what + "left out of the tree"));
      QVERIFY2(a->parent() != nullptr && a->parent()->object() == &page,
               qPrintable(what + "parent"));
    }

    // The bar's value, and the press action of the controls.
    QAccessibleValueInterface* value = Accessible(bar)->valueInterface();
    QVERIFY(value != nullptr);
    QCOMPARE(value->currentValue().toDouble(), 3.5 / 6);
    QCOMPARE(value->minimumValue().toDouble(), 0.0);
    QCOMPARE(value->maximumValue().toDouble(), 1.0);
    QCOMPARE(Accessible(bar)->text(QAccessible::Value), QString("58%"));
    QCOMPARE(Accessible(zone)->text(QAccessible::Description), QString("Any file will do"));
    for (QWidget* control : std::initializer_list<QWidget*>{zone, primary, badge, borderless})
      QVERIFY(Accessible(control)->actionInterface()->actionNames().contains(
          QAccessibleActionInterface::pressAction()));
  }

  void logReadsAsReadOnlyTextWithTheWholeLog() {
    LogView log(QRectF(0, 0, 666, 180));
    log.setLines({"Checking GOG release 2.0.949(a)…", "Game files verified."});
    log.appendLine("##stage 4/9 Compile");
    log.flush();
    QAccessibleInterface* a = Accessible(&log);
    QCOMPARE(a->text(QAccessible::Name), QString("Build log"));
    QVERIFY(a->state().readOnly);
    QVERIFY(a->state().multiLine);
    QAccessibleTextInterface* text = a->textInterface();
    QVERIFY(text != nullptr);
    QCOMPARE(text->text(0, text->characterCount()), log.text());
  }

  void changesAreAnnouncedOnlyWhenTheyHappen() {
    // Qt raises accessibility events only while a screen reader's bus is there; the a11y test
    // runs this one on a virtual display with the bus.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
      QSKIP("needs the accessibility bus (the a11y test runs it)");
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
    QAccessible::installUpdateHandler(Record);
    QWidget page;
    Label* label = MakeLabel("Checking setup.exe…", false, std::nullopt, 0, 0, 300, 20, 12);
    auto* bar = new ProgressBar(QRectF(0, 30, 300, 10));
    auto* pill = new StagePillView(QRectF(0, 50, 300, 34), "Compile the game");
    for (QWidget* view : std::initializer_list<QWidget*>{label, bar, pill}) AddSubview(&page, view);
    announcements.clear();

    label->setText("GOG 2.0.949(a) installer · 560 MB · ready to build");
    bar->setValue(1.5 / 6);
    pill->setStageState(StageState::Active);
    QCOMPARE(AnnouncementsFor(label, QAccessible::NameChanged), 1);
    QCOMPARE(AnnouncementsFor(bar, QAccessible::ValueChanged), 1);
    QCOMPARE(AnnouncementsFor(pill, QAccessible::NameChanged), 1);
    QCOMPARE(AnnouncementsFor(pill, QAccessible::StateChanged), 1);

    // The same values again: nothing to hear.
    announcements.clear();
    label->setText("GOG 2.0.949(a) installer · 560 MB · ready to build");
    bar->setValue(1.5 / 6);
    pill->setStageState(StageState::Active);
    QCOMPARE(announcements.size(), 0);

    QAccessible::installUpdateHandler(nullptr);
  }

  void dropZoneAsksForTheChooserFromTheKeyboard() {
    QWidget window;
    window.resize(740, 630);
    auto* zone = new DropZoneView(QRectF(36, 244, 668, 244));
    AddSubview(&window, zone);
    // The page's default button answers Return, the focused zone Space.
    auto* build = new PrimaryButton("Build");
    build->setKeyEquivalent("\r");
    AddSubview(&window, build);
    QSignalSpy chooser(zone, &DropZoneView::chooseRequested);
    QSignalSpy builds(build, &QAbstractButton::clicked);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    zone->setFocus(Qt::TabFocusReason);
    QVERIFY(zone->hasFocus());
    QTest::keyClick(zone, Qt::Key_Space);
    QCOMPARE(chooser.count(), 1);
    // Return keeps its key equivalent, as on the Mac: an enabled "Build" takes it...
    QTest::keyClick(zone, Qt::Key_Return);
    QCOMPARE(builds.count(), 1);
    QCOMPARE(chooser.count(), 1);
    // ...and with no default button to take it, Return runs the chooser too.
    build->setEnabled(false);
    QTest::keyClick(zone, Qt::Key_Return);
    QCOMPARE(chooser.count(), 2);
    QCOMPARE(builds.count(), 1);
    Accessible(zone)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(chooser.count(), 3);
    QTest::keyClick(zone, Qt::Key_A);
    QCOMPARE(chooser.count(), 3);
  }

  void focusRingShowsOnlyAfterTabAndWhole() {
    QWidget window;
    window.resize(300, 100);
    auto* first = new PrimaryButton("Continue");
    SetFrame(first, 20, 40, 120, 36);
    auto* second = new PrimaryButton("Build");
    SetFrame(second, 160, 40, 120, 36);
    AddSubview(&window, first);
    AddSubview(&window, second);
    SetViewAppearance(&window, Appearance::Light);
    const QImage plain = test::Render(second, Qt::white);
    const QImage firstPlain = test::Render(first, Qt::white);

    // At launch the window gives its first control the focus: no ring.
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_VERIFY(first->hasFocus());
    QVERIFY(!first->showsFocusRing());
    QCOMPARE(test::Render(first, Qt::white), firstPlain);

    // Tab moves the focus and brings the ring.
    QTest::keyClick(&window, Qt::Key_Tab);
    QVERIFY(second->hasFocus());
    QVERIFY(second->showsFocusRing());
    const QImage ringed = test::Render(second, Qt::white);
    // The 3-point band lies whole inside the frame: each of its pixel columns on the left and
    // right edges, and rows on the top and bottom edges, is drawn.
    const int midX = ringed.width() / 2;
    const int midY = ringed.height() / 2;
    for (int i = 0; i < 3; ++i) {
      QVERIFY2(ringed.pixel(i, midY) != plain.pixel(i, midY), qPrintable(QString::number(i)));
      const int right = ringed.width() - 1 - i;
      QVERIFY2(ringed.pixel(right, midY) != plain.pixel(right, midY),
               qPrintable(QString::number(i)));
      QVERIFY2(ringed.pixel(midX + 30, i) != plain.pixel(midX + 30, i),
               qPrintable(QString::number(i)));
      const int bottom = ringed.height() - 1 - i;
      QVERIFY2(ringed.pixel(midX + 30, bottom) != plain.pixel(midX + 30, bottom),
               qPrintable(QString::number(i)));
    }

    // Focus that comes from a click (or the program) shows no ring.
    first->setFocus(Qt::MouseFocusReason);
    QVERIFY(!first->showsFocusRing());
    QCOMPARE(test::Render(first, Qt::white), firstPlain);
    QTest::keyClick(&window, Qt::Key_Backtab);
    QVERIFY(second->hasFocus());
    QVERIFY(second->showsFocusRing());

    // Tab in a window whose only control has the focus from launch moves nothing, yet the
    // keyboard is in use: the ring shows.
    QWidget single;
    single.resize(200, 80);
    auto* only = new PrimaryButton("Continue");
    SetFrame(only, 20, 20, 120, 36);
    AddSubview(&single, only);
    single.show();
    QApplication::setActiveWindow(&single);
    QVERIFY(QTest::qWaitForWindowActive(&single));
    QTRY_VERIFY(only->hasFocus());
    QVERIFY(!only->showsFocusRing());
    QTest::keyClick(only, Qt::Key_Tab);
    QVERIFY(only->hasFocus());
    QVERIFY(only->showsFocusRing());
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
