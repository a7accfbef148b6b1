// The five pages as a screen reader hears them and the keyboard drives them: the
// accessible tree of each page, the tab order, the keys, the announcements of
// changes, and the error card that grows to hold its whole title.

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "components/accessibility.h"
#include "components/drop_zone_view.h"
#include "components/log_view.h"
#include "components/progress_bar.h"
#include "components/stage_views.h"
#include "components/surfaces.h"
#include "session/build_advice.h"
#include "window/installer_controller.h"
#include "window/localization.h"
#include "window/outcome_pages.h"
#include "window_support.h"

using namespace vlmr;
using vlmr::test::PageOf;

namespace {

// What a screen reader calls the installer page's drop zone: the heading it shows.
const QString kZoneName = QStringLiteral("Drop your GOG SimCity 3000 Unlimited installer here");

constexpr char kUnchanged[] = "Your original game installer hasn't been changed.";

struct Heard {
  QAccessible::Role role;
  QString name;
  bool enabled;
  bool leaf;
  QObject* object;
};

// What a screen reader walks through under `iface`: every object not left out of the tree.
void Walk(QAccessibleInterface* iface, QList<Heard>& heard) {
  for (int i = 0; i < iface->childCount(); ++i) {
    QAccessibleInterface* child = iface->child(i);
    if (child == nullptr || child->state().invisible) continue;
    heard.append({child->role(), child->text(QAccessible::Name), !child->state().disabled,
                  child->childCount() == 0, child->object()});
    Walk(child, heard);
  }
}

bool Has(const QList<Heard>& heard, const std::function<bool(const Heard&)>& match) {
  return std::any_of(heard.begin(), heard.end(), match);
}

// A key pressed as the keyboard does: to the widget with the focus.
void Press(QWidget* window, Qt::Key key) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr ? focus : window, key);
}

using Builder = std::function<QWidget*()>;
struct Expected {
  QAccessible::Role role;
  QString name;
};

}  // namespace

class PageAccessTest : public QObject {
  Q_OBJECT

