#include <gtest/gtest.h>

#include <map>

#include "platform/DirectoryReader.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

std::map<std::string, FileStatus> ListAll(const std::string& path) {
  std::map<std::string, FileStatus> entries;
  DirectoryReader reader(path);
  DirectoryEntry entry;
  while (reader.Next(entry)) entries[std::string(entry.name)] = entry.status;
  return entries;
}

TEST(DirectoryReader, ListsEveryEntryButDotAndDotDot) {
  test::TempDir dir;
  dir.WriteFile(".hidden", "x");
  dir.WriteFile("..twodots", "yy");
  dir.MakeFolder("sub");
  dir.MakeLink("dangling", dir / "nowhere");
  dir.MakeLink("tosub", dir / "sub");

  auto entries = ListAll(dir.Path());

  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries.count("."), 0u);
  EXPECT_EQ(entries.count(".."), 0u);
  EXPECT_EQ(entries[".hidden"].size, 1u);
  EXPECT_EQ(entries["..twodots"].size, 2u);
  EXPECT_TRUE(entries["sub"].IsDirectory());
  EXPECT_TRUE(entries["tosub"].IsDirectory()) << "links are followed";
  EXPECT_FALSE(entries["dangling"].exists);
}

TEST(DirectoryReader, ReportsTheFolderItOpened) {
  test::TempDir dir;
  DirectoryReader reader(dir.Path());
  ASSERT_TRUE(reader.IsOpen());
  EXPECT_TRUE(reader.Self().IsDirectory());
  EXPECT_NE(reader.Self().inode, 0u);
}

TEST(DirectoryReader, AMissingOrPlainFileListsNothing) {
  test::TempDir dir;
  std::string file = dir.WriteFile("f", "1");
  for (const std::string& path : {dir / "missing", file}) {
    DirectoryReader reader(path);
    DirectoryEntry entry;
    EXPECT_FALSE(reader.IsOpen()) << path;
    EXPECT_FALSE(reader.Next(entry)) << path;
  }
}

}  // namespace
}  // namespace ostrel
