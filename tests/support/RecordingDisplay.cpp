#include "support/RecordingDisplay.h"

namespace ostrel::test {

RecordingDisplay::RecordingDisplay(ProgressChannel& channel) : channel_(channel) {
  channel_.SetDisplay(this);
}

RecordingDisplay::~RecordingDisplay() { channel_.SetDisplay(nullptr); }

void RecordingDisplay::Open(int, int, int count) {
  calls.push_back("open " + std::to_string(count));
}

void RecordingDisplay::Report(const std::string& path, MeasureKind kind) {
  calls.push_back("report " + path + " " + std::to_string(static_cast<int>(kind)));
}

void RecordingDisplay::Step() { calls.push_back("step"); }

void RecordingDisplay::Close() { calls.push_back("close"); }

}  // namespace ostrel::test
