#pragma once

#include <string>
#include <vector>

#include "search/RSStats.h"

namespace ostrel {

// Sends the statistics records not sent yet (those made in or after the
// start of the last successful upload), one GET each, in order; the first
// failure ends the upload. The caller moves the prior execution count on
// only after success.
class StatsUploader {
 public:
  // OSTREL_STATS_URL when set, else a host that never resolves; the
  // server's "rsstats.php?sClientID=" follows it.
  static std::string BaseUrl();
  static std::string RecordUrl(const std::string& baseUrl, const std::string& clientId,
                               const RSStats& record);
  static bool Upload(const std::string& baseUrl, const std::string& clientId,
                     const std::vector<RSStats>& records, int priorExecutionCount);
};

}  // namespace ostrel
