#include <gtest/gtest.h>

#include <string>

#include "base/text.h"

namespace vlmr {
namespace {

constexpr char kFsi[] = "\u2068";
constexpr char kPdi[] = "\u2069";
constexpr char kRlo[] = "\u202E";

std::string Isolated(const std::string& inner) {
  return kFsi + inner + kPdi;
}

// A value with a line end in it must not start a second log line, nor hide
// what the line says.
TEST(Text, LoggedValuesCannotForgeLinesOrHideText) {
  struct Case {
    std::string value, logged;
  } cases[] = {
      {"/Users/p/setup_simcity_3000_unlimited_2.0.949(a).exe",
       "/Users/p/setup_simcity_3000_unlimited_2.0.949(a).exe"},
      {"GOG 2.0.949(a) installer · 650 MB · ready to build",
       "GOG 2.0.949(a) installer · 650 MB · ready to build"},
      {"a.exe\n2024-01-01 00:00:00 [installer] build start",
       "a.exe\\n2024-01-01 00:00:00 [installer] build start"},
      {"a\r\nb\tc", "a\\r\\nb\\tc"},
      {std::string("nul\0here", 8), "nul\\x00here"},
      {"\x1b[31mred\x7f", "\\x1B[31mred\\x7F"},
      {"next\xc2\x85line", "next\\u{85}line"},  // C1 NEXT LINE
      {"a\u2028b\u2029c", "a\\u{2028}b\\u{2029}c"},
      {std::string("x") + kRlo + "exe.zip", "x\\u{202E}exe.zip"},
      {"\u2066\u2067\u2068\u2069\u200E\u200F\u061C",
       "\\u{2066}\\u{2067}\\u{2068}\\u{2069}\\u{200E}\\u{200F}\\u{61C}"},
      {"caf\xe9 \xff", "caf\\xE9 \\xFF"},        // not UTF-8: each byte on its own
      {"C:\\games\\n.exe", "C:\\games\\n.exe"},  // a backslash stays
      {"Caf\u00e9 \u65e5\u672c \u05e9\u05dc\u05d5\u05dd",
       "Caf\u00e9 \u65e5\u672c \u05e9\u05dc\u05d5\u05dd"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(EscapedForLog(c.value), c.logged) << c.logged;

  // Whatever the bytes, the result is one line of valid UTF-8 without controls.
  for (int byte = 0; byte < 256; ++byte) {
    const std::string logged = EscapedForLog(std::string(1, static_cast<char>(byte)) + "\xc2");
    EXPECT_TRUE(IsValidUtf8(logged)) << byte;
    for (char c : logged) EXPECT_GE(static_cast<unsigned char>(c), 0x20) << byte;
  }
}

// A name shown in a sentence is isolated from it, and nothing inside the name
// can end the isolate early or break the sentence into paragraphs.
TEST(Text, ShownNamesAreIsolatedFromTheSentenceAroundThem) {
  struct Case {
    std::string name, shown;
  } cases[] = {
      {"setup.exe", Isolated("setup.exe")},
      {"", Isolated("")},
      // An override or embedding would turn the name itself around: shown escaped.
      {std::string("a") + kRlo + "exe.zip", Isolated("a\\u{202E}exe.zip")},
      {"a\u202Bb\u202Cc", Isolated("a\\u{202B}b\\u{202C}c")},
      // A closing isolate of its own would close ours: left out.
      {std::string("a") + kPdi + "b", Isolated("ab")},
      // One the name opens is closed before ours.
      {"a\u2067b", Isolated("a\u2067b" + std::string(kPdi))},
      {"\u2066x\u2069y", Isolated("\u2066x\u2069y")},
      // A line end would start a paragraph the isolate does not reach.
      {"set\nup.exe", Isolated("set\\nup.exe")},
      {std::string("a\u2029") + kRlo + "b", Isolated("a\\u{2029}\\u{202E}b")},
      {"caf\xe9.exe", Isolated("caf\\xE9.exe")},
      {"\u05e9\u05dc\u05d5\u05dd.exe", Isolated("\u05e9\u05dc\u05d5\u05dd.exe")},
  };
  for (const Case& c : cases) EXPECT_EQ(IsolatedName(c.name), c.shown) << c.shown;
}

TEST(Text, FormatFillsEachMarkerOnceLeftToRight) {
  struct Case {
    const char* format;
    std::initializer_list<std::string_view> values;
    const char* text;
  } cases[] = {
      {"%@ · %@", {"a", "b"}, "a · b"},
      {"%@%@", {"%@", "x"}, "%@x"},  // a marker inside a value stays
      {"%@ and %@", {"only"}, "only and "},
      {"no marker", {"unused"}, "no marker"},
      {"50%", {}, "50%"},
      {"%", {"a"}, "%"},
  };
  for (const Case& c : cases) EXPECT_EQ(Format(c.format, c.values), c.text) << c.format;
}

TEST(Trimmed, RemovesTheWholeUnicodeWhitespaceClassAtBothEndsOnly) {
  struct Case {
    std::string input, expected;
  } cases[] = {
      {"  \n", ""},
      {"  two words  ", "two words"},
      {"\t\v\f\r\nx\r\n", "x"},
      {"\u00a0\u2028x y\u2029\u0085\u3000", "x y"},
      {"\u2000\u200a\u202f\u205f\u1680id", "id"},
      {"a\u00a0b", "a\u00a0b"},                              // inside stays
      {"\u200bzero-width\u200b", "\u200bzero-width\u200b"},  // not whitespace
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Trimmed(c.input), c.expected) << c.input;
}

TEST(Utf8, ValidationAndBoundaries) {
  EXPECT_TRUE(IsValidUtf8("plain \u00e9 \u20ac \U0001F600"));
  for (const char* bad : {"\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe2\x82", "\xff"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  }
  std::string euro = "ab\u20ac";  // 2 + 3 bytes
  EXPECT_EQ(Utf8BoundaryAtOrBefore(euro, 3), 2u);
  EXPECT_EQ(Utf8BoundaryAtOrBefore(euro, 5), 5u);
  EXPECT_EQ(Latin1ToUtf8("\xe9"), "\u00e9");
}

TEST(HumanSize, RoundsMegabytesUpAndSwitchesToGigabytesAt2To30) {
  const std::pair<uint64_t, std::string> rows[] = {
      {0, "0 MB"},
      {1, "1 MB"},
      {1048576, "1 MB"},
      {1048577, "2 MB"},
      {600000000, "573 MB"},
      {1073741823, "1024 MB"},
      {1073741824, "1.0 GB"},
      {1610612736, "1.5 GB"},
      {UINT64_MAX, "17179869184.0 GB"},
  };
  for (const auto& [bytes, text] : rows) EXPECT_EQ(HumanSize(bytes), text) << bytes;
}

}  // namespace
}  // namespace vlmr