 private slots:
  // Every visible text is heard (as itself, or within the element it is grouped into), every
  // control with its name and enabled state, the title as a heading, the build's progress as a
  // value; nothing without a name is left for the reader to stop on.
  void everyPageReadsItsTextsAndControls_data() {
    QTest::addColumn<Builder>("build");
    QTest::addColumn<QList<Expected>>("expected");
    using R = QAccessible::Role;
    QTest::newRow("welcome") << Builder([] {
      return new WelcomePage({.missing = false, .pythonReady = true});
    })
                             << QList<Expected>{
                                    {R::Heading, "One quick check first"},
                                    {R::StaticText, "✓  Ready to build"},
                                    {R::StaticText, "Xcode Command Line Tools: Installed"},
                                    {R::StaticText, "Python 3: Ready"},
                                    {R::StaticText, "Apple Silicon · macOS 15+: Supported"},
                                    {R::Button, "Continue"}};
    QTest::newRow("welcome, missing")
        << Builder([] { return new WelcomePage({.missing = true}); })
        << QList<Expected>{{R::Heading, "One thing to install first"},
                           {R::StaticText, "Xcode Command Line Tools: Missing, needs attention"},
                           {R::Button, "Install Command Line Tools"},
                           {R::Button, "Check again"}};
    // "Ready" with a failed Python test: only the dot's colour says so on screen.
    QTest::newRow("welcome, checking")
        << Builder([] { return new WelcomePage({.checking = true}); })
        << QList<Expected>{{R::Heading, "One quick check first"},
                           {R::StaticText, "Xcode Command Line Tools: Checking…"},
                           {R::StaticText, "Python 3: Checking…"},
                           {R::StaticText, "Apple Silicon · macOS 15+: Supported"}};
    QTest::newRow("welcome, Python test failed") << Builder([] {
      return new WelcomePage(WelcomeState{false, false});
    }) << QList<Expected>{{R::StaticText, "Python 3: Ready, needs attention"}};
    QTest::newRow("installer") << Builder([] {
      return new InstallerPage(
          {"setup.exe", "560 MB", "ready to build", VerdictTone::Plain, false});
    })
                               << QList<Expected>{
                                      {R::Heading, "Bring your GOG installer"},
                                      {R::Button, kZoneName},
                                      {R::StaticText, test::Isolated("setup.exe") + " · 560 MB"},
                                      {R::StaticText, "ready to build"},
                                      {R::Button, "Build"}};
    QTest::newRow("build") << Builder([] {
      return new BuildPage({3, {"Game files verified."}, std::nullopt, std::nullopt});
    })
                           << QList<Expected>{{R::Heading, "Building Velmora 3000…"},
                                              {R::StaticText, "Stage 4 of 6"},
                                              {R::ProgressBar, "Building Velmora 3000…"},
                                              {R::StaticText, "Check game installer: done"},
                                              {R::StaticText, "Compile the game: in progress"},
                                              {R::StaticText, "Sign for this Mac: not started"},
                                              {R::EditableText, "Build log"},
                                              {R::Button, "Cancel"}};
    QTest::newRow("error") << Builder([] {
      return new ErrorPage({"That doesn't look like the GOG offline installer.", kUnchanged,
                            ShownLogLocation(std::nullopt)});
    })
                           << QList<Expected>{{R::Heading, "The build didn't finish"},
                                              {R::StaticText,
                                               "That doesn't look like the GOG offline installer."},
                                              {R::Button, "Show log in Finder"},
                                              {R::Button, "Choose another installer"}};
    QTest::newRow("done") << Builder([] { return new DonePage({MoveState::Moved}); })
                          << QList<Expected>{{R::Heading, "Velmora 3000 is ready"},
                                             {R::Button, "Moved ✓"},
                                             {R::StaticText, "Command Return: Fullscreen"},
                                             {R::StaticText, "1 to 4: Set game speed"},
                                             {R::Heading, "Before you play"}};
  }
  void everyPageReadsItsTextsAndControls() {
    QFETCH(Builder, build);
    QFETCH(QList<Expected>, expected);
    test::Sandbox sandbox;
    std::unique_ptr<QWidget> page(build());
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    QList<Heard> heard;
    Walk(QAccessible::queryAccessibleInterface(page.get()), heard);

    for (const Expected& e : expected) {
      QVERIFY2(Has(heard, [&](const Heard& h) { return h.name == e.name && h.role == e.role; }),
               qPrintable("not heard: " + e.name));
    }
    for (Label* label : page->findChildren<Label*>()) {
      if (!label->isVisibleTo(page.get()) || label->text().isEmpty()) continue;
      // Grouped into the element that reads it, or heard itself with its words.
      if (IsAccessiblyHidden(label)) continue;
      QVERIFY2(Has(heard,
                   [&](const Heard& h) {
                     return h.object == label && !h.name.isEmpty() &&
                            (h.role == QAccessible::StaticText || h.role == QAccessible::Heading);
                   }),
               qPrintable("text not heard: " + label->text()));
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
      QVERIFY2(Has(heard,
                   [&](const Heard& h) {
                     return h.object == button && h.name == button->text() &&
                            h.role == QAccessible::Button && h.enabled == button->isEnabled();
                   }),
               qPrintable("button: " + button->text()));
    }
    for (const Heard& h : heard) {
      // Scroll bars are the log's own and read by their value.
      if (h.leaf && h.role != QAccessible::ScrollBar)
        QVERIFY2(!h.name.isEmpty(), qPrintable(QString("unnamed %1 of role %2")
                                                   .arg(h.object->metaObject()->className())
                                                   .arg(h.role, 0, 16)));
    }
    if (auto* bar = page->findChild<ProgressBar*>()) {
      QAccessibleValueInterface* value =
          QAccessible::queryAccessibleInterface(bar)->valueInterface();
      QCOMPARE(value->currentValue().toDouble(), 3.5 / 6);
      QCOMPARE(value->maximumValue().toDouble(), 1.0);
    }
  }

