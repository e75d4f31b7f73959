#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "candidates/CandidateItem.h"

namespace ostrel {

class Candidate;
using CandidateVector = std::vector<std::unique_ptr<Candidate>>;

// A member of the candidate list. The setters keep its invariants: a
// required candidate is in no group, a grouped one is not required, an
// unused one belongs to no result set (index -1), the group number is never
// negative and the result-set index never below -1.
class Candidate : public CandidateItem {
 public:
  Candidate() = default;
  // Adds from a path: reports to the add-progress display, scans the item
  // and steps the display. The original path is the path's parent folder.
  explicit Candidate(std::string_view path);
  // A part of an expanded candidate, taking over the item.
  Candidate(std::unique_ptr<FsItem> item, std::string_view originalPath, bool required,
            int groupNumber);
  ~Candidate() override = default;

  bool SetFullName(std::string_view path);
  bool SetOriginalPath(std::string_view path);
  bool SetGroup(int groupNumber);
  bool SetRequired(bool required);
  bool SetUsed(bool used);
  bool SetResultSet(int index);

  bool IsRequired() const { return required_; }
  bool IsUsed() const { return used_; }
  int GetResultSet() const { return resultSetIndex_; }
  bool Exists() const { return item_ && item_->Exists(); }

  // Folders always pass; a file passes when it was last written at or after
  // threshold (seconds since the epoch).
  bool PassesTimestamp(int64_t threshold) const;
  bool HasArchiveFlag() const;
  // Whether the item is path itself or lies below it, component by
  // component ("/a/b" is within "/a", "/a2/b" is not).
  bool IsWithin(std::string_view path) const;

  CandidateVector GetContents() const;
  CandidateVector ExpandToFitSize(uint64_t limit) const;
  CandidateVector ExpandToFitLength(double limitSeconds) const;

 private:
  CandidateVector Wrap(FsItemVector items) const;

  bool required_ = false;
  bool used_ = false;
  int32_t resultSetIndex_ = -1;
};

}  // namespace ostrel
