// The player's language: which one is chosen, and how the messages of the
// Qt-free layers reach the page in it (values kept, sizes in the language's
// format, counts in its plural forms), English as the log writes it.
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include "base/text.h"
#include "checks/free_space.h"
#include "checks/installer_validation.h"
#include "installing/app_install.h"
#include "pipeline/pipeline.h"
#include "session/build_advice.h"
#include "session/build_clock.h"
#include "session/build_notification.h"
#include "session/installer_session.h"
#include "window/app_identity.h"
#include "window/app_menu_texts.h"
#include "window/error_page.h"
#include "window/localization.h"

using namespace vlmr;

namespace {

const QString kCatalogues = QStringLiteral(VLMR_TEST_APP_DIR "/Contents/Resources/translations");

// Messages as the Qt-free layers' rules make them for a page: a start that
// failed, a rejected file, a disk without room, a build's end.
std::vector<Message> SampleMessages() {
  std::vector<Message> messages;
  Error error;
  CheckBuildSpace({"/"}, &error, [](const std::string&) { return std::optional<uint64_t>(1); });
  messages.push_back(error.message);
  InstallerValidator().validateInstaller("/nonexistent/setup.exe", nullptr, &error);
  messages.push_back(error.message);
  messages.push_back(Message(UnreadableReason(EPERM)));
  auto pipeline = Pipeline::Create(BuildRequest{"/in/setup.exe", "/nonexistent/out", std::nullopt,
                                                BuildRequest::Mode::Headless});
  pipeline->run();
  messages.push_back(pipeline->report().startFailure.value_or(Message()));
  InstallerSession session;
  session.select("/d/setup.exe");
  messages.push_back(session.selection().verdict);
  for (const char* said : {"", "disk is full", "Command Line Tools"}) {
    BuildReport report;
    report.status = 1;
    report.errorMessage = said;
    const BuildOutcome outcome = session.buildEnded(report);
    messages.push_back(outcome.message);
    const NotificationText text = BuildEndNotification(outcome);
    messages.push_back(text.title);
    messages.push_back(text.body);
  }
  BuildReport cancelled;
  cancelled.cancelled = true;
  messages.push_back(session.buildEnded(cancelled).message);
  return messages;
}

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

  // In English a message reads as the log and the command line write it, names
  // apart: on screen they stand between isolates.
  void englishReadsAsTheLog() {
    const Message messages[] = {
        Message(kNoRoomToBuild,
                {SizeFigure{0.5, 2, SizeFigure::Unit::MB}, BuildSpaceNeededFigure()}),
        Message::Counted(kMinutesLeft, 12),
        Message(kKnownInstallerSummary, {HumanSizeFigure(1ull << 40)}),
        Message::Verbatim("The script's own words, 100% English: %1."),
    };
    for (const Message& message : messages) {
      QCOMPARE(Shown(message), QString::fromStdString(message.english()));
    }
    QCOMPARE(Shown(Message(kNotOursSentence, {FileName{"/Applications/Velmora 3000.app"}})),
             QString::fromStdString(IsolatedName("/Applications/Velmora 3000.app") +
                                    " already exists and wasn't made by this installer. Move or "
                                    "rename it first."));
  }

  // A message is translated, then filled: sizes in the language's format,
  // names between isolates, places in the language's order, a value's own
  // "%1" left alone; a count picks the plural form; the script's own words
  // stay as they came.
  void messagesKeepTheirValues() {
    QVERIFY(InstallLanguage(QStringLiteral("de"), kCatalogues));
    FixedTranslator fixed;
    fixed.texts.insert(QString::fromUtf8(kNoRoomToMove.source),
                       QStringLiteral("Die App braucht etwa %2, frei sind nur %1."));
    fixed.texts.insert(QString::fromUtf8(kNotOursSentence.source),
                       QStringLiteral("%1 gibt es schon."));
    fixed.texts.insert(QString::fromUtf8(kMinutesLeft.source), QStringLiteral("noch etwa %n Min."));
    QCoreApplication::installTranslator(&fixed);
    QCOMPARE(Shown(Message(kNoRoomToMove, {SizeFigure{0.5, 2, SizeFigure::Unit::MB},
                                           SizeFigure{1, 1, SizeFigure::Unit::GB}})),
             QStringLiteral("Die App braucht etwa 1,0\u00a0GB, frei sind nur 0,50\u00a0MB."));
    const std::string name = "/Applications/%2 Velmora.app";
    QCOMPARE(Shown(Message(kNotOursSentence, {FileName{name}})),
             QString::fromStdString(IsolatedName(name)) + " gibt es schon.");
    QCOMPARE(Shown(Message::Counted(kMinutesLeft, 12)), QStringLiteral("noch etwa 12 Min."));
    QCOMPARE(fixed.counts.last(), 12);
    const std::string script = "The installer does not contain Apps/SC3U.exe.";
    QCOMPARE(Shown(Message::Verbatim(script)), QString::fromStdString(script));
    QCoreApplication::removeTranslator(&fixed);
  }

