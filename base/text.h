#pragma once

#include <string>
#include <string_view>

namespace vlmr {

/// YES when `bytes` are well-formed UTF-8 (no overlongs, surrogates or values
/// above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

/// Each byte as one character (ISO Latin-1), re-encoded as UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);

/// The bytes as UTF-8 text when they are valid UTF-8, else as ISO Latin-1, so
/// no byte is ever lost.
std::string DecodeUtf8OrLatin1(std::string_view bytes);

/// The largest prefix length of `bytes`, at most `limit`, that does not cut a
/// UTF-8 sequence in two.
size_t Utf8BoundaryAtOrBefore(std::string_view bytes, size_t limit);

/// The text without the whitespace and line-end characters (the Unicode space
/// separators, tab, LF, VT, FF, CR, U+0085, U+2028, U+2029) at either end.
std::string Trimmed(const std::string& text);

}  // namespace vlmr
