#include "pipeline/text.h"

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

}  // namespace vlmr
