#include "config/ConfigProfile.h"

#include <cmath>

#include "config/ConfigValues.h"

namespace ostrel {

bool ConfigProfile::SetName(const std::string& name) {
  if (!IsStorableName(name)) return false;
  name_ = name;
  return true;
}

bool ConfigProfile::SetMediaSizeText(const std::string& text) {
  double units = 0;
  if (!ParseDoubleValue(text, units)) return false;
  double bytes = units * std::ldexp(1.0, calc_.GetMediaSizeType());
  if (!(bytes >= 1.0 && bytes < 9.2e18)) return false;
  return calc_.SetMediaSize(static_cast<int64_t>(bytes));
}

bool ConfigProfile::SetAudioLengthText(const std::string& text) {
  double v = 0;
  return ParseDoubleValue(text, v) && calc_.SetAudioLength(v);
}

bool ConfigProfile::SetPctMinText(const std::string& text) {
  double v = 0;
  return ParseDoubleValue(text, v) && calc_.SetPctMin(v);
}

bool ConfigProfile::SetPctMaxText(const std::string& text) {
  double v = 0;
  return ParseDoubleValue(text, v) && calc_.SetPctMax(v);
}

bool ConfigProfile::SetTimeLimitText(const std::string& text) {
  double v = 0;
  return ParseDoubleValue(text, v) && calc_.SetTimeLimit(v);
}

bool ConfigProfile::SetDestCounterText(const std::string& text) {
  int32_t v = 0;
  return ParseIntValue(text, v) && actions_.SetDestCounter(v);
}

}  // namespace ostrel
