#include "config/ConfigTokenizer.h"

namespace ostrel {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsDelimiter(char c) { return c == '<' || c == '/' || c == '?' || c == '>' || c == '='; }

}  // namespace

// The text is UTF-8, so every special character is one byte and no byte of
// a longer sequence can be taken for one.
bool ConfigTokenizer::Scan(std::string& token) {
  while (pos_ < text_.size()) {
    char c = text_[pos_];
    if (IsSpace(c)) {
      ++pos_;
      if (!pending_.empty()) {
        token.swap(pending_);
        pending_.clear();
        return true;
      }
    } else if (IsDelimiter(c) || c == '"' || c == '\'') {
      if (!pending_.empty()) {
        token.swap(pending_);
        pending_.clear();
        return true;
      }
      ++pos_;
      token.clear();
      if (IsDelimiter(c)) {
        token.push_back(c);
        return true;
      }
      while (pos_ < text_.size() && text_[pos_] != c) {
        if (text_[pos_] == '\\') ++pos_;
        if (pos_ < text_.size()) token.push_back(text_[pos_++]);
      }
      if (pos_ < text_.size()) ++pos_;
      return true;
    } else {
      pending_.push_back(c);
      ++pos_;
    }
  }
  return false;
}

bool ConfigTokenizer::Peek(size_t ahead, std::string_view& token) {
  while (count_ <= ahead) {
    if (count_ == kLookAhead || !Scan(ring_[(head_ + count_) % kLookAhead])) return false;
    ++count_;
  }
  token = ring_[(head_ + ahead) % kLookAhead];
  return true;
}

void ConfigTokenizer::Advance() {
  std::string_view unused;
  if (count_ == 0 && !Peek(0, unused)) return;
  head_ = (head_ + 1) % kLookAhead;
  --count_;
}

}  // namespace ostrel