  // From launch: no ring until the keyboard is used; Tab goes through each page's controls
  // left to right, top to bottom, and back; Space and Escape press what they should.
  void keyboardReachesEveryControlInReadingOrder() {
    test::Sandbox sandbox;
    InstallerController controller;
    test::LaunchChecked(controller);
    QMainWindow* window = controller.window();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* next = controller.currentPage()->findChild<ButtonBase*>();
    QVERIFY(!next->showsFocusRing());
    Press(window, Qt::Key_Tab);
    QTRY_VERIFY(next->hasFocus());
    QVERIFY(next->showsFocusRing());
    Press(window, Qt::Key_Space);
    QTRY_VERIFY(PageOf<InstallerPage>(controller) != nullptr);

    const auto order = [&](QWidget* in, QWidget* page, const QStringList& expected, Qt::Key key) {
      QStringList reached;
      for (int i = 0; i < 2 * expected.size(); ++i) {
        Press(in, key);
        QWidget* focus = QApplication::focusWidget();
        QAccessibleInterface* a = focus ? QAccessible::queryAccessibleInterface(focus) : nullptr;
        if (focus != nullptr && page->isAncestorOf(focus)) reached << a->text(QAccessible::Name);
      }
      // Two rounds: the order holds and comes back to its start.
      const qsizetype start = reached.indexOf(expected.first());
      return start < 0 ? reached : reached.mid(start, expected.size());
    };
    // Each page's own order, in a window of the same make.
    QMainWindow host(nullptr, controller.window()->windowFlags());
    host.setFixedSize(controller.window()->size());
    auto* stack = new QStackedWidget;
    host.setCentralWidget(stack);
    host.show();
    controller.window()->hide();
    host.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    auto showPage = [&](QWidget* page) {
      stack->addWidget(page);
      stack->setCurrentWidget(page);
    };
    auto* installer = new InstallerPage({"setup.exe", "560 MB", "", VerdictTone::Plain, true});
    showPage(installer);
    const QStringList installerOrder = {kZoneName, "Choose…", "Build"};
    QCOMPARE(order(&host, installer, installerOrder, Qt::Key_Tab), installerOrder);
    const QStringList backwards = {"Build", "Choose…", kZoneName};
    QCOMPARE(order(&host, installer, backwards, Qt::Key_Backtab), backwards);
    QVERIFY(qobject_cast<ButtonBase*>(QApplication::focusWidget())->showsFocusRing());
    // Space on the focused zone and on "Choose…" both open the chooser.
    // Counted here rather than opening the dialog.
    QSignalSpy chooser(installer, &InstallerPage::chooseRequested);
    installer->findChild<DropZoneView*>()->setFocus(Qt::TabFocusReason);
    Press(&host, Qt::Key_Space);
    Press(&host, Qt::Key_Tab);
    Press(&host, Qt::Key_Space);
    QCOMPARE(chooser.count(), 2);

    auto* building = new BuildPage({0, {}, std::nullopt, std::nullopt});
    showPage(building);
    const QStringList buildOrder = {"Hide", "Build log", "Cancel"};
    QCOMPARE(order(&host, building, buildOrder, Qt::Key_Tab), buildOrder);
    QSignalSpy cancel(building, &BuildPage::cancelRequested);
    Press(&host, Qt::Key_Escape);
    QCOMPARE(cancel.count(), 1);

    auto* error = new ErrorPage(
        {"Something went wrong while building the app.", "", ShownLogLocation(std::nullopt)});
    showPage(error);
    const QStringList errorOrder = {"Copy log", "Show log in Finder", "Choose another installer"};
    QCOMPARE(order(&host, error, errorOrder, Qt::Key_Tab), errorOrder);

    auto* done = new DonePage({MoveState::Ready});
    showPage(done);
    const QStringList doneOrder = {"Move to Applications", "Show in Finder", "Open"};
    QCOMPARE(order(&host, done, doneOrder, Qt::Key_Tab), doneOrder);
  }

