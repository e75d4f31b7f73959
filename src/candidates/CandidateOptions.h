#pragma once

#include <cstdint>

namespace ostrel {

// The per-profile candidate options: automatic expansion after candidates
// change, and the two filters that keep candidates out of a calculation.
class CandidateOptions {
 public:
  bool GetAutoExpandLarge() const { return autoExpandLarge_; }
  bool GetAutoExpandAll() const { return autoExpandAll_; }
  bool GetUseTimestamp() const { return useTimestamp_; }
  // Calendar seconds; never negative.
  int32_t GetTimestamp() const { return timestamp_; }
  bool GetUseArchiveFlag() const { return useArchiveFlag_; }

  bool SetAutoExpandLarge(bool on);
  bool SetAutoExpandAll(bool on);
  bool SetUseTimestamp(bool on);
  bool SetTimestamp(int64_t seconds);
  bool SetUseArchiveFlag(bool on);

 private:
  bool autoExpandLarge_ = false;
  bool autoExpandAll_ = false;
  bool useTimestamp_ = false;
  int32_t timestamp_ = 0;
  bool useArchiveFlag_ = false;
};

}  // namespace ostrel
