#pragma once

#include <cstdint>
#include <vector>

#include "candidates/Candidate.h"

namespace ostrel {

// Candidates that a search includes or leaves out together: the members of
// one group number, all required candidates, or a single candidate. The
// totals are measured on first request and kept.
class CandidateGroup {
 public:
  CandidateGroup(bool isRequiredGroup, int groupNumber)
      : isRequiredGroup_(isRequiredGroup), groupNumber_(groupNumber) {}

  void AddMember(Candidate* candidate) { members_.push_back(candidate); }
  int GetMemberCount() const { return static_cast<int>(members_.size()); }
  Candidate* GetMember(int index) const { return members_[static_cast<size_t>(index)]; }
  bool IsRequiredGroup() const { return isRequiredGroup_; }
  int GetGroup() const { return groupNumber_; }

  int64_t GetTotalSize();
  double GetTotalAudioLength();
  void SetUsed(bool used);
  void SetResultSet(int index);

 private:
  std::vector<Candidate*> members_;
  bool isRequiredGroup_;
  int groupNumber_;
  int64_t totalSize_ = -1;
  double totalAudioLength_ = -1.0;
};

}  // namespace ostrel
