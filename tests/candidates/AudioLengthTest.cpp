#include <gtest/gtest.h>

#include <cmath>

#include "candidates/FileItem.h"
#include "candidates/MeasurementCaches.h"
#include "candidates/Mp3Length.h"
#include "candidates/WavLength.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

// One MPEG audio frame: the three header bytes, then filler. The filler
// holds a stray sync pair, which only a scan that failed to jump over the
// frame would see.
std::string Frame(uint8_t b1, uint8_t b2, size_t length) {
  std::string frame(length, '\0');
  frame[0] = '\xFF';
  frame[1] = static_cast<char>(b1);
  frame[2] = static_cast<char>(b2);
  if (length > 20) {
    frame[10] = '\xFF';
    frame[11] = '\xFB';
    frame[12] = '\x10';
  }
  return frame;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

// MPEG-1 Layer III at 44100 Hz: 128 kbit/s (417 bytes, 418 padded) and
// 320 kbit/s (1044 bytes).
const std::string k128 = Frame(0xFB, 0x90, 417);
const std::string k128Padded = Frame(0xFB, 0x92, 418);
const std::string k320 = Frame(0xFB, 0xE0, 1044);
const std::string kMixed = k320 + Repeat(k128, 9);  // mean 147200 bit/s

std::string WavHeader(const char* riff, int32_t sampleRate, int16_t blockAlign) {
  std::string h(44, '\0');
  h.replace(0, 4, riff);
  h.replace(8, 4, "WAVE");
  h.replace(12, 4, "fmt ");
  for (int i = 0; i < 4; ++i)
    h[24 + i] = static_cast<char>(static_cast<uint32_t>(sampleRate) >> (8 * i));
  h[32] = static_cast<char>(blockAlign);
  h[33] = static_cast<char>(static_cast<uint16_t>(blockAlign) >> 8);
  return h;
}

class AudioLength : public ::testing::Test {
 protected:
  void SetUp() override { ClearMeasurementCaches(); }
  test::TempDir dir;
};

TEST_F(AudioLength, Mp3LengthFollowsTheFrameScan) {
  struct Case {
    const char* what;
    std::string content;
    double meanBitrate;  // 0 = the file is no MPEG stream
  } cases[] = {
      {"constant bitrate", Repeat(k128 + k128Padded, 5), 128000},
      {"leading tag counted in the length", std::string(100, 'T') + Repeat(k128, 10), 128000},
      {"mixed bitrates", kMixed, 147200},
      {"MPEG-2 Layer III 64 kbit/s", Repeat(Frame(0xF3, 0x80, 417), 10), 64000},
      {"MPEG-1 Layer I 32 kbit/s", Repeat(Frame(0xFF, 0x10, 34), 10), 32000},
      {"bitrate index 15 without padding counts nothing", "\xFF\xFB\xF0" + kMixed, 147200},
      {"bitrate index 15 with padding counts a frame of 0", "\xFF\xFB\xF2" + kMixed,
       1472000.0 / 11},
      {"free format counts nothing", std::string("\xFF\xFB\x00", 3) + kMixed, 147200},
      {"reserved sample rate counts nothing", "\xFF\xFB\x9C" + kMixed, 147200},
      {"reserved version rescans from byte 1", "\xFF\xEB" + kMixed, 147200},
      {"reserved layer rescans from byte 1", "\xFF\xF9" + kMixed, 147200},
      {"448000 bits per frame still passes", k128 + std::string(56000 - 417, '\0'), 128000},
      {"over 448000 bits per frame is no stream", k128 + std::string(56001 - 417, '\0'), 0},
      {"cut-off header", "\xFF\xFB", 0},
      {"lone sync byte", "\xFF", 0},
      {"no frames", "just text", 0},
      {"empty", "", 0},
  };
  for (const Case& c : cases) {
    std::string path = dir.WriteFile("case.mp3", c.content);
    double expected = c.meanBitrate == 0 ? 0.0 : c.content.size() * 8.0 / c.meanBitrate;
    EXPECT_DOUBLE_EQ(Mp3Length(path), expected) << c.what;
  }
  EXPECT_EQ(Mp3Length(dir / "missing.mp3"), 0.0);
}

TEST_F(AudioLength, WavLengthComesFromHeaderAndSize) {
  struct Case {
    const char* what;
    std::string content;
    double seconds;
  } cases[] = {
      {"one second", WavHeader("RIFF", 44100, 4) + std::string(176412 - 44, '\0'), 1.0},
      {"header only", WavHeader("RIFF", 8000, 1), 32.0 / 8000},
      {"43 bytes", WavHeader("RIFF", 44100, 4).substr(0, 43), 0.0},
      {"RIFX", WavHeader("RIFX", 44100, 4) + std::string(1000, '\0'), 0.0},
      {"no fmt chunk first",
       [] {
         std::string h = WavHeader("RIFF", 44100, 4);
         h.replace(12, 4, "LIST");
         return h + std::string(1000, '\0');
       }(),
       0.0},
      {"block align 0", WavHeader("RIFF", 44100, 0) + std::string(1000, '\0'), 0.0},
      {"negative sample rate", WavHeader("RIFF", -44100, 4) + std::string(1000, '\0'), 0.0},
  };
  for (const Case& c : cases) {
    ClearMeasurementCaches();
    FileItem file(dir.WriteFile("case.wav", c.content));
    EXPECT_DOUBLE_EQ(WavLength(file), c.seconds) << c.what;
  }
}

TEST_F(AudioLength, ExtensionChoosesTheReader) {
  const std::string mp3 = Repeat(k128, 10);
  const std::string wav = WavHeader("RIFF", 44100, 4) + std::string(176412 - 44, '\0');
  const double mp3Seconds = mp3.size() * 8.0 / 128000;
  struct Case {
    const char* name;
    const std::string* content;
    double seconds;
  } cases[] = {
      {"SONG.MP3", &mp3, mp3Seconds}, {"a.Mpeg3", &mp3, mp3Seconds}, {"a.mp3x", &mp3, 0.0},
      {"b.WAV", &wav, 1.0},           {"c.wave", &wav, 1.0},         {"cwave", &wav, 0.0},
      {"d.txt", &mp3, 0.0},
  };
  for (const Case& c : cases) {
    FileItem file(dir.WriteFile(c.name, *c.content));
    EXPECT_DOUBLE_EQ(file.GetAudioLength(), c.seconds) << c.name;
  }
}

TEST_F(AudioLength, LengthIsCachedUntilCleared) {
  std::string path = dir.WriteFile("x.mp3", Repeat(k128, 10));
  FileItem file(path);
  double first = file.GetAudioLength();
  dir.WriteFile("x.mp3", "");
  EXPECT_EQ(file.GetAudioLength(), first);
  ClearMeasurementCaches();
  EXPECT_EQ(file.GetAudioLength(), 0.0);
}

// Files made by tools nobody here wrote: the readers must agree with what
// the encoder was asked to make.
TEST_F(AudioLength, RealFilesFromSoxAndLame) {
  if (!test::HasTool("sox") || !test::HasTool("lame")) GTEST_SKIP() << "sox or lame missing";
  const double seconds = 20.0;
  std::string wav = dir / "tone.wav";
  std::string mp3 = dir / "tone.mp3";
  ASSERT_TRUE(test::RunCommand("sox -q -n -r 44100 -c 2 -b 16 '" + wav + "' synth 20 sine 440"));
  ASSERT_TRUE(test::RunCommand("lame --quiet -b 128 --cbr '" + wav + "' '" + mp3 + "'"));

  FileItem wavItem(wav);
  double wavLength = wavItem.GetAudioLength();
  EXPECT_DOUBLE_EQ(wavLength, (static_cast<double>(wavItem.GetSize()) - 12) / (4 * 44100));
  EXPECT_NEAR(wavLength, seconds, 0.001);

  FileItem mp3Item(mp3);
  double mp3Length = mp3Item.GetAudioLength();
  EXPECT_DOUBLE_EQ(mp3Length, static_cast<double>(mp3Item.GetSize()) * 8 / 128000);
  EXPECT_NEAR(mp3Length, seconds, seconds * 0.01);
}

}  // namespace
}  // namespace ostrel
