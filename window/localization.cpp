// The player's language: choosing it, installing its catalogues, and
// translating the sentences that the Qt-free layers hand over in English.
#include "window/localization.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>

#include "checks/free_space.h"
#include "checks/installer_validation.h"
#include "installing/app_install.h"
#include "platform/bundle.h"
#include "session/build_clock.h"
#include "session/installer_session.h"

namespace vlmr {
namespace {

// One line per language; a new language also needs its catalogue in translations/.
const QStringList kShipped = {"de", "fr", "es", "it", "pt_BR", "ja"};

QString gLanguage = QStringLiteral("en");
std::unique_ptr<QTranslator> gOwn;
std::unique_ptr<QTranslator> gQt;

// Every text it is asked for, in the pseudo-language.
class PseudoTranslator : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int) const override {
    return PseudoText(QString::fromUtf8(source));
  }
};

void RemoveTranslators() {
  for (std::unique_ptr<QTranslator>* translator : {&gOwn, &gQt}) {
    if (*translator) QCoreApplication::removeTranslator(translator->get());
    translator->reset();
  }
}

struct CompiledTemplate {
  SentenceTemplate sentence;
  QRegularExpression pattern;
  bool counted = false;  // "%n" rather than "%@"
};

// A template as a pattern of the whole sentence: each "%@" a value, "%n" a count.
const std::vector<CompiledTemplate>& CompiledTemplates() {
  static const std::vector<CompiledTemplate> compiled = [] {
    std::vector<CompiledTemplate> all;
    for (const SentenceTemplate& sentence : SentenceTemplates()) {
      const QString source = QString::fromUtf8(sentence.source);
      QString pattern = QStringLiteral("^");
      qsizetype from = 0;
      static const QRegularExpression place(QStringLiteral("%@|%n"));
      for (QRegularExpressionMatchIterator it = place.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        pattern += QRegularExpression::escape(source.mid(from, match.capturedStart() - from));
        pattern += match.captured() == QStringLiteral("%n") ? QStringLiteral("(\\d+)")
                                                            : QStringLiteral("(.+?)");
        from = match.capturedEnd();
      }
      pattern += QRegularExpression::escape(source.mid(from)) + QStringLiteral("$");
      all.push_back({sentence, QRegularExpression(pattern), source.contains(QStringLiteral("%n"))});
    }
    return all;
  }();
  return compiled;
}

// `translated` with its places filled by `values`: "%1".."%9" where the
// language needed another order, else each "%@" in turn.
QString Filled(QString translated, const QStringList& values) {
  if (translated.contains(QStringLiteral("%1"))) {
    QString result;
    for (qsizetype i = 0; i < translated.size(); ++i) {
      const QChar c = translated[i];
      if (c == u'%' && i + 1 < translated.size() && translated[i + 1] >= u'1' &&
          translated[i + 1] <= u'9') {
        const qsizetype index = translated[i + 1].unicode() - u'1';
        result += index < values.size() ? values[index] : QString();
        ++i;
        continue;
      }
      result += c;
    }
    return result;
  }
  QString result;
  qsizetype next = 0;
  for (qsizetype i = 0; i < translated.size(); ++i) {
    if (translated[i] == u'%' && i + 1 < translated.size() && translated[i + 1] == u'@') {
      result += next < values.size() ? values[next++] : QString();
      ++i;
      continue;
    }
    result += translated[i];
  }
  return result;
}

// The units of a size, in the context sizes are translated in.
//: The unit of a size in 2^30 bytes, after its figure ("30.0 GB"): the language's own symbol.
constexpr char kGigabytes[] = QT_TRANSLATE_NOOP("Sizes", "GB");
//: The unit of a size in 2^20 bytes, after its figure ("650 MB"): the language's own symbol.
constexpr char kMegabytes[] = QT_TRANSLATE_NOOP("Sizes", "MB");

QString SizeUnitTr(const char* unit) {
  return QCoreApplication::translate("Sizes", unit);
}

}  // namespace

QStringList ShippedLanguages() {
  return kShipped;
}

QString ChooseLanguage(const QStringList& preferred) {
  for (QString tag : preferred) {
    tag.replace(u'-', u'_');
    const QString language = tag.section(u'_', 0, 0).toLower();
    if (language == QStringLiteral("en")) return QStringLiteral("en");
    for (const QString& shipped : kShipped) {
      if (tag.compare(shipped, Qt::CaseInsensitive) == 0) return shipped;
    }
    // Another region of a shipped language reads that language best: Swiss
    // German, Canadian French, European Portuguese.
    for (const QString& shipped : kShipped) {
      if (shipped.section(u'_', 0, 0) == language) return shipped;
    }
  }
  return QStringLiteral("en");
}

