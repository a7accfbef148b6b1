// The player's language: choosing it, installing its catalogues, and
// showing the messages of the Qt-free layers in it.
#include "window/localization.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "base/text.h"
#include "platform/bundle.h"

namespace vlmr {
namespace {

// One line per language; a new language also needs its catalogue in translations/.
const QStringList kShipped = {"de", "fr", "es", "it", "pt_BR", "ja"};

// The installed language; made on first use, so that a text shown while
// another file's globals are made already finds it.
QString& InstalledLanguage() {
  static QString language = QStringLiteral("en");
  return language;
}
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

QString ShownArg(const MessageArg& arg) {
  if (const auto* text = std::get_if<std::string>(&arg)) return QString::fromStdString(*text);
  if (const auto* name = std::get_if<FileName>(&arg)) {
    return QString::fromStdString(IsolatedName(name->path));
  }
  return ShownSize(std::get<SizeFigure>(arg));
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
  InstalledLanguage() = QStringLiteral("en");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  if (language == QStringLiteral("en")) return true;
  if (language == QString::fromLatin1(kPseudoLanguage)) {
    gOwn = std::make_unique<PseudoTranslator>();
    QCoreApplication::installTranslator(gOwn.get());
    InstalledLanguage() = language;
    return true;
  }
  auto own = std::make_unique<QTranslator>();
  if (!kShipped.contains(language) ||
      !own->load(QStringLiteral("velmora_") + language, catalogueDir)) {
    return false;
  }
  // Qt's own texts (the file dialog, standard buttons): beside ours in the
  // bundle on the Mac, in Qt's translations folder elsewhere.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QStringLiteral("qtbase_") + language, catalogueDir) ||
      qt->load(QStringLiteral("qtbase_") + language,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    gQt = std::move(qt);
    QCoreApplication::installTranslator(gQt.get());
  }
  // Ours last, so it is asked first: where both carry a text (the Mac's
  // application menu, window/app_menu_texts.h), ours speaks as macOS does.
  gOwn = std::move(own);
  QCoreApplication::installTranslator(gOwn.get());
  QLocale::setDefault(QLocale(language));
  InstalledLanguage() = language;
  return true;
}

QString CurrentLanguage() {
  return InstalledLanguage();
}

QString BundledCatalogueDir() {
  return QString::fromStdString(ResourceDirectory()) + QStringLiteral("/translations");
}

QString Shown(const Message& message) {
  if (message.context().empty()) return QString::fromStdString(message.source());
  const QString translated =
      QCoreApplication::translate(message.context().c_str(), message.source().c_str(), nullptr,
                                  message.count() ? static_cast<int>(*message.count()) : -1);
  QStringList values;
  for (const MessageArg& arg : message.args()) values << ShownArg(arg);
  // Filled in one call, so a place inside a value (a file named "%2") stays as it is.
  switch (values.size()) {
    case 0:
      return translated;
    case 1:
      return translated.arg(values[0]);
    case 2:
      return translated.arg(values[0], values[1]);
    case 3:
      return translated.arg(values[0], values[1], values[2]);
    default:
      // No sentence of ours takes more than four values.
      return translated.arg(values[0], values[1], values[2], values[3]);
  }
}

QString Shown(MessageText text) {
  return QCoreApplication::translate(text.context, text.source);
}

QString ShownSize(const SizeFigure& size) {
  // English reads as the log and the command line write it.
  if (InstalledLanguage() == QStringLiteral("en")) return QString::fromStdString(size.english());
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  // The unit as the language writes it (French "Go"), kept on the figure's line.
  const QString unit = SizeUnitTr(size.unit == SizeFigure::Unit::GB ? kGigabytes : kMegabytes);
  return locale.toString(size.value, 'f', size.decimals) + QChar(0x00A0) + unit;
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
        (source[i + 1] == u'n' || (source[i + 1] >= u'1' && source[i + 1] <= u'9'))) {
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
