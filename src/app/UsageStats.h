#pragma once

#include <string>
#include <vector>

#include "search/RSStats.h"

namespace ostrel {

class AppConfig;

// The anonymous client identifier: the MD5 of the start time in decimal
// seconds, as 32 lower-case hexadecimal digits.
std::string GenerateClientId();
std::string ClientIdFor(long long seconds);

// Uploads are due at the 2nd, 7th, 12th, ... start, when allowed.
bool IsUploadDue(const AppConfig& config);

// The texts of the Stats dialog.
struct StatsSummary {
  std::string executions;
  std::string combinationsFound;
  std::string combinationsTested;
  std::string averageDataFill;
  std::string averageAudioFill;
};
StatsSummary SummarizeStats(int executionCount, const std::vector<RSStats>& records);

}  // namespace ostrel
