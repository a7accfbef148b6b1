#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/message.h"

namespace vlmr {

/// true when `bytes` are well-formed UTF-8 (no overlongs, surrogates or values
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

/// true for the invisible bidirectional formatting characters: the marks (U+061C,
/// U+200E, U+200F), the embeddings and overrides (U+202A to U+202E) and the
/// isolates (U+2066 to U+2069).
bool IsBidiControl(char32_t c);

/// `format` with each "%@" replaced by the next of `values`, left to right; a
/// "%@" inside a value is never filled again, and one past the last value is
/// dropped.
std::string Format(std::string_view format, std::initializer_list<std::string_view> values);

/// `text` as one line of the installer log: every character that could end
/// the line or hide what the line says is written as a visible escape (see
/// text.cpp). Other text, including the backslash itself, is unchanged.
std::string EscapedForLog(std::string_view text);

/// `name` (a file name or path) ready to stand inside a sentence on screen:
/// between U+2068 FIRST STRONG ISOLATE and U+2069 POP DIRECTIONAL ISOLATE, so
/// that no right-to-left letter or override in it reorders the words around
/// it. Line ends and other control characters in it are escaped as in the
/// log, and its own isolates are balanced, so nothing in it can end the
/// isolate early.
std::string IsolatedName(std::string_view name);

/// A byte count for people: whole MB (units of 2^20, rounded up) below 2^30
/// bytes, else GB (units of 2^30) with one decimal.
SizeFigure HumanSizeFigure(uint64_t bytes);

/// `HumanSizeFigure` in English: "%llu MB" or "%.1f GB".
std::string HumanSize(uint64_t bytes);

}  // namespace vlmr
