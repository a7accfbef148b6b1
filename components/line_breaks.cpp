// Where a Japanese line may break: between phrases only, as a Japanese reader expects.
#include "components/line_breaks.h"

#include <QString>
#include <string_view>

namespace vlmr {
namespace {

bool In(char16_t c, char16_t first, char16_t last) {
  return c >= first && c <= last;
}

// Kana, ideographs, CJK punctuation and full-width forms.
bool IsJapanese(char16_t c) {
  return In(c, 0x3000, 0x30FF) || In(c, 0x31F0, 0x31FF) || In(c, 0x3400, 0x4DBF) ||
         In(c, 0x4E00, 0x9FFF) || In(c, 0xF900, 0xFAFF) || In(c, 0xFF00, 0xFFEF);
}

// Kinsoku: characters no line may start with (closing brackets, punctuation, small kana, the
// long-vowel and iteration marks).
bool MayNotStartALine(char16_t c) {
  static const std::u16string_view kNotFirst =
      u"、。，．・：；？！）」』】〕〉》］｝〙〗ゝゞヽヾ々ー"
      u"ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶㇰㇱㇲㇳㇴㇵㇶㇷㇸㇹㇺㇻㇼㇽㇾㇿ"
      u"…‥’”),.:;!?%";
  return kNotFirst.find(c) != std::u16string_view::npos;
}

// Kinsoku: characters no line may end with (opening brackets).
bool MayNotEndALine(char16_t c) {
  static const std::u16string_view kNotLast = u"（「『【〔〈《［｛〘〖‘“([{";
  return kNotLast.find(c) != std::u16string_view::npos;
}

bool IsHiragana(char16_t c) {
  return In(c, 0x3041, 0x309F);
}

// After these a new phrase may start on the next line.
bool EndsAClause(char16_t c) {
  return std::u16string_view(u"、。，．：；？！").find(c) != std::u16string_view::npos;
}

bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == 0x3000;
}

// Whether a line must not break between `before` and `after`, characters of Japanese text
// outside 「…」.
bool HeldTogether(char16_t before, char16_t after) {
  if (IsSpace(before) || IsSpace(after)) return false;
  if (!IsJapanese(before) && !IsJapanese(after)) return false;  // the layout's own rules
  if (MayNotStartALine(after) || MayNotEndALine(before)) return true;
  if (MayNotEndALine(after)) return false;  // a quote or bracket may start the next line
  if (EndsAClause(before)) return false;
  // A particle or okurigana belongs to the word before it, wherever that ends.
  if (IsHiragana(after)) return true;
  // A phrase ends with its particles: the next word may start the next line.
  if (IsHiragana(before)) return false;
  // Kanji, katakana, Latin letters and figures side by side make one term (自動保存, Mac用).
  return true;
}

}  // namespace

QStringList WithJapaneseLineBreaks(const QStringList& pieces) {
  const QString text = pieces.join(QString());
  bool japanese = false;
  for (QChar c : text) japanese = japanese || IsJapanese(c.unicode());
  if (!japanese) return pieces;

  QStringList result;
  qsizetype at = 0;  // index into `text`
  int quoteDepth = 0;
  for (const QString& piece : pieces) {
    QString laid;
    laid.reserve(piece.size() * 2);
    for (QChar c : piece) {
      const char16_t current = c.unicode();
      if (current == u'」' && quoteDepth > 0) --quoteDepth;
      if (at > 0) {
        const char16_t before = text[at - 1].unicode();
        // A quoted name is one unit: 「プライバシーとセキュリティ」, 「xcode-select --install」.
        const bool quoted = quoteDepth > 0;
        // Inside quotes a space is set as a no-break space, which holds on its own.
        const bool joined =
            quoted ? !IsSpace(before) && !IsSpace(current) : HeldTogether(before, current);
        if (joined) laid += kWordJoiner;
      }
      laid += quoteDepth > 0 && current == u' ' ? QChar(0x00A0) : c;
      if (current == u'「') ++quoteDepth;
      ++at;
    }
    result << laid;
  }
  return result;
}

}  // namespace vlmr
