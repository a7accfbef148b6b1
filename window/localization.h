#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace vlmr {

// The window speaks the player's language. Its own texts go through tr(); the
// sentences of the Qt-free layers arrive in English (the log and the command
// line keep them so) and are translated here, where they are shown.

/// The languages with a catalogue, besides English, as catalogue codes ("de", "pt_BR").
QStringList ShippedLanguages();

/// The code of the pseudo-language: every text longer, accented and bracketed,
/// to show what a translation would clip or what escaped translation.
inline constexpr char kPseudoLanguage[] = "pseudo";

/// The shipped language to show for the user's preferred languages, in order
/// (`QLocale::uiLanguages()`: BCP 47 tags such as "pt-BR", "de-CH", "fr"), or
/// "en" when none is shipped.
QString ChooseLanguage(const QStringList& preferred);

/// Makes `language` ("en", a shipped code, or the pseudo-language) the
/// application's: its catalogue and Qt's own from `catalogueDir` (Qt's also
/// from Qt's translations folder), and its number format. Replaces what an
/// earlier call installed. Returns false, leaving English, for a language
/// without a catalogue there.
bool InstallLanguage(const QString& language, const QString& catalogueDir);

/// The language InstallLanguage last made the application's ("en" before).
QString CurrentLanguage();

/// The folder of the catalogues in the running bundle.
QString BundledCatalogueDir();

/// `english`, a text of the Qt-free layers (one of their marked sentences,
/// or one of their templates filled with values), in the current language.
/// Sizes inside it ("650 MB", "30.0 GB") take the language's number format;
/// names stay as they are. A text that is none of these (the build script's
/// own words) is returned unchanged.
QString Localized(std::string_view english);

/// A size as HumanSize writes it ("650 MB", "30.0 GB") in the current language: its number
/// format, its unit symbol ("30,0 Go"), and a no-break space between figure and unit.
QString LocalizedSize(const QString& english);

/// The contexts of the Qt-free layers' marked texts.
const std::vector<const char*>& SentenceContexts();

/// One template of a Qt-free layer: its context and its English text, with
/// "%@" places for values (or "%n" for a count).
struct SentenceTemplate {
  const char* context;
  const char* source;
};

/// Every template Localized recognises.
const std::vector<SentenceTemplate>& SentenceTemplates();

/// The pseudo-language's form of `source`: 40 % longer, accented, bracketed;
/// "%@", "%1" to "%9" and "%n" kept as they are.
QString PseudoText(const QString& source);

}  // namespace vlmr
