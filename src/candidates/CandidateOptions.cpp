#include "candidates/CandidateOptions.h"

namespace ostrel {

bool CandidateOptions::SetAutoExpandLarge(bool on) {
  autoExpandLarge_ = on;
  return true;
}

bool CandidateOptions::SetAutoExpandAll(bool on) {
  autoExpandAll_ = on;
  return true;
}

bool CandidateOptions::SetUseTimestamp(bool on) {
  useTimestamp_ = on;
  return true;
}

bool CandidateOptions::SetTimestamp(int64_t seconds) {
  if (seconds < 0 || seconds > INT32_MAX) return false;
  timestamp_ = static_cast<int32_t>(seconds);
  return true;
}

bool CandidateOptions::SetUseArchiveFlag(bool on) {
  useArchiveFlag_ = on;
  return true;
}

}  // namespace ostrel
