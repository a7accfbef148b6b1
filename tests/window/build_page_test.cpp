// The build page: the mapping of the script's stages onto the page's six, the
// page's elements, stage updates and the live log. (The relay that brings the
// reports to the main thread is tested with the pipeline.)

#include <QScrollBar>
#include <QTest>
#include <limits>

#include "components/label.h"
#include "components/log_view.h"
#include "components/progress_bar.h"
#include "components/stage_views.h"
#include "components/standard_buttons.h"
#include "components/surfaces.h"
#include "session/stage_mapping.h"
#include "window/build_page.h"
#include "window_support.h"

using namespace vlmr;
using enum vlmr::StageState;

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

const QStringList kSampleLines = {"Checking GOG release 2.0.949(a)…", "Game files verified.",
                                  "Configuring native arm64 build…",
                                  "Compiling Velmora 3000 · 63%"};

// Everything the page shows about its stage, for comparing before and after.
struct StageView {
  QString counter, lead;
  double progress;
  QList<StageState> pills;
  bool operator==(const StageView&) const = default;
};

StageView Observe(const BuildPage& page) {
  StageView view{
      page.counterLabel()->text(), page.leadLabel()->text(), page.progressBar()->value(), {}};
  for (int64_t i = 0; i < kBuildStageCount; ++i) view.pills << page.pill(i)->stageState();
  return view;
}

}  // namespace

class BuildPageTest : public QObject {
  Q_OBJECT

 private slots:
  void scriptStagesMapOntoTheSixPageStages_data() {
    QTest::addColumn<qint64>("number");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("index");
    // The table of the four usual totals, N = 1..9.
    const qint64 nine[] = {0, 0, 0, 1, 2, 3, 4, 5, 5};
    const qint64 six[] = {0, 1, 2, 3, 4, 5, 5, 5, 5};
    const qint64 twelve[] = {0, 0, 1, 1, 2, 2, 3, 3, 4};
    const qint64 three[] = {0, 2, 4, 5, 5, 5, 5, 5, 5};
    for (qint64 n = 1; n <= 9; ++n) {
      QTest::addRow("%lld/9", static_cast<long long>(n)) << n << qint64(9) << nine[n - 1];
      QTest::addRow("%lld/6", static_cast<long long>(n)) << n << qint64(6) << six[n - 1];
      QTest::addRow("%lld/12", static_cast<long long>(n)) << n << qint64(12) << twelve[n - 1];
      QTest::addRow("%lld/3", static_cast<long long>(n)) << n << qint64(3) << three[n - 1];
    }
    QTest::newRow("total 0") << qint64(3) << qint64(0) << qint64(0);
    QTest::newRow("negative total") << qint64(3) << qint64(-4) << qint64(0);
    QTest::newRow("past the end") << qint64(20) << qint64(6) << qint64(5);
    QTest::newRow("stage 0") << qint64(0) << qint64(6) << qint64(0);
    QTest::newRow("negative stage") << qint64(-7) << qint64(6) << qint64(0);
    QTest::newRow("negative stage of 9") << qint64(-7) << qint64(9) << qint64(0);
    QTest::newRow("huge stage of 9") << kMax << qint64(9) << qint64(5);
    // 6 × (N − 1) would overflow 64 bits in these.
    QTest::newRow("largest total, last stage") << kMax << kMax << qint64(5);
    QTest::newRow("largest total, early stage") << qint64(2) << kMax << qint64(0);
    QTest::newRow("largest total, 3/4 of the way")
        << qint64(3'000'000'000'000'000'000) << qint64(4'000'000'000'000'000'000) << qint64(4);
    QTest::newRow("smallest stage") << kMin << qint64(6) << qint64(0);
    QTest::newRow("largest stage") << kMax << qint64(6) << qint64(5);
  }
  void scriptStagesMapOntoTheSixPageStages() {
    QFETCH(qint64, number);
    QFETCH(qint64, total);
    QFETCH(qint64, index);
    QCOMPARE(BuildStageIndex(number, total), index);
  }

  // The snapshot's sample page: stage 3 with four lines.
  void samplePageShowsItsStageAndLines() {
    auto page = std::make_unique<BuildPage>(BuildPageState{3, kSampleLines, std::nullopt, std::nullopt});
    QCOMPARE(page->size(), QSize(740, 630));
    const StageView view = Observe(*page);
    QCOMPARE(view.counter, "Stage 4 of 6");
    QCOMPARE(view.lead, "Compiling the native Mac app. This usually takes about 3 minutes.");
    QCOMPARE(view.progress, 3.5 / 6);
    QCOMPARE(view.pills, (QList<StageState>{Done, Done, Done, Active, Pending, Pending}));
    QCOMPARE(page->logView()->text(), kSampleLines.join('\n'));
    QCOMPARE(page->logToggle()->title(), "Hide");
    QVERIFY(page->logView()->isVisibleTo(page.get()));
    QVERIFY(page->cancelButton()->isEnabled());
    // As a Cancel button on the Mac, it answers Escape.
    QCOMPARE(page->cancelButton()->keyEquivalent(), QString("Esc"));
  }

  // Out-of-range stages change nothing; a lower stage moves the page back.
  void setBuildStageIgnoresOutOfRangeAndMovesBack() {
    auto page = std::make_unique<BuildPage>(BuildPageState{3, {}, std::nullopt, std::nullopt});
    const StageView before = Observe(*page);
    page->setStage(6);
    page->setStage(-1);
    QVERIFY(Observe(*page) == before);

    page->setStage(1);
    const StageView back = Observe(*page);
    QCOMPARE(back.counter, "Stage 2 of 6");
    QCOMPARE(back.lead, "Unpacking the game files from your GOG installer.");
    QCOMPARE(back.progress, 1.5 / 6);
    QCOMPARE(back.pills, (QList<StageState>{Done, Active, Pending, Pending, Pending, Pending}));
    page->setStage(5);
    QCOMPARE(Observe(*page).lead, "Signing the app for this Mac.");
  }

  // The log keeps every line in order, each on a line of its own (also after
  // the page's first lines), while hidden too, and shows the end.
  void logKeepsEveryLineInOrderAndShowsTheEnd() {
    auto page = std::make_unique<BuildPage>(BuildPageState{0, kSampleLines, std::nullopt, std::nullopt});
    page->show();
    QStringList expected = kSampleLines;
    for (int i = 0; i < 20000; ++i) {
      const QString line = QStringLiteral("line %1").arg(i);
      page->appendLines({line});
      expected << line;
      if (i == 10000) {
        page->toggleLog();
        QCOMPARE(page->logToggle()->title(), "Show");
        QVERIFY(!page->logView()->isVisible());
      }
    }
    QCoreApplication::processEvents();
    page->toggleLog();
    QCOMPARE(page->logToggle()->title(), "Hide");
    QVERIFY(page->logView()->isVisible());
    // The view keeps the newest lines, in order.
    expected = expected.mid(expected.size() - LogView::kMaxLines);
    QTRY_COMPARE(page->logView()->document()->blockCount(), expected.size());
    QCOMPARE(page->logView()->text(), expected.join('\n'));
    QScrollBar* bar = page->logView()->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QTRY_COMPARE(bar->value(), bar->maximum());
  }
};

QTEST_MAIN(BuildPageTest)
#include "build_page_test.moc"
