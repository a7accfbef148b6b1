// The done page and what its three buttons do: moving the app into
// Applications (and the alert when that fails), opening it, showing it.

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "build_support.h"
#include "components/label.h"
#include "components/primary_button.h"
#include "components/stage_views.h"
#include "components/surfaces.h"
#include "window/installer_controller.h"
#include "window/localization.h"

using namespace vlmr;
using test::BuildSandbox;
using test::FindByText;
using test::PageOf;

namespace {

void WriteText(const QString& path, const QString& text, bool executable = false) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(text.toUtf8());
  file.close();
  if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

using test::kSampleName;

// Builds, through the window, an app whose Info.plist names `executable` and
// whose program leaves a mark at `mark`; returns once the done page shows it.
QString BuildApp(BuildSandbox& sandbox, InstallerController& controller,
                 const QString& executable = "Velmora 3000", const QString& mark = QString()) {
  sandbox.useScript(test::AppScript(executable, mark));
  const QString installer = sandbox.path(kSampleName);
  test::WriteSparseFile(installer, 60 << 20, "MZ");
  test::BuildToTheEnd(controller, installer);
  if (PageOf<DonePage>(controller) == nullptr) return QString();
  return sandbox.home("Library/Application Support/Velmora 3000/installer-stage/Velmora 3000.app");
}

}  // namespace

class DonePageTest : public QObject {
  Q_OBJECT

 private slots:
  // A built app can be moved; one in Applications shows as moved already.
  void donePageShowsTheMoveState_data() {
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("title");
    QTest::newRow("built") << false << "Move to Applications";
    QTest::newRow("installed") << true << "Moved ✓";
  }
  void donePageShowsTheMoveState() {
    QFETCH(bool, installed);
    QFETCH(QString, title);
    DonePage page({installed ? MoveState::Moved : MoveState::Ready});
    QCOMPARE(page.moveButton()->title(), title);
    QCOMPARE(page.moveButton()->isEnabled(), !installed);
    QCOMPARE(page.moveButton()->keyEquivalent(), "\r");
    QVERIFY(qobject_cast<PrimaryButton*>(page.moveButton()) != nullptr);
  }

  // Key caps fit their text (at least 24 wide); the description starts 8
  // points after the cap, 2 higher, and the row ends at its width.
  void shortcutRowsFitTheirKeysAndDescriptions() {
    PanelView card(QRectF(0, 0, 668, 224));
    const QString longText =
        "Settings: resolution, scaling, text, camera, autosave, speed keys and simulation options";
    DonePage::addShortcutRowTo(&card, 22, 114, "P", "Pause or resume", 260);
    DonePage::addShortcutRowTo(&card, 22, 152, "⌘ Return", "Fullscreen", 260);
    DonePage::addShortcutRowTo(&card, 344, 158, "⌘ ,", longText, 290);
    const QList<KeycapView*> caps = card.findChildren<KeycapView*>();
    QCOMPARE(caps.size(), 3);
    QCOMPARE(FrameOf(caps[0]), QRectF(22, 114, 24, 20));
    QVERIFY(FrameOf(caps[1]).width() > 40);
    const struct {
      KeycapView* cap;
      QString text;
      double rowWidth, height;
    } rows[] = {{caps[0], "Pause or resume", 260, 18},
                {caps[1], "Fullscreen", 260, 18},
                {caps[2], longText, 290, 40}};
    for (const auto& row : rows) {
      const QRectF cap = FrameOf(row.cap);
      const QRectF label = FrameOf(FindByText<Label>(&card, row.text));
      QCOMPARE(label.left(), cap.right() + 8);
      QCOMPARE(label.right(), cap.left() + row.rowWidth);
      // Frames are bottom-left based: the planned label starts 2 points above
      // the cap's bottom. A text set wider than planned may only make the
      // label taller, downward, its top staying where it was planned.
      QCOMPARE(label.y() + label.height(), cap.y() + 2 + row.height);
      QVERIFY(label.height() >= row.height);
      if (row.height == 18) QCOMPARE(label.height(), 18.0);
    }
  }

