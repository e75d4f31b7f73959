#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "candidates/SortField.h"
#include "candidates/TextCompare.h"

namespace ostrel {

// An ordered list of candidate items (the candidate list, a result set)
// with a current sort key and direction. It holds the items; who owns them
// is the concrete list's business.
//
// Compare(a, b) answers whether a may stand before b, a less-or-equal test,
// so that ties keep their order. The name key is not a strict weak order
// (names differing only in case tie, equal names compare by full path), so
// the order depends on the algorithm: Sort is exactly a top-down stable
// merge sort splitting [lo, hi] at (lo + hi) / 2.
template <typename Item>
class CandidateItemList {
 public:
  explicit CandidateItemList(const SortKeyTable& keys) : keys_(keys) {}

  // A key the list does not accept is ignored (false). With toggle and the
  // current key the direction flips; the current key without toggle keeps
  // it (a re-sort); any other key sorts ascending.
  bool SetSortKey(int key, bool toggle) {
    if (key < 0 || key > 90 || key % 10 != 0 || keys_[key / 10] == SortField::NotAccepted) {
      return false;
    }
    if (key != sortKey_) {
      descending_ = false;
    } else if (toggle) {
      descending_ = !descending_;
    }
    sortKey_ = key;
    Sort();
    return true;
  }

  void Sort() {
    SortField field = Field();
    if (field == SortField::Unsorted || items_.size() < 2) return;
    std::vector<Value> values;
    values.reserve(items_.size());
    for (Item* item : items_) values.push_back(ValueOf(*item, field));
    std::vector<size_t> order(items_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::vector<size_t> scratch(order.size());
    MergeSort(order, scratch, values, field, 0, order.size() - 1);
    std::vector<Item*> sorted;
    sorted.reserve(items_.size());
    for (size_t i : order) sorted.push_back(items_[i]);
    items_.swap(sorted);
  }

  // Inserts after every element that orders before the item or ties with
  // it; returns the position.
  size_t InsertSorted(Item* item) {
    SortField field = Field();
    size_t lo = 0;
    size_t hi = items_.size();
    if (field == SortField::Unsorted) {
      lo = hi;
    } else {
      Value value = ValueOf(*item, field);
      while (lo < hi) {
        size_t mid = lo + (hi - lo) / 2;
        if (Compare(ValueOf(*items_[mid], field), value, field)) {
          lo = mid + 1;
        } else {
          hi = mid;
        }
      }
    }
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(lo), item);
    return lo;
  }

  int GetSortKey() const { return sortKey_; }
  bool IsDescending() const { return descending_; }
  size_t Count() const { return items_.size(); }
  Item* GetAt(size_t index) const { return items_[index]; }
  const std::vector<Item*>& GetItems() const { return items_; }

 protected:
  std::vector<Item*> items_;

 private:
  // An item's key, read once per sort: measuring or building a relative
  // path on every comparison would dominate the sort.
  struct Value {
    std::string text;
    std::string fullPath;
    uint64_t size = 0;
    int64_t number = 0;
    double length = 0.0;
  };

  SortField Field() const { return keys_[sortKey_ / 10]; }

  static Value ValueOf(const Item& item, SortField field) {
    Value v;
    switch (field) {
      case SortField::Name:
        v.text = item.GetName();
        v.fullPath = item.GetFullPath();
        break;
      case SortField::ParentPath:
        v.text = item.GetPath();
        break;
      case SortField::FullPath:
        v.text = item.GetFullPath();
        break;
      case SortField::RelativePath:
        v.text = item.GetRelativePath();
        break;
      case SortField::Size:
        v.size = item.GetSize();
        break;
      case SortField::AudioLength:
        v.length = item.GetAudioLength();
        break;
      case SortField::Group:
        v.number = item.GetGroup();
        break;
      default:
        if constexpr (requires { item.IsUsed(); }) {
          if (field == SortField::Required) v.number = item.IsRequired();
          if (field == SortField::Used) v.number = item.IsUsed();
          if (field == SortField::ResultSetIndex) v.number = item.GetResultSet();
        }
        break;
    }
    return v;
  }

  bool Compare(const Value& a, const Value& b, SortField field) const {
    return descending_ ? Ascending(b, a, field) : Ascending(a, b, field);
  }

  static bool Ascending(const Value& a, const Value& b, SortField field) {
    switch (field) {
      case SortField::Name:
        if (a.text == b.text) return CompareNoCase(a.fullPath, b.fullPath) <= 0;
        return CompareNoCase(a.text, b.text) <= 0;
      case SortField::ParentPath:
      case SortField::FullPath:
      case SortField::RelativePath:
        return CompareNoCase(a.text, b.text) <= 0;
      case SortField::Size:
        return a.size <= b.size;
      case SortField::AudioLength:
        return a.length <= b.length;
      default:
        return a.number <= b.number;
    }
  }

  void MergeSort(std::vector<size_t>& order, std::vector<size_t>& scratch,
                 const std::vector<Value>& values, SortField field, size_t lo, size_t hi) const {
    if (lo >= hi) return;
    size_t mid = (lo + hi) / 2;
    MergeSort(order, scratch, values, field, lo, mid);
    MergeSort(order, scratch, values, field, mid + 1, hi);
    size_t left = lo;
    size_t right = mid + 1;
    size_t out = lo;
    while (left <= mid && right <= hi) {
      bool takeLeft = Compare(values[order[left]], values[order[right]], field);
      scratch[out++] = takeLeft ? order[left++] : order[right++];
    }
    while (left <= mid) scratch[out++] = order[left++];
    while (right <= hi) scratch[out++] = order[right++];
    for (size_t i = lo; i <= hi; ++i) order[i] = scratch[i];
  }

  SortKeyTable keys_;
  int sortKey_ = 0;
  bool descending_ = false;
};

}  // namespace ostrel
