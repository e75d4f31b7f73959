#pragma once

#include "candidates/Candidate.h"
#include "candidates/CandidateItem.h"

namespace ostrel {

// A result set's own copy of a candidate: a new item for the candidate's
// full path (measured through the caches, which hold the candidate's
// values), its original path and its group number.
class ResultSetItem : public CandidateItem {
 public:
  explicit ResultSetItem(const Candidate& candidate);
  ~ResultSetItem() override = default;
};

}  // namespace ostrel
