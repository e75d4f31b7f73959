#include "candidates/ItemPath.h"

namespace ostrel {

namespace {

// Index of the separator that ends the parent part: the last one, or the
// one before a trailing separator.
size_t ParentSeparator(const std::string& path) {
  size_t end = path.size();
  if (end > 1 && path[end - 1] == '/') --end;
  return end == 0 ? std::string::npos : path.rfind('/', end - 1);
}

}  // namespace

ItemPath::ItemPath(std::string_view text) {
  if (text.empty()) return;
  size_t head = text.size() < 2 ? text.size() : 2;
  path_.reserve(text.size());
  path_.append(text.substr(0, head));
  std::string_view rest = text.substr(head);
  size_t restStart = path_.size();
  for (size_t i = 0; i < rest.size(); ++i) {
    path_.push_back(rest[i]);
    if (rest[i] == '/' && i + 1 < rest.size() && rest[i + 1] == '/') ++i;
  }
  if (path_.size() > restStart && path_.back() == '/') path_.pop_back();
}

ItemPath ItemPath::Child(const ItemPath& parent, std::string_view name) {
  ItemPath child;
  const std::string& base = parent.path_;
  bool needsSeparator = base.empty() || base.back() != '/';
  child.path_.reserve(base.size() + name.size() + 1);
  child.path_.append(base);
  if (needsSeparator) child.path_.push_back('/');
  child.path_.append(name);
  return child;
}

std::string_view ItemPath::CutAtLastSeparator(std::string_view path) {
  size_t slash = path.rfind('/');
  if (slash == std::string_view::npos || path.size() == 1) return {};
  return path.substr(0, slash == 0 ? 1 : slash);
}

bool ItemPath::IsRoot() const {
  return !path_.empty() && path_.find_first_not_of('/') == std::string::npos;
}

std::string_view ItemPath::GetNameView() const {
  if (path_.empty() || IsRoot()) return {};
  size_t end = path_.back() == '/' ? path_.size() - 1 : path_.size();
  size_t slash = path_.rfind('/', end - 1);
  size_t start = slash == std::string::npos ? 0 : slash + 1;
  return std::string_view(path_).substr(start, end - start);
}

std::string ItemPath::GetPath() const {
  if (path_.empty() || IsRoot()) return {};
  size_t slash = ParentSeparator(path_);
  return slash == std::string::npos ? std::string() : path_.substr(0, slash + 1);
}

}  // namespace ostrel
