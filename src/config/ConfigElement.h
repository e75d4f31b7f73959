#pragma once

#include <memory>
#include <string>
#include <vector>

#include "config/ConfigAttribute.h"

namespace ostrel {

// An element of the configuration markup: a name, attributes and children
// in file order (duplicates allowed), and a text value (empty when none).
// It owns its attributes and its subtree.
class ConfigElement {
 public:
  ConfigElement() = default;
  explicit ConfigElement(std::string name, std::string value = {})
      : name_(std::move(name)), value_(std::move(value)) {}

  const std::string& GetName() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  const std::string& GetValue() const { return value_; }
  void SetValue(std::string value) { value_ = std::move(value); }
  const std::vector<ConfigAttribute>& GetAttributes() const { return attributes_; }
  void AddAttribute(ConfigAttribute attribute) { attributes_.push_back(std::move(attribute)); }
  const std::vector<std::unique_ptr<ConfigElement>>& GetChildren() const { return children_; }
  ConfigElement& AddChild(std::unique_ptr<ConfigElement> child);
  // Appends a child with that name and value; returns it.
  ConfigElement& AddChild(std::string name, std::string value = {});

  // The markup of the element and its subtree, indented by depth tabs.
  std::string Serialize(int depth) const;
  void SerializeTo(std::string& out, int depth) const;

 private:
  std::string name_;
  std::vector<ConfigAttribute> attributes_;
  std::vector<std::unique_ptr<ConfigElement>> children_;
  std::string value_;
};

}  // namespace ostrel
