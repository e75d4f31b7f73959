#pragma once

#include <cstdint>
#include <string>

namespace ostrel {

enum class PathRetainType : int { None = 0, Full = 10, Relative = 20 };

// Where Copy and Move put result sets, the optional report, and what is
// removed after an action; one set per profile.
class ActionSettings {
 public:
  const std::string& GetDestPath() const { return destPath_; }
  int32_t GetDestCounter() const { return destCounter_; }
  const std::string& GetReportFilename() const { return reportFilename_; }
  bool GetAppendReport() const { return appendReport_; }
  PathRetainType GetPathRetainType() const { return pathRetainType_; }
  bool GetRemoveCandidates() const { return removeCandidates_; }
  bool GetRemoveResultSet() const { return removeResultSet_; }
  bool GetDeleteAfterBurn() const { return deleteAfterBurn_; }

  bool SetDestPath(std::string path);
  bool SetDestCounter(int32_t counter);  // refuses negative values
  bool SetReportFilename(std::string path);
  bool SetAppendReport(bool on);
  bool SetPathRetainType(int type);  // 0, 10 or 20
  bool SetRemoveCandidates(bool on);
  bool SetRemoveResultSet(bool on);
  bool SetDeleteAfterBurn(bool on);

 private:
  std::string destPath_;
  int32_t destCounter_ = 1;
  std::string reportFilename_;
  bool appendReport_ = true;
  PathRetainType pathRetainType_ = PathRetainType::Full;
  bool removeCandidates_ = false;
  bool removeResultSet_ = false;
  bool deleteAfterBurn_ = false;
};

}  // namespace ostrel
