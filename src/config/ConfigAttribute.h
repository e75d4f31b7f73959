#pragma once

#include <string>

namespace ostrel {

// One name="value" pair of a configuration element, value unescaped.
class ConfigAttribute {
 public:
  ConfigAttribute(std::string name, std::string value)
      : name_(std::move(name)), value_(std::move(value)) {}
  const std::string& GetName() const { return name_; }
  const std::string& GetValue() const { return value_; }

 private:
  std::string name_;
  std::string value_;
};

}  // namespace ostrel
