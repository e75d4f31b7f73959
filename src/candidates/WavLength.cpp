#include "candidates/WavLength.h"

#include <cstdint>
#include <cstring>

#include "candidates/FileItem.h"
#include "platform/FileReader.h"

namespace ostrel {

namespace {

constexpr size_t kHeaderSize = 44;

int32_t ReadInt32(const uint8_t* p) {
  return static_cast<int32_t>(uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) |
                              (uint32_t{p[3]} << 24));
}

int16_t ReadInt16(const uint8_t* p) {
  return static_cast<int16_t>(uint16_t{p[0]} | (uint16_t{p[1]} << 8));
}

}  // namespace

double WavLength(FileItem& file) {
  uint8_t header[kHeaderSize];
  {
    FileReader reader(file.GetFullPath(), kHeaderSize);
    if (!reader.IsOpen() || reader.ReadAt(0, header, kHeaderSize) != kHeaderSize) return 0.0;
  }
  if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0 ||
      std::memcmp(header + 12, "fmt ", 4) != 0) {
    return 0.0;
  }
  int64_t sampleRate = ReadInt32(header + 24);
  int64_t blockAlign = ReadInt16(header + 32);
  int64_t bytesPerSecond = blockAlign * sampleRate;
  if (bytesPerSecond == 0) return 0.0;
  int64_t size = static_cast<int64_t>(file.GetSize());
  double length = static_cast<double>(size - 12) / static_cast<double>(bytesPerSecond);
  return length > 0.0 ? length : 0.0;
}

}  // namespace ostrel
