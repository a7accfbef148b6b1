#include "base/message.h"

#include <cstdio>
#include <utility>

namespace vlmr {

std::string SizeFigure::english() const {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f %s", decimals, value, unit == Unit::GB ? "GB" : "MB");
  return text;
}

Message::Message(MessageText text, std::vector<MessageArg> args)
    : context_(text.context), source_(text.source), args_(std::move(args)) {}

Message Message::Counted(MessageText text, int64_t count) {
  Message message(text);
  message.count_ = count;
  return message;
}

Message Message::Verbatim(std::string words) {
  Message message;
  message.source_ = std::move(words);
  return message;
}

std::string Message::english() const {
  // Someone else's words may hold a "%1" of their own.
  if (isVerbatim()) return source_;
  std::vector<std::string> values;
  values.reserve(args_.size());
  for (const MessageArg& arg : args_) {
    if (const auto* text = std::get_if<std::string>(&arg)) {
      values.push_back(*text);
    } else if (const auto* name = std::get_if<FileName>(&arg)) {
      values.push_back(name->path);
    } else {
      values.push_back(std::get<SizeFigure>(arg).english());
    }
  }
  return FillPlaces(source_, values, count_);
}

std::string FillPlaces(const std::string& source, const std::vector<std::string>& values,
                       const std::optional<int64_t>& count) {
  std::string text;
  text.reserve(source.size());
  for (size_t i = 0; i < source.size(); ++i) {
    const char next = i + 1 < source.size() ? source[i + 1] : '\0';
    if (source[i] == '%' && next >= '1' && next <= '9') {
      const size_t index = static_cast<size_t>(next - '1');
      if (index < values.size()) text += values[index];
      ++i;
    } else if (source[i] == '%' && next == 'n' && count) {
      text += std::to_string(*count);
      ++i;
    } else {
      text += source[i];
    }
  }
  return text;
}

}  // namespace vlmr
