#include "search/ResultSet.h"

#include "app/Formatting.h"

namespace ostrel {

ResultSet::ResultSet(int64_t mediaSize, double mediaAudioSeconds, int calcType)
    : CandidateItemList(kResultSetSortKeys), calcType_(calcType) {
  if (calcType == 0) {
    mediaSize_ = mediaSize;
  } else if (calcType == 10) {
    mediaAudioLength_ = mediaAudioSeconds;
  } else {
    calcType_ = 100;
  }
}

ResultSet::~ResultSet() {
  for (ResultSetItem* item : items_) delete item;
}

int64_t ResultSet::GetTotalSize() const {
  int64_t total = 0;
  for (ResultSetItem* item : items_) total += static_cast<int64_t>(item->GetSize());
  return total;
}

double ResultSet::GetTotalAudioLength() const {
  double total = 0.0;
  for (ResultSetItem* item : items_) total += item->GetAudioLength();
  return total;
}

double ResultSet::GetPercentFilled() const {
  if (calcType_ == 0) {
    if (mediaSize_ == 0) return 0.0;
    return static_cast<double>(GetTotalSize()) * 100.0 / static_cast<double>(mediaSize_);
  }
  if (calcType_ == 10) {
    if (mediaAudioLength_ == 0.0) return 0.0;
    return GetTotalAudioLength() / mediaAudioLength_ * 100.0;
  }
  return 0.0;
}

bool ResultSet::AddGroup(const CandidateGroup& group) {
  for (int i = 0; i < group.GetMemberCount(); ++i) {
    InsertSorted(new ResultSetItem(*group.GetMember(i)));
  }
  return true;
}

std::string FormatResultSetSummary(const ResultSet& resultSet) {
  std::string items = std::to_string(resultSet.Count()) + " items; ";
  std::string elapsed = FormatTrimmedDecimal(resultSet.GetTimeElapsed(), 3, true) + "s elapsed";
  if (resultSet.GetCalcType() == 10) {
    return items + FormatDuration(resultSet.GetTotalAudioLength()) + " of " +
           FormatDuration(resultSet.GetMediaAudioLength()) + "; Iteration #" +
           FormatGroupedInteger(resultSet.GetIterationNum()) + "; " + elapsed;
  }
  return items + FormatGroupedInteger(resultSet.GetTotalSize()) + " of " +
         FormatGroupedInteger(resultSet.GetMediaSize()) + "; Combo #" +
         FormatGroupedInteger(resultSet.GetIterationNum()) + "; " + elapsed;
}

}  // namespace ostrel
