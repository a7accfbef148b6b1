#pragma once

#include <QChar>
#include <QStringList>

namespace vlmr {

// Qt breaks Japanese between any two characters, as the Unicode line-breaking rules allow. A
// Japanese reader expects lines to break between phrases: never inside a term (自動保存,
// プライバシー, Mac用) or a 「…」 quoted name, never before a particle or okurigana that ends a
// phrase (…が, …を), and never against the kinsoku rules (no line starts with 、。」ー or small
// kana, none ends with 「（).

/// The invisible character that keeps the characters either side of it on one line.
inline constexpr QChar kWordJoiner(0x2060);

/// `pieces`, the runs of one paragraph in order, as a layout should set them so that Japanese
/// lines break only where a reader expects: a word joiner between two characters that must stay
/// together, and the spaces inside 「…」 as no-break spaces. The rules hold across pieces; each
/// piece keeps its own characters. Text without Japanese comes back unchanged. A phrase longer
/// than a line still breaks, wherever the layout must.
QStringList WithJapaneseLineBreaks(const QStringList& pieces);

}  // namespace vlmr
