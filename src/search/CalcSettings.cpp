#include "search/CalcSettings.h"

#include <cmath>

#include "app/Formatting.h"

namespace ostrel {

namespace {

bool Positive(double value) { return std::isfinite(value) && value > 0.0; }

}  // namespace

std::string CalcSettings::MediaSizeSummary() const {
  return calcType_ == CalcType::Audio ? FormatAudioLengthSummary(audioLength_)
                                      : FormatMediaSizeSummary(mediaSize_, mediaSizeType_);
}

bool CalcSettings::SetCalcType(int type) {
  if (type != static_cast<int>(CalcType::Data) && type != static_cast<int>(CalcType::Audio)) {
    return false;
  }
  calcType_ = static_cast<CalcType>(type);
  return true;
}

bool CalcSettings::SetMediaSize(int64_t bytes) {
  if (bytes <= 0) return false;
  mediaSize_ = bytes;
  return true;
}

bool CalcSettings::SetMediaSizeType(int type) {
  if (!IsValidMediaSizeType(type)) return false;
  mediaSizeType_ = type;
  return true;
}

bool CalcSettings::SetAudioLength(double minutes) {
  if (!Positive(minutes)) return false;
  audioLength_ = minutes;
  return true;
}

bool CalcSettings::SetUsePcts(bool on) {
  usePcts_ = on;
  return true;
}

bool CalcSettings::SetPctMin(double percent) {
  if (!std::isfinite(percent) || percent < 0.0) return false;
  pctMin_ = percent;
  return true;
}

bool CalcSettings::SetPctMax(double percent) {
  if (!Positive(percent)) return false;
  pctMax_ = percent;
  return true;
}

bool CalcSettings::SetUseTimeLimit(bool on) {
  useTimeLimit_ = on;
  return true;
}

bool CalcSettings::SetTimeLimit(double seconds) {
  if (!Positive(seconds)) return false;
  timeLimit_ = seconds;
  return true;
}

}  // namespace ostrel
