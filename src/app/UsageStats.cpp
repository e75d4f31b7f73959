#include "app/UsageStats.h"

#include <ctime>

#include "app/Formatting.h"
#include "app/Md5.h"
#include "config/AppConfig.h"

namespace ostrel {

std::string ClientIdFor(long long seconds) { return Md5::Hex(std::to_string(seconds)); }

std::string GenerateClientId() { return ClientIdFor(static_cast<long long>(std::time(nullptr))); }

bool IsUploadDue(const AppConfig& config) {
  int count = config.GetExecutionCount();
  return config.GetSendStats() && count > 0 && count % 5 == 2;
}

StatsSummary SummarizeStats(int executionCount, const std::vector<RSStats>& records) {
  int64_t tested = 0;
  int64_t actualBytes = 0;
  int64_t mediaBytes = 0;
  double actualSeconds = 0.0;
  double mediaSeconds = 0.0;
  for (const RSStats& r : records) {
    tested += r.iterationNum;
    if (r.exitType < 4 || r.exitType > 6) continue;
    if (r.calcType == 0) {
      actualBytes += r.actualSize;
      mediaBytes += r.mediaSize;
    } else {
      actualSeconds += r.actualAudioLength;
      mediaSeconds += r.mediaAudioLength;
    }
  }
  StatsSummary s;
  s.executions = std::to_string(executionCount);
  s.combinationsFound = std::to_string(records.size());
  s.combinationsTested = FormatGroupedInteger(tested);
  s.averageDataFill = mediaBytes <= 0
                          ? "--"
                          : FormatTrimmedDecimal(static_cast<double>(actualBytes) * 100 /
                                                     static_cast<double>(mediaBytes),
                                                 5, false) +
                                "%";
  s.averageAudioFill =
      !(mediaSeconds > 0)
          ? "--"
          : FormatTrimmedDecimal(actualSeconds / mediaSeconds * 100, 5, false) + "%";
  return s;
}

}  // namespace ostrel
