#pragma once

#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace ostrel {

// A map from path to measured value, built to stay small with hundreds of
// thousands of entries: the key bytes are packed into large blocks (no
// allocation per key), the entries sit in a deque (no copy when it grows)
// and the open-addressing index holds only 32-bit entry numbers.
template <typename V>
class PathValueMap {
 public:
  using Value = V;

  bool Find(std::string_view key, V& value) const {
    if (index_.empty()) return false;
    uint64_t hash = Hash(key);
    for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
      uint32_t slot = index_[i];
      if (slot == 0) return false;
      const Entry& e = entries_[slot - 1];
      if (e.hash == static_cast<uint32_t>(hash >> 32) && Matches(e, key)) {
        value = e.value;
        return true;
      }
    }
  }

  void Store(std::string_view key, V value) {
    if ((entries_.size() + 1) * 2 > index_.size()) Grow();
    uint64_t hash = Hash(key);
    size_t i = hash & mask_;
    for (; index_[i] != 0; i = (i + 1) & mask_) {
      Entry& e = entries_[index_[i] - 1];
      if (e.hash == static_cast<uint32_t>(hash >> 32) && Matches(e, key)) {
        e.value = value;
        return;
      }
    }
    entries_.push_back(Entry{CopyKey(key), static_cast<uint32_t>(key.size()),
                             static_cast<uint32_t>(hash >> 32), value});
    index_[i] = static_cast<uint32_t>(entries_.size());
  }

  void Clear() {
    entries_.clear();
    entries_.shrink_to_fit();
    index_.clear();
    index_.shrink_to_fit();
    blocks_.clear();
    blockUsed_ = kBlockSize;
    mask_ = 0;
  }

  size_t Count() const { return entries_.size(); }

 private:
  static constexpr size_t kBlockSize = 64 * 1024;

  struct Entry {
    const char* key;
    uint32_t length;
    uint32_t hash;
    V value;
  };

  static uint64_t Hash(std::string_view key) { return std::hash<std::string_view>{}(key); }

  static bool Matches(const Entry& e, std::string_view key) {
    return e.length == key.size() && std::memcmp(e.key, key.data(), key.size()) == 0;
  }

  const char* CopyKey(std::string_view key) {
    if (key.size() > kBlockSize / 4) {
      blocks_.emplace_back(new char[key.size()]);
      std::memcpy(blocks_.back().get(), key.data(), key.size());
      return blocks_.back().get();
    }
    if (blockUsed_ + key.size() > kBlockSize) {
      blocks_.emplace_back(new char[kBlockSize]);
      current_ = blocks_.back().get();
      blockUsed_ = 0;
    }
    char* at = current_ + blockUsed_;
    std::memcpy(at, key.data(), key.size());
    blockUsed_ += key.size();
    return at;
  }

  void Grow() {
    size_t size = index_.empty() ? 1024 : index_.size() * 2;
    index_.assign(size, 0);
    mask_ = size - 1;
    for (size_t n = 0; n < entries_.size(); ++n) {
      const Entry& e = entries_[n];
      uint64_t hash = Hash(std::string_view(e.key, e.length));
      size_t i = hash & mask_;
      while (index_[i] != 0) i = (i + 1) & mask_;
      index_[i] = static_cast<uint32_t>(n + 1);
    }
  }

  std::deque<Entry> entries_;
  std::vector<uint32_t> index_;
  size_t mask_ = 0;
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* current_ = nullptr;
  size_t blockUsed_ = kBlockSize;
};

}  // namespace ostrel
