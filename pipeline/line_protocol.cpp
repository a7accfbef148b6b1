#include "pipeline/line_protocol.h"

#include <limits>
#include <vector>

namespace vlmr {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (;;) {
    size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
}

bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

int64_t IntegerValue(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  int64_t value = 0;  // accumulated as a negative number: its range is the larger one
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    int digit = text[i] - '0';
    if (value < (kMin + digit) / 10) return negative ? kMin : kMax;
    value = value * 10 - digit;
  }
  if (negative) return value;
  return value == kMin ? kMax : -value;
}

std::optional<StageLine> ParseStage(std::string_view afterPrefix) {
  std::vector<std::string_view> fields = Split(afterPrefix, ' ');
  if (fields.size() < 2) return std::nullopt;
  std::vector<std::string_view> counts = Split(fields[0], '/');
  if (counts.size() != 2) return std::nullopt;
  StageLine stage;
  stage.number = IntegerValue(counts[0]);
  stage.total = IntegerValue(counts[1]);
  // The name is everything after the first space, exactly as written.
  stage.name = std::string(afterPrefix.substr(fields[0].size() + 1));
  return stage;
}

}  // namespace vlmr
