#include "base/text.h"

#include <cstdint>
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

}  // namespace vlmr
