#pragma once

#include <QString>
#include <QStringList>

#include "base/message.h"

namespace vlmr {

// The window speaks the player's language. Its own texts go through tr(); the
// sentences of the Qt-free layers arrive as messages (base/message.h), which
// are rendered here, where they are shown.

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

/// `message` in the current language: its text translated under its
/// context (in the plural form its count takes), then its places filled with
/// its values: names between isolates, sizes as `ShownSize` writes them.
/// Verbatim words stay as they are.
QString Shown(const Message& message);

/// A marked text without values in the current language.
QString Shown(MessageText text);

/// A size in the current language: the figure in its number format, then a
/// no-break space and the unit as the language names it ("30,0 Go"); in
/// English as `SizeFigure::english` writes it ("650 MB").
QString ShownSize(const SizeFigure& size);

/// The pseudo-language's form of `source`: 40 % longer, accented, bracketed;
/// "%1" to "%9" and "%n" kept as they are.
QString PseudoText(const QString& source);

}  // namespace vlmr
