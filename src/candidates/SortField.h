#pragma once

#include <array>

namespace ostrel {

// What a sort key orders a candidate item list by. Lists accept the keys
// 0, 10, ..., 90; each list kind gives a key its own meaning.
enum class SortField {
  Unsorted,
  Name,
  ParentPath,
  FullPath,
  RelativePath,
  Size,
  AudioLength,
  Group,
  Required,
  Used,
  ResultSetIndex,
  NotAccepted,
};

// The field of each key (index = key / 10).
using SortKeyTable = std::array<SortField, 10>;

inline constexpr SortKeyTable kCandidateListSortKeys = {
    SortField::Unsorted, SortField::Name,          SortField::ParentPath, SortField::RelativePath,
    SortField::Size,     SortField::AudioLength,   SortField::Group,      SortField::Required,
    SortField::Used,     SortField::ResultSetIndex};

inline constexpr SortKeyTable kResultSetSortKeys = {
    SortField::Unsorted,     SortField::Name,       SortField::FullPath,    SortField::NotAccepted,
    SortField::RelativePath, SortField::Size,       SortField::AudioLength, SortField::Group,
    SortField::NotAccepted,  SortField::NotAccepted};

}  // namespace ostrel
