#include "candidates/Mp3Length.h"

#include <cmath>
#include <cstdint>

#include "platform/FileReader.h"

namespace ostrel {

namespace {

// Version field: 0 = MPEG-2.5, 1 = reserved, 2 = MPEG-2, 3 = MPEG-1.
// Layer field: 0 = reserved, 1 = Layer III, 2 = Layer II, 3 = Layer I.
constexpr int kSampleRates[4][4] = {
    {11025, 12000, 8000, 0}, {0, 0, 0, 0}, {22050, 24000, 16000, 0}, {44100, 48000, 32000, 0}};

// Bits per second by table and index; index 0 (free format) and 15 give 0.
constexpr int kBitrates[5][16] = {
    // MPEG-1 Layer I, II, III (ISO/IEC 11172-3)
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
    // MPEG-2 and 2.5, Layer I and Layers II/III (ISO/IEC 13818-3)
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}};

int Bitrate(int version, int layer, int index) {
  int table = version == 3 ? 3 - layer : (layer == 3 ? 3 : 4);
  return kBitrates[table][index] * 1000;
}

// Frame length in bytes of a header; not positive when it has none.
int64_t FrameLength(int layer, int bitrate, int sampleRate, int padding) {
  if (sampleRate == 0) return 0;
  double b = bitrate;
  double s = sampleRate;
  if (layer == 3) return static_cast<int64_t>(std::floor((12.0 * b / s + padding) * 4.0));
  return static_cast<int64_t>(std::floor(144.0 * b / s + padding));
}

}  // namespace

// The scan visits the bytes one at a time from the start, exactly as a
// byte-per-read scan would, but through a buffer; it jumps over each frame
// it counts.
double Mp3Length(const std::string& path) {
  FileReader file(path);
  if (!file.IsOpen()) return 0.0;
  uint64_t frames = 0;
  uint64_t bitrateSum = 0;
  uint64_t pos = 0;
  uint8_t b0, b1, b2;
  while (file.ByteAt(pos, b0)) {
    uint64_t start = pos++;
    if (b0 != 0xFF) continue;
    if (!file.ByteAt(pos++, b1)) break;
    if ((b1 & 0xE0) != 0xE0) continue;
    if (!file.ByteAt(pos++, b2)) break;
    int version = (b1 >> 3) & 3;
    int layer = (b1 >> 1) & 3;
    if (version == 1 || layer == 0) {
      pos -= 2;
      continue;
    }
    int bitrate = Bitrate(version, layer, b2 >> 4);
    int sampleRate = kSampleRates[version][(b2 >> 2) & 3];
    int64_t length = FrameLength(layer, bitrate, sampleRate, (b2 >> 1) & 1);
    if (length <= 0) continue;
    ++frames;
    bitrateSum += static_cast<uint64_t>(bitrate);
    pos = start + static_cast<uint64_t>(length);
  }
  if (frames == 0) return 0.0;
  double bits = static_cast<double>(file.Size()) * 8.0;
  if (bits / static_cast<double>(frames) > 448000.0) return 0.0;
  if (bitrateSum == 0) return 0.0;
  return bits / (static_cast<double>(bitrateSum) / static_cast<double>(frames));
}

}  // namespace ostrel
