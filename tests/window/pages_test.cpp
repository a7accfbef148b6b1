// What each page offers beyond its picture: the controls of each variant with
// their kind and key, what exists on one variant only, and the state a page
// shows. Where things sit is pinned by the pixel snapshots (--snapshot) and by
// the fit test, not copied here from the pages' own code.

#include <QTest>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "components/drop_zone_view.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/standard_buttons.h"
#include "tests/support/widget_support.h"
#include "window_support.h"

using namespace vlmr;
using vlmr::test::FindByText;

Q_DECLARE_METATYPE(vlmr::InstallerPageState)
Q_DECLARE_METATYPE(std::function<QWidget*()>)

namespace {

struct Control {
  QString title;
  bool primary;
  bool enabled;
  QString key;
};

// The page's buttons, in the page's own order, described as the table rows are.
std::vector<Control> ControlsOf(QWidget* page) {
  std::vector<Control> controls;
  for (ButtonBase* button : page->findChildren<ButtonBase*>()) {
    controls.push_back({button->text(), qobject_cast<PrimaryButton*>(button) != nullptr,
                        button->isEnabled(), button->keyEquivalent()});
  }
  return controls;
}

QString Describe(const std::vector<Control>& controls) {
  QStringList parts;
  for (const Control& c : controls) {
    parts << QString("%1 (%2, %3, key \"%4\")")
                 .arg(c.title, c.primary ? "primary" : "secondary",
                      c.enabled ? "enabled" : "disabled", c.key == "\r" ? "Return" : c.key);
  }
  return parts.join("; ");
}

// The dot beside a checklist row: the "●" in the row's parent on the row's line.
Label* DotOf(Label* row) {
  for (Label* dot : row->parentWidget()->findChildren<Label*>()) {
    if (dot->text() == "●" &&
        std::abs(dot->geometry().center().y() - row->geometry().center().y()) <= 2) {
      return dot;
    }
  }
  return nullptr;
}

Label* RowStarting(QWidget* page, const QString& name) {
  for (Label* label : page->findChildren<Label*>()) {
    if (label->text().startsWith(name + "  ")) return label;
  }
  return nullptr;
}

}  // namespace

class PagesTest : public QObject {
  Q_OBJECT

 private slots:
  // Each variant's buttons: which exist, which is the default (Return), which
  // are enabled. A button of one variant never shows on the other.
  void eachVariantOffersItsOwnControls_data() {
    QTest::addColumn<std::function<QWidget*()>>("build");
    QTest::addColumn<QString>("expected");
    using Build = std::function<QWidget*()>;
    QTest::newRow("welcome, something missing")
        << Build([] { return new WelcomePage({.missing = true, .pythonReady = true}); })
        << "Install Command Line Tools (primary, enabled, key \"Return\"); "
           "Check again (secondary, enabled, key \"\")";
    QTest::newRow("welcome, all present")
        << Build([] { return new WelcomePage({.missing = false, .pythonReady = true}); })
        << "Continue (primary, enabled, key \"Return\")";
    QTest::newRow("installer, usable file")
        << Build([] {
             return new InstallerPage({"a.exe", "60 MB", "ok", VerdictTone::Plain, true});
           })
        << "Choose… (secondary, enabled, key \"\"); Build (primary, enabled, key \"Return\")";
    QTest::newRow("installer, nothing chosen")
        << Build([] { return new InstallerPage({}); })
        << "Choose… (secondary, enabled, key \"\"); Build (primary, disabled, key \"Return\")";
  }
  void eachVariantOffersItsOwnControls() {
    QFETCH(std::function<QWidget*()>, build);
    QFETCH(QString, expected);
    test::Sandbox sandbox;
    std::unique_ptr<QWidget> page(build());
    QCOMPARE(Describe(ControlsOf(page.get())), expected);
  }

  // Only the missing variant has a hint line; the all-present one ignores hints.
  void onlyTheMissingVariantHasAHintLine() {
    test::Sandbox sandbox;
    WelcomePage missing({.missing = true, .pythonReady = true});
    QCOMPARE(missing.hint(), WelcomePage::defaultHint());
    missing.setHint("hint");
    QCOMPARE(missing.hint(), QString("hint"));
    QVERIFY(FindByText<Label>(&missing, "hint") != nullptr);

    WelcomePage present({.missing = false, .pythonReady = true});
    present.setHint("hint");
    QVERIFY(present.hint().isEmpty());
    QVERIFY(FindByText<Label>(&present, "hint") == nullptr);
  }

  // The Python row shows the check's own, lighter test (the version only), and
  // the page runs nothing itself: in the all-present variant only the dot (and
  // what a screen reader hears for it) tells.
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
    WelcomePage page({.missing = missing, .pythonReady = ready});
    Label* row = RowStarting(&page, "Python 3");
    QVERIFY(row != nullptr);
    QCOMPARE(row->text(), "Python 3  " + value);
    Label* dot = DotOf(row);
    QVERIFY(dot != nullptr);
    QCOMPARE(dot->textColor() == GreenDotColor(), ok);
    QCOMPARE(row->accessibleName().endsWith("needs attention"), !ok);
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
    // The read side names the page's own elements; a long name gives up its middle.
    QVERIFY(page->findChildren<Label*>().contains(page->fileLabel()));
    QCOMPARE(page->fileLabel()->lineBreakMode(), Label::LineBreakMode::TruncateMiddle);
    QCOMPARE(page->buildButton(), FindByText<ButtonBase>(page.get(), "Build"));
    QVERIFY(page->findChild<DropZoneView*>() != nullptr);
  }

  // A page given a new state looks exactly like a page built with it, from
  // any state before: the window updates the page on screen this way.
  void newStateLooksAsIfBuiltWithIt_data() {
    QTest::addColumn<InstallerPageState>("before");
    QTest::addColumn<InstallerPageState>("after");
    const InstallerPageState empty{};
    const InstallerPageState checking{"a.exe", "60 MB", "Checking a.exe…", VerdictTone::Plain,
                                      false};
    const InstallerPageState usable{"a.exe", "60 MB", "ok", VerdictTone::Plain, true};
    const InstallerPageState rejected{"b.exe", "", "That file can't be read.",
                                      VerdictTone::Error, false};
    QTest::newRow("nothing chosen, then checking") << empty << checking;
    QTest::newRow("checking, then usable") << checking << usable;
    QTest::newRow("usable, then rejected") << usable << rejected;
    QTest::newRow("rejected, then nothing chosen") << rejected << empty;
  }
  void newStateLooksAsIfBuiltWithIt() {
    QFETCH(InstallerPageState, before);
    QFETCH(InstallerPageState, after);
    test::Sandbox sandbox;
    InstallerPage updated(before);
    updated.setState(after);
    InstallerPage built(after);
    QCOMPARE(test::Render(&updated, Qt::white), test::Render(&built, Qt::white));
    QCOMPARE(updated.buildButton()->isEnabled(), after.buildEnabled);
  }
};

QTEST_MAIN(PagesTest)
#include "pages_test.moc"
