#pragma once

#include <string>
#include <string_view>

namespace ostrel {

// A normalized path. The first two characters are kept as given, doubled
// separators after them are folded in one left-to-right pass, and one
// trailing separator is dropped: "/" stays "/", "/a/" becomes "/a".
class ItemPath {
 public:
  ItemPath() = default;
  explicit ItemPath(std::string_view text);

  // The path of an entry named name inside the folder parent (both already
  // normalized, name without separators).
  static ItemPath Child(const ItemPath& parent, std::string_view name);

  const std::string& GetFullPath() const { return path_; }
  bool IsEmpty() const { return path_.empty(); }
  // The root is "/" (or "//", which POSIX lets mean the same).
  bool IsRoot() const;
  // The last component; empty for a root.
  std::string GetName() const { return std::string(GetNameView()); }
  std::string_view GetNameView() const;
  // The parent folder ending in a separator ("/" for "/a"); empty for a
  // root and for a path without separator.
  std::string GetPath() const;

  // The text before the last separator ("/" when that is the first
  // character), empty when none is left: the steps by which containment
  // walks up from a path.
  static std::string_view CutAtLastSeparator(std::string_view path);

  bool operator==(const ItemPath& other) const { return path_ == other.path_; }

 private:
  std::string path_;
};

}  // namespace ostrel