  // The accent bar keeps the colour of the appearance it was built in.
  void accentBarColourIsTakenOnceWhenBuilt() {
    SetApplicationAppearance(Appearance::Dark);
    auto page = std::make_unique<DonePage>(DonePageState{});
    SetApplicationAppearance(Appearance::Light);
    QWidget* bar = nullptr;
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (FrameOf(child) == QRectF(37, 130, 3, 48)) bar = child;
    }
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->palette().color(QPalette::Window), Srgb(0.247, 0.714, 0.741));
    SetApplicationAppearance(Appearance::Unset);
  }

  // A failed move: the alert with the sentence, the button ready again and
  // the built app still current. A disk without room for the app is found
  // before anything is copied.
  void failedMoveShowsTheAlertAndAllowsAnotherTry_data() {
    QTest::addColumn<bool>("roomy");
    QTest::newRow("someone else's folder in the way") << true;
    QTest::newRow("no room on the destination's disk") << false;
  }
  void failedMoveShowsTheAlertAndAllowsAnotherTry() {
    QFETCH(bool, roomy);
    if (access("/Applications", W_OK) == 0) QSKIP("/Applications is writable here");
    BuildSandbox sandbox;
    const QString destination = sandbox.home("Applications/Velmora 3000.app");
    if (roomy) QDir().mkpath(destination);  // someone else's folder by that name
    InstallerController controller;
    const QString built = BuildApp(sandbox, controller);
    QVERIFY(!built.isEmpty());
    // The build had room; the move's disk may not.
    const FreeSpaceMeasure measure = [roomy](const std::string&) {
      return std::optional<uint64_t>(roomy ? uint64_t{1} << 40 : 1000);
    };
    controller.setFreeSpaceMeasure(measure);

    QString message, informative;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&] {
      if (auto* alert = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        message = alert->text();
        informative = alert->informativeText();
        alert->accept();
      }
    });
    watcher.start(20);
    PageOf<DonePage>(controller)->moveButton()->click();
    QCOMPARE(PageOf<DonePage>(controller)->moveButton()->title(), "Moving…");
    QTRY_COMPARE_WITH_TIMEOUT(message, "Couldn't move the app", 20000);
    if (roomy) {
      // The path stands isolated from the sentence: its own direction cannot reorder it.
      QCOMPARE(informative, QChar(0x2068) + destination + QChar(0x2069) +
                                " already exists and wasn't made by this installer. Move or "
                                "rename it first.");
    } else {
      Error noRoom;
      QVERIFY(!CheckMoveSpace(built.toStdString(), destination.toStdString(), &noRoom, measure));
      QCOMPARE(informative, Shown(noRoom.message));
      QVERIFY(informative.startsWith("Only 0.00 MB free on that disk; the app needs about 0.0"));
    }
    QCOMPARE(PageOf<DonePage>(controller)->moveButton()->title(), "Move to Applications");
    QVERIFY(PageOf<DonePage>(controller)->moveButton()->isEnabled());
    QCOMPARE(controller.session().appPaths().builtAppPath, built.toStdString());
    QVERIFY(!controller.session().appPaths().installedAppPath);
    QVERIFY(QDir(destination).isEmpty());
  }

  // "Open" starts the executable the app's Info.plist names; an app without
  // a usable one is opened as a folder, and nothing outside the app is run.
  void openStartsTheAppsExecutable_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<bool>("runs");
    QTest::newRow("named executable") << "Velmora 3000" << true;
    QTest::newRow("no such executable") << "Missing" << false;
    QTest::newRow("leaves the bundle") << "../../../outside" << false;
  }
  void openStartsTheAppsExecutable() {
    QFETCH(QString, executable);
    QFETCH(bool, runs);
    BuildSandbox sandbox;
    test::OpenedUrls opened;
    // Where "../../../outside" leads from the app's Contents/MacOS.
    WriteText(sandbox.home("Library/Application Support/Velmora 3000/installer-stage/outside"),
              "#!/bin/sh\necho ran > '" + sandbox.path("ran") + "'\n", true);
    InstallerController controller;
    const QString app = BuildApp(sandbox, controller, executable, sandbox.path("ran"));
    QVERIFY(!app.isEmpty());
    QVERIFY(opened.urls.isEmpty());
    QVERIFY(test::Click(controller, "Open"));
    if (runs) {
      QTRY_VERIFY(QFile::exists(sandbox.path("ran")));
      QVERIFY(opened.urls.isEmpty());
    } else {
      QTRY_COMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(app)});
      QTest::qWait(200);
      QVERIFY(!QFile::exists(sandbox.path("ran")));
    }
  }

  // "Show in Finder" opens the folder that holds the built app itself, with a
  // link to Applications beside it, so the player drags the real app; again
  // from scratch. Finder is asked off the main thread: a slow osascript (the first run waits for
  // the player's answer to macOS's automation question) never holds the window.
  void showInFinderPreparesTheFolderOffTheMainThreadAndOpensIt() {
    BuildSandbox sandbox;
    SystemTools tools = Tools();
    tools.osascript = sandbox.path("tools/osascript").toStdString();
    QVERIFY(test::WriteExecutable(sandbox.path("tools/osascript"), "#!/bin/sh\nsleep 1\nexit 1\n"));
    SetTools(tools);
    test::OpenedUrls opened;
    InstallerController controller;
    const QString app = BuildApp(sandbox, controller);
    QVERIFY(!app.isEmpty());
    QVERIFY(opened.urls.isEmpty());
    const QString folder = QFileInfo(app).absolutePath();
    QElapsedTimer clock;
    clock.start();
    QVERIFY(test::Click(controller, "Show in Finder"));
    QVERIFY(
        test::Click(controller, "Show in Finder"));  // while the first is under way: nothing more
    QVERIFY2(clock.elapsed() < 500, "the main thread waited for osascript");
    QVERIFY(opened.urls.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(opened.urls.size(), 1, 10000);
    QTest::qWait(100);
    QCOMPARE(opened.urls.size(), 1);
    QCOMPARE(opened.urls.first(), QUrl::fromLocalFile(folder));
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             (QStringList{"Applications", "Velmora 3000.app"}));
    QCOMPARE(QFileInfo(folder + "/Applications").symLinkTarget(), "/Applications");
    QVERIFY(!QFileInfo(folder + "/Velmora 3000.app").isSymLink());
    QVERIFY(test::Click(controller, "Show in Finder"));
    QTRY_COMPARE_WITH_TIMEOUT(opened.urls.size(), 2, 10000);
  }
};

QTEST_MAIN(DonePageTest)
#include "done_page_test.moc"
