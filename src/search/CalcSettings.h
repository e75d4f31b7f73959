#pragma once

#include <cstdint>
#include <string>

#include "search/CalcType.h"

namespace ostrel {

// The settings that steer a calculation, part of every profile. Each setter
// refuses a value outside its range, keeps the old one and returns false.
// Nothing here makes PctMin <= PctMax; the options dialog refuses it on OK.
class CalcSettings {
 public:
  CalcType GetCalcType() const { return calcType_; }
  int64_t GetMediaSize() const { return mediaSize_; }
  int GetMediaSizeType() const { return mediaSizeType_; }
  double GetAudioLength() const { return audioLength_; }  // minutes
  double GetAudioSeconds() const { return audioLength_ * 60.0; }
  bool GetUsePcts() const { return usePcts_; }
  double GetPctMin() const { return pctMin_; }
  double GetPctMax() const { return pctMax_; }
  bool GetUseTimeLimit() const { return useTimeLimit_; }
  double GetTimeLimit() const { return timeLimit_; }  // seconds

  bool SetCalcType(int type);
  bool SetMediaSize(int64_t bytes);
  bool SetMediaSizeType(int type);
  bool SetAudioLength(double minutes);
  bool SetUsePcts(bool on);
  bool SetPctMin(double percent);
  bool SetPctMax(double percent);
  bool SetUseTimeLimit(bool on);
  bool SetTimeLimit(double seconds);

  // The media size as the main view shows it: in its unit with the byte
  // count (Data), or hours, minutes and seconds (Audio).
  std::string MediaSizeSummary() const;

  // The checks of the calculation options on OK, with their texts: an error
  // (a window whose maximum lies below its minimum) and two warnings of
  // searches that may run without end.
  bool HasMaxBelowMin() const { return usePcts_ && pctMax_ < pctMin_; }
  bool HasEqualPctsWithoutTimeLimit() const {
    return usePcts_ && !useTimeLimit_ && pctMax_ == pctMin_;
  }
  bool HasNoLimit() const { return !usePcts_ && !useTimeLimit_; }
  static constexpr const char* kMaxBelowMinText =
      "Maximum Percentage should be greater than Minimum Percentage.";
  static constexpr const char* kEqualPctsText =
      "The Minimum and Maximum percentages are equal.\n\nThis may result in extremely long "
      "calculation times.";
  static constexpr const char* kNoLimitText =
      "\"Use Percentages\" and \"Use Time Limit\" are both disabled.\n\nThis means that "
      "calculations will run until manually halted.";

  // The display units: 0, 10, 20 or 30, the power of two of bytes, KB, MB, GB.
  static bool IsValidMediaSizeType(int type) {
    return type == 0 || type == 10 || type == 20 || type == 30;
  }

 private:
  CalcType calcType_ = CalcType::Data;
  int64_t mediaSize_ = 734003200;
  int mediaSizeType_ = 20;
  double audioLength_ = 79.917;
  bool usePcts_ = true;
  double pctMin_ = 99.99;
  double pctMax_ = 100.0;
  bool useTimeLimit_ = false;
  double timeLimit_ = 10.0;
};

}  // namespace ostrel
