// Every page in every shipped language, and in the pseudo-language (every text
// 40 % longer, accented and bracketed), against the frames made for English:
// no text clipped or overflowing, none running into another, none left in
// English where the catalogue has its translation. Real languages may shrink
// a text a little (to 90 %, a button's title not at all); past that the
// translation is to be rewritten shorter. The pseudo-language may shrink as
// far as texts ever do.
//
// VLMR_FIT_LANGUAGE=<code> checks one language only and prints its findings.
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>
#include <functional>
#include <memory>

#include "checks/installer_validation.h"
#include "components/button_base.h"
#include "components/fonts.h"
#include "components/label.h"
#include "components/page_helpers.h"
#include "session/build_clock.h"
#include "window/build_page.h"
#include "window/done_page.h"
#include "window/error_page.h"
#include "window/installer_page.h"
#include "window/localization.h"
#include "window/welcome_page.h"
#include "window_support.h"

using namespace vlmr;

namespace {

// How far a real language's text may shrink before it counts as too long.
constexpr double kLeastTranslatedScale = 0.9;
// A button's title sits beside others at full size, where even the smallest step down shows:
// in a real language it is never set smaller.
constexpr double kLeastTranslatedButtonScale = 1.0;

struct CatalogueEntry {
  QString context, source;
};

// The catalogue of `language`: each (context, source) with its translation ("" when none).
struct Catalogue {
  QList<CatalogueEntry> messages;
  QHash<QString, QString> translationOf;  // context + '\x1f' + source
  QSet<QString> sources;
  QSet<QString> translatedSources;  // sources with a translation of their own
};

Catalogue ReadCatalogue(const QString& path) {
  Catalogue catalogue;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return catalogue;
  QXmlStreamReader xml(&file);
  QString context, source, translation;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() == u"source") source = xml.readElementText();
    if (xml.name() == u"translation" || xml.name() == u"numerusform") {
      translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
      catalogue.messages.push_back({context, source});
      catalogue.sources << source;
      catalogue.translationOf.insert(context + QChar(0x1f) + source, translation);
      if (!translation.isEmpty() && translation != source) catalogue.translatedSources << source;
    }
  }
  return catalogue;
}

QString CataloguePath(const QString& language) {
  return QStringLiteral(VLMR_TRANSLATIONS_SOURCE_DIR "/velmora_") + language +
         QStringLiteral(".ts");
}

// The messages of the Qt-free rules shown in one place, values filled with samples.
std::vector<vlmr::Message> SentencesOf(const Catalogue& catalogue, const QStringList& contexts) {
  std::vector<vlmr::Message> sentences;
  QSet<QString> seen;
  for (const CatalogueEntry& entry : catalogue.messages) {
    if (!contexts.contains(entry.context) || seen.contains(entry.source)) continue;
    seen << entry.source;
    const QByteArray context = entry.context.toUtf8(), source = entry.source.toUtf8();
    const MessageText text{context.constData(), source.constData()};
    if (entry.source.contains(QStringLiteral("%n"))) {
      sentences.push_back(vlmr::Message::Counted(text, 12));
      continue;
    }
    // Names where a rule names a file or folder, sizes elsewhere.
    const bool names = entry.context == QStringLiteral("Session") ||
                       entry.context == QStringLiteral("Installing") ||
                       entry.context == QStringLiteral("Pipeline");
    const FileName name{"/Users/player/setup_simcity_3000_unlimited_2.0.949(a).exe"};
    sentences.push_back(names
                            ? vlmr::Message(text, {name, std::string("No such file or directory")})
                            : vlmr::Message(text, {SizeFigure{650, 0, SizeFigure::Unit::MB},
                                                   SizeFigure{4.9, 1, SizeFigure::Unit::GB}}));
  }
  return sentences;
}

using Builder = std::function<QWidget*()>;
struct Page {
  QString name;
  Builder build;
};