bool InstallLanguage(const QString& language, const QString& catalogueDir) {
  RemoveTranslators();
  gLanguage = QStringLiteral("en");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  if (language == QStringLiteral("en")) return true;
  if (language == QString::fromLatin1(kPseudoLanguage)) {
    gOwn = std::make_unique<PseudoTranslator>();
    QCoreApplication::installTranslator(gOwn.get());
    gLanguage = language;
    return true;
  }
  auto own = std::make_unique<QTranslator>();
  if (!kShipped.contains(language) ||
      !own->load(QStringLiteral("velmora_") + language, catalogueDir)) {
    return false;
  }
  gOwn = std::move(own);
  QCoreApplication::installTranslator(gOwn.get());
  // Qt's own texts (the file dialog, standard buttons): beside ours in the
  // bundle on the Mac, in Qt's translations folder elsewhere.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QStringLiteral("qtbase_") + language, catalogueDir) ||
      qt->load(QStringLiteral("qtbase_") + language,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    gQt = std::move(qt);
    QCoreApplication::installTranslator(gQt.get());
  }
  QLocale::setDefault(QLocale(language));
  gLanguage = language;
  return true;
}

QString CurrentLanguage() {
  return gLanguage;
}

QString BundledCatalogueDir() {
  return QString::fromStdString(ResourceDirectory()) + QStringLiteral("/translations");
}

QString Localized(std::string_view english) {
  const QString text = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
  if (gLanguage == QStringLiteral("en") || text.isEmpty()) return text;
  for (const CompiledTemplate& compiled : CompiledTemplates()) {
    const QRegularExpressionMatch match = compiled.pattern.match(text);
    if (!match.hasMatch()) continue;
    if (compiled.counted) {
      return QCoreApplication::translate(compiled.sentence.context, compiled.sentence.source,
                                         nullptr, match.captured(1).toInt());
    }
    QStringList values;
    for (int i = 1; i <= match.lastCapturedIndex(); ++i) {
      values << LocalizedSize(match.captured(i));  // sizes in the language's format
    }
    return Filled(QCoreApplication::translate(compiled.sentence.context, compiled.sentence.source),
                  values);
  }
  const QByteArray source = text.toUtf8();
  for (const char* context : SentenceContexts()) {
    const QString translated = QCoreApplication::translate(context, source.constData());
    if (translated != text) return translated;
  }
  return text;
}

QString LocalizedSize(const QString& english) {
  if (gLanguage == QStringLiteral("en")) return english;
  static const QRegularExpression size(QStringLiteral("^(\\d+)(?:\\.(\\d+))? (MB|GB)$"));
  const QRegularExpressionMatch match = size.match(english);
  if (!match.hasMatch()) return english;
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  const int decimals = static_cast<int>(match.captured(2).size());
  const double value = (match.captured(1) + QStringLiteral(".") +
                        (decimals > 0 ? match.captured(2) : QStringLiteral("0")))
                           .toDouble();
  // The unit as the language writes it (French "Go"), kept on the figure's line.
  const QString unit =
      match.captured(3) == QStringLiteral("GB") ? SizeUnitTr(kGigabytes) : SizeUnitTr(kMegabytes);
  return locale.toString(value, 'f', decimals) + QChar(0x00A0) + unit;
}

const std::vector<const char*>& SentenceContexts() {
  static const std::vector<const char*> contexts = {
      "Prerequisites", "InstallerValidation", "NearMiss",    "FreeSpace", "Installing",
      "BuildAdvice",   "BuildNotification",   "BuildStages", "Session",   "Pipeline",
      "BuildTimings",  "SleepInhibitor",
  };
  return contexts;
}

const std::vector<SentenceTemplate>& SentenceTemplates() {
  static const std::vector<SentenceTemplate> templates = {
      {"InstallerValidation", kKnownInstallerSummary},
      {"InstallerValidation", kUnknownBuildSummary},
      {"FreeSpace", kNoRoomToBuild},
      {"FreeSpace", kNoRoomToMove},
      {"Installing", kNotOursSentence},
      {"Installing", kNotReplaceableSentence},
      {"Installing", kFolderReadOnlySentence},
      {"Installing", kNotAFolderSentence},
      {"Session", kCheckingSelection},
      {"BuildTimings", kMinutesLeft},
  };
  return templates;
}

QString PseudoText(const QString& source) {
  // Accented look-alikes of the ASCII letters, so a text that escaped the
  // catalogue stands out as plain English.
  static const QString from = QStringLiteral("AaCcEeIiNnOoUuYy");
  static const QString to = QStringLiteral("ÅåÇçÉéÎîÑñÖöÜüÝý");
  QString text;
  for (qsizetype i = 0; i < source.size(); ++i) {
    const QChar c = source[i];
    // Places for values stay as they are.
    if (c == u'%' && i + 1 < source.size() &&
        (source[i + 1] == u'@' || source[i + 1] == u'n' ||
         (source[i + 1] >= u'1' && source[i + 1] <= u'9'))) {
      text += c;
      text += source[++i];
      continue;
    }
    const qsizetype at = from.indexOf(c);
    text += at >= 0 ? to[at] : c;
  }
  // 40 % longer, with spaces where a line may break.
  const qsizetype extra = (source.size() * 2 + 4) / 5;
  QString filler;
  for (qsizetype i = 0; i < extra; ++i) filler += (i % 6 == 5) ? u' ' : u'~';
  return QStringLiteral("[") + text + (extra > 0 ? QStringLiteral(" ") + filler : QString()) +
         QStringLiteral("]");
}

}  // namespace vlmr
