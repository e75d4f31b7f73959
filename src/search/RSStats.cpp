#include "search/RSStats.h"

namespace ostrel {

RSStats MakeRSStats(const ResultSet& resultSet, ExitType exitType, int executionNum) {
  RSStats stats;
  stats.calcType = resultSet.GetCalcType();
  if (resultSet.GetCalcType() == static_cast<int>(CalcType::Audio)) {
    stats.actualAudioLength = resultSet.GetTotalAudioLength();
    stats.mediaAudioLength = resultSet.GetMediaAudioLength();
  } else {
    stats.actualSize = resultSet.GetTotalSize();
    stats.mediaSize = resultSet.GetMediaSize();
  }
  stats.iterationNum = resultSet.GetIterationNum();
  stats.timeElapsed = resultSet.GetTimeElapsed();
  stats.executionNum = executionNum;
  stats.exitType = static_cast<int>(exitType);
  return stats;
}

}  // namespace ostrel
