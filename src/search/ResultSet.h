#pragma once

#include <cstdint>
#include <string>

#include "candidates/CandidateItemList.h"
#include "search/CalcType.h"
#include "search/CandidateGroup.h"
#include "search/ResultSetItem.h"

namespace ostrel {

// One combination found by a search: the items to put on one medium, with
// the capacity it was computed for and how long the search took. It owns
// its items; a new result set keeps them in the order they were added.
class ResultSet : public CandidateItemList<ResultSetItem> {
 public:
  // Type 0 keeps the byte capacity, type 10 the audio capacity; any other
  // type is recorded as 100 with neither.
  ResultSet(int64_t mediaSize, double mediaAudioSeconds, int calcType);
  ~ResultSet();
  ResultSet(const ResultSet&) = delete;
  ResultSet& operator=(const ResultSet&) = delete;

  int GetCalcType() const { return calcType_; }
  int64_t GetMediaSize() const { return calcType_ == 0 ? mediaSize_ : 0; }
  double GetMediaAudioLength() const { return calcType_ == 10 ? mediaAudioLength_ : 0.0; }
  int64_t GetTotalSize() const;
  double GetTotalAudioLength() const;
  double GetPercentFilled() const;
  void SetIterationNum(int64_t steps) { iterationNum_ = steps; }
  int64_t GetIterationNum() const { return iterationNum_; }
  void SetTimeElapsed(double seconds) { timeElapsed_ = seconds; }
  double GetTimeElapsed() const { return timeElapsed_; }

  // One item per member, in member order; true when every one went in.
  bool AddGroup(const CandidateGroup& group);

 private:
  int calcType_;
  int64_t mediaSize_ = 0;
  double mediaAudioLength_ = 0.0;
  int64_t iterationNum_ = 0;
  double timeElapsed_ = 0.0;
};

// The line that sums up a result set: "12 items; 734,003,100 of 734,003,200;
// Combo #1,234; 0.25s elapsed" (Audio: durations and "Iteration #").
std::string FormatResultSetSummary(const ResultSet& resultSet);

}  // namespace ostrel
