// The player's language: which one is chosen, and how the English sentences
// of the Qt-free layers reach the page in it (values kept, sizes in the
// language's format, counts in its plural forms), English left byte for byte.
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include "base/text.h"
#include "checks/free_space.h"
#include "installing/app_install.h"
#include "session/build_advice.h"
#include "session/build_clock.h"
#include "window/localization.h"

using namespace vlmr;

namespace {

const QString kCatalogues = QStringLiteral(VLMR_TEST_APP_DIR "/Contents/Resources/translations");

// Answers with fixed translations, on top of the installed catalogue.
class FixedTranslator : public QTranslator {
 public:
  QHash<QString, QString> texts;  // source -> translation
  mutable QList<int> counts;      // the counts asked with
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int n) const override {
    if (n >= 0) counts << n;
    const QString text = texts.value(QString::fromUtf8(source));
    return n >= 0 ? QString(text).replace(QStringLiteral("%n"), QString::number(n)) : text;
  }
};

// The catalogue's messages by context (any catalogue: all hold the same sources).
QHash<QString, QStringList> SourcesByContext() {
  QHash<QString, QStringList> sources;
  QFile file(QStringLiteral(VLMR_TRANSLATIONS_SOURCE_DIR "/velmora_de.ts"));
  if (!file.open(QIODevice::ReadOnly)) return sources;
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() == u"source") sources[context] << xml.readElementText();
  }
  return sources;
}

}  // namespace

class LocalizationTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { InstallLanguage(QStringLiteral("en"), kCatalogues); }

  void languageFollowsThePreferredOrder_data() {
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German first") << QStringList{"de-DE", "en-US"} << "de";
    QTest::newRow("Swiss German reads German") << QStringList{"de-CH"} << "de";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("European Portuguese reads Brazilian") << QStringList{"pt-PT"} << "pt_BR";
    QTest::newRow("Canadian French") << QStringList{"fr_CA"} << "fr";
    QTest::newRow("unshipped, then Japanese") << QStringList{"zh-Hans-CN", "ja-JP"} << "ja";
    QTest::newRow("English before a shipped one") << QStringList{"en-GB", "de"} << "en";
    QTest::newRow("nothing shipped") << QStringList{"ko", "zh"} << "en";
    QTest::newRow("no preference") << QStringList{} << "en";
  }
  void languageFollowsThePreferredOrder() {
    QFETCH(QStringList, preferred);
    QFETCH(QString, chosen);
    QCOMPARE(ChooseLanguage(preferred), chosen);
  }

  void anUnknownLanguageLeavesEnglish() {
    QVERIFY(!InstallLanguage(QStringLiteral("xx"), kCatalogues));
    QCOMPARE(CurrentLanguage(), QStringLiteral("en"));
    QVERIFY(!InstallLanguage(QStringLiteral("de"), QStringLiteral("/nonexistent")));
    QCOMPARE(CurrentLanguage(), QStringLiteral("en"));
  }

  // English passes through untouched, whatever translator is installed.
  void englishIsLeftByteForByte() {
    FixedTranslator fixed;
    fixed.texts.insert(QString::fromUtf8(kNoRoomToBuild), QStringLiteral("übersetzt"));
    QCoreApplication::installTranslator(&fixed);
    const std::string sentence = Format(kNoRoomToBuild, {"0.50 MB"});
    QCOMPARE(Localized(sentence), QString::fromStdString(sentence));
    QCOMPARE(LocalizedSize(QStringLiteral("1024 MB")), QStringLiteral("1024 MB"));
    QCoreApplication::removeTranslator(&fixed);
  }

  // A filled template is recognised, translated and filled again: sizes in the
  // language's format, names as they are, places reordered where the language
  // numbers them; a count picks the plural form; a sentence that is no rule's
  // (the build script's own) stays as it came.
  void sentencesKeepTheirValues() {
    QVERIFY(InstallLanguage(QStringLiteral("de"), kCatalogues));
    FixedTranslator fixed;
    const QString name =
        QChar(0x2068) + QStringLiteral("/Applications/Velmora 3000.app") + QChar(0x2069);
    fixed.texts.insert(QString::fromUtf8(kNoRoomToMove),
                       QStringLiteral("Die App braucht etwa %2, frei sind nur %1."));
    fixed.texts.insert(QString::fromUtf8(kNotOursSentence), QStringLiteral("%@ gibt es schon."));
    fixed.texts.insert(QString::fromUtf8(kMinutesLeft), QStringLiteral("noch etwa %n Min."));
    fixed.texts.insert(QString::fromStdString(FriendlyMessageFor("No space left on device")),
                       QStringLiteral("Dein Volume ist voll."));
    QCoreApplication::installTranslator(&fixed);
    QCOMPARE(Localized(Format(kNoRoomToMove, {"0.50 MB", "1.0 GB"})),
             QStringLiteral("Die App braucht etwa 1,0\u00a0GB, frei sind nur 0,50\u00a0MB."));
    QCOMPARE(Localized(Format(kNotOursSentence, {name.toStdString()})), name + " gibt es schon.");
    QCOMPARE(Localized(std::string("about 12 min left")), QStringLiteral("noch etwa 12 Min."));
    QCOMPARE(fixed.counts.last(), 12);
    QCOMPARE(Localized(FriendlyMessageFor("No space left on device")),
             QStringLiteral("Dein Volume ist voll."));
    const std::string script = "The installer does not contain Apps/SC3U.exe.";
    QCOMPARE(Localized(script), QString::fromStdString(script));
    QCoreApplication::removeTranslator(&fixed);
  }

  // The number format and unit symbol of each language, with a no-break space between figure
  // and unit so a line never ends on a bare figure.
  void sizesTakeTheLanguagesNumberFormat_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("shown");
    QTest::newRow("German decimal comma") << "de"
                                          << "30.0 GB"
                                          << "30,0\u00a0GB";
    QTest::newRow("French octets") << "fr"
                                   << "0.125 GB"
                                   << "0,125\u00a0Go";
    QTest::newRow("French megaoctets") << "fr"
                                       << "650 MB"
                                       << "650\u00a0Mo";
    QTest::newRow("no group separator") << "de"
                                        << "1024 MB"
                                        << "1024\u00a0MB";
    QTest::newRow("Japanese point") << "ja"
                                    << "30.0 GB"
                                    << "30.0\u00a0GB";
    QTest::newRow("Brazilian comma") << "pt_BR"
                                     << "4.9 GB"
                                     << "4,9\u00a0GB";
    QTest::newRow("not a size") << "de"
                                << "3.0 apps"
                                << "3.0 apps";
  }
  void sizesTakeTheLanguagesNumberFormat() {
    QFETCH(QString, language);
    QFETCH(QString, english);
    QFETCH(QString, shown);
    QVERIFY(InstallLanguage(language, kCatalogues));
    QCOMPARE(LocalizedSize(english), shown);
  }

  // The pseudo-language is 40 % longer, and keeps every place a value goes.
  void pseudoTextKeepsPlaces() {
    const QString source = QStringLiteral("Only %@ free; %1 of %2, about %n min");
    const QString pseudo = PseudoText(source);
    QVERIFY(pseudo.size() >= source.size() * 1.4);
    for (const char* place : {"%@", "%1", "%2", "%n"})
      QVERIFY2(pseudo.contains(place), qPrintable(pseudo));
    QVERIFY(pseudo.startsWith('[') && pseudo.endsWith(']'));
  }

  // Every sentence of the Qt-free layers that takes values is one Localized
  // recognises, and every context they mark is one it looks in.
  void everyQtFreeTemplateIsKnown() {
    const QHash<QString, QStringList> sources = SourcesByContext();
    QVERIFY(!sources.isEmpty());
    QSet<QString> contexts;
    for (const char* context : SentenceContexts()) contexts << QString::fromLatin1(context);
    QSet<QString> templates;
    for (const SentenceTemplate& sentence : SentenceTemplates()) {
      templates << QString::fromLatin1(sentence.context) + '|' + QString::fromUtf8(sentence.source);
    }
    // The window's own contexts: its classes, and the explicit ones of the Qt layers.
    const QSet<QString> qtSide = {"Accessibility", "PageParts",    "Snapshot",
                                  "InfoPlist",     "DesktopEntry", "Sizes"};
    for (auto it = sources.begin(); it != sources.end(); ++it) {
      if (it.key().startsWith("vlmr::") || qtSide.contains(it.key())) continue;
      QVERIFY2(contexts.contains(it.key()), qPrintable(it.key()));
      for (const QString& source : it.value()) {
        if (!source.contains("%@") && !source.contains("%n")) continue;
        QVERIFY2(templates.contains(it.key() + '|' + source), qPrintable(source));
      }
    }
  }
};

QTEST_MAIN(LocalizationTest)
#include "localization_test.moc"
