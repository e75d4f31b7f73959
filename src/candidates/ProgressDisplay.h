#pragma once

#include <string>

namespace ostrel {

// What a measurement is doing when it reports a path.
enum class MeasureKind { Size = 0, AudioLength = 10 };

// A modeless progress window that long item operations report to: the
// size-progress window while measuring, the add-progress window while
// adding, the delete-progress window while deleting. The window system
// implements it; each report there also dispatches pending window events.
class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;
  // Creates and shows the window centred on the given screen point with a
  // bar from 0 to count.
  virtual void Open(int centreX, int centreY, int count) = 0;
  virtual void Report(const std::string& path, MeasureKind kind) = 0;
  virtual void Step() = 0;
  virtual void Close() = 0;
};

}  // namespace ostrel
