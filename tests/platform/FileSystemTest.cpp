#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/FileSystem.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

TEST(FileSystem, LookUpFollowsLinksAndGivesSixtyFourBitSizes) {
  test::TempDir dir;
  std::string big = dir.MakeSparse("big", 5368709120ULL);
  dir.MakeLink("link", big);
  dir.MakeLink("dangling", dir / "gone");
  std::string fifo = dir.MakeFifo("fifo");

  EXPECT_EQ(FileSystem::LookUp(big).size, 5368709120ULL);
  EXPECT_EQ(FileSystem::LookUp(dir / "link").size, 5368709120ULL);
  EXPECT_TRUE(FileSystem::LookUp(dir / "link").IsRegular());
  EXPECT_FALSE(FileSystem::LookUp(dir / "dangling").exists);
  EXPECT_FALSE(FileSystem::LookUp("").exists);
  FileStatus pipe = FileSystem::LookUp(fifo);
  EXPECT_TRUE(pipe.exists);
  EXPECT_FALSE(pipe.IsRegular());
  EXPECT_EQ(pipe.size, 0u);
  EXPECT_TRUE(FileSystem::IsLink(dir / "link"));
  EXPECT_FALSE(FileSystem::IsLink(big));
}

TEST(FileSystem, TimesRoundTrip) {
  test::TempDir dir;
  std::string file = dir.WriteFile("f", "x");
  FileTimes set;
  set.lastWrite = 1000000000LL * 1600000000 + 123456789;
  set.lastAccess = 1000000000LL * 1500000000;
  ASSERT_TRUE(FileSystem::WriteTimes(file, set));
  FileTimes read;
  ASSERT_TRUE(FileSystem::ReadTimes(file, read));
  EXPECT_EQ(read.lastWrite, set.lastWrite);
  EXPECT_EQ(read.lastAccess, set.lastAccess);
  EXPECT_GE(read.creation, 0);
  EXPECT_FALSE(FileSystem::ReadTimes(dir / "missing", read));
  EXPECT_FALSE(FileSystem::WriteTimes(dir / "missing", set));
}

TEST(FileSystem, RemoveReportsMissingEntriesAsENOENT) {
  test::TempDir dir;
  std::string file = dir.WriteFile("f", "x");
  std::string folder = dir.MakeFolder("d");
  dir.WriteFile("d/inside", "y");
  EXPECT_EQ(FileSystem::RemoveFile(file), 0);
  EXPECT_EQ(FileSystem::RemoveFile(file), ENOENT);
  EXPECT_EQ(FileSystem::RemoveFolder(folder), ENOTEMPTY);
  EXPECT_EQ(FileSystem::RemoveFolder(dir / "missing"), ENOENT);
}

TEST(FileSystem, DeleteTreeRemovesLinksWithoutFollowingThem) {
  test::TempDir dir;
  std::string keep = dir.WriteFile("outside.txt", "precious");
  dir.MakeFolder("tree/a/b/c");
  dir.WriteFile("tree/a/b/c/deep", "1");
  dir.WriteFile("tree/.hidden", "2");
  dir.MakeLink("tree/a/to-outside", dir.Path());
  dir.MakeLink("tree/a/file-link", keep);

  EXPECT_TRUE(FileSystem::DeleteTree(dir / "tree"));
  EXPECT_FALSE(FileSystem::LookUp(dir / "tree").exists);
  EXPECT_TRUE(FileSystem::LookUp(keep).exists);
  EXPECT_TRUE(FileSystem::DeleteTree(dir / "tree")) << "a missing tree counts as removed";
}

}  // namespace
}  // namespace ostrel
