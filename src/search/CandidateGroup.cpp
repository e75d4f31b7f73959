#include "search/CandidateGroup.h"

namespace ostrel {

int64_t CandidateGroup::GetTotalSize() {
  if (totalSize_ == -1) {
    int64_t sum = 0;
    for (Candidate* c : members_) sum += static_cast<int64_t>(c->GetSize());
    totalSize_ = sum;
  }
  return totalSize_;
}

double CandidateGroup::GetTotalAudioLength() {
  if (totalAudioLength_ == -1.0) {
    double sum = 0.0;
    for (Candidate* c : members_) sum += c->GetAudioLength();
    totalAudioLength_ = sum;
  }
  return totalAudioLength_;
}

void CandidateGroup::SetUsed(bool used) {
  for (Candidate* c : members_) c->SetUsed(used);
}

void CandidateGroup::SetResultSet(int index) {
  for (Candidate* c : members_) c->SetResultSet(index);
}

}  // namespace ostrel