// Every page and every state of it that shows a different text.
QList<Page> Pages(const Catalogue& english) {
  QList<Page> pages;
  pages << Page{"welcome", [] { return new WelcomePage({false, true}); }};
  pages << Page{"welcome, checking", [] { return new WelcomePage({.checking = true}); }};
  pages << Page{"missing", [] { return new WelcomePage({true, false}); }};
  pages << Page{"missing, checking again", [] {
                  auto* page = new WelcomePage({true, true});
                  page->setRechecking();
                  return page;
                }};
  for (const vlmr::Message& hint : SentencesOf(english, {"Prerequisites"})) {
    pages << Page{"missing, hint " + QString::fromStdString(hint.english()), [hint] {
                    auto* page = new WelcomePage({true, true});
                    page->setHint(vlmr::Shown(hint));
                    return page;
                  }};
  }
  pages << Page{"installer, empty", [] { return new InstallerPage({}); }};
  for (const vlmr::Message& verdict :
       SentencesOf(english, {"InstallerValidation", "NearMiss", "FreeSpace", "Session"})) {
    pages << Page{
        "installer, " + QString::fromStdString(verdict.english()), [verdict] {
          return new InstallerPage({QStringLiteral("setup_simcity_3000_unlimited_2.0.949(a).exe"),
                                    ShownSize({650, 0, SizeFigure::Unit::MB}), vlmr::Shown(verdict),
                                    VerdictTone::Error, true});
        }};
  }
  for (int64_t stage = 0; stage < 6; ++stage) {
    pages << Page{
        QStringLiteral("build, stage %1").arg(stage), [stage] {
          const vlmr::Message left = stage % 2 ? vlmr::Message(kLessThanAMinuteLeft)
                                               : vlmr::Message::Counted(kMinutesLeft, 12);
          return new BuildPage(
              {stage, {}, std::nullopt, BuildPageTime{QStringLiteral("12:34"), vlmr::Shown(left)}});
        }};
  }
  pages << Page{"build, log hidden", [] {
                  auto* page = new BuildPage({2, {}, std::nullopt, std::nullopt});
                  page->toggleLog();
                  return page;
                }};
  pages << Page{"build, cancelling", [] {
                  auto* page = new BuildPage({2, {}, std::nullopt, std::nullopt});
                  page->setCancelling();
                  return page;
                }};
  for (MoveState state : {MoveState::Ready, MoveState::Moving, MoveState::Moved}) {
    pages << Page{QStringLiteral("done, move %1").arg(int(state)), [state] {
                    auto* page = new DonePage({});
                    page->setMoveState(state);
                    return page;
                  }};
  }
  std::vector<vlmr::Message> titles = SentencesOf(english, {"BuildAdvice", "Pipeline", "Process"});
  // The build script's own words beneath the headline, where the page is not in English.
  titles.push_back(vlmr::Message::Verbatim(
      "Step 5 (compile) failed: cmake could not find the SDL3 package configuration file."));
  for (const vlmr::Message& title : titles) {
    pages << Page{"error, " + QString::fromStdString(title.english()), [title] {
                    return new ErrorPage(ErrorPageStateFor(
                        {BuildEnd::Failed, "", title},
                        QStringLiteral("~/Library/Logs/Velmora 3000/installer.log")));
                  }};
  }
  pages << Page{"error, choose the right release", [] {
                  return new ErrorPage(
                      {QCoreApplication::translate(
                           "Snapshot", "That doesn't look like the GOG offline installer."),
                       QString(), QStringLiteral("~/Library/Logs/Velmora 3000/installer.log")});
                }};
  return pages;
}

// One text drawn on a page: its widget, its words and where its ink may lie.
struct Shown {
  QWidget* widget;
  QString text;
  QRectF area;  // page coordinates
};

QList<Shown> TextsOn(QWidget* page) {
  QList<Shown> shown;
  for (QWidget* widget : page->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(page)) continue;
    const QRectF frame(widget->mapTo(page, QPoint(0, 0)), QSizeF(widget->size()));
    if (auto* label = qobject_cast<Label*>(widget)) {
      if (label->text().trimmed().isEmpty()) continue;
      const double height =
          std::min<double>(label->height(), label->textHeightForWidth(label->width()));
      shown << Shown{label, label->text(), QRectF(frame.topLeft(), QSizeF(frame.width(), height))};
    } else if (auto* button = qobject_cast<ButtonBase*>(widget)) {
      if (!button->text().isEmpty()) shown << Shown{button, button->text(), frame};
    }
  }
  return shown;
}

// The pairs of texts whose areas meet, as indices into `texts`.
QSet<QPair<int, int>> Meetings(const QList<Shown>& texts) {
  QSet<QPair<int, int>> meetings;
  for (int i = 0; i < texts.size(); ++i) {
    for (int j = i + 1; j < texts.size(); ++j) {
      // A view inside another (a label on a button) is part of it.
      if (texts[i].widget->isAncestorOf(texts[j].widget) ||
          texts[j].widget->isAncestorOf(texts[i].widget)) {
        continue;
      }
      const QRectF overlap = texts[i].area.intersected(texts[j].area);
      if (overlap.width() > 0.5 && overlap.height() > 0.5) meetings.insert({i, j});
    }
  }
  return meetings;
}

