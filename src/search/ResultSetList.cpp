#include "search/ResultSetList.h"

namespace ostrel {

void ResultSetList::RemoveAt(int index) {
  if (index < 0 || index >= Count()) return;
  sets_.erase(sets_.begin() + index);
}

void ResultSetList::RemoveAll() {
  while (!sets_.empty()) sets_.pop_back();
}

}  // namespace ostrel
