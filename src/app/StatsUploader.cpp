#include "app/StatsUploader.h"

#include <cstdlib>

#include "app/Formatting.h"
#include "platform/HttpClient.h"

namespace ostrel {

namespace {

constexpr const char* kVersion = "3.0.1";
constexpr const char* kDefaultServer = "http://stats.ostrel.invalid/";

}  // namespace

std::string StatsUploader::BaseUrl() {
  const char* server = std::getenv("OSTREL_STATS_URL");
  std::string base = server != nullptr && *server != '\0' ? server : kDefaultServer;
  if (base.back() != '/') base += '/';
  return base + "rsstats.php?sClientID=";
}

std::string StatsUploader::RecordUrl(const std::string& baseUrl, const std::string& clientId,
                                     const RSStats& r) {
  return baseUrl + clientId + "&sVersion=" + kVersion + "&iCalcType=" + std::to_string(r.calcType) +
         "&hActualSize=" + std::to_string(r.actualSize) +
         "&hMediaSize=" + std::to_string(r.mediaSize) +
         "&dActualAudioLength=" + FormatFixed(r.actualAudioLength, 4) +
         "&dMediaAudioLength=" + FormatFixed(r.mediaAudioLength, 4) +
         "&hIterationNum=" + std::to_string(r.iterationNum) +
         "&dTimeElapsed=" + FormatFixed(r.timeElapsed, 4) +
         "&iExecutionNum=" + std::to_string(r.executionNum) +
         "&iExitType=" + std::to_string(r.exitType);
}

bool StatsUploader::Upload(const std::string& baseUrl, const std::string& clientId,
                           const std::vector<RSStats>& records, int priorExecutionCount) {
  HttpClient http("Ostrel");
  if (!http.IsOpen()) return false;
  for (const RSStats& r : records) {
    if (r.executionNum >= priorExecutionCount && !http.Get(RecordUrl(baseUrl, clientId, r))) {
      return false;
    }
  }
  return true;
}

}  // namespace ostrel