  // The card holds its whole title in up to three lines, the body below it; a longer raw
  // sentence ends in "…" while a screen reader still hears all of it. Nothing is cut, nothing
  // overlaps, and what lies below the card moves down only as much as the card grew.
  void errorCardHoldsItsTitleWhole_data() {
    QTest::addColumn<QString>("title");
    for (const char* raw : {"does not contain Apps/SC3U.exe", "is not GOG 2.0.949(a)",
                            "Command Line Tools", "disk is full", ""})
      QTest::newRow(raw) << Shown(FriendlyMessageFor(Message::Verbatim(raw)));
    QTest::newRow("snapshot") << "That doesn't look like the GOG offline installer.";
    QString raw = "cmake failed while configuring the native build:";
    while (raw.size() < 400) raw += " could not find the SDL3 package configuration file";
    QTest::newRow("400 characters") << raw.left(400);
  }
  void errorCardHoldsItsTitleWhole() {
    QFETCH(QString, title);
    ErrorPage page({title, kUnchanged, "~/Library/Logs/Velmora 3000/installer.log"});
    auto* card = page.findChild<PanelView*>();
    QList<Label*> inCard = card->findChildren<Label*>();
    QCOMPARE(inCard.size(), 2);
    std::sort(inCard.begin(), inCard.end(),
              [](Label* a, Label* b) { return FrameOf(a).y() > FrameOf(b).y(); });
    Label* shown = inCard[0];
    Label* body = inCard[1];

    QCOMPARE(QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name), title);
    const int lines = shown->lineCountForWidth(shown->width());
    QVERIFY(lines <= 3);
    if (shown->text() != title) {
      QCOMPARE(lines, 3);
      QVERIFY(shown->text().endsWith("…"));
      QVERIFY(title.startsWith(shown->text().chopped(1)));
    }
    QCOMPARE(body->text(), QString(kUnchanged));
    for (Label* label : {shown, body}) {
      QCOMPARE(label->visibleLineCount(), label->lineCountForWidth(label->width()));
      QVERIFY(QRectF(QPointF(0, 0), QSizeF(card->size())).contains(FrameOf(label)));
    }
    QVERIFY(!FrameOf(shown).intersects(FrameOf(body)));

    // The card's top stays under the hero; the rest keeps its place or moves down with it.
    const QRectF cardFrame = FrameOf(card);
    QCOMPARE(cardFrame.y() + cardFrame.height(), 516.0);
    const double growth = cardFrame.height() - 112;
    QVERIFY(growth >= 0);
    if (lines == 1) QCOMPARE(growth, 0.0);
    QList<QWidget*> below;
    for (QWidget* child : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (FrameOf(child).y() < cardFrame.y()) below << child;
    QCOMPARE(below.size(), 4);  // the log's location and the three buttons
    for (QWidget* w : below) {
      const QRectF frame = FrameOf(w);
      QVERIFY(frame.y() + frame.height() <= cardFrame.y());
      QVERIFY(frame.y() >= 0);
      const double planned = qobject_cast<Label*>(w) != nullptr ? 368 : 304;
      QCOMPARE(frame.y(), planned - growth);
    }
  }

  // The setters the controller calls tell a screen reader what changed. Qt sends these events
  // only to a connected reader: the a11y test runs this on the accessibility bus.
  void pageChangesAreAnnounced() {
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
      QSKIP("needs the accessibility bus (the a11y test runs it)");
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
    static QList<QPair<QObject*, QAccessible::Event>> events;
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
      events.append({event->object(), event->type()});
    });
    const auto heard = [](const QObject* object, QAccessible::Event type) {
      return events.contains(qMakePair(const_cast<QObject*>(object), type));
    };

    InstallerPage installer(InstallerPageState{});
    installer.setState({"setup.exe", "", "Checking setup.exe…", VerdictTone::Plain, false});
    QVERIFY(heard(installer.verdictLabel(), QAccessible::NameChanged));

    BuildPage building({0, {}, 0.0, std::nullopt});
    events.clear();
    building.setStage(3);
    QVERIFY(heard(building.pill(3), QAccessible::NameChanged));
    QVERIFY(heard(building.counterLabel(), QAccessible::NameChanged));
    QVERIFY(heard(building.leadLabel(), QAccessible::NameChanged));
    QVERIFY(heard(building.progressBar(), QAccessible::ValueChanged));
    events.clear();
    building.setCancelling();
    QVERIFY(heard(building.leadLabel(), QAccessible::NameChanged));

    DonePage done({MoveState::Moving});
    events.clear();
    done.setMoveState(MoveState::Moved);
    QVERIFY(heard(done.moveButton(), QAccessible::NameChanged));
    QAccessible::installUpdateHandler(nullptr);
  }
};

QTEST_MAIN(PageAccessTest)
#include "page_access_test.moc"
