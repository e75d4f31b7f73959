#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "config/ConfigElement.h"

namespace ostrel {

// The configuration file: UTF-16LE text without byte-order mark in the
// program's own markup (not XML: quoted values, backslash escapes, no
// declarations or comments), read into and written from an element tree.
class ConfigDocument {
 public:
  explicit ConfigDocument(const std::string& path);

  // Replaces the tree by the file's; false when the file cannot be read or
  // does not parse (then the tree is an empty "Config" root again). A file
  // with an odd number of bytes, text before the root, or elements nested
  // deeper than any the program writes does not load.
  bool Load();
  // Writes the tree; the old file is replaced only once the new one is
  // complete on disk (temporary file, then rename), so a failed save leaves
  // it as it was. Through a link, the file the link leads to is written.
  // Where the folder cannot take the temporary file but the file itself is
  // writable, the file is overwritten in place.
  bool Save() const;

  // Load from the file's bytes (UTF-16LE).
  bool LoadFromBytes(std::string_view bytes);
  // Parses markup text (UTF-8) into the tree.
  bool Parse(std::string_view text);
  std::string Serialize() const { return root_->Serialize(0); }

  ConfigElement& GetRoot() { return *root_; }
  const ConfigElement& GetRoot() const { return *root_; }
  const std::vector<std::unique_ptr<ConfigElement>>& GetChildren() const {
    return root_->GetChildren();
  }
  ConfigElement& AddChild(std::unique_ptr<ConfigElement> element) {
    return root_->AddChild(std::move(element));
  }
  ConfigElement& AddChild(std::string name, std::string value = {}) {
    return root_->AddChild(std::move(name), std::move(value));
  }

 private:
  std::string path_;
  std::unique_ptr<ConfigElement> root_;
};

}  // namespace ostrel