  // The number format and unit symbol of each language, with a no-break space between figure
  // and unit so a line never ends on a bare figure.
  void sizesTakeTheLanguagesNumberFormat_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("gigabytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("English") << "en" << 30.0 << 1 << true << "30.0 GB";
    QTest::newRow("German decimal comma") << "de" << 30.0 << 1 << true << "30,0\u00a0GB";
    QTest::newRow("French octets") << "fr" << 0.125 << 3 << true << "0,125\u00a0Go";
    QTest::newRow("French megaoctets") << "fr" << 650.0 << 0 << false << "650\u00a0Mo";
    QTest::newRow("no group separator") << "de" << 1024.0 << 0 << false << "1024\u00a0MB";
    QTest::newRow("Japanese point") << "ja" << 30.0 << 1 << true << "30.0\u00a0GB";
    QTest::newRow("Brazilian comma") << "pt_BR" << 4.9 << 1 << true << "4,9\u00a0GB";
  }
  void sizesTakeTheLanguagesNumberFormat() {
    QFETCH(QString, language);
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(bool, gigabytes);
    QFETCH(QString, shown);
    QVERIFY(InstallLanguage(language, kCatalogues));
    QCOMPARE(ShownSize({value, decimals, gigabytes ? SizeFigure::Unit::GB : SizeFigure::Unit::MB}),
             shown);
  }

  // The build script's own words, for which there is no advice, are the error
  // page's title in English; in another language a headline in it comes first
  // and the words stand beneath. Advice is translated either way.
  void scriptWordsStandBeneathATranslatedHeadline() {
    const BuildOutcome own{BuildEnd::Failed, "", Message::Verbatim("cmake: SDL3 not found")};
    const BuildOutcome advised{BuildEnd::Failed, "", FriendlyMessageFor(Message())};
    const QString log = QStringLiteral("~/Library/Logs/Velmora 3000/installer.log");
    ErrorPageState english = ErrorPageStateFor(own, log);
    QCOMPARE(english.title, QStringLiteral("cmake: SDL3 not found"));
    QCOMPARE(english.body, QStringLiteral("Your original game installer hasn't been changed."));
    QVERIFY(InstallLanguage(QStringLiteral("de"), kCatalogues));
    const ErrorPageState german = ErrorPageStateFor(own, log);
    QCOMPARE(german.title, Shown(kSomethingWentWrong));
    QVERIFY(german.title != QString::fromUtf8(kSomethingWentWrong.source));
    QCOMPARE(german.body, QStringLiteral("cmake: SDL3 not found"));
    const ErrorPageState germanAdvice = ErrorPageStateFor(advised, log);
    QCOMPARE(germanAdvice.title, german.title);
    QCOMPARE(germanAdvice.body, ErrorPage::tr(kInstallerUnchanged));
    QCOMPARE(germanAdvice.logShown, log);
  }

