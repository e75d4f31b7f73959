#include "config/SizePreset.h"

#include <cmath>

#include "config/ConfigValues.h"
#include "search/CalcSettings.h"

namespace ostrel {

SizePreset::SizePreset(const std::string& name, int64_t size, int sizeType, double audioLength) {
  SetName(name);
  SetSize(size);
  SetSizeType(sizeType);
  SetAudioLength(audioLength);
}

bool SizePreset::SetName(const std::string& name) {
  if (!IsStorableName(name)) return false;
  name_ = name;
  return true;
}

bool SizePreset::SetSize(int64_t bytes) {
  if (bytes <= 0) return false;
  size_ = bytes;
  return true;
}

bool SizePreset::SetSizeType(int type) {
  if (!CalcSettings::IsValidMediaSizeType(type)) return false;
  sizeType_ = type;
  return true;
}

bool SizePreset::SetAudioLength(double minutes) {
  if (!std::isfinite(minutes) || minutes <= 0.0) return false;
  audioLength_ = minutes;
  return true;
}

}  // namespace ostrel
