#pragma once

#include <string>
#include <vector>

#include "candidates/ProgressChannel.h"

namespace ostrel::test {

// A progress display that records what it was told, one line per call:
// "open 3", "report /x 0", "step", "close". Installed on a channel for its
// lifetime.
class RecordingDisplay : public ProgressDisplay {
 public:
  explicit RecordingDisplay(ProgressChannel& channel);
  ~RecordingDisplay() override;

  void Open(int centreX, int centreY, int count) override;
  void Report(const std::string& path, MeasureKind kind) override;
  void Step() override;
  void Close() override;

  std::vector<std::string> calls;

 private:
  ProgressChannel& channel_;
};

}  // namespace ostrel::test
