#include "base/paths.h"

#include <string_view>

namespace vlmr {

std::string JoinPath(const std::string& base, const std::string& component) {
  if (base.empty()) return component;
  std::string_view tail = component;
  while (!tail.empty() && tail.front() == '/') tail.remove_prefix(1);
  std::string joined = base;
  while (joined.size() > 1 && joined.back() == '/') joined.pop_back();
  if (tail.empty()) return joined;
  if (joined.back() != '/') joined += '/';
  joined += tail;
  return joined;
}

std::string LastPathComponent(const std::string& path) {
  std::string_view view = path;
  while (view.size() > 1 && view.back() == '/') view.remove_suffix(1);
  if (view == "/") return "/";
  size_t slash = view.rfind('/');
  return std::string(slash == std::string_view::npos ? view : view.substr(slash + 1));
}

std::string DeletingLastPathComponent(const std::string& path) {
  std::string_view view = path;
  while (view.size() > 1 && view.back() == '/') view.remove_suffix(1);
  size_t slash = view.rfind('/');
  if (slash == std::string_view::npos) return {};
  if (slash == 0) return "/";
  return std::string(view.substr(0, slash));
}

}  // namespace vlmr
