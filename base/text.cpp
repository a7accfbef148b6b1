#include "base/text.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace vlmr {

namespace {

// Length of the UTF-8 sequence starting at `bytes[i]`, or 0 when it is not a
// well-formed sequence.
size_t SequenceLength(std::string_view bytes, size_t i) {
  auto at = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
  unsigned char lead = at(i);
  if (lead < 0x80) return 1;
  size_t length;
  unsigned char low = 0x80, high = 0xBF;  // range of the first continuation byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlongs
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  if (at(i + 1) < low || at(i + 1) > high) return 0;
  for (size_t k = 2; k < length; ++k) {
    if ((at(i + k) & 0xC0) != 0x80) return 0;
  }
  return length;
}

// Decodes the well-formed character starting at `i` into `c`; returns its
// length, 0 when the bytes there are not one.
size_t DecodeAt(std::string_view bytes, size_t i, char32_t& c) {
  size_t length = SequenceLength(bytes, i);
  if (length == 0) return 0;
  auto lead = static_cast<unsigned char>(bytes[i]);
  c = length == 1 ? lead : lead & (0xFF >> (length + 1));
  for (size_t k = 1; k < length; ++k)
    c = (c << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
  return length;
}

constexpr char32_t kPopDirectionalIsolate = 0x2069;

// LRI, RLI and FSI each open an isolate that the next unmatched PDI closes.
bool OpensIsolate(char32_t c) {
  return c >= 0x2066 && c <= 0x2068;
}

void AppendHex(std::string& out, uint32_t value, int minDigits) {
  char digits[9];
  int count = 0;
  do {
    digits[count++] = "0123456789ABCDEF"[value & 0xF];
    value >>= 4;
  } while (value != 0 || count < minDigits);
  while (count > 0) out += digits[--count];
}

// The escapes, one notation for the log and for names on screen:
//   line feed, carriage return, tab          \n \r \t
//   other C0 controls and DEL (one byte)      \xNN, e.g. \x1B
//   a byte that is not part of valid UTF-8    \xNN, e.g. \xFF (always 80 or above)
//   C1 controls, U+2028, U+2029 and, where
//   asked, the bidirectional controls         \u{N}, e.g. \u{85}, \u{2028}, \u{202E}
// The backslash itself stays as it is: it cannot end a line, and file names
// with backslashes read as they are. So "\n" in a log line is either an
// escaped line feed or those two characters; no escape can forge a new line.
// Returns false, appending nothing, for a character that needs no escape.
bool AppendEscape(std::string& out, char32_t c, bool bidiControls) {
  switch (c) {
    case '\n':
      out += "\\n";
      return true;
    case '\r':
      out += "\\r";
      return true;
    case '\t':
      out += "\\t";
      return true;
    default:
      break;
  }
  if (c < 0x20 || c == 0x7F) {
    out += "\\x";
    AppendHex(out, c, 2);
    return true;
  }
  if ((c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
      (bidiControls && IsBidiControl(c))) {
    out += "\\u{";
    AppendHex(out, c, 1);
    out += '}';
    return true;
  }
  return false;
}

// Calls `each(c, bytes)` for every character of `text`; a byte that does not
// start a well-formed UTF-8 sequence comes alone, with `c` set to 0xFFFFFFFF.
template <class Each>
void ForEachCharacter(std::string_view text, Each each) {
  size_t i = 0;
  while (i < text.size()) {
    char32_t c = 0;
    size_t length = DecodeAt(text, i, c);
    if (length == 0) {
      each(char32_t(0xFFFFFFFF), text.substr(i, 1));
      ++i;
    } else {
      each(c, text.substr(i, length));
      i += length;
    }
  }
}

void AppendByteEscape(std::string& out, std::string_view byte) {
  out += "\\x";
  AppendHex(out, static_cast<unsigned char>(byte[0]), 2);
}

bool IsTrimmable(char32_t c) {
  switch (c) {
    case 0x09:
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x0D:
    case 0x20:
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
      return true;
    default:
      return c >= 0x2000 && c <= 0x200A;
  }
}

}  // namespace

bool IsBidiControl(char32_t c) {
  return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
}

bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    // Plain ASCII runs dominate build output; step over them a word at a time.
    while (i + 8 <= bytes.size()) {
      uint64_t word;
      std::memcpy(&word, bytes.data() + i, 8);
      if ((word & 0x8080808080808080ull) != 0) break;
      i += 8;
    }
    if (i >= bytes.size()) break;
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    size_t length = SequenceLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 4);
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

std::string DecodeUtf8OrLatin1(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Latin1ToUtf8(bytes);
}

size_t Utf8BoundaryAtOrBefore(std::string_view bytes, size_t limit) {
  if (limit >= bytes.size()) return bytes.size();
  size_t cut = limit;
  // Step back over continuation bytes (at most three) to the start of a character.
  for (int steps = 0; steps < 3 && cut > 0; ++steps) {
    if ((static_cast<unsigned char>(bytes[cut]) & 0xC0) != 0x80) break;
    --cut;
  }
  if ((static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) return limit;  // not UTF-8 anyway
  return cut == 0 ? limit : cut;
}

std::string Trimmed(const std::string& text) {
  size_t begin = 0;
  char32_t c = 0;
  while (begin < text.size()) {
    size_t length = DecodeAt(text, begin, c);
    if (length == 0 || !IsTrimmable(c)) break;
    begin += length;
  }
  size_t end = text.size();
  while (end > begin) {
    // Walk back to the start of the last character.
    size_t start = end - 1;
    while (start > begin && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    size_t length = DecodeAt(text, start, c);
    if (length != end - start || !IsTrimmable(c)) break;
    end = start;
  }
  return text.substr(begin, end - begin);
}

std::string Format(std::string_view format, std::initializer_list<std::string_view> values) {
  std::string text;
  text.reserve(format.size());
  auto next = values.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '@') {
      if (next != values.end()) text += *next++;
      ++i;
    } else {
      text += format[i];
    }
  }
  return text;
}

std::string EscapedForLog(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  // The bidirectional controls too: a log has no isolates around its values,
  // and a viewer would otherwise show an override's reordering.
  ForEachCharacter(text, [&out](char32_t c, std::string_view bytes) {
    if (c == char32_t(0xFFFFFFFF)) {
      AppendByteEscape(out, bytes);
    } else if (!AppendEscape(out, c, true)) {
      out += bytes;
    }
  });
  return out;
}

std::string IsolatedName(std::string_view name) {
  constexpr std::string_view kFirstStrongIsolate = "\u2068";
  constexpr std::string_view kPop = "\u2069";
  std::string out(kFirstStrongIsolate);
  out.reserve(name.size() + 2 * kPop.size());
  // Isolates the name opens and has not closed yet. A closing one beyond them
  // would end ours early and is left out; the ones left open are closed
  // before ours, so our last PDI closes our FSI.
  size_t open = 0;
  ForEachCharacter(name, [&](char32_t c, std::string_view bytes) {
    if (c == char32_t(0xFFFFFFFF)) {
      AppendByteEscape(out, bytes);
    } else if (c >= 0x202A && c <= 0x202E) {
      // An embedding or override would still turn the name itself around
      // ("a<RLO>exe.zip" reading "apiz.exe"): shown as what it is.
      AppendEscape(out, c, true);
    } else if (c == kPopDirectionalIsolate) {
      if (open == 0) return;
      --open;
      out += bytes;
    } else if (OpensIsolate(c)) {
      ++open;
      out += bytes;
    } else if (!AppendEscape(out, c, false)) {
      // A line end would start a new paragraph, where no isolate reaches.
      out += bytes;
    }
  });
  for (; open > 0; --open) out += kPop;
  out += kPop;
  return out;
}

SizeFigure HumanSizeFigure(uint64_t bytes) {
  if ((bytes >> 30) != 0) {
    return {static_cast<double>(bytes) / (1ULL << 30), 1, SizeFigure::Unit::GB};
  }
  return {static_cast<double>((bytes + 1048575) >> 20), 0, SizeFigure::Unit::MB};
}

std::string HumanSize(uint64_t bytes) {
  return HumanSizeFigure(bytes).english();
}

}  // namespace vlmr