  // The Mac's application menu reads as macOS words it in each language, not
  // as Qt's own catalogue does (pt-BR "Sair", ja "隠す"): each item is in our
  // catalogue, and ours is asked before Qt's, which is installed beside it.
  void appMenuSpeaksAsMacOSDoes_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("shown");  // "%1" stands for the app's name
    const struct {
      const char* language;
      const char* texts[6];  // in the order of kAppMenuItems
    } menus[] = {
        {"de",
         {"Über %1", "Dienste", "%1 ausblenden", "Andere ausblenden", "Alle einblenden",
          "%1 beenden"}},
        {"fr",
         {"À propos de %1", "Services", "Masquer %1", "Masquer les autres", "Tout afficher",
          "Quitter %1"}},
        {"es",
         {"Acerca de %1", "Servicios", "Ocultar %1", "Ocultar otros", "Mostrar todo",
          "Salir de %1"}},
        {"it",
         {"Informazioni su %1", "Servizi", "Nascondi %1", "Nascondi altre", "Mostra tutte",
          "Esci da %1"}},
        {"pt_BR",
         {"Sobre o %1", "Serviços", "Ocultar %1", "Ocultar Outros", "Mostrar Tudo", "Encerrar %1"}},
        {"ja",
         {"%1について", "サービス", "%1を非表示", "ほかを非表示", "すべてを表示", "%1を終了"}},
    };
    for (const auto& menu : menus) {
      for (int i = 0; i < 6; ++i) {
        QTest::addRow("%s %s", menu.language, AppMenuSource(kAppMenuItems[i]))
            << menu.language << i << QString::fromUtf8(menu.texts[i]);
      }
    }
  }
  void appMenuSpeaksAsMacOSDoes() {
    QFETCH(QString, language);
    QFETCH(int, item);
    QFETCH(QString, shown);
    const char* source = AppMenuSource(kAppMenuItems[item]);
    QTranslator ours;
    QVERIFY(ours.load(QStringLiteral("velmora_") + language, kCatalogues));
    QVERIFY2(!ours.translate(kAppMenuContext, source).isEmpty(), "missing from our catalogue");
    QVERIFY(InstallLanguage(language, kCatalogues));
    QCOMPARE(AppMenuTitle(kAppMenuItems[item]), QString(shown).replace("%1", WindowTitle()));
  }

  // The pseudo-language is 40 % longer, and keeps every place a value goes.
  void pseudoTextKeepsPlaces() {
    const QString source = QStringLiteral("Only %1 free of %2, about %n min");
    const QString pseudo = PseudoText(source);
    QVERIFY(pseudo.size() >= source.size() * 1.4);
    for (const char* place : {"%1", "%2", "%n"})
      QVERIFY2(pseudo.contains(place), qPrintable(pseudo));
    QVERIFY(pseudo.startsWith('[') && pseudo.endsWith(']'));
  }

  // Every text the Qt-free layers mark, and the messages their rules make,
  // reach a page in the page's language: rendered in every language, none
  // comes out as it reads in English.
  void everyMessageIsShownTranslated() {
    const QHash<QString, QStringList> sources = SourcesByContext();
    QVERIFY(!sources.isEmpty());
    std::vector<Message> messages = SampleMessages();
    for (const Message& message : messages) {
      QVERIFY2(!message.empty() && !message.isVerbatim(), message.english().c_str());
    }
    // The window's own contexts: its classes, and the explicit ones of the Qt layers.
    const QSet<QString> qtSide = {"Accessibility", "PageParts", "Snapshot",     "InfoPlist",
                                  "DesktopEntry",  "Sizes",     kAppMenuContext};
    std::vector<QByteArray> kept;  // the marked texts' bytes, alive while rendered
    for (auto it = sources.begin(); it != sources.end(); ++it) {
      if (it.key().startsWith("vlmr::") || qtSide.contains(it.key())) continue;
      for (const QString& source : it.value()) {
        kept.push_back(it.key().toUtf8());
        const char* context = kept.back().constData();
        kept.push_back(source.toUtf8());
        const MessageText text{context, kept.back().constData()};
        std::vector<MessageArg> values;
        for (const char* place : {"%1", "%2"}) {
          if (source.contains(QLatin1String(place))) values.push_back(std::string("x"));
        }
        messages.push_back(source.contains("%n") ? Message::Counted(text, 3)
                                                 : Message(text, std::move(values)));
      }
    }
    for (const QString& language : ShippedLanguages()) {
      QVERIFY(InstallLanguage(language, kCatalogues));
      for (const Message& message : messages) {
        QVERIFY2(Shown(message) != QString::fromStdString(message.english()),
                 qPrintable(language + ": " + QString::fromStdString(message.english())));
      }
    }
  }
};

QTEST_MAIN(LocalizationTest)
#include "localization_test.moc"
