#include "candidates/ProgressChannel.h"

namespace ostrel {

ProgressChannel& ProgressChannel::Size() {
  static ProgressChannel channel;
  return channel;
}

ProgressChannel& ProgressChannel::Add() {
  static ProgressChannel channel;
  return channel;
}

ProgressChannel& ProgressChannel::Delete() {
  static ProgressChannel channel;
  return channel;
}

void ProgressChannel::SetDisplay(ProgressDisplay* display) {
  Close();
  display_ = display;
}

void ProgressChannel::Open(int centreX, int centreY, int count) {
  if (open_ || display_ == nullptr) return;
  open_ = true;
  display_->Open(centreX, centreY, count);
}

void ProgressChannel::Step() {
  if (open_) display_->Step();
}

void ProgressChannel::Close() {
  if (!open_) return;
  open_ = false;
  display_->Close();
}

}  // namespace ostrel
