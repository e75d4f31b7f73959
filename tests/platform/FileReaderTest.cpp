#include <gtest/gtest.h>

#include "platform/FileReader.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

TEST(FileReader, ReadsEveryByteAcrossBufferBoundariesAndBack) {
  test::TempDir dir;
  std::string content;
  for (int i = 0; i < 1000; ++i) content.push_back(static_cast<char>(i * 7));
  FileReader reader(dir.WriteFile("data", content), 64);
  ASSERT_TRUE(reader.IsOpen());
  EXPECT_EQ(reader.Size(), 1000u);

  for (uint64_t pos : {0, 63, 64, 65, 999, 500, 62, 130, 129}) {
    uint8_t byte = 0;
    ASSERT_TRUE(reader.ByteAt(pos, byte)) << pos;
    EXPECT_EQ(byte, static_cast<uint8_t>(content[pos])) << pos;
  }
  uint8_t byte;
  EXPECT_FALSE(reader.ByteAt(1000, byte));
  EXPECT_FALSE(reader.ByteAt(5000, byte));

  char block[10];
  EXPECT_EQ(reader.ReadAt(995, block, sizeof block), 5u);
  EXPECT_EQ(std::string(block, 5), content.substr(995));
}

TEST(FileReader, NeverOpensWhatIsNotARegularFile) {
  test::TempDir dir;
  std::string fifo = dir.MakeFifo("pipe.mp3");
  std::string folder = dir.MakeFolder("folder");
  for (const std::string& path : {fifo, folder, dir / "missing", std::string("/dev/zero")}) {
    FileReader reader(path);
    uint8_t byte;
    EXPECT_FALSE(reader.IsOpen()) << path;
    EXPECT_FALSE(reader.ByteAt(0, byte)) << path;
  }
}

}  // namespace
}  // namespace ostrel
