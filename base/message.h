#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vlmr {

/// A text for people as its rule marks it (`VLMR_TRANSLATABLE`): the context
/// it is translated under and its English source, both string literals. The
/// source's places are "%1" to "%9" for values and "%n" for a count.
struct MessageText {
  const char* context = "";
  const char* source = "";
};

/// A size for people: a figure with its decimals and its unit, "650 MB" or
/// "30.0 GB" in English. The window writes the figure in the language's
/// number format and the unit as the language names it.
struct SizeFigure {
  enum class Unit { MB, GB };
  double value = 0;
  int decimals = 0;
  Unit unit = Unit::MB;

  /// The size in English: "%.*f MB" or "%.*f GB".
  std::string english() const;
  bool operator==(const SizeFigure&) const = default;
};

/// A file's name or path placed in a message. On screen it stands between
/// Unicode isolates (`IsolatedName`), so no right-to-left letter in it
/// reorders the sentence; in English for the log and the command line it is
/// written as it is.
struct FileName {
  std::string path;
  bool operator==(const FileName&) const = default;
};

/// A value placed in a message: text that stands as it is in every language
/// (a system's own words, a version), a file's name, or a size.
using MessageArg = std::variant<std::string, FileName, SizeFigure>;

/// A sentence for people, made where it is decided: its marked text, the
/// values for its places and its count. The installer log and the command
/// line take it in English (`english()`); the window translates the text and
/// then fills the places (window/localization.h), so what reaches a page is
/// in the player's language by construction. A message without a marked
/// text carries someone else's words (`Verbatim`), shown as they stand.
class Message {
 public:
  /// No message: empty in every language.
  Message() = default;
  /// `text` with `args` for its places "%1", "%2", … in order.
  Message(MessageText text, std::vector<MessageArg> args = {});
  /// `text` with its "%n" standing for `count`, in the plural form it takes.
  static Message Counted(MessageText text, int64_t count);
  /// Words that are not ours to translate, such as the build script's own
  /// sentence: the same in every language.
  static Message Verbatim(std::string words);

  /// The context it is translated under; empty for verbatim words and for no message.
  const std::string& context() const { return context_; }
  /// The English source with its places, or the verbatim words.
  const std::string& source() const { return source_; }
  const std::vector<MessageArg>& args() const { return args_; }
  const std::optional<int64_t>& count() const { return count_; }
  /// The message is someone else's words, not a text of ours.
  bool isVerbatim() const { return context_.empty() && !source_.empty(); }
  /// No message, or one that reads as nothing.
  bool empty() const { return source_.empty(); }

  /// The message in English, its places filled.
  std::string english() const;

  bool operator==(const Message&) const = default;

 private:
  std::string context_;
  std::string source_;
  std::vector<MessageArg> args_;
  std::optional<int64_t> count_;
};

/// `source` with "%1" to "%9" replaced by `values` (the first by "%1") and
/// "%n" by `count` when given, in one pass: a place inside a value is never
/// filled again, a place without a value is dropped, and every other "%"
/// stays.
std::string FillPlaces(const std::string& source, const std::vector<std::string>& values,
                       const std::optional<int64_t>& count = std::nullopt);

}  // namespace vlmr
