#include "actions/ActionSettings.h"

namespace ostrel {

bool ActionSettings::SetDestPath(std::string path) {
  destPath_ = std::move(path);
  return true;
}

bool ActionSettings::SetDestCounter(int32_t counter) {
  if (counter < 0) return false;
  destCounter_ = counter;
  return true;
}

bool ActionSettings::SetReportFilename(std::string path) {
  reportFilename_ = std::move(path);
  return true;
}

bool ActionSettings::SetAppendReport(bool on) {
  appendReport_ = on;
  return true;
}

bool ActionSettings::SetPathRetainType(int type) {
  if (type != 0 && type != 10 && type != 20) return false;
  pathRetainType_ = static_cast<PathRetainType>(type);
  return true;
}

bool ActionSettings::SetRemoveCandidates(bool on) {
  removeCandidates_ = on;
  return true;
}

bool ActionSettings::SetRemoveResultSet(bool on) {
  removeResultSet_ = on;
  return true;
}

bool ActionSettings::SetDeleteAfterBurn(bool on) {
  deleteAfterBurn_ = on;
  return true;
}

}  // namespace ostrel
