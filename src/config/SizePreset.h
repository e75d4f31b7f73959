#pragma once

#include <cstdint>
#include <string>

namespace ostrel {

// A named medium: capacity in bytes, the unit it is shown in, and playing
// time in minutes. Each setter refuses a value outside its rule.
class SizePreset {
 public:
  SizePreset() = default;
  // Applies the four setters.
  SizePreset(const std::string& name, int64_t size, int sizeType, double audioLength);

  const std::string& GetName() const { return name_; }
  int64_t GetSize() const { return size_; }
  int GetSizeType() const { return sizeType_; }
  double GetAudioLength() const { return audioLength_; }

  // Not empty and readable back from the file.
  bool SetName(const std::string& name);
  bool SetSize(int64_t bytes);          // > 0
  bool SetSizeType(int type);           // 0, 10, 20 or 30
  bool SetAudioLength(double minutes);  // > 0

 private:
  std::string name_;
  int64_t size_ = 0;
  int sizeType_ = 0;
  double audioLength_ = 0.0;
};

}  // namespace ostrel