std::unique_ptr<QWidget> Laid(QWidget* page) {
  page->setGeometry(0, 0, 740, 630);
  page->ensurePolished();
  return std::unique_ptr<QWidget>(page);
}

// What is wrong with `language`'s pages, one line each.
QStringList Findings(const QString& language, const QString& catalogueDir) {
  const Catalogue english = ReadCatalogue(CataloguePath(QStringLiteral("de")));
  const bool pseudo = language == QString::fromLatin1(kPseudoLanguage);
  const Catalogue catalogue = pseudo ? english : ReadCatalogue(CataloguePath(language));
  const double least = pseudo ? kMinimumTextScale : kLeastTranslatedScale;
  const double leastButton = pseudo ? kMinimumTextScale : kLeastTranslatedButtonScale;
  QStringList findings;
  for (const Page& page : Pages(english)) {
    InstallLanguage(QStringLiteral("en"), catalogueDir);
    std::unique_ptr<QWidget> englishPage = Laid(page.build());
    const QList<Shown> englishTexts = TextsOn(englishPage.get());
    const QSet<QPair<int, int>> englishMeetings = Meetings(englishTexts);
    if (!InstallLanguage(language, catalogueDir)) return {"no catalogue for " + language};
    std::unique_ptr<QWidget> translated = Laid(page.build());
    const QList<Shown> texts = TextsOn(translated.get());
    if (texts.size() != englishTexts.size()) {
      findings << page.name + ": the page shows other views than in English";
      continue;
    }
    auto report = [&](const Shown& shown, const QString& what) {
      findings << language + " · " + page.name + " · \"" + shown.text + "\": " + what;
    };
    for (int i = 0; i < texts.size(); ++i) {
      const Shown& shown = texts[i];
      if (auto* label = qobject_cast<Label*>(shown.widget)) {
        if (!label->fitsFrame()) {
          report(shown, "clipped: it does not fit its frame even set smaller");
        } else if (label->drawnScale() < least - 1e-9) {
          report(shown,
                 QStringLiteral("set at %1 % to fit: too long").arg(label->drawnScale() * 100));
        }
      } else if (auto* button = qobject_cast<ButtonBase*>(shown.widget)) {
        const double scale = button->titleScale();
        if (scale == 0) {
          report(shown, "overflows its button");
        } else if (scale < leastButton - 1e-9) {
          report(shown, QStringLiteral("set at %1 % to fit its button: too long").arg(scale * 100));
        }
      }
      // Still the English words, where the catalogue has this language's own.
      if (!pseudo && shown.text == englishTexts[i].text &&
          catalogue.translatedSources.contains(shown.text)) {
        report(shown, "untranslated");
      }
      if (pseudo && shown.text == englishTexts[i].text && english.sources.contains(shown.text)) {
        report(shown, "escaped the catalogue");
      }
    }
    const QSet<QPair<int, int>> meetings = Meetings(texts);
    for (const QPair<int, int>& pair : meetings) {
      if (englishMeetings.contains(pair)) continue;
      report(texts[pair.first], "runs into \"" + texts[pair.second].text + "\"");
    }
  }
  InstallLanguage(QStringLiteral("en"), catalogueDir);
  return findings;
}

}  // namespace

class FitTest : public QObject {
  Q_OBJECT

 private slots:
  void everyPageFitsInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    const QString only = qEnvironmentVariable("VLMR_FIT_LANGUAGE");
    const QStringList languages = ShippedLanguages() << QString::fromLatin1(kPseudoLanguage);
    for (const QString& language : languages) {
      if (only.isEmpty() || only == language) QTest::newRow(qPrintable(language)) << language;
    }
  }
  void everyPageFitsInEveryLanguage() {
    QFETCH(QString, language);
    test::Sandbox sandbox;
    const QStringList findings =
        Findings(language, QStringLiteral(VLMR_TEST_APP_DIR "/Contents/Resources/translations"));
    for (const QString& finding : findings) qInfo().noquote() << finding;
    QVERIFY2(findings.isEmpty(), qPrintable(QStringLiteral("%1 findings").arg(findings.size())));
  }

  // Text without spaces (Japanese) wraps between characters rather than running out of its frame.
  void textWithoutSpacesWraps() {
    Label* label = MakeLabel(QString(40, QChar(0x30C6)), false, std::nullopt, 0, 0, 200, 80, 14);
    std::unique_ptr<Label> owner(label);
    label->resize(200, 80);
    QVERIFY(label->lineCountForWidth(200) > 1);
    QVERIFY(label->fitsFrame());
  }
};

QTEST_MAIN(FitTest)
#include "fit_test.moc"
