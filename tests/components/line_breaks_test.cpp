// Where Japanese lines may break: between phrases, never inside a term or a quoted name, never
// against the kinsoku rules; other text left to the layout's own rules.
#include <QTest>

#include "components/line_breaks.h"

using namespace vlmr;

namespace {

// `pattern` with each "+" a word joiner and each "_" a no-break space.
QString Laid(const QString& pattern) {
  QString text = pattern;
  text.replace(u'+', kWordJoiner);
  text.replace(u'_', QChar(0x00A0));
  return text;
}

}  // namespace

class LineBreaksTest : public QObject {
  Q_OBJECT

 private slots:
  void japaneseBreaksBetweenPhrases_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("laid");
    QTest::newRow("a term and its particle stay together") << "自動保存が無効"
                                                           << "自+動+保+存+が無+効";
    QTest::newRow("a quoted name is one unit, spaces too")
        << "「システム設定 → セキュリティ」を選択"
        << "「+シ+ス+テ+ム+設+定_→_セ+キ+ュ+リ+テ+ィ+」+を選+択";
    QTest::newRow("no line starts with a comma, a long vowel or small kana")
        << "ゲーム、ファイル"
        << "ゲ+ー+ム+、フ+ァ+イ+ル";
    QTest::newRow("no line ends with an opening bracket") << "ログ（.exe）"
                                                          << "ロ+グ（+.exe+）";
    QTest::newRow("a Latin name with its suffix and particle") << "このMac用に署名"
                                                               << "こ+のMac+用+に署+名";
    QTest::newRow("a figure with its counter") << "約3分かかります"
                                               << "約+3+分+か+か+り+ま+す";
    QTest::newRow("spaces are the layout's own") << "約5 GBの空き"
                                                 << "約+5 GB+の空+き";
    QTest::newRow("text without Japanese is untouched") << "Build details · 5 GB"
                                                        << "Build details · 5 GB";
  }
  void japaneseBreaksBetweenPhrases() {
    QFETCH(QString, text);
    QFETCH(QString, laid);
    QCOMPARE(WithJapaneseLineBreaks({text}), QStringList{Laid(laid)});
  }

  // The rules hold across the runs of a styled paragraph; each run keeps its own characters.
  void rulesHoldAcrossRuns() {
    const QStringList laid = WithJapaneseLineBreaks({"macOS", "で自動", "保存が"});
    QCOMPARE(laid, (QStringList{"macOS", Laid("+で自+動"), Laid("+保+存+が")}));
  }
};

QTEST_MAIN(LineBreaksTest)
#include "line_breaks_test.moc"
