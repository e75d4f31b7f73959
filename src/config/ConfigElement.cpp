#include "config/ConfigElement.h"

namespace ostrel {

namespace {

void AppendEscaped(std::string& out, const std::string& text) {
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
}

}  // namespace

ConfigElement& ConfigElement::AddChild(std::unique_ptr<ConfigElement> child) {
  children_.push_back(std::move(child));
  return *children_.back();
}

ConfigElement& ConfigElement::AddChild(std::string name, std::string value) {
  return AddChild(std::make_unique<ConfigElement>(std::move(name), std::move(value)));
}

std::string ConfigElement::Serialize(int depth) const {
  std::string out;
  SerializeTo(out, depth);
  return out;
}

// A value of exactly "<" is written as no value: the reader would take its
// token for the start of a child, and the whole file would not load.
void ConfigElement::SerializeTo(std::string& out, int depth) const {
  const std::string indent(static_cast<size_t>(depth), '\t');
  out += indent;
  out += '<';
  out += name_;
  for (const ConfigAttribute& a : attributes_) {
    out += ' ';
    out += a.GetName();
    out += "=\"";
    AppendEscaped(out, a.GetValue());
    out += '"';
  }
  const bool hasValue = !value_.empty() && value_ != "<";
  if (!hasValue && children_.empty()) {
    out += " />\n";
    return;
  }
  out += '>';
  if (!children_.empty()) {
    out += '\n';
    for (const auto& child : children_) child->SerializeTo(out, depth + 1);
  }
  if (hasValue) {
    if (!children_.empty()) out += indent + '\t';
    out += '"';
    AppendEscaped(out, value_);
    out += '"';
    if (!children_.empty()) out += '\n';
  }
  if (!children_.empty()) out += indent;
  out += "</";
  out += name_;
  out += ">\n";
}

}  // namespace ostrel
