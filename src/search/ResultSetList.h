#pragma once

#include <memory>
#include <vector>

#include "search/ResultSet.h"

namespace ostrel {

// Every current result set, in order; position 0 is "Result Set #1" to the
// user. The list owns them.
class ResultSetList {
 public:
  int Count() const { return static_cast<int>(sets_.size()); }
  ResultSet* GetAt(int index) const { return sets_[static_cast<size_t>(index)].get(); }
  void Add(std::unique_ptr<ResultSet> resultSet) { sets_.push_back(std::move(resultSet)); }
  // Destroys the set at index; later ones move up. An index outside the
  // list does nothing.
  void RemoveAt(int index);
  // Destroys every set, last first. The candidates' used flags are the
  // caller's to reset.
  void RemoveAll();

 private:
  std::vector<std::unique_ptr<ResultSet>> sets_;
};

}  // namespace ostrel
