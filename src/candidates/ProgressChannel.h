#pragma once

#include <string>

#include "candidates/ProgressDisplay.h"

namespace ostrel {

// The process-wide way to one kind of progress window. At most one window
// of a kind is open; Open does nothing while it is, and the other
// operations do nothing while it is not, so code deep inside a measurement
// can report without knowing whether anybody shows it.
class ProgressChannel {
 public:
  static ProgressChannel& Size();
  static ProgressChannel& Add();
  static ProgressChannel& Delete();

  // The window that Open shows; null (the default) shows nothing.
  void SetDisplay(ProgressDisplay* display);

  void Open(int centreX, int centreY, int count);
  void Report(const std::string& path, MeasureKind kind = MeasureKind::Size) {
    if (open_) display_->Report(path, kind);
  }
  void Step();
  void Close();
  bool IsOpen() const { return open_; }

 private:
  ProgressDisplay* display_ = nullptr;
  bool open_ = false;
};

}  // namespace ostrel
